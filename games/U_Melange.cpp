#include "U_Melange.h"
#include "Plateforme.h"

#include <cstdlib>

namespace {
const QString choisirPremiere = QStringLiteral("Choisissez une première carte.");
const QString choisirSeconde = QStringLiteral("Choisissez une seconde carte.");
const QString plusAucunCoup = QStringLiteral("Plus aucun coup possible.");
} // namespace

TfrmMelange::TfrmMelange(QWidget *parent)
    : TfrmJeu(TJeu::Melange, parent), carteDeReserve(std::make_unique<TCarte>())
{
    FinirConstruction();
    Tapis.fill(carteDeReserve.get()); // no place is ever empty
}

TfrmMelange::~TfrmMelange() = default;

QPoint TfrmMelange::PositionPlace(int place)
{
    return {150 * (place % 4) + 140, 150 * (place / 4) + 100};
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

void TfrmMelange::AnnoncerChoixVide()
{
    BarreEtat()->SetTexte(CoupPossible() ? choisirPremiere : plusAucunCoup);
}

void TfrmMelange::Distribuer()
{
    const TOperation donne(this, TOperation::Bloques);
    RamasserCartes();
    // Places 0 to 3 form the upper row, 4 to 7 the lower one.
    for (int place = 0; place < NbPlaces; ++place) {
        TCarte *carte = nullptr;
        Talon()->TirerCarte(carte);
        Tapis[place] = carte;
        if (!PoserCarte(carte, PositionPlace(place), place))
            return;
    }
}

void TfrmMelange::NouvellePartie()
{
    const quint32 numero = NumeroDonne();
    Distribuer();
    if (NumeroDonne() != numero)
        return; // a newer deal has set everything
    CartesRestantes = 44;
    NbSelection = 0;
    Carte1 = Aucune;
    Carte2 = Aucune;
    AnnoncerChoixVide();
}

void TfrmMelange::CarteMouseDown(TCarte *carte)
{
    if (carte->Top() == Talon()->PositionTalon().y())
        return; // the stock's card
    const int place = carte->Tag();
    if (place >= NbPlaces || Tapis[place] != carte)
        return; // only the top of a pile counts
    if (Carte1 != Aucune && place == Carte1) {
        // The first choice withdrawn, silently.
        Carte1 = Aucune;
        --NbSelection;
        carte->SetSelectionnee(false);
        AnnoncerChoixVide();
        return;
    }
    carte->SetSelectionnee(true);
    if (Carte1 == Aucune) {
        Carte1 = quint8(place);
        BarreEtat()->SetTexte(choisirSeconde);
    } else {
        Carte2 = quint8(place);
        BarreEtat()->SetTexte(QString());
    }
    ++NbSelection;
    const quint32 donne = NumeroDonne();
    Plateforme().JouerSon(QStringLiteral("CarteSelectionnee.wav"), TModeSon::Synchrone);
    // The sound keeps the window painted; should the window have been left
    // meanwhile, the choice belongs to a dropped game.
    if (NumeroDonne() != donne)
        return;
    if (NbSelection == 2)
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
        Attendre(100);
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
    AnnoncerChoixVide();
}
