#pragma once

#include "U_Cadre.h"

#include <QMenuBar>
#include <QToolBar>

// A game with no rules of its own: it counts its deals and its clicks.
class TJeuEssai : public TfrmJeu {
public:
    explicit TJeuEssai(const TDonneesJeu &jeu) : TfrmJeu(jeu) { FinirConstruction(); }
    int donnes = 0;
    QList<TCarte *> clics;
    void NouvellePartie() override { ++donnes; }
    void CarteMouseDown(TCarte *carte) override { clics << carte; }
    QToolBar *Outils() const { return findChild<QToolBar *>(QStringLiteral("ActionToolBar")); }
    QMenu *Menu(int i) const { return menuBar()->actions()[i]->menu(); }
    using TfrmJeu::OptionsChoixCouleurTapisExecute;
    using TfrmJeu::TOperation;
};
