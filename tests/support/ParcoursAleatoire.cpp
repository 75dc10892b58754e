#include "ParcoursAleatoire.h"
#include "U_Cadre.h"

#include <QAction>
#include <QScopeGuard>
#include <QTest>

void ParcourirAuHasard(TPlateformeTest &plateforme, TfrmJeu *fenetre, const TParcoursAleatoire &parcours)
{
    QRandomGenerator hasard(parcours.graine);
    plateforme.couleurs.clear();
    QWidget choix;
    TfrmJeu::ChoixReussite = &choix;
    TfrmJeu::ChoixDosCartes = [&](QWidget *) -> std::optional<TDosCarte> {
        const quint32 d = hasard.bounded(14);
        return d < 13 ? std::optional(TDosCarte(d)) : std::nullopt;
    };
    auto remettre = qScopeGuard([] {
        TfrmJeu::ChoixReussite = nullptr;
        TfrmJeu::ChoixDosCartes = nullptr;
    });
    auto declencher = [](QAction *action) {
        return [action] {
            if (action)
                action->trigger();
        };
    };
    for (int pas = 0; pas < parcours.pas; ++pas) {
        const int tirage = int(hasard.bounded(100));
        const QPoint point = parcours.point(hasard);
        const Qt::MouseButton bouton = hasard.bounded(2) ? Qt::LeftButton : Qt::RightButton;
        auto clic = [=] {
            if (fenetre->isVisible())
                Cliquer(fenetre, point, bouton);
        };
        const quint32 delai = hasard.bounded(2500);
        if (tirage < 60) {
            clic();
        } else if (tirage < 80) {
            plateforme.InjecterDans(delai, clic); // arrives inside a pause or slide
            clic();
        } else if (tirage < 85) {
            plateforme.InjecterDans(delai, declencher(fenetre->JeuNouvellePartie));
            plateforme.Avancer(2600);
        } else if (tirage < 88) {
            fenetre->JeuNouvellePartie->trigger();
        } else if (tirage < 90) {
            plateforme.couleurs = {QColor::fromRgb(hasard.generate())};
            plateforme.InjecterDans(delai, declencher(fenetre->OptionsChoixCouleurTapis));
            clic();
        } else if (tirage < 92) {
            plateforme.InjecterDans(delai, declencher(fenetre->OptionsChoixDos));
            clic();
        } else if (tirage < 94) {
            plateforme.InjecterDans(delai, declencher(fenetre->AideRegle));
            clic();
        } else if (tirage < 97) {
            plateforme.InjecterDans(delai, declencher(fenetre->JeuChoisirReussite));
            clic();
        } else {
            plateforme.reponses = {true};
            plateforme.InjecterDans(delai, clic);
            plateforme.Avancer(2600);
        }
        plateforme.Avancer(3000); // let every injected input arrive
        if (!fenetre->isVisible()) {
            fenetre->AfficherPourJouer();
            plateforme.TraiterEvenements();
        }
        parcours.verifier();
        if (QTest::currentTestFailed()) {
            qWarning("random step %d (seed %u)", pas, parcours.graine);
            return;
        }
    }
}
