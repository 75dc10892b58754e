#include "ParcoursAleatoire.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"
#include "U_Melange.h"
#include "U_Multiples7.h"
#include "U_PetitsPaquets.h"

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
    const TPointAuHasard point = parcours.point ? parcours.point
                                                : [fenetre](QRandomGenerator &h) { return PointAuHasard(fenetre, h); };
    for (int pas = 0; pas < parcours.pas; ++pas) {
        PasAuHasard(plateforme, fenetre, hasard, point);
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

void PasAuHasard(TPlateformeTest &plateforme, TfrmJeu *fenetre, QRandomGenerator &hasard, const TPointAuHasard &point)
{
    auto declencher = [](QAction *action) {
        return [action] {
            if (action)
                action->trigger();
        };
    };
    const int tirage = int(hasard.bounded(100));
    const QPoint lieu = point(hasard);
    const Qt::MouseButton bouton = hasard.bounded(2) ? Qt::LeftButton : Qt::RightButton;
    auto clic = [=] {
        if (fenetre->isVisible())
            Cliquer(fenetre, lieu, bouton);
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
}

// ---- points worth clicking, game by game ----

namespace {
const QPoint dansLeCoin(30, 30); // inside a card, clear of the cards over it

// Half of the clicks go to a bottom card that makes fourteen with another
// (with the card chosen, when there is one), so that games go deep.
QPoint Point(const TfrmBlocusQuatorze &fenetre, QRandomGenerator &hasard)
{
    if (hasard.bounded(2)) {
        const auto &cartes = fenetre.Talon()->Cartes();
        auto libre = [&](int p) { return fenetre.Disponible[p] && cartes[p]->Visible(); };
        const quint8 premiere = fenetre.Carte1;
        for (int a = 0; a < 52; ++a)
            for (int b = 0; b < 52; ++b)
                if (a != b && libre(a) && libre(b) && cartes[a]->Valeur() + cartes[b]->Valeur() == 14
                    && (premiere == Aucune || a == premiere))
                    return TfrmBlocusQuatorze::PositionPlace(premiere == Aucune ? a : b) + dansLeCoin;
    }
    return TfrmBlocusQuatorze::PositionPlace(int(hasard.bounded(52))) + dansLeCoin;
}

// Half of the clicks go where a pair can be made, so that removals,
// close-ups and refills come often.
QPoint Point(const TfrmCasino &fenetre, QRandomGenerator &hasard)
{
    auto seTouchent = [](int a, int b) { return std::abs(a / 5 - b / 5) <= 1 && std::abs(a % 5 - b % 5) <= 1; };
    const int n = fenetre.NbCartesTapis;
    const int tirage = int(hasard.bounded(10));
    if (tirage == 0 || n == 0)
        return fenetre.Talon()->PositionTalon() + dansLeCoin;
    if (tirage < 5) {
        // The partner of the card chosen, or a card that has one.
        for (int a = 0; a < n; ++a)
            for (int b = 0; b < n; ++b)
                if (a != b && seTouchent(a, b) && fenetre.Tapis[a]->Valeur() == fenetre.Tapis[b]->Valeur()
                    && (fenetre.NbSelection == 0 || a == fenetre.Carte1))
                    return TfrmCasino::PositionPlace(fenetre.NbSelection == 0 ? a : b) + dansLeCoin;
    }
    return TfrmCasino::PositionPlace(int(hasard.bounded(quint32(n)))) + dansLeCoin;
}

// Half of the clicks go to a card that makes a pair, so that games run deep.
QPoint Point(const TfrmMelange &fenetre, QRandomGenerator &hasard)
{
    const int tirage = int(hasard.bounded(8));
    QPoint coin = fenetre.Talon()->PositionTalon();
    if (tirage > 0 && tirage < 4) {
        coin = TfrmMelange::PositionPlace(int(hasard.bounded(8)));
    } else if (tirage >= 4) {
        // A place that follows the first choice, or that has a follower.
        QList<int> utiles;
        for (int p = 0; p < 8; ++p)
            for (int q = 0; q < 8; ++q)
                if (TfrmMelange::Suivent(fenetre.Tapis[p], fenetre.Tapis[q])
                    && (fenetre.Carte1 == Aucune || q == fenetre.Carte1))
                    utiles << p;
        coin = TfrmMelange::PositionPlace(utiles.isEmpty() ? int(hasard.bounded(8))
                                                           : utiles[int(hasard.bounded(utiles.size()))]);
    }
    return coin + QPoint(int(hasard.bounded(TCarte::Largeur)), int(hasard.bounded(TCarte::Hauteur)));
}

// The row's places, the stock, and anywhere else on the table.
QPoint Point(const TfrmMultiplesSept &fenetre, QRandomGenerator &hasard)
{
    const QPoint milieu(35, 48);
    const quint32 tirage = hasard.bounded(100);
    if (tirage < 50)
        return TfrmMultiplesSept::PositionPlace(int(hasard.bounded(11))) + milieu;
    if (tirage < 85)
        return fenetre.Talon()->PositionTalon() + milieu;
    return QPoint(int(hasard.bounded(891)), 50 + int(hasard.bounded(491)));
}

// With a first choice open, half the clicks go to a top of the same rank
// when there is one, so that games go deep enough for packets to empty.
QPoint Point(const TfrmPetitsPaquets &fenetre, QRandomGenerator &hasard)
{
    auto partenaire = [&](int p) {
        for (int q = 0; q < TfrmPetitsPaquets::NbPaquets; ++q)
            if (q != p && fenetre.Paquets[q][0]->Visible() && fenetre.Sommet(q)->Valeur() == fenetre.Sommet(p)->Valeur())
                return q;
        return -1;
    };
    const QPoint dansLaCarte(hasard.bounded(71), hasard.bounded(96));
    int p = int(hasard.bounded(TfrmPetitsPaquets::NbPaquets));
    const quint8 premier = fenetre.Paquet1;
    if (hasard.bounded(2) == 0 && premier != Aucune && partenaire(premier) >= 0)
        p = partenaire(premier);
    else if (hasard.bounded(10) == 0)
        return fenetre.Talon()->PositionTalon() + dansLaCarte; // where the stock was
    return TfrmPetitsPaquets::PositionPaquet(p) + dansLaCarte;
}
} // namespace

QPoint PointAuHasard(TfrmJeu *fenetre, QRandomGenerator &hasard)
{
    if (auto *f = qobject_cast<TfrmBlocusQuatorze *>(fenetre))
        return Point(*f, hasard);
    if (auto *f = qobject_cast<TfrmCasino *>(fenetre))
        return Point(*f, hasard);
    if (auto *f = qobject_cast<TfrmMelange *>(fenetre))
        return Point(*f, hasard);
    if (auto *f = qobject_cast<TfrmMultiplesSept *>(fenetre))
        return Point(*f, hasard);
    if (auto *f = qobject_cast<TfrmPetitsPaquets *>(fenetre))
        return Point(*f, hasard);
    return {};
}
