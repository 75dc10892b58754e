#include "U_PetitsPaquets.h"
#include "Plateforme.h"

namespace {
const QString choisirPaquet = QStringLiteral("Choisissez un paquet.");
const QString choisirAutre = QStringLiteral("Choisissez un autre paquet.");
const QString valeursDifferentes = QStringLiteral("Ces deux cartes ont des valeurs différentes.");
} // namespace

TfrmPetitsPaquets::TfrmPetitsPaquets(QWidget *parent) : TfrmJeu(TJeu::PetitsPaquets, parent)
{
    FinirConstruction();
}

QPoint TfrmPetitsPaquets::PositionPaquet(int paquet)
{
    return {(paquet % 5) * 120 + 110, (paquet / 5) * 120 + 100};
}

void TfrmPetitsPaquets::CreerTalon()
{
    TfrmJeu::CreerTalon();
    for (auto &paquet : Paquets)
        paquet.fill(&reserve);
}

bool TfrmPetitsPaquets::EstSommet(const TCarte *carte) const
{
    const int paquet = carte->Tag();
    return paquet >= 0 && paquet < NbPaquets && Sommet(paquet) == carte && carte->Visible();
}

void TfrmPetitsPaquets::Distribuer()
{
    const TOperation donne(this, TOperation::Bloques);
    Talon()->Melanger();
    // Four passes over the thirteen packets: three face down, the last face
    // up. Each card comes to the front before it flies, so it passes above
    // every card dealt before it and ends on top of its packet.
    for (int niveau = 0; niveau < 4; ++niveau)
        for (int paquet = 0; paquet < NbPaquets; ++paquet) {
            TCarte *carte = nullptr;
            Talon()->TirerCarte(carte);
            Paquets[paquet][niveau] = carte;
            carte->SetFaceVisible(niveau == 3);
            carte->raise();
            const QPoint place = PositionPaquet(paquet);
            AnimerCarte(carte, place.x(), place.y());
            if (donne.Interrompue())
                return;
            carte->SetTag(paquet);
            carte->SetSelectionnee(false);
        }
    SommetPaquet.fill(3);
}

void TfrmPetitsPaquets::NouvellePartie()
{
    const quint32 numero = NumeroDonne();
    Distribuer();
    if (NumeroDonne() != numero)
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
    const quint8 paquet = quint8(carte->Tag());
    if (Paquet1 != Aucune && paquet == Paquet1) {
        // The first choice withdrawn, silently.
        Paquet1 = Aucune;
        --NbSelection;
        carte->SetSelectionnee(false);
        BarreEtat()->SetTexte(choisirPaquet);
        return;
    }
    // The first choice is the only marked card on the table, so any other
    // top card becomes the next choice.
    carte->SetSelectionnee(true);
    if (Paquet1 == Aucune) {
        Paquet1 = paquet;
        BarreEtat()->SetTexte(choisirAutre);
    } else {
        Paquet2 = paquet; // the status text stays during the judgement
    }
    ++NbSelection;
    Plateforme().JouerSon(QStringLiteral("CarteSelectionnee.wav"), TModeSon::Synchrone);
    if (NbSelection == 2)
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
        Attendre(100);
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
    Attendre(100);
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
