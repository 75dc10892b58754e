#include "U_BlocusQuatorze.h"
#include "Plateforme.h"

namespace {
const QString choisirBasDeColonne = QStringLiteral("Sélectionnez une carte de bas de colonne.");
const QString choisirDeuxieme = QStringLiteral("Sélectionnez une deuxième carte");
const QString sommeIncorrecte = QStringLiteral("Somme incorrecte.");
} // namespace

TfrmBlocusQuatorze::TfrmBlocusQuatorze(QWidget *parent) : TfrmJeu(TJeu::BlocusQuatorze, parent)
{
    FinirConstruction();
}

QPoint TfrmBlocusQuatorze::PositionPlace(int place)
{
    return {65 * (place % 12) + 5, 70 * (place / 12) + 80};
}

void TfrmBlocusQuatorze::Distribuer()
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
            return;
        carte->raise();
        carte->SetTag(i);
        Disponible[i] = false;
    }
    // The bottom cards of the twelve columns.
    for (int i = 40; i < 52; ++i)
        Disponible[i] = true;
}

void TfrmBlocusQuatorze::NouvellePartie()
{
    const quint32 numero = NumeroDonne();
    Distribuer();
    if (NumeroDonne() != numero)
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
    if (Carte1 != Aucune && place == Carte1) {
        // The first choice withdrawn.
        Carte1 = Aucune;
        --NbSelection;
        carte->SetSelectionnee(false);
        BarreEtat()->SetTexte(choisirBasDeColonne);
        return;
    }
    carte->SetSelectionnee(true);
    if (Carte1 == Aucune) {
        Carte1 = quint8(place);
        BarreEtat()->SetTexte(choisirDeuxieme);
    } else {
        Carte2 = quint8(place);
        BarreEtat()->SetTexte(QString());
    }
    ++NbSelection;
    Plateforme().JouerSon(QStringLiteral("CarteSelectionnee.wav"), TModeSon::Synchrone);
    if (NbSelection == 2)
        VerifierSelection();
}

void TfrmBlocusQuatorze::VerifierSelection()
{
    TOperation jugement(this, TOperation::Bloques);
    TCarte *premiere = Talon()->Cartes()[Carte1];
    TCarte *seconde = Talon()->Cartes()[Carte2];
    if (premiere->Valeur() + seconde->Valeur() == 14) {
        premiere->hide();
        seconde->hide();
        // The card above each, if any, becomes the bottom of its column.
        for (quint8 place : {Carte1, Carte2})
            if (place >= 12)
                Disponible[place - 12] = true;
        CartesRestantes -= 2;
        if (CartesRestantes == 0) {
            PartieGagnee();
            return;
        }
    } else {
        BarreEtat()->SetTexte(sommeIncorrecte);
        for (int bip = 0; bip < 3; ++bip)
            Plateforme().Bip();
        Attendre(100);
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
    Attendre(100);
}
