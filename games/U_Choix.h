// The choice of two cards that four of the games share: the first card
// chosen, clicked again, is withdrawn without a sound; any other card is
// marked and becomes the first or the second choice, with the selection
// sound played to its end.
#pragma once

#include "U_Cadre.h"

#include <optional>

// An empty choice slot.
constexpr quint8 Aucune = 100;

// What the status bar says at each turn of the choice; nothing leaves it.
struct TTextesChoix {
    std::optional<QString> retrait;
    std::optional<QString> premier;
    std::optional<QString> second;
};

// Takes a click on `carte`, at `place`, into the choice held in `choix1`,
// `choix2` and `nb`. True when the choice is complete and still the game's
// (no new deal or way out during the sound): the pair is to be judged.
bool Choisir(TfrmJeu &fenetre, TCarte *carte, quint8 place, quint8 &choix1, quint8 &choix2, quint8 &nb,
             const TTextesChoix &textes);

// A pair refused: the reason in the status bar and three beeps.
void RefuserChoix(TfrmJeu &fenetre, const QString &raison);
