// Multiples de sept, played through clicks on the real window.
#include "Donnes.h"
#include "Invariants.h"
#include "ParcoursAleatoire.h"
#include "PlateformeTest.h"
#include "U_Multiples7.h"

#include <QAction>
#include <QSet>
#include <QTest>
#include <functional>

namespace {
using TOrdre = std::array<int, 52>;

const QString ouverture = QStringLiteral("Ajoutez une carte au tapis ou sélectionnez des cartes.");
const QString sommeCorrecte = QStringLiteral("Somme correcte.");
const QString choisir = QStringLiteral("Choisissez des cartes ou ajoutez une carte au tapis.");
const QString deal = QStringLiteral("son CarteDistrib.wav async");
const QString selection = QStringLiteral("son CarteSelectionnee.wav");

constexpr QPoint talon(200, 300);
constexpr QPoint milieu(35, 48); // a point well inside a card

// The values that a deal brings to the table, in the order it brings them:
// the four cards of the row, then one draw after another.
TOrdre Ordre(const TMelange &melange)
{
    TOrdre valeurs{};
    for (int j = 0; j < 52; ++j)
        valeurs[j] = melange[51 - j].rang;
    return valeurs;
}

// Whether the first `n` cards brought hold all of `valeurs` (with repeats).
bool Parmi(const TOrdre &ordre, int n, QList<int> valeurs)
{
    for (int j = 0; j < n; ++j)
        valeurs.removeOne(ordre[j]);
    return valeurs.isEmpty();
}
} // namespace

class TestMultiples : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;
    std::unique_ptr<TfrmMultiplesSept> fenetre;

    const TGraines<TOrdre> graines{plateforme, Ordre};

    // Shows the window and lets it deal from `graine`.
    void Jouer(quint32 graine)
    {
        JouerDepuis(plateforme, *fenetre, graine);
        QCOMPARE(fenetre->NbCartesTapis, 4);
    }

    void Clic(int place, Qt::MouseButton bouton = Qt::LeftButton)
    {
        Cliquer(fenetre.get(), TfrmMultiplesSept::PositionPlace(place) + milieu, bouton);
    }
    void ClicTalon(Qt::MouseButton bouton = Qt::LeftButton) { Cliquer(fenetre.get(), talon + milieu, bouton); }
    // Draws cards until the row holds `n`; no card is marked meanwhile.
    void Tirer(int n)
    {
        while (fenetre->NbCartesTapis < n)
            ClicTalon();
    }

    TCarte *Carte(int place) const { return fenetre->Tapis[place]; }
    int PlaceDe(const TCarte *carte) const
    {
        for (int k = 0; k < fenetre->NbCartesTapis; ++k)
            if (Carte(k) == carte)
                return k;
        return -1;
    }
    QList<int> Rangee() const
    {
        QList<int> valeurs;
        for (int k = 0; k < fenetre->NbCartesTapis; ++k)
            valeurs << Carte(k)->Valeur();
        return valeurs;
    }
    // The first unmarked place of the row holding `valeur`, or -1.
    int Place(int valeur) const
    {
        for (int k = 0; k < fenetre->NbCartesTapis; ++k)
            if (Carte(k)->Valeur() == valeur && !Carte(k)->Selectionnee())
                return k;
        return -1;
    }
    // The places of a smallest group of the row adding up to a multiple of
    // seven, or none. No part of such a group adds up to one, so its cards
    // may be marked in any order and leave only with the last.
    QList<int> GroupeMinimal() const
    {
        const int n = fenetre->NbCartesTapis;
        QList<int> meilleur;
        for (int masque = 1; masque < (1 << n); ++masque) {
            QList<int> groupe;
            int somme = 0;
            for (int k = 0; k < n; ++k)
                if (masque & (1 << k)) {
                    groupe << k;
                    somme += Carte(k)->Valeur();
                }
            if (somme % 7 == 0 && (meilleur.isEmpty() || groupe.size() < meilleur.size()))
                meilleur = groupe;
        }
        return meilleur;
    }
    QList<quint32> InstantsDesDonnes() const
    {
        QList<quint32> instants;
        for (const auto &son : plateforme.sons)
            if (son.nom == QStringLiteral("CarteDistrib.wav"))
                instants << son.instant;
        return instants;
    }

    void VerifierEtat() { VERIFIER_INVARIANTS(*fenetre); }

private slots:
    void init()
    {
        plateforme.Reinitialiser();
        fenetre = std::make_unique<TfrmMultiplesSept>();
    }
    void cleanup() { fenetre.reset(); }

    void debutDePartie();
    void groupesQuiPartent();
    void marquesRetirees();
    void tirages();
    void retraitsEtFermetures();
    void rangeePleine();
    void partieEntiere();
    void aleatoire();
};

void TestMultiples::debutDePartie()
{
    plateforme.graine = 4;
    fenetre->AfficherPourJouer();
    const quint32 t0 = plateforme.maintenant;
    plateforme.TraiterEvenements();

    // Four slides with their deal sounds, a tenth of a second each.
    QCOMPARE(plateforme.journal, QStringList(4, deal));
    QCOMPARE(plateforme.maintenant - t0, 4u * 90);
    QCOMPARE(fenetre->NbCartesTapis, 4);
    QCOMPARE(fenetre->Talon()->Sommet(), 47);
    QCOMPARE(fenetre->BarreEtat()->Texte(), ouverture);
    const auto &cartes = fenetre->Talon()->Cartes();
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(Carte(k), cartes[51 - k]);
        QCOMPARE(Carte(k)->pos(), QPoint(80 * k + 10, 150));
        QVERIFY(Carte(k)->FaceVisible());
        QVERIFY(!Carte(k)->Selectionnee());
    }
    // The places not in use hold one card that is not on the table.
    for (int k = 4; k < 11; ++k) {
        QVERIFY(Carte(k));
        QVERIFY(!std::count(cartes.begin(), cartes.end(), Carte(k)));
        QVERIFY(!Carte(k)->parent() && !Carte(k)->isVisible());
    }
    QCOMPARE(fenetre->childAt(talon + milieu), cartes[47]);
    VerifierEtat();

    // The window is wide enough for eleven places, with the same margin on
    // both sides of the row.
    QCOMPARE(fenetre->size(), QSize(891, 563));
    QCOMPARE(TfrmMultiplesSept::PositionPlace(10).x() + TCarte::Largeur + 10, fenetre->width());
    QCOMPARE(fenetre->BarreEtat()->width(), 891);

    // The table between the cards does nothing; the rules open at this game.
    plateforme.Effacer();
    Cliquer(fenetre.get(), {85, 200});
    Cliquer(fenetre.get(), {600, 350});
    QVERIFY(plateforme.journal.isEmpty());
    fenetre->AideRegle->trigger();
    QCOMPARE(plateforme.aides.first().sujet, QStringLiteral("MultiplesSept"));
}

void TestMultiples::groupesQuiPartent()
{
    plateforme.dureesSons[QStringLiteral("CarteSelectionnee.wav")] = 80;

    // A lone seven at place 1 of four: it leaves at once, the two cards to
    // its right close up one after the other, then a second's pause.
    quint32 g = graines.Premiere([](const TOrdre &o) { return o[1] == 7 && o[0] != 7 && o[2] != 7 && o[3] != 7; });
    Jouer(g);
    TCarte *sept = Carte(1), *c2 = Carte(2), *c3 = Carte(3);
    const quint32 t0 = plateforme.maintenant;
    struct { QString texte; int n; bool cache; QPoint p2, p3; } pendant{};
    plateforme.Injecter(t0 + 80 + 180 + 500, [&] {
        pendant = {fenetre->BarreEtat()->Texte(), fenetre->NbCartesTapis, !sept->Visible(), c2->pos(), c3->pos()};
    });
    Clic(1);
    QCOMPARE(pendant.texte, sommeCorrecte);
    QCOMPARE(pendant.n, 3);
    QVERIFY(pendant.cache);
    QCOMPARE(pendant.p2, TfrmMultiplesSept::PositionPlace(1));
    QCOMPARE(pendant.p3, TfrmMultiplesSept::PositionPlace(2));
    QCOMPARE(plateforme.journal, (QStringList{selection, deal, deal}));
    QCOMPARE(InstantsDesDonnes(), (QList<quint32>{t0 + 80 + 90, t0 + 80 + 180}));
    QCOMPARE(plateforme.maintenant, t0 + 80 + 180 + 1000);
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisir);
    QVERIFY(!sept->Selectionnee());
    QCOMPARE(Carte(1), c2);
    QCOMPARE(Carte(2), c3);
    VerifierEtat();

    // 3 then 4, and 6 then 8 (14): the first mark alone changes nothing.
    for (const auto &[a, b] : {std::pair{3, 4}, std::pair{6, 8}}) {
        fenetre = std::make_unique<TfrmMultiplesSept>();
        g = graines.Premiere([&](const TOrdre &o) { return Parmi(o, 4, {a, b}) && !Parmi(o, 4, {7}); });
        Jouer(g);
        QList<int> restes = Rangee();
        restes.removeOne(a);
        restes.removeOne(b);
        Clic(Place(a));
        QCOMPARE(fenetre->NbCartesTapis, 4);
        QCOMPARE(fenetre->BarreEtat()->Texte(), ouverture);
        QCOMPARE(plateforme.journal, QStringList{selection});
        Clic(Place(b));
        QCOMPARE(fenetre->NbCartesTapis, 2);
        QCOMPARE(Rangee(), restes); // in their order, closed up
        QCOMPARE(fenetre->BarreEtat()->Texte(), choisir);
        VerifierEtat();
    }
}

void TestMultiples::marquesRetirees()
{
    // 3, 5 and 2 marked (10); unmarking the 3 leaves 5 + 2 = 7: those two go.
    const quint32 g = graines.Premiere([](const TOrdre &o) { return Parmi(o, 7, {3, 5, 2}); });
    Jouer(g);
    Tirer(7);
    TCarte *trois = Carte(Place(3));
    TCarte *cinq = Carte(Place(5));
    Clic(Place(3));
    Clic(Place(5));
    Clic(Place(2));
    QCOMPARE(fenetre->NbCartesTapis, 7);
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisir); // the draws' text, unchanged
    QVERIFY(trois->Selectionnee());
    plateforme.Effacer();
    Clic(PlaceDe(trois));
    QCOMPARE(fenetre->NbCartesTapis, 5);
    QVERIFY(trois->Visible() && !trois->Selectionnee());
    QVERIFY(!cinq->Visible());
    QCOMPARE(plateforme.journal.count(selection), 1); // unmarking sounds too
    VerifierEtat();

    // Unmarking the only marked card: the empty sum passes, nothing leaves,
    // and the closing text stands at once, without a pause.
    fenetre = std::make_unique<TfrmMultiplesSept>();
    const quint32 h = graines.Premiere([](const TOrdre &o) { return o[0] == 5; });
    Jouer(h);
    Clic(0);
    QVERIFY(Carte(0)->Selectionnee());
    QCOMPARE(fenetre->BarreEtat()->Texte(), ouverture);
    const quint32 t0 = plateforme.maintenant;
    Clic(0, Qt::RightButton); // any button
    QVERIFY(!Carte(0)->Selectionnee());
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisir);
    QCOMPARE(fenetre->NbCartesTapis, 4);
    QCOMPARE(plateforme.maintenant, t0);
    QCOMPARE(plateforme.journal, QStringList(2, selection));
    VerifierEtat();
}

void TestMultiples::tirages()
{
    // A draw while a 3 is marked: the 4 drawn lands unmarked, so the check
    // after the draw sees only the 3, and no text changes.
    const quint32 g = graines.Premiere([](const TOrdre &o) { return o[0] == 3 && o[4] == 4 && !Parmi(o, 4, {4}); });
    Jouer(g);
    Clic(0);
    TCarte *tiree = fenetre->Talon()->Cartes()[47];
    const QObjectList &enfants = fenetre->children();
    const qsizetype profondeur = enfants.indexOf(tiree);
    bool faceCachee = false, bouge = false;
    plateforme.aChaqueTraitement = [&] {
        if (tiree->pos() != talon && tiree->pos() != TfrmMultiplesSept::PositionPlace(4)) {
            bouge = true;
            faceCachee = faceCachee || !tiree->FaceVisible() || tiree->Selectionnee();
        }
    };
    plateforme.Effacer();
    ClicTalon();
    plateforme.aChaqueTraitement = nullptr;
    // It slid face up, unmarked, at its own depth among the cards.
    QVERIFY(bouge);
    QVERIFY(!faceCachee);
    QCOMPARE(fenetre->children().indexOf(tiree), profondeur);
    QCOMPARE(plateforme.journal, (QStringList{deal, selection}));
    QCOMPARE(fenetre->NbCartesTapis, 5);
    QCOMPARE(Carte(4), tiree);
    QVERIFY(!tiree->Selectionnee());
    QVERIFY(Carte(0)->Selectionnee());
    QCOMPARE(fenetre->BarreEtat()->Texte(), ouverture);
    QCOMPARE(fenetre->Talon()->Sommet(), 46);
    QCOMPARE(fenetre->childAt(talon + milieu), fenetre->Talon()->Cartes()[46]);
    VerifierEtat();

    // A draw with nothing marked: the empty sum passes, and the closing text.
    fenetre->JeuNouvellePartie->trigger();
    QCOMPARE(fenetre->BarreEtat()->Texte(), ouverture);
    ClicTalon(Qt::RightButton);
    QCOMPARE(fenetre->NbCartesTapis, 5);
    QVERIFY(!Carte(4)->Selectionnee());
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisir);
    VerifierEtat();

    // After a removal the first free place lies further left.
    fenetre = std::make_unique<TfrmMultiplesSept>();
    const quint32 h = graines.Premiere([](const TOrdre &o) { return o[2] == 7 && !Parmi(o, 5, {7, 7}); });
    Jouer(h);
    Clic(2);
    QCOMPARE(fenetre->NbCartesTapis, 3);
    ClicTalon();
    QCOMPARE(fenetre->NbCartesTapis, 4);
    QCOMPARE(Carte(3), fenetre->Talon()->Cartes()[47]);
    QCOMPARE(Carte(3)->pos(), QPoint(250, 150));
    VerifierEtat();
}

void TestMultiples::retraitsEtFermetures()
{
    // The card in the last place leaves: nothing moves, then the pause.
    quint32 g = graines.Premiere([](const TOrdre &o) { return o[3] == 7 && !Parmi(o, 3, {7}); });
    Jouer(g);
    quint32 t0 = plateforme.maintenant;
    Clic(3);
    QCOMPARE(plateforme.journal, QStringList{selection});
    QCOMPARE(plateforme.maintenant, t0 + 1000);
    QCOMPARE(fenetre->NbCartesTapis, 3);
    VerifierEtat();

    // Place 0 of five: the four others close up one after the other, each
    // leaving only once the one before has arrived.
    fenetre = std::make_unique<TfrmMultiplesSept>();
    g = graines.Premiere([](const TOrdre &o) { return o[0] == 7 && !Parmi(o, 5, {7, 7}); });
    Jouer(g);
    Tirer(5);
    const std::array<TCarte *, 4> suivantes = {Carte(1), Carte(2), Carte(3), Carte(4)};
    std::array<quint32, 4> depart{}, arrivee{};
    plateforme.aChaqueTraitement = [&] {
        for (int j = 0; j < 4; ++j) {
            const QPoint p = suivantes[j]->pos();
            if (!depart[j] && p != TfrmMultiplesSept::PositionPlace(j + 1))
                depart[j] = plateforme.maintenant;
            if (!arrivee[j] && p == TfrmMultiplesSept::PositionPlace(j))
                arrivee[j] = plateforme.maintenant;
        }
    };
    plateforme.Effacer();
    t0 = plateforme.maintenant;
    Clic(0);
    plateforme.aChaqueTraitement = nullptr;
    QCOMPARE(plateforme.journal, (QStringList{selection, deal, deal, deal, deal}));
    QCOMPARE(InstantsDesDonnes(), (QList<quint32>{t0 + 90, t0 + 180, t0 + 270, t0 + 360}));
    for (int j = 1; j < 4; ++j)
        QVERIFY(depart[j] >= arrivee[j - 1]);
    QCOMPARE(plateforme.maintenant, t0 + 360 + 1000);
    for (int j = 0; j < 4; ++j)
        QCOMPARE(Carte(j), suivantes[j]);
    VerifierEtat();

    // Two marked cards leave as two steps, left to right, each with its own
    // close-up and its own second.
    fenetre = std::make_unique<TfrmMultiplesSept>();
    g = graines.Premiere([](const TOrdre &o) { return o[0] == 3 && o[2] == 4 && !Parmi(o, 4, {7}); });
    Jouer(g);
    TCarte *trois = Carte(0), *quatre = Carte(2);
    Clic(0);
    struct { bool troisParti, quatreLa; int n; QPoint quatre; } pause1{};
    t0 = plateforme.maintenant;
    plateforme.Injecter(t0 + 270 + 500, [&] {
        pause1 = {!trois->Visible(), quatre->Visible() && quatre->Selectionnee(), fenetre->NbCartesTapis,
                  quatre->pos()};
    });
    plateforme.Effacer();
    Clic(2);
    QVERIFY(pause1.troisParti && pause1.quatreLa);
    QCOMPARE(pause1.n, 3);
    QCOMPARE(pause1.quatre, TfrmMultiplesSept::PositionPlace(1));
    // Three slides, a second, one slide, a second.
    QCOMPARE(InstantsDesDonnes(), (QList<quint32>{t0 + 90, t0 + 180, t0 + 270, t0 + 1360}));
    QCOMPARE(plateforme.maintenant, t0 + 2360);
    QCOMPARE(fenetre->NbCartesTapis, 2);
    VerifierEtat();
}

void TestMultiples::rangeePleine()
{
    Jouer(5);
    Tirer(11);
    // The eleventh place lies wholly on the table.
    QVERIFY(fenetre->rect().contains(Carte(10)->geometry()));
    QCOMPARE(fenetre->childAt(TfrmMultiplesSept::PositionPlace(10) + QPoint(65, 90)), Carte(10));
    const QString texte = fenetre->BarreEtat()->Texte();
    TCarte *dessus = fenetre->Talon()->Cartes()[fenetre->Talon()->Sommet()];
    const quint32 t0 = plateforme.maintenant;

    // One more draw is refused with one beep, and nothing else.
    plateforme.Effacer();
    ClicTalon();
    QCOMPARE(plateforme.journal, QStringList{"bip"});
    QCOMPARE(plateforme.maintenant, t0);
    QCOMPARE(fenetre->NbCartesTapis, 11);
    QCOMPARE(fenetre->Talon()->Sommet(), 40);
    QCOMPARE(dessus->pos(), talon);
    QVERIFY(dessus->Visible() && !dessus->FaceVisible() && !dessus->Selectionnee());
    QCOMPARE(fenetre->BarreEtat()->Texte(), texte);
    VerifierEtat();

    // Once a group has left, the stock gives cards again.
    const QList<int> groupe = GroupeMinimal();
    QVERIFY(!groupe.isEmpty()); // any seven cards hold one
    for (int place : groupe)
        Clic(place);
    QCOMPARE(fenetre->NbCartesTapis, 11 - groupe.size());
    ClicTalon();
    QCOMPARE(fenetre->NbCartesTapis, 12 - groupe.size());
    QCOMPARE(fenetre->Talon()->Sommet(), 39);
    VerifierEtat();
}

void TestMultiples::partieEntiere()
{
    // Remove a smallest group whenever the row holds one, draw otherwise.
    // Any seven cards hold such a group, so the row never passes seven; once
    // the stock is empty the row adds up to a multiple of seven (the deck
    // adds up to 364), and groups leave until the table is cleared.
    for (bool rejouer : {true, false}) {
        fenetre = std::make_unique<TfrmMultiplesSept>();
        Jouer(rejouer ? 21 : 22);
        plateforme.reponses = {rejouer};
        int groupes = 0, tirages = 0, retirees = 0;
        quint32 dernierClic = 0;
        while (plateforme.questions.isEmpty()) {
            const QList<int> groupe = GroupeMinimal();
            if (!groupe.isEmpty()) {
                const int avant = fenetre->NbCartesTapis;
                for (int place : groupe) {
                    dernierClic = plateforme.maintenant;
                    Clic(place);
                }
                ++groupes;
                retirees += int(groupe.size());
                if (plateforme.questions.isEmpty())
                    QCOMPARE(int(fenetre->NbCartesTapis), avant - groupe.size());
            } else {
                QVERIFY(fenetre->Talon()->Sommet() >= 0); // a row left over cannot happen
                const int avant = fenetre->NbCartesTapis;
                ClicTalon();
                ++tirages;
                QCOMPARE(int(fenetre->NbCartesTapis), avant + 1);
                QVERIFY(fenetre->NbCartesTapis <= 7);
            }
            if (plateforme.questions.isEmpty())
                VerifierEtat();
            QVERIFY(groupes + tirages < 200);
        }
        QCOMPARE(tirages, 48);
        QCOMPARE(retirees, 52);
        // The question comes once the last group has gone, after its pause.
        QCOMPARE(plateforme.questions.size(), 1);
        QCOMPARE(plateforme.questions.first().titre, QStringLiteral("Partie terminée"));
        QCOMPARE(plateforme.questions.first().texte, QStringLiteral("Vous avez gagné ! \r\nVoulez-vous rejouer ?"));
        QVERIFY(plateforme.questions.first().instant >= dernierClic + 1000);
        const int i = int(plateforme.journal.indexOf(QStringLiteral("son Gagne.wav async")));
        QCOMPARE(plateforme.journal.at(i + 1), QStringLiteral("question Partie terminée"));
        if (rejouer) {
            // Yes: a new deal in the same window, once the removal is over.
            plateforme.TraiterEvenements();
            QCOMPARE(fenetre->NbCartesTapis, 4);
            QCOMPARE(fenetre->BarreEtat()->Texte(), ouverture);
            QCOMPARE(plateforme.finsDemandees, 0);
            VerifierEtat();
        } else {
            // No: the program ends on the cleared table.
            QCOMPARE(plateforme.finsDemandees, 1);
            QCOMPARE(fenetre->BarreEtat()->Texte(), QString());
            QCOMPARE(fenetre->NbCartesTapis, 0);
            QCOMPARE(fenetre->Talon()->Sommet(), -1);
        }
    }
}

void TestMultiples::aleatoire()
{
    // Random clicks on the row's places, on the stock and anywhere else, many
    // of them in the middle of deals, draws and removals, with the frame's
    // commands; the state is checked after every step.
    Jouer(11);
    TParcoursAleatoire parcours;
    parcours.verifier = [this] { VerifierEtat(); };
    ParcourirAuHasard(plateforme, fenetre.get(), parcours);
}

QTEST_MAIN(TestMultiples)
#include "test_multiples.moc"
