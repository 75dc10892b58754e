#include "ProcessusAide.h"
#include "FichiersSons.h"
#include "VisionneuseAide.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <xcb/xcb.h>

namespace {
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
} // namespace

TProcessusAide::~TProcessusAide() { Fermer(); }

void TProcessusAide::Lancer()
{
    Fermer();
    const QString chemin = TrouverComposant(programme, QStringLiteral("ludoval-aide"),
                                            QStringLiteral(LUDOVAL_LIBEXECDIR_RELATIF),
                                            QStringLiteral(LUDOVAL_LIBEXECDIR), true);
    if (chemin.isEmpty())
        return;
    aide = new QProcess(qApp);
    aide->setStandardOutputFile(QProcess::nullDevice());
    // The viewer ends with the program, whatever it is busy with.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, aide.data(), [this] { Fermer(); });
    // Qt waits a while after a window loses the focus before it deems none
    // active: a viewer closed at once would find the game still active.
    QObject::connect(aide.data(), &QProcess::finished, qApp, [] { QTimer::singleShot(500, qApp, &RendreClavier); });
    aide->start(chemin, {});
    if (!aide->waitForStarted(5000))
        Fermer();
}

void TProcessusAide::Fermer()
{
    if (!aide)
        return;
    aide->kill();
    aide->waitForFinished(1000);
    delete aide;
}

void TProcessusAide::Ouvrir(const QString &fichier, const QString &sujet)
{
    if (!aide || aide->state() != QProcess::Running)
        Lancer();
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

qint64 TProcessusAide::Processus() const
{
    return aide && aide->state() != QProcess::NotRunning ? aide->processId() : 0;
}
