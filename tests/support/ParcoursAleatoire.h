// A game window played at random: clicks with either button, new deals, the
// table colour, the card backs, the help, leaving for the chooser and the win
// question, many of them injected so that they arrive inside a deal, a pause
// or a slide. The game's own invariants are checked after every step.
#pragma once

#include "PlateformeTest.h"

#include <QRandomGenerator>
#include <functional>

#ifndef LUDOVAL_PAS_AU_HASARD
#define LUDOVAL_PAS_AU_HASARD 3000
#endif

class TfrmJeu;

using TPointAuHasard = std::function<QPoint(QRandomGenerator &)>;

struct TParcoursAleatoire {
    // A client point of the window to click, drawn at random; the game's own
    // PointAuHasard when empty.
    TPointAuHasard point;
    // Checks the game's state whenever no operation is under way; fails the
    // current test on a broken invariant.
    std::function<void()> verifier;
    // Under the sanitizers, which slow a step several times, the walks are
    // shorter; the soak (bench/soak) walks for as long as it is asked.
    int pas = LUDOVAL_PAS_AU_HASARD;
    quint32 graine = 20261208;
};

// Runs the steps on a window already dealt and shown, with stand-ins for the
// chooser and the card-back chooser. Stops at the first failure and says at
// which step.
void ParcourirAuHasard(TPlateformeTest &plateforme, TfrmJeu *fenetre, const TParcoursAleatoire &parcours);

// One step of such a walk on a window on screen, then the time for every
// input it injected to arrive. The window may have left for the chooser.
void PasAuHasard(TPlateformeTest &plateforme, TfrmJeu *fenetre, QRandomGenerator &hasard, const TPointAuHasard &point);

// A point of a game window worth clicking: mostly a card, often one that
// makes a move with the card chosen, now and then the stock or the table.
QPoint PointAuHasard(TfrmJeu *fenetre, QRandomGenerator &hasard);
