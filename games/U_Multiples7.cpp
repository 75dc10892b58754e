#include "U_Multiples7.h"
#include "Plateforme.h"

const TDonneesJeu TfrmMultiplesSept::Fiche = {
    .caption = "Multiples de sept", .client = {891, 563}, .positionTalon = {200, HautTalon},
    .sujetAide = "MultiplesSept", .bulleChoisirReussite = "Choisir une réussite",
    .libelle = "Multiples de sept", .titre = "Multiples de sept", .apercu = "apercu-multiples",
    .commentaire = "Le but est d'éliminer les cartes dont la somme des valeurs est un multiple de sept."};

namespace {
const QString ouverture = QStringLiteral("Ajoutez une carte au tapis ou sélectionnez des cartes.");
const QString sommeCorrecte = QStringLiteral("Somme correcte.");
const QString choisir = QStringLiteral("Choisissez des cartes ou ajoutez une carte au tapis.");
} // namespace

TfrmMultiplesSept::TfrmMultiplesSept() : TfrmJeu(Fiche)
{
    FinirConstruction();
    // The unused places hold a card that never plays.
    Tapis.fill(CarteDeReserve());
}

QPoint TfrmMultiplesSept::PositionPlace(int place) { return {80 * place + 10, HautTapis}; }

bool TfrmMultiplesSept::Distribuer()
{
    const TOperation donne(this, TOperation::Bloques);
    RamasserCartes();
    NbCartesTapis = 0;
    if (!PoserDuTalon(Tapis, 0, NbCartesDonnees, &PositionPlace))
        return false;
    NbCartesTapis = NbCartesDonnees;
    return true;
}

void TfrmMultiplesSept::NouvellePartie()
{
    if (!Distribuer())
        return; // a newer deal has set everything
    BarreEtat()->SetTexte(ouverture);
}

void TfrmMultiplesSept::CarteMouseDown(TCarte *carte)
{
    // Two tests one after the other: a card drawn from the stock is in the
    // row by the second one, which takes back the mark the draw gave it.
    const quint32 numero = NumeroDonne();
    if (carte->Top() == HautTalon) {
        AjouterCarte();
        if (NumeroDonne() != numero)
            return; // a new deal overtook the slide
    }
    if (carte->Top() == HautTapis) {
        carte->SetSelectionnee(!carte->Selectionnee());
        Plateforme().JouerSon(QStringLiteral("CarteSelectionnee.wav"), TModeSon::Synchrone);
        VerifierSelection();
    }
}

void TfrmMultiplesSept::AjouterCarte()
{
    if (NbCartesTapis == NbPlaces) {
        Plateforme().Bip(); // the row is full
        return;
    }
    TCarte *carte = nullptr;
    if (!Talon()->TirerCarte(carte))
        return;
    // No other click until the card is in its place: two draws never share one.
    const TOperation tirage(this, TOperation::Bloques);
    carte->Retourner();
    const quint8 n = NbCartesTapis;
    Tapis[n] = carte;
    carte->SetSelectionnee(false);
    // Face up all the way, at its own depth among the cards.
    const QPoint place = PositionPlace(n);
    AnimerCarte(carte, place.x(), place.y());
    if (tirage.Interrompue())
        return;
    carte->SetSelectionnee(true);
    NbCartesTapis = n + 1;
}

void TfrmMultiplesSept::VerifierSelection()
{
    // Added up afresh at every change of a mark; no marks add up to 0.
    quint8 somme = 0;
    for (quint8 k = 0; k < NbCartesTapis; ++k)
        if (Tapis[k]->Selectionnee())
            somme += Tapis[k]->Valeur();
    if (somme % Multiple != 0)
        return; // not yet: the marks stay, without a word
    BarreEtat()->SetTexte(sommeCorrecte);
    RetirerCartes();
}

void TfrmMultiplesSept::RetirerCartes()
{
    const TOperation retrait(this, TOperation::Bloques);
    // Left to right, one card a second; the next card then stands at place i.
    quint8 i = 0;
    while (i < NbCartesTapis) {
        TCarte *carte = Tapis[i];
        if (!carte->Selectionnee()) {
            ++i;
            continue;
        }
        carte->SetSelectionnee(false);
        carte->hide();
        if (i < NbCartesTapis - 1) {
            DecalerCartes(i);
            if (retrait.Interrompue())
                return;
        }
        --NbCartesTapis;
        Attendre(UneSeconde);
        if (retrait.Interrompue())
            return;
    }
    BarreEtat()->SetTexte(choisir);
    if (NbCartesTapis == 0 && Talon()->Sommet() < 0)
        PartieGagnee(); // stock and row are empty: the table is cleared
}

void TfrmMultiplesSept::DecalerCartes(quint8 i)
{
    // The last place in use keeps its card's reference, out of use once the
    // count has dropped.
    DecalerPlaces(Tapis, i, NbCartesTapis - 1, &PositionPlace);
}
