// Les petits paquets with the real clock, offscreen (QT_QPA_PLATFORM=offscreen):
//  (a) the wall time of a full deal, 52 slides in four passes;
//  (b) the wall time of a judged pair, from the press on the second top card
//      until the table is open again, and of the selection sound alone.
// Run it from the folder that holds the sounds (the build puts them beside
// the program), or the selection sound takes no time.
#include "PlateformeQt.h"
#include "U_PetitsPaquets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <cstdio>

namespace {
// Two packets whose tops have the same rank, or {-1, -1}.
std::pair<int, int> Paire(const TfrmPetitsPaquets &fenetre)
{
    for (int a = 0; a < TfrmPetitsPaquets::NbPaquets; ++a)
        for (int b = a + 1; b < TfrmPetitsPaquets::NbPaquets; ++b)
            if (fenetre.Sommet(a)->Valeur() == fenetre.Sommet(b)->Valeur())
                return {a, b};
    return {-1, -1};
}

double Secondes(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e9; }
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TPlateformeQt plateforme;
    InstallerPlateforme(&plateforme);
    TfrmPetitsPaquets fenetre;
    fenetre.show();
    QCoreApplication::processEvents();

    // (a) Full deals, until one shows a pair to judge.
    QElapsedTimer t;
    double total = 0, pire = 0;
    int donnes = 0;
    std::pair<int, int> paire{-1, -1};
    while (paire.first < 0 || donnes < 3) {
        t.start();
        fenetre.LancerNouvellePartie();
        const double s = Secondes(t);
        total += s;
        pire = std::max(pire, s);
        ++donnes;
        paire = Paire(fenetre);
    }
    std::printf("(a) full deal, 52 slides: %.2f s on average over %d deals (%.1f ms per slide), %.2f s at worst\n",
                total / donnes, donnes, total / donnes * 1000 / 52, pire);

    // (b) The first choice costs the selection sound; the second the sound
    // and the judgement with its two pauses.
    auto presser = [&](int paquet) {
        const QPoint point = TfrmPetitsPaquets::PositionPaquet(paquet) + QPoint(35, 48);
        t.start();
        QTest::mouseClick(fenetre.windowHandle(), Qt::LeftButton, {}, point);
        return Secondes(t);
    };
    const double son = presser(paire.first);
    const double jugement = presser(paire.second);
    if (fenetre.CartesRestantes != 50 || fenetre.Occupe) {
        std::fprintf(stderr, "bench_paquets: the pair was not taken\n");
        return 1;
    }
    std::printf("(b) judged pair: %.3f s from the press to the open table (selection sound alone: %.3f s)\n",
                jugement, son);
    return 0;
}
