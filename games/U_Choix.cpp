#include "U_Choix.h"
#include "Plateforme.h"

namespace {
void Dire(TfrmJeu &fenetre, const std::optional<QString> &texte)
{
    if (texte)
        fenetre.BarreEtat()->SetTexte(*texte);
}
} // namespace

bool Choisir(TfrmJeu &fenetre, TCarte *carte, quint8 place, quint8 &choix1, quint8 &choix2, quint8 &nb,
             const TTextesChoix &textes)
{
    if (choix1 != Aucune && place == choix1) {
        choix1 = Aucune;
        --nb;
        carte->SetSelectionnee(false);
        Dire(fenetre, textes.retrait);
        return false;
    }
    carte->SetSelectionnee(true);
    if (choix1 == Aucune) {
        choix1 = place;
        Dire(fenetre, textes.premier);
    } else {
        choix2 = place;
        Dire(fenetre, textes.second);
    }
    ++nb;
    const quint32 donne = fenetre.NumeroDonne();
    Plateforme().JouerSon(QStringLiteral("CarteSelectionnee.wav"), TModeSon::Synchrone);
    // The sound keeps the window painted; should the window have been left
    // meanwhile, the choice belongs to a dropped game.
    return nb == 2 && fenetre.NumeroDonne() == donne;
}

void RefuserChoix(TfrmJeu &fenetre, const QString &raison)
{
    fenetre.BarreEtat()->SetTexte(raison);
    for (int bip = 0; bip < 3; ++bip)
        Plateforme().Bip();
}
