#include "PlateformeQt.h"
#include "FichiersSons.h"

#include <QApplication>
#include <QColorDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <tuple>

namespace {
// A question that only its buttons answer: Qt would take Escape and the
// title bar's close for No, and No may end the program.
class TQuestion : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (!e->matches(QKeySequence::Cancel))
            QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent *e) override { e->ignore(); }
};
} // namespace

TPlateformeQt::TPlateformeQt() : cloche([] { QApplication::beep(); }) { horloge.start(); }

quint32 TPlateformeQt::CompteurTicks() { return quint32(horloge.elapsed()); }

quint32 TPlateformeQt::CompteurHauteResolution()
{
    return quint32(std::chrono::steady_clock::now().time_since_epoch().count());
}

void TPlateformeQt::TraiterEvenements() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TPlateformeQt::AttendreEvenement(quint32 ms)
{
    // The timer wakes the dispatcher at the deadline if nothing else does.
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    reveil.start(int(ms));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

namespace {
// Alerts are told apart from sounds by their number.
constexpr quint32 NumeroAlerte = 0x80000000u;
// A synchronous sound ends on the server's word, or at the latest once its
// own length and this margin have passed, and never after `AttenteMaxSon`.
constexpr quint32 MargeSon = 40;
constexpr quint32 AttenteMaxSon = 3000;
} // namespace

TCreerLecteurSons TPlateformeQt::ChargerModuleSons() const
{
    const QString module = TrouverComposant(moduleSons, QStringLiteral("lecteur-sons.so"),
                                            QStringLiteral(LUDOVAL_LIBDIR_RELATIF), QStringLiteral(LUDOVAL_LIBDIR), false);
    // Loaded for good: the player it makes lives as long as the platform.
    QLibrary bibliotheque(module);
    const auto creer = module.isEmpty() ? nullptr
                                        : reinterpret_cast<TCreerLecteurSons>(bibliotheque.resolve(NomCreerLecteurSons));
    if (!creer)
        qWarning("Ludoval: no sound module (%s), the default beep plays instead",
                 qUtf8Printable(module.isEmpty() ? QStringLiteral("none found") : bibliotheque.errorString()));
    return creer;
}

void TPlateformeQt::PreparerSons()
{
    if (sonsPrepares)
        return;
    sonsPrepares = true;
    const TCreerLecteurSons creer = creerLecteur ? creerLecteur : ChargerModuleSons();
    if (!creer)
        return;
    lecteur.reset(creer([this](quint32 numero, bool sansServeur) {
        QMetaObject::invokeMethod(&receveurSons, [=, this] { SonFini(numero, sansServeur); }, Qt::QueuedConnection);
    }));
}

quint32 TPlateformeQt::NouveauNumeroSon(quint32 genre)
{
    numeroSon = (numeroSon + 1) & ~NumeroAlerte;
    if (numeroSon == 0)
        numeroSon = 1;
    return numeroSon | genre;
}

void TPlateformeQt::SonFini(quint32 numero, bool sansServeur)
{
    if (attenteSon && numero == sonAttendu)
        attenteSon->quit();
    if (sansServeur && (numero & NumeroAlerte))
        cloche();
}

void TPlateformeQt::JouerSon(const QString &nom, TModeSon mode)
{
    PreparerSons();
    const QString chemin = TrouverFichier(nom);
    const std::optional<quint32> duree = chemin.isEmpty() ? std::nullopt : DureeWav(chemin);
    if (!duree || !lecteur) {
        Bip(); // no such sound, or nothing to play it: the default one
        return;
    }
    const quint32 numero = NouveauNumeroSon(0);
    lecteur->Jouer(chemin, *duree, numero);
    if (mode == TModeSon::Asynchrone)
        return;
    // Paints go on, input waits: a server that stalls or never answers holds
    // the game no longer than the sound's own length.
    QEventLoop boucle;
    const auto avant = std::pair(attenteSon, sonAttendu);
    attenteSon = &boucle;
    sonAttendu = numero;
    QTimer::singleShot(int(std::min(*duree + MargeSon, AttenteMaxSon)), Qt::PreciseTimer, &boucle, &QEventLoop::quit);
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
    std::tie(attenteSon, sonAttendu) = avant;
}

void TPlateformeQt::Bip()
{
    PreparerSons();
    if (lecteur)
        lecteur->Alerte(NouveauNumeroSon(NumeroAlerte));
    else
        cloche();
}

bool TPlateformeQt::QuestionOuiNon(QWidget *parent, const QString &texte, const QString &titre)
{
    QString lignes = texte;
    lignes.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    TQuestion boite(QMessageBox::NoIcon, titre, lignes, QMessageBox::Yes | QMessageBox::No, parent);
    boite.setWindowModality(Qt::ApplicationModal);
    // Plain buttons: the style would give them icons of its own.
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    for (QAbstractButton *bouton : boite.buttons())
        bouton->setIcon(QIcon());
    return boite.exec() == QMessageBox::Yes;
}

std::optional<QColor> TPlateformeQt::ChoisirCouleur(QWidget *parent, const QColor &depart)
{
    const QColor c = QColorDialog::getColor(depart, parent, QStringLiteral("Couleurs"));
    if (!c.isValid())
        return std::nullopt;
    return c;
}






void TPlateformeQt::TerminerProgramme()
{
    finDemandee = true;
    QCoreApplication::exit(0);
}
