// Casino: twenty-five cards in a grid of five by five beside a stock; two
// cards of the same rank that touch in the grid leave it, the grid closes up
// in reading order and the stock refills its last places.
#pragma once

#include "U_Choix.h"

#include <array>

class TfrmCasino : public TfrmJeu {
    Q_OBJECT
public:
    TfrmCasino();

    static const TDonneesJeu Fiche;
    static constexpr int NbColonnes = 5;
    static constexpr int NbPlaces = NbColonnes * 5;
    static constexpr int Recharge = 2; // stock cards that follow a pair

    // Where place p lies: five columns, five rows, in reading order.
    static QPoint PositionPlace(int place);

    // The game's state. Places 0 to NbCartesTapis - 1 of the grid are in
    // use, without gaps; the cards belong to Talon().
    std::array<TCarte *, NbPlaces> Tapis{};
    quint8 NbCartesTapis = 0;
    quint8 Carte1 = Aucune;
    quint8 Carte2 = Aucune;
    quint8 NbSelection = 0;

    void NouvellePartie() override;
    void CarteMouseDown(TCarte *carte) override;
    // False when a newer deal has overtaken it.
    bool Distribuer();
    void VerifierSelection();
    void AnnulerSelection();
    void RetirerPaire();
    // Moves every card after place p one place back; NbCartesTapis has
    // already been lowered for the card that left p.
    void DecalerCartes(quint8 place);

private:
    void ViderChoix();
    // The grid's places in use grow with each card that lands.
    bool Remplir(int jusqua);
};
