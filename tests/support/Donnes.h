// Deals known in advance. A game window's shuffle seeds itself from the
// high-resolution counter, which the test platform sets: a seed names a deal.
#pragma once

#include "PlateformeTest.h"

#include <array>
#include <functional>

class TfrmJeu;

// What lies at each index of a fresh deck (rank then suit, as a new game
// window's) once shuffled from a seed; Cartes()[51] is the top of the stock,
// the first card drawn.
struct TCarteMelangee {
    int rang;
    int origine; // its index in the fresh deck
};
using TMelange = std::array<TCarteMelangee, 52>;
TMelange Melanger(TPlateformeTest &plateforme, quint32 graine);
// The same after one deal from each seed in turn: a shuffle mixes the deck
// in the order the deal before left it.
TMelange Melanger(TPlateformeTest &plateforme, const QList<quint32> &graines);

// The deals of the seeds as one game reads them: `lire` turns a shuffle into
// what the game lays where.
template <class TDonne> class TGraines {
public:
    TGraines(TPlateformeTest &plateforme, TDonne (*lire)(const TMelange &)) : plateforme(plateforme), lire(lire) {}

    TDonne Donne(quint32 graine) const { return lire(Melanger(plateforme, graine)); }
    // The first seed from `depuis` whose deal satisfies `condition`.
    quint32 Premiere(const std::function<bool(const TDonne &)> &condition, quint32 depuis = 1) const
    {
        for (quint32 g = depuis;; ++g)
            if (condition(Donne(g)))
                return g;
    }

private:
    TPlateformeTest &plateforme;
    TDonne (*lire)(const TMelange &);
};

// Shows a game window and lets it deal from `graine`, from the main loop as
// on screen; then forgets what the deal recorded.
void JouerDepuis(TPlateformeTest &plateforme, TfrmJeu &fenetre, quint32 graine);
