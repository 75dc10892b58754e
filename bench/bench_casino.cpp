// The Casino window with the real clock, offscreen (QT_QPA_PLATFORM=offscreen):
//  (a) the wall time of a full deal of 25 cards;
//  (b) the CPU share of one core during the three one-second pauses of a
//      pair's removal, beside a spinning wait measured in the same run;
//  (c) the wall time and CPU share of a whole removal whose gaps close up
//      over 23 cards twice.
#include "U_Casino.h"
#include "PlateformeQt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {
double TempsProcesseur()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The pair at places a and b chosen, then taken off the table: the share of
// one core, in per cent, from its start to `jusqua` ms in (or to its end, if
// sooner), and that span's wall time in seconds.
struct TMesure { double part, mur; };
TMesure Retirer(TfrmCasino &fenetre, quint8 a, quint8 b, int jusqua)
{
    fenetre.Carte1 = a;
    fenetre.Carte2 = b;
    fenetre.NbSelection = 2;
    fenetre.Tapis[a]->SetSelectionnee(true);
    fenetre.Tapis[b]->SetSelectionnee(true);
    QElapsedTimer mur;
    double cpu = -1, secondes = -1;
    const double cpu0 = TempsProcesseur();
    auto relever = [&] {
        if (secondes < 0) {
            cpu = TempsProcesseur() - cpu0;
            secondes = double(mur.nsecsElapsed()) / 1e9;
        }
    };
    QTimer releve; // fires inside the pause that is running then
    releve.setSingleShot(true);
    QObject::connect(&releve, &QTimer::timeout, relever);
    mur.start();
    releve.start(jusqua);
    fenetre.RetirerPaire();
    relever();
    return {100.0 * cpu / secondes, secondes};
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TPlateformeQt plateforme;
    InstallerPlateforme(&plateforme);
    TfrmCasino fenetre;
    fenetre.show();
    QCoreApplication::processEvents();

    // (a) A full deal.
    QElapsedTimer t;
    t.start();
    fenetre.LancerNouvellePartie();
    const double donne = double(t.nsecsElapsed()) / 1e9;
    std::printf("(a) full deal of 25 cards: %.2f s (%.1f ms per card)\n", donne, donne * 1000 / 25);

    // (b) Pairs at the last two places: nothing closes up, so the first three
    // seconds are the three pauses back to back; the refill follows.
    double pire = 0, somme = 0;
    const int fois = 4;
    for (int i = 0; i < fois; ++i) {
        const TMesure m = Retirer(fenetre, 23, 24, 2950);
        somme += m.part;
        pire = std::max(pire, m.part);
    }
    const double cpu0 = TempsProcesseur();
    QElapsedTimer spin;
    spin.start();
    while (spin.elapsed() < 1000)
        QCoreApplication::processEvents();
    const double cpuSpin = 100.0 * (TempsProcesseur() - cpu0) / (double(spin.nsecsElapsed()) / 1e9);
    std::printf("(b) pauses of a removal (2.95 s, %d times): %5.1f %% of a core on average, %5.1f %% at worst;"
                " spinning wait: %5.1f %%\n",
                fois, somme / fois, pire, cpuSpin);

    // (c) The first two places: 23 cards close up twice, then the refill.
    const TMesure entiere = Retirer(fenetre, 0, 1, 60000);
    std::printf("(c) removal at places 0 and 1 (46 slides, 2 refills): %.2f s, %5.1f %% of a core\n", entiere.mur,
                entiere.part);
    return 0;
}
