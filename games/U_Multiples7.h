// Multiples de sept: a row of up to eleven cards fed from the stock at the
// player's request; marked cards whose values add up to a multiple of seven
// leave the row, and the cards to their right close it up.
#pragma once

#include "U_Cadre.h"

#include <array>

class TfrmMultiplesSept : public TfrmJeu {
    Q_OBJECT
public:
    TfrmMultiplesSept();

    static const TDonneesJeu Fiche;
    static constexpr int NbPlaces = 11;
    static constexpr int NbCartesDonnees = 4; // the row a deal opens with
    static constexpr int Multiple = 7;
    static constexpr int HautTapis = 150; // a card at this top lies in the row
    static constexpr int HautTalon = 300; // and at this one in the stock

    // Where place k of the row lies, left to right.
    static QPoint PositionPlace(int place);

    // The game's state. Places 0 to NbCartesTapis - 1 are in use; the others
    // hold a spare card or a card that has left, never an empty reference.
    std::array<TCarte *, NbPlaces> Tapis{};
    quint8 NbCartesTapis = 0;

    void NouvellePartie() override;
    void CarteMouseDown(TCarte *carte) override;
    // False when a newer deal has overtaken it.
    bool Distribuer();
    void AjouterCarte();
    void VerifierSelection();
    void RetirerCartes();
    void DecalerCartes(quint8 i);
};
