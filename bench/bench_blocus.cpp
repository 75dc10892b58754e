// The game window with the real clock, offscreen (QT_QPA_PLATFORM=offscreen):
//  (a) the CPU share of one core during a one-second pause, beside a
//      spinning wait measured in the same run;
//  (b) the wall time of a full Blocus des quatorze deal;
//  (c) the time from a mouse press on a card to the card painted inverted.
#include "U_BlocusQuatorze.h"
#include "PlateformeQt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace {
double TempsProcesseur()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Share of one core that `attente` burns, in per cent, and its wall time.
template <typename F> std::pair<double, double> Mesurer(F &&attente)
{
    QElapsedTimer mur;
    const double cpu0 = TempsProcesseur();
    mur.start();
    attente();
    const double murS = double(mur.nsecsElapsed()) / 1e9;
    return {100.0 * (TempsProcesseur() - cpu0) / murS, murS};
}

// Catches the first paint of a card once it is selected.
struct TGuetteur : QObject {
    TCarte *carte = nullptr;
    QElapsedTimer *depuis = nullptr;
    qint64 ns = -1;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == carte && e->type() == QEvent::Paint && carte->Selectionnee() && ns < 0)
            ns = depuis->nsecsElapsed();
        return false;
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TPlateformeQt plateforme;
    InstallerPlateforme(&plateforme);
    TfrmBlocusQuatorze fenetre;
    fenetre.show();
    QCoreApplication::processEvents();

    // (a) A pause against a spinning wait of the same length.
    const auto [cpuPause, murPause] = Mesurer([&] { fenetre.Attendre(100); });
    const auto [cpuSpin, murSpin] = Mesurer([] {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 1000)
            QCoreApplication::processEvents();
    });
    std::printf("(a) Attendre(100): %.3f s wall, %5.1f %% of a core; spinning wait: %.3f s, %5.1f %%\n",
                murPause, cpuPause, murSpin, cpuSpin);

    // (b) A full deal.
    QElapsedTimer t;
    t.start();
    fenetre.LancerNouvellePartie();
    const double donne = double(t.nsecsElapsed()) / 1e9;
    std::printf("(b) full deal of 52 cards: %.2f s (%.1f ms per card)\n", donne, donne * 1000 / 52);

    // (c) Press on a bottom card until it paints inverted, several times.
    TGuetteur guetteur;
    guetteur.depuis = &t;
    double total = 0, pire = 0;
    const int fois = 20;
    for (int i = 0; i < fois; ++i) {
        const int place = 40 + i % 12;
        guetteur.carte = fenetre.Talon()->Cartes()[place];
        guetteur.ns = -1;
        guetteur.carte->installEventFilter(&guetteur);
        const QPoint point = TfrmBlocusQuatorze::PositionPlace(place) + QPoint(30, 30);
        t.start();
        QTest::mousePress(fenetre.windowHandle(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(fenetre.windowHandle(), Qt::LeftButton, {}, point);
        guetteur.carte->removeEventFilter(&guetteur);
        const double us = double(guetteur.ns) / 1000;
        total += us;
        pire = std::max(pire, us);
        // Withdraw the choice again (no sound, no judgement).
        QTest::mouseClick(fenetre.windowHandle(), Qt::LeftButton, {}, point);
    }
    std::printf("(c) press to card painted inverted: %.0f us on average, %.0f us at worst\n", total / fois, pire);
    return 0;
}
