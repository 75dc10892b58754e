// A game window played at random: clicks with either button, new deals, the
// table colour, the card backs, the help, leaving for the chooser and the win
// question, many of them injected so that they arrive inside a deal, a pause
// or a slide. The game's own invariants are checked after every step.
#pragma once

#include "PlateformeTest.h"

#include <QRandomGenerator>
#include <functional>

class TfrmJeu;

struct TParcoursAleatoire {
    // A client point of the window to click, drawn at random: on a card, or
    // anywhere the game wants tried.
    std::function<QPoint(QRandomGenerator &)> point;
    // Checks the game's state whenever no operation is under way; fails the
    // current test on a broken invariant.
    std::function<void()> verifier;
    int pas = 3000;
    quint32 graine = 20261208;
};

// Runs the steps on a window already dealt and shown. Stops at the first
// failure and says at which step.
void ParcourirAuHasard(TPlateformeTest &plateforme, TfrmJeu *fenetre, const TParcoursAleatoire &parcours);
