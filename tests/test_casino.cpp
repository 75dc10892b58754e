// Casino, played through clicks on the real window.
#include "Donnes.h"
#include "Invariants.h"
#include "ParcoursAleatoire.h"
#include "PlateformeTest.h"
#include "U_Casino.h"

#include <QSet>
#include <QTest>
#include <functional>

namespace {
const QString choisir = QStringLiteral("Choisissez deux cartes.");
const QString pasMemeValeur = QStringLiteral("Ces deux cartes ne sont pas de la même valeur.");
const QString neSeTouchentPas = QStringLiteral("Ces deux cartes ne se touchent pas.");
const QPoint positionTalon(540, 265);

// The ranks in the order the deal draws them from a fresh deck: draws 0 to
// 24 go to places 0 to 24, the rest are the stock, draw 25 on top.
std::array<int, 52> Tirage(const TMelange &melange)
{
    std::array<int, 52> rangs{};
    for (int i = 0; i < 52; ++i)
        rangs[i] = melange[51 - i].rang;
    return rangs;
}

bool SeTouchent(int a, int b) { return std::abs(a / 5 - b / 5) <= 1 && std::abs(a % 5 - b % 5) <= 1; }

// A way to clear the whole deck, as pairs of places at the time they are
// played, or nothing within `budget` positions. The grid is always the drawn
// cards not yet removed, in draw order, so the set of removed draws is the
// whole position.
std::optional<QList<std::pair<int, int>>> Resoudre(const std::array<int, 52> &rangs, int budget = 20000)
{
    QSet<quint64> perdantes;
    QList<std::pair<int, int>> coups;
    int positions = 0;
    std::function<bool(quint64, int)> chercher = [&](quint64 retirees, int nb) {
        if (nb == 52)
            return true;
        if (perdantes.contains(retirees) || ++positions > budget)
            return false;
        QList<int> grille;
        for (int i = 0; i < std::min(52, 25 + nb); ++i)
            if (!(retirees >> i & 1))
                grille << i;
        for (int a = 0; a < grille.size(); ++a)
            for (int b = a + 1; b < grille.size(); ++b) {
                if (rangs[grille[a]] != rangs[grille[b]] || !SeTouchent(a, b))
                    continue;
                coups.append({a, b});
                if (chercher(retirees | 1ull << grille[a] | 1ull << grille[b], nb + 2))
                    return true;
                coups.removeLast();
            }
        perdantes.insert(retirees);
        return false;
    };
    if (chercher(0, 0))
        return coups;
    return std::nullopt;
}

QPoint PointCarte(int place) { return TfrmCasino::PositionPlace(place) + QPoint(30, 30); }
const QPoint pointTalon = positionTalon + QPoint(30, 30);

using TGrille = QList<TCarte *>;
} // namespace

class TestCasino : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;
    std::unique_ptr<TfrmCasino> fenetre;

    const TGraines<std::array<int, 52>> graines{plateforme, Tirage};

    // A seed whose deal has ranks `ra` and `rb` at places a and b.
    quint32 GraineAvec(int a, int ra, int b, int rb)
    {
        return graines.Premiere([&](const auto &r) { return r[a] == ra && r[b] == rb; });
    }
    quint32 GraineAvecPaire(int a, int b)
    {
        return graines.Premiere([&](const auto &r) { return r[a] == r[b]; });
    }

    // Shows the window and lets it deal from `graine`.
    void Jouer(quint32 graine)
    {
        JouerDepuis(plateforme, *fenetre, graine);
        QCOMPARE(fenetre->NbCartesTapis, 25);
    }

    void Clic(int place, Qt::MouseButton bouton = Qt::LeftButton) { Cliquer(fenetre.get(), PointCarte(place), bouton); }
    TCarte *Carte(int i) const { return fenetre->Talon()->Cartes()[i]; }
    TGrille Grille() const { return TGrille(fenetre->Tapis.begin(), fenetre->Tapis.begin() + fenetre->NbCartesTapis); }
    // The stock's cards, top first.
    TGrille Talon() const
    {
        TGrille t;
        for (int i = fenetre->Talon()->Sommet(); i >= 0; --i)
            t << Carte(i);
        return t;
    }
    int Sons(const QString &nom) const
    {
        return int(std::count_if(plateforme.sons.begin(), plateforme.sons.end(), [&](const auto &s) { return s.nom == nom; }));
    }
    int SonsDeSelection() const { return Sons(QStringLiteral("CarteSelectionnee.wav")); }
    QList<quint32> InstantsDesGlissements() const
    {
        QList<quint32> t;
        for (const auto &s : plateforme.sons)
            if (s.nom == QStringLiteral("CarteDistrib.wav"))
                t << s.instant;
        return t;
    }

    // The grid after the pair at places a and b has left: the gaps close up
    // and up to two stock cards come at the end.
    TGrille Apres(const TGrille &avant, const TGrille &talon, int a, int b) const
    {
        TGrille g = avant;
        g.removeAt(std::max(a, b));
        g.removeAt(std::min(a, b));
        g << talon.mid(0, 2);
        return g;
    }

    // Every card of the grid lies face up at its place, with its place as Tag.
    void VerifierGrille(const TGrille &attendue)
    {
        QCOMPARE(Grille(), attendue);
        for (int p = 0; p < attendue.size(); ++p) {
            QVERIFY(attendue[p]->Visible());
            QVERIFY(attendue[p]->FaceVisible());
            QCOMPARE(attendue[p]->Tag(), p);
            QCOMPARE(attendue[p]->pos(), TfrmCasino::PositionPlace(p));
        }
    }

    void VerifierEtat() { VERIFIER_INVARIANTS(*fenetre); }

    // Two cards chosen in turn and refused with `message`: three beeps at
    // once, the message and both marks for a second, then an empty choice on
    // an unchanged table.
    void VerifierRefus(int a, int b, const QString &message)
    {
        const TGrille avant = Grille();
        Clic(a);
        plateforme.Effacer();
        const quint32 t0 = plateforme.maintenant;
        struct { QString texte; bool marques; int nb; } pendant{};
        plateforme.InjecterDans(500, [&] {
            pendant = {fenetre->BarreEtat()->Texte(), avant[a]->Selectionnee() && avant[b]->Selectionnee(),
                       fenetre->NbSelection};
        });
        Clic(b);
        QCOMPARE(plateforme.journal, (QStringList{"son CarteSelectionnee.wav", "bip", "bip", "bip"}));
        QCOMPARE(plateforme.bips, (QList<quint32>{t0, t0, t0}));
        QCOMPARE(pendant.texte, message);
        QVERIFY(pendant.marques);
        QCOMPARE(pendant.nb, 2);
        QCOMPARE(plateforme.maintenant, t0 + 1000);
        VerifierGrille(avant);
        VerifierEtat();
        // The next click is a first choice again.
        Clic(b);
        QCOMPARE(fenetre->Carte1, b);
        QCOMPARE(fenetre->NbSelection, 1);
        Clic(b);
        VerifierEtat();
    }

    // The pair at places a and b removed: the grid that follows, three
    // seconds of pauses and one slide per card that moves.
    void VerifierRetrait(int a, int b)
    {
        const TGrille avant = Grille(), talon = Talon();
        Clic(a);
        plateforme.Effacer();
        Clic(b);
        VerifierGrille(Apres(avant, talon, a, b));
        QVERIFY(!avant[a]->Visible() && !avant[b]->Visible());
        QVERIFY(plateforme.bips.isEmpty());
        VerifierEtat();
    }

private slots:
    void init()
    {
        plateforme.Reinitialiser();
        fenetre = std::make_unique<TfrmCasino>();
    }
    void cleanup() { fenetre.reset(); }

    void ouverture();
    void deuxRoisEnTete();
    void contactEtValeur();
    void paireEnFinDeGrille();
    void premierChoixRetire();
    void finDuTalonEtPartieGagnee();
    void aleatoire();
};

void TestCasino::ouverture()
{
    // Before any deal every place holds a card that is not one of the deck's.
    for (TCarte *c : fenetre->Tapis) {
        QVERIFY(c != nullptr);
        QVERIFY(!c->parent());
        QVERIFY(!std::count(fenetre->Talon()->Cartes().begin(), fenetre->Talon()->Cartes().end(), c));
    }
    QCOMPARE(fenetre->Talon()->PositionTalon(), positionTalon);

    plateforme.graine = 4;
    fenetre->AfficherPourJouer();
    const quint32 t0 = plateforme.maintenant;
    plateforme.TraiterEvenements();

    // Twenty-five slides, each ending with the deal sound.
    QCOMPARE(plateforme.sons.size(), 25);
    for (const auto &son : plateforme.sons)
        QCOMPARE(son.nom, QStringLiteral("CarteDistrib.wav"));
    QVERIFY(plateforme.maintenant - t0 >= 25 * 90);
    QVERIFY(plateforme.maintenant - t0 <= 25 * 100);

    // The first card drawn goes to place 0, the next to place 1, and so on.
    TGrille ordre;
    for (int p = 0; p < 25; ++p)
        ordre << Carte(51 - p);
    VerifierGrille(ordre);
    QCOMPARE(fenetre->Talon()->Sommet(), 26);
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Carte1, 100);
    QCOMPARE(fenetre->Carte2, 100);
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisir);
    VerifierEtat();
    // Columns at 50 to 370, rows at 55 to 455: the last row ends on the status bar.
    QCOMPARE(TfrmCasino::PositionPlace(0), QPoint(50, 55));
    QCOMPARE(TfrmCasino::PositionPlace(24), QPoint(370, 455));
    QCOMPARE(fenetre->BarreEtat()->geometry().top(), 455 + TCarte::Hauteur);
    QCOMPARE(fenetre->childAt(PointCarte(24)), Carte(27));
    QCOMPARE(fenetre->childAt(pointTalon), Carte(26));

    // The stock's card, with either button: no mark, no sound.
    plateforme.Effacer();
    Cliquer(fenetre.get(), pointTalon);
    Cliquer(fenetre.get(), pointTalon, Qt::RightButton);
    QVERIFY(plateforme.journal.isEmpty());
    QVERIFY(!Carte(26)->Selectionnee());
    // Nor does a click beside the cards do anything.
    Cliquer(fenetre.get(), TfrmCasino::PositionPlace(0) + QPoint(75, 30));
    QVERIFY(plateforme.journal.isEmpty());
    VerifierEtat();

    // A choice: marked at once, the sound played to its end, the text kept.
    plateforme.dureesSons[QStringLiteral("CarteSelectionnee.wav")] = 80;
    const quint32 t1 = plateforme.maintenant;
    Clic(7, Qt::RightButton);
    QVERIFY(Carte(44)->Selectionnee());
    QCOMPARE(fenetre->Carte1, 7);
    QCOMPARE(fenetre->NbSelection, 1);
    QCOMPARE(plateforme.maintenant, t1 + 80);
    QCOMPARE(SonsDeSelection(), 1);
    VerifierEtat();
}

void TestCasino::deuxRoisEnTete()
{
    const quint32 g = GraineAvec(0, 13, 1, 13);
    QList<QList<std::pair<int, int>>> finales;
    for (bool dansLOrdre : {true, false}) {
        fenetre = std::make_unique<TfrmCasino>(); // a fresh deck: the same deal
        Jouer(g);
        const TGrille avant = Grille(), talon = Talon();
        Clic(dansLOrdre ? 0 : 1);
        plateforme.Effacer();
        const quint32 t0 = plateforme.maintenant;

        // The grid at three moments: in each of the three pauses.
        struct TVue { TGrille grille; int n = -1; bool roisCaches = false; };
        TVue vues[3];
        const quint32 instants[3] = {500, 1000 + 23 * 90 + 500, 2 * (1000 + 23 * 90) + 500};
        for (int i = 0; i < 3; ++i)
            plateforme.InjecterDans(instants[i], [&, i] {
                vues[i] = {Grille(), fenetre->NbCartesTapis, !avant[0]->Visible() && !avant[1]->Visible()};
                for (int p = 0; p < vues[i].n; ++p)
                    if (vues[i].grille[p]->pos() != TfrmCasino::PositionPlace(p))
                        vues[i].grille.clear(); // a card away from its place
            });
        // Which card is sliding, each time the window looks at its events.
        TGrille glissees;
        plateforme.aChaqueTraitement = [&] {
            for (TCarte *c : fenetre->Talon()->Cartes()) {
                bool auRepos = c->pos() == positionTalon;
                for (int p = 0; p < 25 && !auRepos; ++p)
                    auRepos = c->pos() == TfrmCasino::PositionPlace(p);
                if (c->Visible() && !auRepos && (glissees.isEmpty() || glissees.last() != c))
                    glissees << c;
            }
        };
        Clic(dansLOrdre ? 1 : 0);
        plateforme.aChaqueTraitement = nullptr;

        // Both kings vanish at once; the 23 others stay a second where they are.
        QVERIFY(vues[0].roisCaches);
        QCOMPARE(vues[0].n, 25);
        QCOMPARE(vues[0].grille, avant);
        // Then places 2 to 24 move one place back, then once more.
        QCOMPARE(vues[1].n, 24);
        QCOMPARE(vues[1].grille, avant.mid(0, 1) + avant.mid(2));
        QCOMPARE(vues[2].n, 23);
        QCOMPARE(vues[2].grille, avant.mid(2));
        // One card after the other, in place order, then two from the stock.
        QCOMPARE(glissees, avant.mid(2) + avant.mid(2) + talon.mid(0, 2));
        // A slide of 80 or of 320 by 100 pixels: nine steps of 10 ms each,
        // the deal sound at its end.
        QList<quint32> attendus;
        for (int k = 1; k <= 23; ++k)
            attendus << t0 + 1000 + 90 * k;
        for (int k = 1; k <= 23; ++k)
            attendus << t0 + 1000 + 23 * 90 + 1000 + 90 * k;
        attendus << t0 + 3000 + 46 * 90 + 90 << t0 + 3000 + 46 * 90 + 180;
        QCOMPARE(InstantsDesGlissements(), attendus);
        QCOMPARE(plateforme.maintenant, t0 + 3000 + 48 * 90);
        QCOMPARE(plateforme.sons.size(), 49); // the second choice's sound, the slides
        QCOMPARE(SonsDeSelection(), 1);
        QVERIFY(plateforme.bips.isEmpty());

        // Two stock cards in places 23 and 24, face up on top, unmarked.
        VerifierGrille(avant.mid(2) + talon.mid(0, 2));
        QCOMPARE(fenetre->childAt(PointCarte(23)), talon[0]);
        QCOMPARE(fenetre->childAt(PointCarte(24)), talon[1]);
        QVERIFY(!avant[0]->Selectionnee() && !avant[1]->Selectionnee());
        QCOMPARE(fenetre->Talon()->Sommet(), 24);
        VerifierEtat();
        if (QTest::currentTestFailed())
            return;

        QList<std::pair<int, int>> finale;
        for (TCarte *c : Grille())
            finale.append({c->Valeur(), int(c->Couleur())});
        finales << finale;
    }
    // Chosen in the other order, the same pair gives the same table.
    QCOMPARE(finales[0], finales[1]);
}

void TestCasino::contactEtValeur()
{
    // The end of a row does not touch the start of the next; two rows or
    // two columns apart is no contact either.
    for (auto [a, b] : {std::pair{4, 5}, {0, 10}, {9, 5}, {2, 22}, {10, 12}, {16, 13}}) {
        fenetre = std::make_unique<TfrmCasino>();
        Jouer(GraineAvecPaire(a, b));
        VerifierRefus(a, b, neSeTouchentPas);
        if (QTest::currentTestFailed())
            return;
    }
    // Corner to corner across a row's end, corner to corner, side by side,
    // one above the other: removed.
    for (auto [a, b] : {std::pair{4, 8}, {12, 6}, {17, 18}, {13, 8}, {20, 16}}) {
        fenetre = std::make_unique<TfrmCasino>();
        Jouer(GraineAvecPaire(a, b));
        VerifierRetrait(a, b);
        if (QTest::currentTestFailed())
            return;
    }
    // A seven and an eight side by side; and apart, where rank comes first.
    for (auto [a, b] : {std::pair{11, 12}, {3, 19}}) {
        fenetre = std::make_unique<TfrmCasino>();
        Jouer(GraineAvec(a, 7, b, 8));
        VerifierRefus(a, b, pasMemeValeur);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestCasino::paireEnFinDeGrille()
{
    Jouer(GraineAvecPaire(23, 24));
    const TGrille avant = Grille(), talon = Talon();
    Clic(23);
    plateforme.Effacer();
    const quint32 t0 = plateforme.maintenant;
    Clic(24);
    // Nothing moves: three seconds, then the two new cards land there.
    QCOMPARE(InstantsDesGlissements(), (QList<quint32>{t0 + 3090, t0 + 3180}));
    VerifierGrille(avant.mid(0, 23) + talon.mid(0, 2));
    VerifierEtat();
}

void TestCasino::premierChoixRetire()
{
    Jouer(3);
    const quint32 t0 = plateforme.maintenant;
    Clic(12);
    QCOMPARE(SonsDeSelection(), 1);
    plateforme.Effacer();
    Clic(12, Qt::RightButton); // withdrawn: no sound, no text, no time
    QVERIFY(plateforme.journal.isEmpty());
    QCOMPARE(plateforme.maintenant, t0);
    QVERIFY(!fenetre->Tapis[12]->Selectionnee());
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Carte1, 100);
    VerifierEtat();
    // The next click is a first choice again, and can be withdrawn in turn.
    Clic(13);
    QCOMPARE(fenetre->Carte1, 13);
    QCOMPARE(fenetre->NbSelection, 1);
    QCOMPARE(SonsDeSelection(), 1);
    VerifierEtat();
}

void TestCasino::finDuTalonEtPartieGagnee()
{
    std::optional<QList<std::pair<int, int>>> coups;
    const quint32 g = graines.Premiere([&](const auto &r) { return bool(coups = Resoudre(r)); });
    QCOMPARE(coups->size(), 26);

    for (bool rejouer : {true, false}) {
        fenetre = std::make_unique<TfrmCasino>();
        Jouer(g);
        plateforme.reponses = {rejouer};
        for (int n = 1; n <= 26; ++n) {
            const auto [a, b] = (*coups)[n - 1];
            const TGrille avant = Grille(), talon = Talon();
            plateforme.Effacer();
            Clic(b); // either order will do
            Clic(a);
            if (n == 26)
                break;
            VerifierGrille(Apres(avant, talon, a, b));
            // While the stock lasts each pair brings two cards; the 14th
            // brings the last one; from then on the grid shortens.
            QCOMPARE(int(fenetre->NbCartesTapis), n <= 13 ? 25 : 24 - 2 * (n - 14));
            QCOMPARE(fenetre->Talon()->Sommet(), n <= 13 ? 26 - 2 * n : -1);
            QVERIFY(plateforme.questions.isEmpty());
            VerifierEtat();
            if (QTest::currentTestFailed())
                return;
        }
        // The last pair: both vanish, nothing slides, nothing is drawn; after
        // the removal's three seconds the game is won.
        QCOMPARE(plateforme.questions.size(), 1);
        QCOMPARE(plateforme.questions.first().titre, QStringLiteral("Partie terminée"));
        QCOMPARE(plateforme.questions.first().texte, QStringLiteral("Vous avez gagné ! \r\nVoulez-vous rejouer ?"));
        QCOMPARE(plateforme.journal.mid(2, 2), (QStringList{"son Gagne.wav async", "question Partie terminée"}));
        QCOMPARE(plateforme.sons[2].instant, plateforme.questions.first().instant);
        QCOMPARE(plateforme.questions.first().instant - plateforme.sons[1].instant, 3000u);
        if (rejouer) {
            // Yes: a new deal in the same window, once the removal is over.
            plateforme.TraiterEvenements();
            QCOMPARE(Sons(QStringLiteral("CarteDistrib.wav")), 25);
            QCOMPARE(fenetre->NbCartesTapis, 25);
            QCOMPARE(fenetre->Talon()->Sommet(), 26);
            QCOMPARE(plateforme.finsDemandees, 0);
            VerifierEtat();
        } else {
            QCOMPARE(plateforme.finsDemandees, 1);
            QCOMPARE(plateforme.journal.mid(4), QStringList{"fin"});
            QCOMPARE(fenetre->BarreEtat()->Texte(), QString());
            QCOMPARE(fenetre->NbCartesTapis, 0);
            QCOMPARE(fenetre->Talon()->Sommet(), -1);
            for (TCarte *c : fenetre->Talon()->Cartes())
                QVERIFY(!c->Visible());
        }
    }
}

void TestCasino::aleatoire()
{
    // Random clicks and commands, many of them in the middle of deals,
    // pauses and slides; half of the clicks go where a pair can be made.
    Jouer(11);
    fenetre->show();
    TParcoursAleatoire parcours;
    parcours.verifier = [this] {
        VerifierEtat();
        plateforme.reponses = {true}; // a cleared table deals again
    };
    ParcourirAuHasard(plateforme, fenetre.get(), parcours);
}

QTEST_MAIN(TestCasino)
#include "test_casino.moc"
