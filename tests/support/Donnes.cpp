#include "Donnes.h"
#include "U_Cadre.h"

TMelange Melanger(TPlateformeTest &plateforme, quint32 graine) { return Melanger(plateforme, QList<quint32>{graine}); }

TMelange Melanger(TPlateformeTest &plateforme, const QList<quint32> &graines)
{
    QWidget brouillon;
    TTalon talon(&brouillon, {});
    const std::array<TCarte *, 52> neuf = talon.Cartes();
    for (quint32 graine : graines) {
        plateforme.graine = graine;
        talon.Melanger();
    }
    TMelange melange{};
    for (int i = 0; i < 52; ++i) {
        const TCarte *carte = talon.Cartes()[i];
        melange[i] = {carte->Valeur(), int(std::find(neuf.begin(), neuf.end(), carte) - neuf.begin())};
    }
    return melange;
}

void JouerDepuis(TPlateformeTest &plateforme, TfrmJeu &fenetre, quint32 graine)
{
    plateforme.graine = graine;
    fenetre.AfficherPourJouer();
    plateforme.TraiterEvenements(); // the deal runs from the main loop
    plateforme.Effacer();
}
