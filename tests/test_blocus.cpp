// Le blocus des quatorze, played through clicks on the real window.
#include "Donnes.h"
#include "Invariants.h"
#include "ParcoursAleatoire.h"
#include "PlateformeTest.h"
#include "U_BlocusQuatorze.h"

#include <QSet>
#include <QTest>
#include <functional>

namespace {
const QString basDeColonne = QStringLiteral("Sélectionnez une carte de bas de colonne.");
const QString deuxieme = QStringLiteral("Sélectionnez une deuxième carte");
const QString sommeIncorrecte = QStringLiteral("Somme incorrecte.");

// The ranks that a deal lays at places 0 to 51.
std::array<int, 52> Donne(const TMelange &melange)
{
    std::array<int, 52> rangs{};
    for (int i = 0; i < 52; ++i)
        rangs[i] = melange[i].rang;
    return rangs;
}

// The first place in [debut, fin) whose card has rank `rang`, or -1.
int Place(const std::array<int, 52> &rangs, int rang, int debut = 40, int fin = 52)
{
    for (int p = debut; p < fin; ++p)
        if (rangs[p] == rang)
            return p;
    return -1;
}

// The places of a column, top to bottom.
QList<int> Colonne(int c)
{
    QList<int> places;
    for (int p = c; p < 52; p += 12)
        places << p;
    return places;
}

// A winning order of pairs for a deal, or nothing: depth-first over how many
// cards each column has lost, remembering the positions that lose.
std::optional<QList<std::pair<int, int>>> Resoudre(const std::array<int, 52> &rangs)
{
    QSet<quint64> perdantes;
    std::array<int, 12> retirees{};
    QList<std::pair<int, int>> coups;
    auto bas = [&](int c) {
        const QList<int> col = Colonne(c);
        return retirees[c] < col.size() ? col[col.size() - 1 - retirees[c]] : -1;
    };
    std::function<bool(int)> chercher = [&](int restantes) {
        if (restantes == 0)
            return true;
        quint64 cle = 0;
        for (int r : retirees)
            cle = cle * 6 + quint64(r);
        if (perdantes.contains(cle))
            return false;
        for (int a = 0; a < 12; ++a)
            for (int b = a + 1; b < 12; ++b) {
                const int pa = bas(a), pb = bas(b);
                if (pa < 0 || pb < 0 || rangs[pa] + rangs[pb] != 14)
                    continue;
                ++retirees[a], ++retirees[b];
                coups.append({pa, pb});
                if (chercher(restantes - 2))
                    return true;
                coups.removeLast();
                --retirees[a], --retirees[b];
            }
        perdantes.insert(cle);
        return false;
    };
    if (chercher(52))
        return coups;
    return std::nullopt;
}

// A point of the card at `place` that no other card covers.
QPoint PointVisible(int place) { return TfrmBlocusQuatorze::PositionPlace(place) + QPoint(30, 30); }
} // namespace

class TestBlocus : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;
    std::unique_ptr<TfrmBlocusQuatorze> fenetre;

    const TGraines<std::array<int, 52>> graines{plateforme, Donne};

    // Shows the window and lets it deal from `graine`.
    void Jouer(quint32 graine)
    {
        JouerDepuis(plateforme, *fenetre, graine);
        QCOMPARE(fenetre->CartesRestantes, 52);
    }

    void Clic(int place, Qt::MouseButton bouton = Qt::LeftButton) { Cliquer(fenetre.get(), PointVisible(place), bouton); }
    TCarte *Carte(int place) const { return fenetre->Talon()->Cartes()[place]; }
    int SonsDeSelection() const
    {
        return int(std::count_if(plateforme.sons.begin(), plateforme.sons.end(),
                                 [](const auto &s) { return s.nom == QStringLiteral("CarteSelectionnee.wav"); }));
    }

    void VerifierEtat() { VERIFIER_INVARIANTS(*fenetre); }

private slots:
    void init()
    {
        plateforme.Reinitialiser();
        fenetre = std::make_unique<TfrmBlocusQuatorze>();
    }
    void cleanup() { fenetre.reset(); }

    void ouverture();
    void paireAcceptee();
    void deuxSeptEtColonneDeCinq();
    void paireRefusee();
    void premierChoixRetire();
    void partieGagnee();
    void aleatoire();
};

void TestBlocus::ouverture()
{
    plateforme.graine = 4;
    fenetre->AfficherPourJouer();
    const quint32 t0 = plateforme.maintenant;
    plateforme.TraiterEvenements();

    // Row by row, a slide and a deal sound per card: about five seconds.
    QCOMPARE(plateforme.sons.size(), 52);
    for (const auto &son : plateforme.sons)
        QCOMPARE(son.nom, QStringLiteral("CarteDistrib.wav"));
    QVERIFY(plateforme.maintenant - t0 >= 52 * 90);
    QVERIFY(plateforme.maintenant - t0 <= 52 * 100);

    QCOMPARE(fenetre->CartesRestantes, 52);
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Carte1, 100);
    QCOMPARE(fenetre->Carte2, 100);
    QCOMPARE(fenetre->BarreEtat()->Texte(), basDeColonne);
    for (int i = 0; i < 52; ++i) {
        QCOMPARE(fenetre->Disponible[i], i >= 40);
        QVERIFY(!Carte(i)->Selectionnee());
    }
    VerifierEtat();
    // Every card lies over those laid before it.
    const QObjectList enfants = fenetre->children();
    for (int i = 1; i < 52; ++i)
        QVERIFY(enfants.indexOf(Carte(i)) > enfants.indexOf(Carte(i - 1)));
    QCOMPARE(fenetre->childAt(PointVisible(0)), Carte(0));
    QCOMPARE(fenetre->childAt(TfrmBlocusQuatorze::PositionPlace(0) + QPoint(68, 90)), Carte(13));

    // A covered card: nothing at all.
    plateforme.Effacer();
    for (int place : {0, 17, 39}) {
        Clic(place);
        QCOMPARE(fenetre->NbSelection, 0);
        QVERIFY(!Carte(place)->Selectionnee());
    }
    QVERIFY(plateforme.journal.isEmpty());
    QCOMPARE(fenetre->BarreEtat()->Texte(), basDeColonne);
}

void TestBlocus::paireAcceptee()
{
    // A king and an ace at the bottom of two four-card columns.
    int roi = -1, as = -1;
    const quint32 g = graines.Premiere([&](const auto &r) {
        roi = Place(r, 13, 40, 48);
        as = Place(r, 1, 40, 48);
        return roi >= 0 && as >= 0;
    });
    Jouer(g);
    plateforme.dureesSons[QStringLiteral("CarteSelectionnee.wav")] = 80;
    const quint32 t0 = plateforme.maintenant;

    Clic(roi);
    QVERIFY(Carte(roi)->Selectionnee());
    QCOMPARE(fenetre->Carte1, roi);
    QCOMPARE(fenetre->NbSelection, 1);
    QCOMPARE(fenetre->BarreEtat()->Texte(), deuxieme);
    QCOMPARE(plateforme.maintenant, t0 + 80); // the selection sound, to its end

    QString texteEntre;
    plateforme.InjecterDans(80 + 500, [&] { texteEntre = fenetre->BarreEtat()->Texte(); });
    Clic(as, Qt::RightButton); // any button chooses
    QCOMPARE(texteEntre, basDeColonne);
    QVERIFY(!Carte(roi)->Visible());
    QVERIFY(!Carte(as)->Visible());
    QVERIFY(Carte(roi)->Selectionnee()); // gone, still marked
    QCOMPARE(fenetre->CartesRestantes, 50);
    QVERIFY(fenetre->Disponible[roi - 12]);
    QVERIFY(fenetre->Disponible[as - 12]);
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Carte1, 100);
    QCOMPARE(fenetre->Carte2, 100);
    QCOMPARE(SonsDeSelection(), 2);
    QVERIFY(plateforme.bips.isEmpty());
    QCOMPARE(plateforme.maintenant, t0 + 80 + 80 + 1000);
    VerifierEtat();
}

void TestBlocus::deuxSeptEtColonneDeCinq()
{
    // Two sevens at the bottom, one of them ending a five-card column.
    int a = -1, b = -1;
    const quint32 g = graines.Premiere([&](const auto &r) {
        a = Place(r, 7, 48, 52);
        b = Place(r, 7, 40, 48);
        return a >= 0 && b >= 0;
    });
    Jouer(g);
    Clic(a);
    Clic(b);
    QCOMPARE(fenetre->CartesRestantes, 50);
    QVERIFY(fenetre->Disponible[a - 12]); // row 3 of a five-card column
    QVERIFY(fenetre->Disponible[b - 12]);
    for (int p = 0; p < 40; ++p)
        QCOMPARE(fenetre->Disponible[p], p == a - 12 || p == b - 12);
    VerifierEtat();
}

void TestBlocus::paireRefusee()
{
    int roi = -1, dame = -1;
    const quint32 g = graines.Premiere([&](const auto &r) {
        roi = Place(r, 13);
        dame = Place(r, 12);
        return roi >= 0 && dame >= 0;
    });
    Jouer(g);
    Clic(roi);
    const quint32 t0 = plateforme.maintenant;
    plateforme.Effacer();

    struct { QString texte; bool marques; int nb; } a500, a1500;
    plateforme.InjecterDans(500, [&] {
        a500 = {fenetre->BarreEtat()->Texte(), Carte(roi)->Selectionnee() && Carte(dame)->Selectionnee(),
                fenetre->NbSelection};
    });
    plateforme.InjecterDans(1500, [&] {
        a1500 = {fenetre->BarreEtat()->Texte(), Carte(roi)->Selectionnee() || Carte(dame)->Selectionnee(),
                 fenetre->NbSelection};
    });
    Clic(dame);
    // The message and three beeps at once, one second with both marked...
    QCOMPARE(plateforme.journal, (QStringList{"son CarteSelectionnee.wav", "bip", "bip", "bip"}));
    QCOMPARE(plateforme.bips, (QList<quint32>{t0, t0, t0}));
    QCOMPARE(a500.texte, sommeIncorrecte);
    QVERIFY(a500.marques);
    QCOMPARE(a500.nb, 2);
    // ...then the marks cleared, the opening text, and one more second.
    QCOMPARE(a1500.texte, basDeColonne);
    QVERIFY(!a1500.marques);
    QCOMPARE(a1500.nb, 0);
    QCOMPARE(plateforme.maintenant, t0 + 2000);
    QCOMPARE(fenetre->CartesRestantes, 52);
    QVERIFY(Carte(roi)->Visible() && Carte(dame)->Visible());
    VerifierEtat();
}

void TestBlocus::premierChoixRetire()
{
    Jouer(3);
    Clic(45);
    QCOMPARE(SonsDeSelection(), 1);
    Clic(45); // withdrawn: no sound
    QCOMPARE(SonsDeSelection(), 1);
    QVERIFY(!Carte(45)->Selectionnee());
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Carte1, 100);
    QCOMPARE(fenetre->BarreEtat()->Texte(), basDeColonne);
    // The next click is a first choice again.
    Clic(46);
    QCOMPARE(fenetre->Carte1, 46);
    QCOMPARE(fenetre->BarreEtat()->Texte(), deuxieme);
    VerifierEtat();
}

void TestBlocus::partieGagnee()
{
    std::optional<QList<std::pair<int, int>>> coups;
    const quint32 g = graines.Premiere([&](const auto &r) { return bool(coups = Resoudre(r)); });
    QCOMPARE(coups->size(), 26);

    for (bool rejouer : {true, false}) {
        fenetre = std::make_unique<TfrmBlocusQuatorze>(); // a sorted deck: the deal is known
        Jouer(g);
        plateforme.reponses = {rejouer};
        std::array<bool, 52> attendu{};
        for (int p = 40; p < 52; ++p)
            attendu[p] = true;
        for (int n = 0; n < 26; ++n) {
            const auto [a, b] = (*coups)[n];
            Clic(a);
            Clic(b);
            if (n == 25)
                break;
            for (int p : {a, b})
                if (p >= 12)
                    attendu[p - 12] = true; // a top-row card frees nothing
            QCOMPARE(fenetre->Disponible, attendu);
            QCOMPARE(int(fenetre->CartesRestantes), 50 - 2 * n);
            VerifierEtat();
        }
        // The 26th pair empties the table, then the question.
        QCOMPARE(plateforme.questions.size(), 1);
        QCOMPARE(plateforme.questions.first().titre, QStringLiteral("Partie terminée"));
        QCOMPARE(plateforme.questions.first().texte, QStringLiteral("Vous avez gagné ! \r\nVoulez-vous rejouer ?"));
        const int i = int(plateforme.journal.indexOf(QStringLiteral("son Gagne.wav async")));
        QCOMPARE(plateforme.journal.at(i + 1), QStringLiteral("question Partie terminée"));
        if (rejouer) {
            // Yes: a new deal in the same window, once the judgement is over.
            plateforme.TraiterEvenements();
            QCOMPARE(fenetre->CartesRestantes, 52);
            QCOMPARE(fenetre->BarreEtat()->Texte(), basDeColonne);
            QCOMPARE(plateforme.finsDemandees, 0);
            VerifierEtat();
        } else {
            QCOMPARE(plateforme.finsDemandees, 1);
            QCOMPARE(fenetre->CartesRestantes, 0);
            QCOMPARE(fenetre->BarreEtat()->Texte(), QString());
        }
    }
}

void TestBlocus::aleatoire()
{
    // Random clicks and commands, many of them in the middle of deals and
    // pauses; after every step each card is in exactly one place, the choice
    // names cards on the table, and the count matches the table.
    Jouer(11);
    fenetre->show();
    TParcoursAleatoire parcours;
    parcours.verifier = [this] { VerifierEtat(); };
    ParcourirAuHasard(plateforme, fenetre.get(), parcours);
}

QTEST_MAIN(TestBlocus)
#include "test_blocus.moc"
