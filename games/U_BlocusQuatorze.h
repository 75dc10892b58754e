// Le blocus des quatorze: the whole deck face up in twelve overlapping
// columns; two bottom cards whose ranks total fourteen leave the table.
#pragma once

#include "U_Choix.h"

#include <array>

class TfrmBlocusQuatorze : public TfrmJeu {
    Q_OBJECT
public:
    TfrmBlocusQuatorze();

    static const TDonneesJeu Fiche;
    static constexpr int NbColonnes = 12;
    // Places from here on hold the bottom cards of the columns.
    static constexpr int PremierBas = 52 - NbColonnes;
    static constexpr int Somme = 14;

    // Where place i lies: twelve columns, five rows (the last one short).
    static QPoint PositionPlace(int place);

    // The game's state.
    std::array<bool, 52> Disponible{}; // the card at this place may be chosen
    quint8 CartesRestantes = 0;
    quint8 NbSelection = 0;
    quint8 Carte1 = Aucune;
    quint8 Carte2 = Aucune;

    void NouvellePartie() override;
    void CarteMouseDown(TCarte *carte) override;
    // False when a newer deal has overtaken it.
    bool Distribuer();
    void VerifierSelection();
};
