#include "U_PetitsPaquets.h"
#include "Plateforme.h"

const TDonneesJeu TfrmPetitsPaquets::Fiche = {
    .caption = "Les petits paquets", .client = {792, 573}, .positionTalon = {590, 400},
    .sujetAide = "PetitsPaquets", .hauteurBarreEtat = 30, .hauteurTexteEtat = 21,
    .libelle = "Petits paquets", .titre = "Les petits paquets", .apercu = "apercu-paquets",
    .commentaire = "Les 52 cartes sont distribuées en paquets de 4.Vous devez sortir les cartes du tableau par "
                   "couples de même valeur."};

namespace {
const QString choisirPaquet = QStringLiteral("Choisissez un paquet.");
const QString choisirAutre = QStringLiteral("Choisissez un autre paquet.");
const QString valeursDifferentes = QStringLiteral("Ces deux cartes ont des valeurs différentes.");
} // namespace

TfrmPetitsPaquets::TfrmPetitsPaquets() : TfrmJeu(Fiche)
{
    FinirConstruction();
    for (auto &paquet : Paquets)
        paquet.fill(CarteDeReserve());
}

QPoint TfrmPetitsPaquets::PositionPaquet(int paquet)
{
    return {(paquet % PaquetsParRangee) * 120 + 110, (paquet / PaquetsParRangee) * 120 + 100};
}

bool TfrmPetitsPaquets::EstSommet(const TCarte *carte) const
{
    const int paquet = carte->Tag();
    return paquet >= 0 && paquet < NbPaquets && Sommet(paquet) == carte && carte->Visible();
}

bool TfrmPetitsPaquets::Distribuer()
{
    const TOperation donne(this, TOperation::Bloques);
    Talon()->Melanger();
    // Four passes over the thirteen packets: three face down, the last face
    // up. Each card comes to the front before it flies, so it passes above
    // every card dealt before it and ends on top of its packet.
    constexpr int dessus = CartesParPaquet - 1;
    for (int niveau = 0; niveau <= dessus; ++niveau)
        for (int paquet = 0; paquet < NbPaquets; ++paquet) {
            TCarte *carte = nullptr;
            if (!Talon()->TirerCarte(carte))
                return false;
            Paquets[paquet][niveau] = carte;
            carte->SetFaceVisible(niveau == dessus);
            carte->raise();
            const QPoint place = PositionPaquet(paquet);
            AnimerCarte(carte, place.x(), place.y());
            if (donne.Interrompue())
                return false;
            carte->SetTag(paquet);
            carte->SetSelectionnee(false);
        }
    SommetPaquet.fill(dessus);
    return true;
}

void TfrmPetitsPaquets::NouvellePartie()
{
    if (!Distribuer())
        return; // a newer deal has set everything
    CartesRestantes = 52;
    AucunChoix();
}

void TfrmPetitsPaquets::AucunChoix()
{
    NbSelection = 0;
    Paquet1 = Aucune;
    Paquet2 = Aucune;
    BarreEtat()->SetTexte(choisirPaquet);
    Occupe = false;
}

void TfrmPetitsPaquets::CarteMouseDown(TCarte *carte)
{
    if (Occupe || !EstSommet(carte))
        return;
    // The first choice is the only marked card on the table, so any other
    // top card becomes the next choice; the status text stays during the
    // judgement.
    if (Choisir(*this, carte, quint8(carte->Tag()), Paquet1, Paquet2, NbSelection, {choisirPaquet, choisirAutre, {}}))
        VerifierSelection();
}

void TfrmPetitsPaquets::VerifierSelection()
{
    // A new deal asked for meanwhile stops the judgement at its next pause;
    // Occupe then stays up until that deal is done.
    const TOperation jugement(this, TOperation::Bloques);
    Occupe = true;
    TCarte *premiere = Sommet(Paquet1);
    TCarte *seconde = Sommet(Paquet2);
    if (premiere->Valeur() == seconde->Valeur()) {
        premiere->hide();
        seconde->hide();
        Attendre(UneSeconde);
        if (jugement.Interrompue())
            return;
        // The card beneath each turns face up; a packet whose bottom card
        // has gone stays empty and shows the table.
        for (quint8 paquet : {Paquet1, Paquet2})
            if (SommetPaquet[paquet] > 0) {
                --SommetPaquet[paquet];
                Sommet(paquet)->SetFaceVisible(true);
            }
        CartesRestantes -= 2;
    } else {
        BarreEtat()->SetTexte(valeursDifferentes);
    }
    Attendre(UneSeconde);
    if (jugement.Interrompue())
        return;
    premiere->SetSelectionnee(false);
    seconde->SetSelectionnee(false);
    if (CartesRestantes == 0) {
        PartieGagnee(); // Occupe stays up until the next deal
        return;
    }
    AucunChoix();
}
