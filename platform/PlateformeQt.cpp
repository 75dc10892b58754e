#include "PlateformeQt.h"
#include "VisionneuseAide.h"

#include <QApplication>
#include <QColorDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <chrono>

TPlateformeQt::TPlateformeQt() { horloge.start(); }

TPlateformeQt::~TPlateformeQt() = default; // sound effects belong to the application object

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

QSoundEffect *TPlateformeQt::effet(const QString &chemin)
{
    QSoundEffect *&e = effets[chemin];
    if (!e) {
        e = new QSoundEffect(qApp);
        e->setSource(QUrl::fromLocalFile(chemin));
    }
    return e;
}

void TPlateformeQt::JouerSon(const QString &nom, TModeSon mode)
{
    if (enCours)
        enCours->stop();
    const QString chemin = TrouverFichier(nom);
    if (chemin.isEmpty()) {
        Bip(); // no such file: the default sound, as the system would play it
        return;
    }
    enCours = effet(chemin);
    enCours->play();
    if (mode == TModeSon::Asynchrone)
        return;
    // Wait for the sound's own length, not for a "playing" flag: without an
    // audio device that flag never drops. Paints go on, input waits, so a
    // sound that blocks input is cut short of any long wait.
    constexpr quint32 attenteMax = 3000;
    QEventLoop boucle;
    QTimer::singleShot(int(std::min(DureeWav(chemin), attenteMax)), Qt::PreciseTimer, &boucle, &QEventLoop::quit);
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
}

void TPlateformeQt::Bip() { QApplication::beep(); }

bool TPlateformeQt::QuestionOuiNon(const QString &texte, const QString &titre)
{
    QString lignes = texte;
    lignes.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox boite(QMessageBox::NoIcon, titre, lignes, QMessageBox::Yes | QMessageBox::No);
    boite.setWindowModality(Qt::ApplicationModal);
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    return boite.exec() == QMessageBox::Yes;
}

std::optional<QColor> TPlateformeQt::ChoisirCouleur(QWidget *parent, const QColor &depart)
{
    const QColor c = QColorDialog::getColor(depart, parent, QStringLiteral("Couleurs"));
    if (!c.isValid())
        return std::nullopt;
    return c;
}

void TPlateformeQt::OuvrirAide(const QString &fichier, const QString &sujet)
{
    if (!visionneuse) {
        visionneuse = new TVisionneuseAide;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, visionneuse.data(),
                         [v = visionneuse.data()] { delete v; });
    }
    visionneuse->Ouvrir(fichier, sujet);
}

void TPlateformeQt::TerminerProgramme()
{
    finDemandee = true;
    QCoreApplication::exit(0);
}
