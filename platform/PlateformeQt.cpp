#include "PlateformeQt.h"
#include "FichiersSons.h"
#include "VisionneuseAide.h"

#include <QApplication>
#include <QColorDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibrary>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <tuple>
#include <xcb/xcb.h>

namespace {
// One of the program's own parts: the file given, or else `nom` beside the
// program, then in `dossier` under the prefix the program lies in, then in
// `installe`; never one from the current directory. Empty when none is fit.
QString Composant(const QString &donne, const QString &nom, const QString &dossier, const QString &installe,
                  bool programme)
{
    const QString ici = QCoreApplication::applicationDirPath();
    const QStringList candidats = donne.isEmpty()
        ? QStringList{ici + u'/' + nom, ici + QStringLiteral("/../") + dossier + u'/' + nom, installe + u'/' + nom}
        : QStringList{donne};
    for (const QString &candidat : candidats) {
        const QFileInfo fichier(candidat);
        if (fichier.isFile() && (!programme || fichier.isExecutable()))
            return fichier.absoluteFilePath();
    }
    return {};
}

// Once the help viewer has closed, the program's window on screen gets the
// keyboard back: without a window manager, nothing else would give it back.
void RendreClavier()
{
    if (QApplication::activeWindow())
        return;
    const QWidgetList fenetres = QApplication::topLevelWidgets();
    const auto trouvee = std::find_if(fenetres.begin(), fenetres.end(), [](QWidget *w) {
        return w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
    });
    if (trouvee == fenetres.end())
        return;
    QWidget *fenetre = *trouvee;
    fenetre->activateWindow();
    // Qt dates its request with the last event it saw, older than the
    // viewer's own focus: the X server would refuse it. Asked for now, it
    // takes.
    if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT, xcb_window_t(fenetre->winId()),
                            XCB_CURRENT_TIME);
        xcb_flush(x11->connection());
    }
}

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

// The help viewer ends with the platform.
TPlateformeQt::~TPlateformeQt() { FermerAide(); }

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
    const QString module = Composant(moduleSons, QStringLiteral("lecteur-sons.so"),
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

QString TPlateformeQt::ProgrammeAide() const
{
    return Composant(programmeAide, QStringLiteral("ludoval-aide"), QStringLiteral(LUDOVAL_LIBEXECDIR_RELATIF),
                     QStringLiteral(LUDOVAL_LIBEXECDIR), true);
}

void TPlateformeQt::LancerAide()
{
    FermerAide();
    const QString programme = ProgrammeAide();
    if (programme.isEmpty())
        return;
    aide = new QProcess(qApp);
    aide->setStandardOutputFile(QProcess::nullDevice());
    // The viewer ends with the program, whatever it is busy with.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, aide.data(), [this] { FermerAide(); });
    // Qt waits a while after a window loses the focus before it deems none
    // active: a viewer closed at once would find the game still active.
    QObject::connect(aide.data(), &QProcess::finished, qApp, [] { QTimer::singleShot(500, qApp, &RendreClavier); });
    aide->start(programme, {});
    if (!aide->waitForStarted(5000))
        FermerAide();
}

void TPlateformeQt::FermerAide()
{
    if (!aide)
        return;
    aide->kill();
    aide->waitForFinished(1000);
    delete aide;
}

void TPlateformeQt::OuvrirAide(const QString &fichier, const QString &sujet)
{
    if (!aide || aide->state() != QProcess::Running)
        LancerAide();
    if (aide) {
        aide->write(TRequeteAide{fichier, TrouverFichier(fichier), sujet}.Ligne());
        return;
    }
    // No viewer can be run: say so here, without reading any file.
    if (!visionneuse) {
        visionneuse = new TVisionneuseAide;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, visionneuse.data(),
                         [v = visionneuse.data()] { delete v; });
    }
    visionneuse->Ouvrir(fichier, QString(), sujet);
}

qint64 TPlateformeQt::ProcessusAide() const
{
    return aide && aide->state() != QProcess::NotRunning ? aide->processId() : 0;
}

void TPlateformeQt::TerminerProgramme()
{
    finDemandee = true;
    QCoreApplication::exit(0);
}
