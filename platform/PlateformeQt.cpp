#include "PlateformeQt.h"
#include "VisionneuseAide.h"

#include <QApplication>
#include <QColorDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <chrono>

TPlateformeQt::TPlateformeQt() { horloge.start(); }

// Sound effects belong to the application object; the help viewer ends here.
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
    const std::optional<quint32> duree = chemin.isEmpty() ? std::nullopt : DureeWav(chemin);
    if (!duree) {
        Bip(); // no such sound: the default one, as the system would play it
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
    QTimer::singleShot(int(std::min(*duree, attenteMax)), Qt::PreciseTimer, &boucle, &QEventLoop::quit);
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
}

void TPlateformeQt::Bip() { QApplication::beep(); }

bool TPlateformeQt::QuestionOuiNon(const QString &texte, const QString &titre)
{
    QString lignes = texte;
    lignes.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox boite(QMessageBox::NoIcon, titre, lignes, QMessageBox::Yes | QMessageBox::No);
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
    // The one given, or the one beside the program, or where an installed
    // program keeps its helpers; never one from the current directory.
    const QString ici = QCoreApplication::applicationDirPath();
    const QStringList candidats = programmeAide.isEmpty()
        ? QStringList{ici + QStringLiteral("/ludoval-aide"), ici + QStringLiteral("/../libexec/ludoval/ludoval-aide"),
                      QStringLiteral(LUDOVAL_LIBEXECDIR "/ludoval-aide")}
        : QStringList{programmeAide};
    for (const QString &candidat : candidats) {
        const QFileInfo programme(candidat);
        if (programme.isFile() && programme.isExecutable())
            return programme.absoluteFilePath();
    }
    return {};
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
