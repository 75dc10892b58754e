// ludoval-aide: the help viewer's process. Each line of its input is one
// request of the game; once a page is shown it says "affiche" and the topic
// on its output. It ends when its window is closed, when its input ends, and
// with the game that started it, even if a help file keeps it busy.
#include "VisionneuseAide.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludoval"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/ludoval.png")));
    TVisionneuseAide visionneuse;

    QByteArray recu;
    QSocketNotifier entree(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&entree, &QSocketNotifier::activated, &app, [&] {
        char tampon[4096];
        const ssize_t lus = ::read(STDIN_FILENO, tampon, sizeof tampon);
        if (lus <= 0) {
            entree.setEnabled(false);
            QApplication::quit();
            return;
        }
        recu.append(tampon, lus);
        for (qsizetype fin; (fin = recu.indexOf('\n')) >= 0;) {
            const std::optional<TRequeteAide> requete = TRequeteAide::Lire(recu.left(fin));
            recu.remove(0, fin + 1);
            if (!requete)
                continue;
            visionneuse.Ouvrir(requete->nom, requete->chemin, requete->sujet);
            std::printf("affiche %s\n", qPrintable(requete->sujet));
            std::fflush(stdout);
        }
    });
    return app.exec();
}
