// A game window whose rules are still to come: the frame with its deck, its
// menus and its table, and nothing dealt on it.
#pragma once

#include "U_Cadre.h"

class TfrmEnPreparation : public TfrmJeu {
    Q_OBJECT
public:
    explicit TfrmEnPreparation(TJeu jeu, QWidget *parent = nullptr) : TfrmJeu(jeu, parent) { CreerTalon(); }

protected:
    void NouvellePartie() override { Talon()->Melanger(); }
    void CarteMouseDown(TCarte *) override {}
};
