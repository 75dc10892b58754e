#include "U_BlocusQuatorze.h"

const TDonneesJeu TfrmBlocusQuatorze::Fiche = {
    .caption = "Le blocus des quatorze", .client = {792, 553}, .positionTalon = {300, 350},
    .sujetAide = "BlocusQuatorze", .choixDos = false, .bulleChoisirReussite = "Choisir une réussite",
    .bulleCouleurTapis = "Choix couleur du tapis",
    .libelle = "Blocus des quatorze", .titre = "Blocus des quatorze", .apercu = "apercu-blocus",
    .commentaire = "Il faut éliminer les cartes des bas de colonne, deux par deux, lorsqu'elles totalisent quatorze.",
    .largeurLibelle = 202};

namespace {
const QString choisirBasDeColonne = QStringLiteral("Sélectionnez une carte de bas de colonne.");
const QString choisirDeuxieme = QStringLiteral("Sélectionnez une deuxième carte");
const QString sommeIncorrecte = QStringLiteral("Somme incorrecte.");
} // namespace

TfrmBlocusQuatorze::TfrmBlocusQuatorze() : TfrmJeu(Fiche) { FinirConstruction(); }

QPoint TfrmBlocusQuatorze::PositionPlace(int place)
{
    return {65 * (place % NbColonnes) + 5, 70 * (place / NbColonnes) + 80};
}

bool TfrmBlocusQuatorze::Distribuer()
{
    const TOperation donne(this, TOperation::Bloques);
    Talon()->Melanger();
    // Row by row, each card slides face up from the stock under the cards
    // already laid, then comes to the front.
    for (int i = 0; i < 52; ++i) {
        TCarte *carte = Talon()->Cartes()[i];
        carte->show();
        carte->SetFaceVisible(true);
        carte->SetSelectionnee(false);
        const QPoint place = PositionPlace(i);
        AnimerCarte(carte, place.x(), place.y());
        if (donne.Interrompue())
            return false;
        carte->raise();
        carte->SetTag(i);
        Disponible[i] = false;
    }
    // The bottom cards of the twelve columns.
    for (int i = PremierBas; i < 52; ++i)
        Disponible[i] = true;
    return true;
}

void TfrmBlocusQuatorze::NouvellePartie()
{
    if (!Distribuer())
        return; // a newer deal has set everything
    CartesRestantes = 52;
    NbSelection = 0;
    Carte1 = Aucune;
    Carte2 = Aucune;
    BarreEtat()->SetTexte(choisirBasDeColonne);
}

void TfrmBlocusQuatorze::CarteMouseDown(TCarte *carte)
{
    const int place = carte->Tag();
    if (!Disponible[place])
        return; // covered: ignored without a sound
    if (Choisir(*this, carte, quint8(place), Carte1, Carte2, NbSelection,
                {choisirBasDeColonne, choisirDeuxieme, QString()}))
        VerifierSelection();
}

void TfrmBlocusQuatorze::VerifierSelection()
{
    TOperation jugement(this, TOperation::Bloques);
    TCarte *premiere = Talon()->Cartes()[Carte1];
    TCarte *seconde = Talon()->Cartes()[Carte2];
    if (premiere->Valeur() + seconde->Valeur() == Somme) {
        premiere->hide();
        seconde->hide();
        // The card above each, if any, becomes the bottom of its column.
        for (quint8 place : {Carte1, Carte2})
            if (place >= NbColonnes)
                Disponible[place - NbColonnes] = true;
        CartesRestantes -= 2;
        if (CartesRestantes == 0) {
            PartieGagnee();
            return;
        }
    } else {
        RefuserChoix(*this, sommeIncorrecte);
        Attendre(UneSeconde);
        if (jugement.Interrompue())
            return;
        premiere->SetSelectionnee(false);
        seconde->SetSelectionnee(false);
    }
    NbSelection = 0;
    Carte1 = Aucune;
    Carte2 = Aucune;
    BarreEtat()->SetTexte(choisirBasDeColonne);
    // The choice is empty: the player may already choose during this pause.
    jugement.LibererClics();
    Attendre(UneSeconde);
}
