// Le mélange: eight cards in two rows of four and a stock below them; two
// cards whose ranks follow each other are each covered by a card from the
// stock. The game is won when the stock is used up.
#pragma once

#include "U_Choix.h"

#include <array>

class TfrmMelange : public TfrmJeu {
    Q_OBJECT
public:
    TfrmMelange();

    static const TDonneesJeu Fiche;
    static constexpr int NbColonnes = 4;
    static constexpr int NbPlaces = NbColonnes * 2;

    // Where place p lies: columns at 140, 290, 440, 590; rows at 100, 250.
    static QPoint PositionPlace(int place);
    // Ranks follow each other when they differ by exactly one.
    static bool Suivent(const TCarte *a, const TCarte *b);

    // The game's state. Tapis holds the top card of each place's pile.
    std::array<TCarte *, NbPlaces> Tapis{};
    quint8 CartesRestantes = 0;
    quint8 Carte1 = Aucune;
    quint8 Carte2 = Aucune;
    quint8 NbSelection = 0;

    // Some two of the eight top cards follow each other.
    bool CoupPossible() const;

    void NouvellePartie() override;
    void CarteMouseDown(TCarte *carte) override;
    // False when a newer deal has overtaken it.
    bool Distribuer();
    void VerifierSelection();

private:
    // Lays the stock's next card over the pile at `place`. False when a new
    // deal has overtaken the slide.
    bool Couvrir(quint8 place);
    // What the status bar says while nothing is chosen.
    QString ChoixVide() const;
};
