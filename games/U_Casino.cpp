#include "U_Casino.h"

#include <algorithm>
#include <cstdlib>

const TDonneesJeu TfrmCasino::Fiche = {
    .caption = "Casino", .client = {792, 573}, .positionTalon = {540, 265}, .sujetAide = "Casino",
    .libelle = "Casino", .titre = "Casino", .apercu = "apercu-casino",
    .commentaire = "Le but est de se débarrasser des cartes en constituant des paires de même hauteur, si ses "
                   "deux cartes se touchent, horizontalement, verticalement ou en diagonale."};

namespace {
const QString choisirDeuxCartes = QStringLiteral("Choisissez deux cartes.");
const QString pasMemeValeur = QStringLiteral("Ces deux cartes ne sont pas de la même valeur.");
const QString neSeTouchentPas = QStringLiteral("Ces deux cartes ne se touchent pas.");
} // namespace

TfrmCasino::TfrmCasino() : TfrmJeu(Fiche)
{
    FinirConstruction();
    Tapis.fill(CarteDeReserve());
}

QPoint TfrmCasino::PositionPlace(int place)
{
    return {80 * (place % NbColonnes) + 50, 100 * (place / NbColonnes) + 55};
}

bool TfrmCasino::Remplir(int jusqua)
{
    return PoserDuTalon(Tapis, NbCartesTapis, jusqua, &PositionPlace,
                        [this](int place) { NbCartesTapis = quint8(place + 1); });
}

bool TfrmCasino::Distribuer()
{
    const TOperation donne(this, TOperation::Bloques);
    RamasserCartes();
    // Place by place in reading order, each card sliding face down from the
    // stock.
    NbCartesTapis = 0;
    return Remplir(NbPlaces);
}

void TfrmCasino::NouvellePartie()
{
    ViderChoix(); // the old choice goes with the old table
    if (!Distribuer())
        return; // a newer deal has set everything
    BarreEtat()->SetTexte(choisirDeuxCartes);
}

void TfrmCasino::CarteMouseDown(TCarte *carte)
{
    // Only the grid takes part. The stock's card carries its deck index in
    // its Tag, so the place named must also hold this very card.
    const int place = carte->Tag();
    if (place < 0 || place >= NbCartesTapis || Tapis[place] != carte)
        return;
    // No sound on a withdrawal, and the status text stays throughout.
    if (Choisir(*this, carte, quint8(place), Carte1, Carte2, NbSelection, {}))
        VerifierSelection();
}

void TfrmCasino::VerifierSelection()
{
    // Rank first, then contact between the places of the grid (never pixels):
    // the end of a row does not touch the start of the next.
    const int r1 = Carte1 / NbColonnes, c1 = Carte1 % NbColonnes;
    const int r2 = Carte2 / NbColonnes, c2 = Carte2 % NbColonnes;
    QString refus;
    if (Tapis[Carte1]->Valeur() != Tapis[Carte2]->Valeur())
        refus = pasMemeValeur;
    else if (std::abs(r1 - r2) > 1 || std::abs(c1 - c2) > 1)
        refus = neSeTouchentPas;
    else {
        RetirerPaire();
        return;
    }
    // The refusal stays a second with both cards marked; no click meanwhile.
    const TOperation jugement(this, TOperation::Bloques);
    RefuserChoix(*this, refus);
    Attendre(UneSeconde);
    if (!jugement.Interrompue())
        AnnulerSelection();
}

void TfrmCasino::AnnulerSelection()
{
    for (quint8 place : {Carte1, Carte2})
        if (place != Aucune)
            Tapis[place]->SetSelectionnee(false);
    ViderChoix();
    BarreEtat()->SetTexte(choisirDeuxCartes);
}

void TfrmCasino::RetirerPaire()
{
    // No click from here to the end: the grid moves under the pointer.
    const TOperation retrait(this, TOperation::Bloques);
    const quint8 haute = std::max(Carte1, Carte2);
    const quint8 basse = std::min(Carte1, Carte2);
    for (quint8 place : {haute, basse}) {
        Tapis[place]->hide();
        Tapis[place]->SetSelectionnee(false);
    }
    // The marks are gone, and so is the choice: it would soon name places
    // that the close-up takes out of use.
    ViderChoix();
    Attendre(UneSeconde);
    if (retrait.Interrompue())
        return;
    // The higher gap first, so neither hidden card is ever moved.
    for (quint8 place : {haute, basse}) {
        --NbCartesTapis;
        DecalerCartes(place);
        if (retrait.Interrompue())
            return;
        Attendre(UneSeconde);
        if (retrait.Interrompue())
            return;
    }
    // Stock cards fill the last places, while the stock lasts.
    if (!Remplir(NbCartesTapis + std::min(Recharge, Talon()->Sommet() + 1)))
        return;
    BarreEtat()->SetTexte(choisirDeuxCartes);
    // The stock runs out before the grid shortens: an empty grid is the
    // whole deck cleared.
    if (NbCartesTapis == 0)
        PartieGagnee();
}

void TfrmCasino::DecalerCartes(quint8 place)
{
    DecalerPlaces(Tapis, place, NbCartesTapis, &PositionPlace);
}

void TfrmCasino::ViderChoix()
{
    NbSelection = 0;
    Carte1 = Aucune;
    Carte2 = Aucune;
}
