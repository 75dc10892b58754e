// Les petits paquets: the deck dealt into thirteen packets of four, only the
// top card of each face up; two tops of the same rank leave the table and
// the cards beneath turn face up.
#pragma once

#include "U_Choix.h"

#include <array>

class TfrmPetitsPaquets : public TfrmJeu {
    Q_OBJECT
public:
    TfrmPetitsPaquets();

    static const TDonneesJeu Fiche;
    static constexpr int NbPaquets = 13;
    static constexpr int CartesParPaquet = 4;
    static constexpr int PaquetsParRangee = 5;

    // Where packet p lies: rows of five, the last one of three.
    static QPoint PositionPaquet(int paquet);

    // The game's state. Paquets[p][0] is the bottom card of packet p; its
    // top card is Paquets[p][SommetPaquet[p]]. A packet is empty once its
    // bottom card has left the table (hidden).
    std::array<std::array<TCarte *, CartesParPaquet>, NbPaquets> Paquets{};
    std::array<quint8, NbPaquets> SommetPaquet{};
    quint8 Paquet1 = Aucune;
    quint8 Paquet2 = Aucune;
    quint8 NbSelection = 0;
    quint8 CartesRestantes = 0;
    bool Occupe = false; // a pair is being judged: card clicks are ignored

    TCarte *Sommet(int paquet) const { return Paquets[paquet][SommetPaquet[paquet]]; }

    void NouvellePartie() override;
    void CarteMouseDown(TCarte *carte) override;
    // False when a newer deal has overtaken it.
    bool Distribuer();
    void VerifierSelection();

private:
    // The top card of a packet, dealt and on the table: the only card that
    // may be chosen.
    bool EstSommet(const TCarte *carte) const;
    // Back to no packet chosen, with the table open to the player.
    void AucunChoix();
};
