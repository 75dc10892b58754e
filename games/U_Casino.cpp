#include "U_Casino.h"
#include "Plateforme.h"

#include <algorithm>
#include <cstdlib>

namespace {
const QString choisirDeuxCartes = QStringLiteral("Choisissez deux cartes.");
const QString pasMemeValeur = QStringLiteral("Ces deux cartes ne sont pas de la même valeur.");
const QString neSeTouchentPas = QStringLiteral("Ces deux cartes ne se touchent pas.");
} // namespace

TfrmCasino::TfrmCasino(QWidget *parent) : TfrmJeu(TJeu::Casino, parent)
{
    FinirConstruction();
    Tapis.fill(&rechange);
}

QPoint TfrmCasino::PositionPlace(int place)
{
    return {80 * (place % 5) + 50, 100 * (place / 5) + 55};
}

void TfrmCasino::Distribuer()
{
    const TOperation donne(this, TOperation::Bloques);
    RamasserCartes();
    // Place by place in reading order, each card sliding face down from the
    // stock; the places in use grow with the cards that have landed.
    NbCartesTapis = 0;
    for (int place = 0; place < NbPlaces; ++place) {
        TCarte *carte = nullptr;
        Talon()->TirerCarte(carte);
        Tapis[place] = carte;
        if (!PoserCarte(carte, PositionPlace(place), place))
            return;
        NbCartesTapis = quint8(place + 1);
    }
}

void TfrmCasino::NouvellePartie()
{
    ViderChoix(); // the old choice goes with the old table
    const quint32 numero = NumeroDonne();
    Distribuer();
    if (NumeroDonne() != numero)
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
    if (Carte1 != Aucune && place == Carte1) {
        // The first choice withdrawn: no sound, and the text stays.
        Carte1 = Aucune;
        --NbSelection;
        carte->SetSelectionnee(false);
        return;
    }
    carte->SetSelectionnee(true);
    if (Carte1 == Aucune)
        Carte1 = quint8(place);
    else
        Carte2 = quint8(place);
    ++NbSelection;
    Plateforme().JouerSon(QStringLiteral("CarteSelectionnee.wav"), TModeSon::Synchrone);
    if (NbSelection == 2)
        VerifierSelection();
}

void TfrmCasino::VerifierSelection()
{
    // Rank first, then contact between the places of the grid (never pixels):
    // the end of a row does not touch the start of the next.
    const int r1 = Carte1 / 5, c1 = Carte1 % 5;
    const int r2 = Carte2 / 5, c2 = Carte2 % 5;
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
    BarreEtat()->SetTexte(refus);
    for (int bip = 0; bip < 3; ++bip)
        Plateforme().Bip();
    Attendre(100);
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
    Attendre(100);
    if (retrait.Interrompue())
        return;
    // The higher gap first, so neither hidden card is ever moved.
    for (quint8 place : {haute, basse}) {
        --NbCartesTapis;
        DecalerCartes(place);
        if (retrait.Interrompue())
            return;
        Attendre(100);
        if (retrait.Interrompue())
            return;
    }
    // Up to two stock cards fill the last places, while the stock lasts.
    TCarte *carte = nullptr;
    for (int tirage = 0; tirage < 2 && Talon()->TirerCarte(carte); ++tirage) {
        const quint8 place = NbCartesTapis;
        Tapis[place] = carte;
        if (!PoserCarte(carte, PositionPlace(place), place))
            return;
        ++NbCartesTapis;
    }
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
