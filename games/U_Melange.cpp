#include "U_Melange.h"
#include "Plateforme.h"

#include <cstdlib>

const TDonneesJeu TfrmMelange::Fiche = {
    .caption = "Le mélange", .client = {792, 573}, .positionTalon = {360, 400}, .sujetAide = "Melange",
    .libelle = "Mélange", .titre = "Mélange", .apercu = "apercu-melange",
    .commentaire = "Sur les 8 cartes du tableau, chaque couple de cartes dont les rangs se suivent, quelles que "
                   "soient leurs couleurs et leurs places sur le tableau, est recouvert sans tarder de 2 cartes "
                   "provenant du talon."};

namespace {
const QString choisirPremiere = QStringLiteral("Choisissez une première carte.");
const QString choisirSeconde = QStringLiteral("Choisissez une seconde carte.");
const QString plusAucunCoup = QStringLiteral("Plus aucun coup possible.");
} // namespace

TfrmMelange::TfrmMelange() : TfrmJeu(Fiche)
{
    FinirConstruction();
    Tapis.fill(CarteDeReserve());
}

QPoint TfrmMelange::PositionPlace(int place)
{
    return {150 * (place % NbColonnes) + 140, 150 * (place / NbColonnes) + 100};
}

bool TfrmMelange::Suivent(const TCarte *a, const TCarte *b)
{
    return std::abs(a->Valeur() - b->Valeur()) == 1;
}

bool TfrmMelange::CoupPossible() const
{
    for (int a = 0; a < NbPlaces; ++a)
        for (int b = a + 1; b < NbPlaces; ++b)
            if (Suivent(Tapis[a], Tapis[b]))
                return true;
    return false;
}

QString TfrmMelange::ChoixVide() const { return CoupPossible() ? choisirPremiere : plusAucunCoup; }

bool TfrmMelange::Distribuer()
{
    const TOperation donne(this, TOperation::Bloques);
    RamasserCartes();
    // Places 0 to 3 form the upper row, 4 to 7 the lower one.
    return PoserDuTalon(Tapis, 0, NbPlaces, &PositionPlace);
}

void TfrmMelange::NouvellePartie()
{
    if (!Distribuer())
        return; // a newer deal has set everything
    CartesRestantes = 52 - NbPlaces;
    NbSelection = 0;
    Carte1 = Aucune;
    Carte2 = Aucune;
    BarreEtat()->SetTexte(ChoixVide());
}

void TfrmMelange::CarteMouseDown(TCarte *carte)
{
    if (carte->Top() == Talon()->PositionTalon().y())
        return; // the stock's card
    const int place = carte->Tag();
    if (place >= NbPlaces || Tapis[place] != carte)
        return; // only the top of a pile counts
    if (Choisir(*this, carte, quint8(place), Carte1, Carte2, NbSelection, {ChoixVide(), choisirSeconde, QString()}))
        VerifierSelection();
}

bool TfrmMelange::Couvrir(quint8 place)
{
    TCarte *carte = nullptr;
    if (!Talon()->TirerCarte(carte))
        return true; // an empty stock: the game was won before
    if (!PoserCarte(carte, PositionPlace(place), place))
        return false;
    // The covered card shows no mark under its pile.
    Tapis[place]->SetSelectionnee(false);
    Tapis[place] = carte;
    --CartesRestantes;
    return true;
}

void TfrmMelange::VerifierSelection()
{
    const TOperation jugement(this, TOperation::Bloques);
    if (!Suivent(Tapis[Carte1], Tapis[Carte2])) {
        // Refused without a word: one second of an empty status bar.
        Attendre(UneSeconde);
        if (jugement.Interrompue())
            return;
    } else {
        // The place chosen first is covered first.
        if (!Couvrir(Carte1) || !Couvrir(Carte2))
            return;
        if (CartesRestantes == 0) {
            PartieGagnee();
            return;
        }
    }
    Tapis[Carte1]->SetSelectionnee(false);
    Tapis[Carte2]->SetSelectionnee(false);
    NbSelection = 0;
    Carte1 = Aucune;
    BarreEtat()->SetTexte(ChoixVide());
}
