// Multiples de sept with the real clock, offscreen (QT_QPA_PLATFORM=offscreen):
//  (a) the wall time of a full deal (four cards);
//  (b) the wall time of a draw, the stock's card sliding to the row;
//  (c) the wall time of removing a group of three from a row of eleven: the
//      three at the left end (the most closing up) and at the right end
//      (the least).
#include "PlateformeQt.h"
#include "U_Multiples7.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {
template <typename F> double Secondes(F &&operation)
{
    QElapsedTimer t;
    t.start();
    operation();
    return double(t.nsecsElapsed()) / 1e9;
}

// Draws until the row is full; a draw leaves its card marked for the click
// that made it, and no click is made here. The time of each draw.
QList<double> Remplir(TfrmMultiplesSept &fenetre)
{
    QList<double> durees;
    while (fenetre.NbCartesTapis < TfrmMultiplesSept::NbPlaces) {
        durees << Secondes([&] { fenetre.AjouterCarte(); });
        fenetre.Tapis[fenetre.NbCartesTapis - 1]->SetSelectionnee(false);
    }
    return durees;
}

double Retirer(TfrmMultiplesSept &fenetre, std::initializer_list<int> places)
{
    for (int place : places)
        fenetre.Tapis[place]->SetSelectionnee(true);
    return Secondes([&] { fenetre.RetirerCartes(); });
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TPlateformeQt plateforme;
    InstallerPlateforme(&plateforme);
    TfrmMultiplesSept fenetre;
    fenetre.show();
    QCoreApplication::processEvents();

    const double donne = Secondes([&] { fenetre.LancerNouvellePartie(); });
    std::printf("(a) full deal of 4 cards: %.3f s (%.1f ms per card)\n", donne, donne * 1000 / 4);

    QList<double> tirages = Remplir(fenetre);
    const double gauche = Retirer(fenetre, {0, 1, 2});
    tirages += Remplir(fenetre);
    const double droite = Retirer(fenetre, {8, 9, 10});

    double total = 0, pire = 0;
    for (double d : tirages) {
        total += d;
        pire = std::max(pire, d);
    }
    std::printf("(b) a draw: %.1f ms on average, %.1f ms at worst (%lld draws)\n", total * 1000 / double(tirages.size()),
                pire * 1000, qlonglong(tirages.size()));
    std::printf("(c) a group of three leaving a row of eleven: %.3f s from places 0, 1, 2 (27 close-up slides), "
                "%.3f s from places 8, 9, 10 (3 slides)\n",
                gauche, droite);
    return 0;
}
