// Le mélange, played through clicks on the real window.
#include "Donnes.h"
#include "Invariants.h"
#include "ParcoursAleatoire.h"
#include "PlateformeTest.h"
#include "U_Melange.h"

#include <QAction>
#include <QSet>
#include <QTest>
#include <functional>

namespace {
const QString premiere = QStringLiteral("Choisissez une première carte.");
const QString seconde = QStringLiteral("Choisissez une seconde carte.");
const QString bloquee = QStringLiteral("Plus aucun coup possible.");
const QPoint positionTalon(360, 400);

// The ranks that a deal lays at places 0 to 7, and those of the stock in the
// order it is drawn.
struct TDonne {
    std::array<int, 8> places{};
    std::array<int, 44> talon{};
};

TDonne Donne(const TMelange &melange)
{
    TDonne donne;
    for (int p = 0; p < 8; ++p)
        donne.places[p] = melange[51 - p].rang;
    for (int k = 0; k < 44; ++k)
        donne.talon[k] = melange[43 - k].rang;
    return donne;
}

// The first place whose rank is `rang` (other than `sauf`), or -1.
int Place(const std::array<int, 8> &rangs, int rang, int sauf = -1)
{
    for (int p = 0; p < 8; ++p)
        if (rangs[p] == rang && p != sauf)
            return p;
    return -1;
}

bool Suivent(int a, int b) { return std::abs(a - b) == 1; }

// Some two ranks of the eight follow each other.
bool PairePossible(const std::array<int, 8> &rangs)
{
    for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b)
            if (Suivent(rangs[a], rangs[b]))
                return true;
    return false;
}

// A winning order of pairs of places for a deal, or nothing: depth-first,
// remembering the tables (ranks in any order, cards drawn) that lose.
std::optional<QList<std::pair<int, int>>> Resoudre(const TDonne &donne)
{
    std::array<int, 8> tapis = donne.places;
    QSet<quint64> perdantes;
    QList<std::pair<int, int>> coups;
    std::function<bool(int)> chercher = [&](int tirees) {
        if (tirees == 44)
            return true;
        std::array<int, 8> tries = tapis;
        std::sort(tries.begin(), tries.end());
        quint64 cle = quint64(tirees);
        for (int r : tries)
            cle = cle * 16 + quint64(r);
        if (perdantes.contains(cle))
            return false;
        for (int a = 0; a < 8; ++a)
            for (int b = a + 1; b < 8; ++b) {
                if (!Suivent(tapis[a], tapis[b]))
                    continue;
                const std::array<int, 8> avant = tapis;
                tapis[a] = donne.talon[tirees];
                tapis[b] = donne.talon[tirees + 1];
                coups.append({a, b});
                if (chercher(tirees + 2))
                    return true;
                coups.removeLast();
                tapis = avant;
            }
        perdantes.insert(cle);
        return false;
    };
    if (chercher(0))
        return coups;
    return std::nullopt;
}

QPoint Milieu(int place) { return TfrmMelange::PositionPlace(place) + QPoint(35, 48); }
} // namespace

class TestMelange : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;
    std::unique_ptr<TfrmMelange> fenetre;

    const TGraines<TDonne> graines{plateforme, Donne};

    // A new window (its deck in the order Donne() expects) deals from `graine`.
    void Jouer(quint32 graine)
    {
        fenetre = std::make_unique<TfrmMelange>();
        JouerDepuis(plateforme, *fenetre, graine);
        QCOMPARE(fenetre->CartesRestantes, 44);
    }

    void Clic(int place, Qt::MouseButton bouton = Qt::LeftButton) { Cliquer(fenetre.get(), Milieu(place), bouton); }
    void ClicTalon() { Cliquer(fenetre.get(), positionTalon + QPoint(35, 48)); }
    TCarte *Carte(int i) const { return fenetre->Talon()->Cartes()[i]; }
    QString Texte() const { return fenetre->BarreEtat()->Texte(); }
    int SonsDeSelection() const { return int(plateforme.journal.count(QStringLiteral("son CarteSelectionnee.wav"))); }
    std::array<int, 8> Rangs() const
    {
        std::array<int, 8> rangs{};
        for (int p = 0; p < 8; ++p)
            rangs[p] = fenetre->Tapis[p]->Valeur();
        return rangs;
    }
    int NbMarquees() const
    {
        const auto &cartes = fenetre->Talon()->Cartes();
        return int(std::count_if(cartes.begin(), cartes.end(), [](TCarte *c) { return c->Selectionnee(); }));
    }

    void VerifierEtat() { VERIFIER_INVARIANTS(*fenetre); }

private slots:
    void init() { plateforme.Reinitialiser(); }
    void cleanup() { fenetre.reset(); }

    void ouverture();
    void sixEtSept();
    void pairesRefusees();
    void premierChoixRetireEtTalon();
    void partieGagnee();
    void plusAucunCoup();
    void aleatoire();
};

void TestMelange::ouverture()
{
    const quint32 g = graines.Premiere([](const TDonne &d) { return PairePossible(d.places); });
    const TDonne donne = graines.Donne(g);
    fenetre = std::make_unique<TfrmMelange>();
    plateforme.graine = g;
    fenetre->AfficherPourJouer();
    const quint32 t0 = plateforme.maintenant;
    plateforme.TraiterEvenements();

    // Eight slides of about a tenth of a second, each with its sound.
    QCOMPARE(plateforme.journal, QStringList(8, QStringLiteral("son CarteDistrib.wav async")));
    QVERIFY(plateforme.maintenant - t0 >= 8 * 90);
    QVERIFY(plateforme.maintenant - t0 <= 8 * 100);

    QCOMPARE(fenetre->CartesRestantes, 44);
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Carte1, 100);
    QCOMPARE(fenetre->Carte2, 100);
    QCOMPARE(Texte(), premiere);
    QCOMPARE(NbMarquees(), 0);
    // The first card drawn lies top left, the eighth bottom right.
    for (int p = 0; p < 8; ++p) {
        QCOMPARE(fenetre->Tapis[p], Carte(51 - p));
        QCOMPARE(fenetre->Tapis[p]->Valeur(), donne.places[p]);
    }
    QCOMPARE(TfrmMelange::PositionPlace(0), QPoint(140, 100));
    QCOMPARE(TfrmMelange::PositionPlace(3), QPoint(590, 100));
    QCOMPARE(TfrmMelange::PositionPlace(4), QPoint(140, 250));
    QCOMPARE(TfrmMelange::PositionPlace(7), QPoint(590, 250));
    QCOMPARE(fenetre->childAt(positionTalon + QPoint(35, 48)), Carte(43));
    VerifierEtat();

    // Marks do not outlive a deal: a chosen card gathered back into the
    // stock would otherwise show its back inverted when it comes up.
    Clic(2);
    QVERIFY(fenetre->Tapis[2]->Selectionnee());
    fenetre->JeuNouvellePartie->trigger();
    QCOMPARE(NbMarquees(), 0);
    QCOMPARE(fenetre->CartesRestantes, 44);
    VerifierEtat();
}

void TestMelange::sixEtSept()
{
    // A six and a seven, the seven lying after the six; a pair left after.
    int six = -1, sept = -1;
    const quint32 g = graines.Premiere([&](const TDonne &d) {
        six = Place(d.places, 6);
        sept = Place(d.places, 7);
        if (six < 0 || sept < six)
            return false;
        std::array<int, 8> apres = d.places;
        apres[sept] = d.talon[0];
        apres[six] = d.talon[1];
        return PairePossible(apres);
    });
    Jouer(g);
    plateforme.dureesSons[QStringLiteral("CarteSelectionnee.wav")] = 120;
    TCarte *vieuxSept = fenetre->Tapis[sept];
    TCarte *vieuxSix = fenetre->Tapis[six];
    TCarte *nouvelle1 = Carte(43);
    TCarte *nouvelle2 = Carte(42);
    const quint32 t0 = plateforme.maintenant;

    // The place chosen first is covered first, whatever its number.
    Clic(sept, Qt::RightButton); // any button chooses
    QCOMPARE(fenetre->Carte1, sept);
    QCOMPARE(fenetre->NbSelection, 1);
    QVERIFY(vieuxSept->Selectionnee());
    QCOMPARE(Texte(), seconde);
    QCOMPARE(plateforme.maintenant, t0 + 120); // the selection sound, to its end

    // Watch both new cards as they travel.
    bool faceVueEnRoute = false, secondeAvantPremiere = false, texteVide = true;
    plateforme.aChaqueTraitement = [&] {
        if (!fenetre->ClicsBloques())
            return;
        texteVide &= Texte().isEmpty();
        faceVueEnRoute |= (nouvelle1->pos() != TfrmMelange::PositionPlace(sept) && nouvelle1->FaceVisible())
            || (nouvelle2->pos() != TfrmMelange::PositionPlace(six) && nouvelle2->FaceVisible());
        secondeAvantPremiere |= nouvelle2->pos() != positionTalon && nouvelle1->pos() != TfrmMelange::PositionPlace(sept);
    };
    Clic(six);
    plateforme.aChaqueTraitement = nullptr;
    QVERIFY(!faceVueEnRoute);
    QVERIFY(!secondeAvantPremiere);
    QVERIFY(texteVide);
    QCOMPARE(plateforme.journal, (QStringList{"son CarteSelectionnee.wav", "son CarteSelectionnee.wav",
                                              "son CarteDistrib.wav async", "son CarteDistrib.wav async"}));
    QVERIFY(plateforme.sons[2].instant < plateforme.sons[3].instant);
    // Two slides of about a tenth of a second.
    QVERIFY(plateforme.maintenant - t0 >= 240 + 2 * 90);
    QVERIFY(plateforme.maintenant - t0 <= 240 + 2 * 100);

    // Both covered, face up, on top, unmarked; the covered cards stay
    // visible exactly under them and lose their marks.
    QCOMPARE(fenetre->Tapis[sept], nouvelle1);
    QCOMPARE(fenetre->Tapis[six], nouvelle2);
    QCOMPARE(nouvelle1->Tag(), sept);
    QCOMPARE(nouvelle2->Tag(), six);
    for (TCarte *c : {nouvelle1, nouvelle2})
        QVERIFY(c->FaceVisible() && !c->Selectionnee());
    for (TCarte *c : {vieuxSept, vieuxSix})
        QVERIFY(c->Visible() && c->FaceVisible() && !c->Selectionnee());
    QCOMPARE(vieuxSept->pos(), TfrmMelange::PositionPlace(sept));
    QCOMPARE(vieuxSix->pos(), TfrmMelange::PositionPlace(six));
    QCOMPARE(fenetre->CartesRestantes, 42);
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Carte1, 100);
    QCOMPARE(Texte(), premiere);
    QCOMPARE(fenetre->childAt(positionTalon + QPoint(35, 48)), Carte(41));
    QVERIFY(plateforme.bips.isEmpty());
    VerifierEtat();

    // A covered card can no longer be clicked: its place answers with the
    // card on top.
    Clic(sept);
    QVERIFY(nouvelle1->Selectionnee());
    QVERIFY(!vieuxSept->Selectionnee());
    QCOMPARE(fenetre->Carte1, sept);
    VerifierEtat();
}

void TestMelange::pairesRefusees()
{
    // A king and an ace do not follow each other; neither do two nines.
    int roi = -1, as = -1, neuf1 = -1, neuf2 = -1;
    const quint32 gRoi = graines.Premiere([&](const TDonne &d) {
        roi = Place(d.places, 13);
        as = Place(d.places, 1);
        return roi >= 0 && as >= 0;
    });
    const quint32 gNeufs = graines.Premiere([&](const TDonne &d) {
        neuf1 = Place(d.places, 9);
        neuf2 = Place(d.places, 9, neuf1);
        return neuf1 >= 0 && neuf2 >= 0;
    });
    const std::pair<quint32, std::pair<int, int>> cas[] = {{gRoi, {roi, as}}, {gNeufs, {neuf1, neuf2}}};
    for (const auto &[g, paire] : cas) {
        const auto [a, b] = paire;
        Jouer(g);
        const std::array<TCarte *, 8> avant = fenetre->Tapis;
        Clic(a);
        const quint32 t0 = plateforme.maintenant;
        struct { QString texte; bool marques; int nb; } a900{};
        plateforme.InjecterDans(990, [&] {
            a900 = {Texte(), fenetre->Tapis[a]->Selectionnee() && fenetre->Tapis[b]->Selectionnee(),
                    fenetre->NbSelection};
        });
        Clic(b);
        // One second of an empty status with both marked, silently...
        QCOMPARE(a900.texte, QString());
        QVERIFY(a900.marques);
        QCOMPARE(a900.nb, 2);
        QCOMPARE(plateforme.maintenant, t0 + 1000);
        QCOMPARE(plateforme.journal, QStringList(2, QStringLiteral("son CarteSelectionnee.wav")));
        QVERIFY(plateforme.bips.isEmpty());
        // ...then both marks cleared, the table as it was.
        QCOMPARE(fenetre->Tapis, avant);
        QCOMPARE(fenetre->CartesRestantes, 44);
        QCOMPARE(fenetre->NbSelection, 0);
        QCOMPARE(NbMarquees(), 0);
        VerifierEtat();
    }
}

void TestMelange::premierChoixRetireEtTalon()
{
    const quint32 g = graines.Premiere([](const TDonne &d) { return PairePossible(d.places); });
    Jouer(g);

    // The stock's card, before any choice: nothing at all.
    ClicTalon();
    ClicTalon();
    QVERIFY(plateforme.journal.isEmpty());
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(NbMarquees(), 0);

    Clic(5);
    QCOMPARE(SonsDeSelection(), 1);
    QCOMPARE(Texte(), seconde);
    // After a first choice it is no second card either.
    ClicTalon();
    QCOMPARE(fenetre->NbSelection, 1);
    QCOMPARE(fenetre->Carte1, 5);
    QCOMPARE(SonsDeSelection(), 1);
    QCOMPARE(Texte(), seconde);
    QVERIFY(!Carte(43)->Selectionnee());

    Clic(5); // withdrawn: no sound
    QCOMPARE(SonsDeSelection(), 1);
    QVERIFY(!fenetre->Tapis[5]->Selectionnee());
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Carte1, 100);
    QCOMPARE(Texte(), premiere);
    // The next click is a first choice again.
    Clic(0);
    QCOMPARE(fenetre->Carte1, 0);
    QCOMPARE(fenetre->NbSelection, 1);
    QCOMPARE(Texte(), seconde);
    QCOMPARE(SonsDeSelection(), 2);
    VerifierEtat();
}

void TestMelange::partieGagnee()
{
    std::optional<QList<std::pair<int, int>>> coups;
    const quint32 g = graines.Premiere([&](const TDonne &d) { return bool(coups = Resoudre(d)); });
    QCOMPARE(coups->size(), 22);

    for (bool rejouer : {true, false}) {
        Jouer(g);
        plateforme.reponses = {rejouer};
        for (int n = 0; n < 22; ++n) {
            const auto [a, b] = (*coups)[n];
            if (n == 19) {
                // Six cards left in the stock: its top card's Tag now reads
                // like a place, and its click is still ignored.
                QVERIFY(Carte(fenetre->Talon()->Sommet())->Tag() < 8);
                const int sons = SonsDeSelection();
                ClicTalon();
                QCOMPARE(fenetre->NbSelection, 0);
                Clic(a);
                ClicTalon();
                QCOMPARE(fenetre->NbSelection, 1);
                QCOMPARE(fenetre->Carte1, a);
                QCOMPARE(SonsDeSelection(), sons + 1);
                QCOMPARE(NbMarquees(), 1);
                QCOMPARE(fenetre->CartesRestantes, 6);
            } else {
                Clic(a);
            }
            Clic(b);
            if (n == 21)
                break;
            QVERIFY(plateforme.questions.isEmpty());
            QCOMPARE(int(fenetre->CartesRestantes), 42 - 2 * n);
            VerifierEtat();
        }
        // Both last cards land, then the question.
        QCOMPARE(plateforme.questions.size(), 1);
        QCOMPARE(plateforme.questions.first().titre, QStringLiteral("Partie terminée"));
        QCOMPARE(plateforme.questions.first().texte, QStringLiteral("Vous avez gagné ! \r\nVoulez-vous rejouer ?"));
        const QStringList fin = plateforme.journal.mid(plateforme.journal.indexOf(QStringLiteral("question Partie terminée")) - 3, 4);
        QCOMPARE(fin, (QStringList{"son CarteDistrib.wav async", "son CarteDistrib.wav async", "son Gagne.wav async",
                                   "question Partie terminée"}));
        if (rejouer) {
            // Yes: a new deal in the same window, once the judgement is over.
            plateforme.TraiterEvenements();
            QCOMPARE(plateforme.questions.size(), 1);
            QCOMPARE(fenetre->CartesRestantes, 44);
            QCOMPARE(plateforme.finsDemandees, 0);
            QCOMPARE(plateforme.journal.count(QStringLiteral("son CarteDistrib.wav async")), 44 + 8);
            VerifierEtat();
        } else {
            // No: the program ends; the choice is left as it was.
            QCOMPARE(plateforme.finsDemandees, 1);
            QCOMPARE(fenetre->Talon()->Sommet(), -1);
            QCOMPARE(fenetre->Tapis[(*coups)[21].first], Carte(1));
            QCOMPARE(fenetre->Tapis[(*coups)[21].second], Carte(0));
            QCOMPARE(fenetre->CartesRestantes, 0);
            QCOMPARE(fenetre->NbSelection, 2);
            QCOMPARE(Texte(), QString());
            QCOMPARE(NbMarquees(), 0);
        }
    }
}

void TestMelange::plusAucunCoup()
{
    // A blocked deal with a king and an ace, which do not make a pair.
    const quint32 bloque = graines.Premiere([](const TDonne &d) {
        return !PairePossible(d.places) && Place(d.places, 13) >= 0 && Place(d.places, 1) >= 0;
    });
    Jouer(bloque);
    QCOMPARE(Texte(), bloquee);
    // Clicks behave as before; the notice comes back with an empty choice.
    Clic(0);
    QCOMPARE(Texte(), seconde);
    Clic(0);
    QCOMPARE(Texte(), bloquee);
    Clic(1);
    QString pendant = QStringLiteral("?");
    plateforme.InjecterDans(500, [&] { pendant = Texte(); });
    Clic(2);
    QCOMPARE(pendant, QString());
    QCOMPARE(Texte(), bloquee);
    QCOMPARE(SonsDeSelection(), 3);
    VerifierEtat();
    // A new deal with a move clears it.
    plateforme.graine = graines.Premiere([](const TDonne &d) { return PairePossible(d.places); }, bloque + 1);
    fenetre->JeuNouvellePartie->trigger();
    QVERIFY(PairePossible(Rangs()));
    QCOMPARE(Texte(), premiere);
    VerifierEtat();

    // A pair that leaves no move behind it, and one that leaves exactly
    // one, a queen and a king (the highest ranks that follow each other).
    struct TCas { int a, b; bool bloquee; };
    for (const bool bloqueApres : {true, false}) {
        TCas cas{};
        const quint32 g = graines.Premiere([&](const TDonne &d) {
            for (int a = 0; a < 8; ++a)
                for (int b = a + 1; b < 8; ++b) {
                    if (!Suivent(d.places[a], d.places[b]))
                        continue;
                    std::array<int, 8> apres = d.places;
                    apres[a] = d.talon[0];
                    apres[b] = d.talon[1];
                    int paires = 0;
                    bool roiDame = false;
                    for (int x = 0; x < 8; ++x)
                        for (int y = x + 1; y < 8; ++y)
                            if (Suivent(apres[x], apres[y])) {
                                ++paires;
                                roiDame = apres[x] + apres[y] == 25;
                            }
                    if (bloqueApres ? paires == 0 : paires == 1 && roiDame) {
                        cas = {a, b, bloqueApres};
                        return true;
                    }
                }
            return false;
        });
        Jouer(g);
        QCOMPARE(Texte(), premiere);
        Clic(cas.a);
        Clic(cas.b);
        QCOMPARE(fenetre->CartesRestantes, 42);
        QCOMPARE(Texte(), cas.bloquee ? bloquee : premiere);
        VerifierEtat();
    }
}

void TestMelange::aleatoire()
{
    // Random clicks and commands, many of them inside deals, pauses and
    // slides; half of the clicks go to a card that makes a pair, so that
    // games run deep. After every step each card is in one place (a pile or
    // the stock), the count matches the stock, the piles lie straight, the
    // choice names a top card, only it is marked, and the status says
    // whether a move is left.
    Jouer(11);
    fenetre->show();
    TParcoursAleatoire parcours;
    int piles = 0, marquees = 0;
    parcours.verifier = [&] {
        VerifierEtat();
        piles = std::max(piles, 44 - int(fenetre->CartesRestantes));
        marquees += fenetre->NbSelection;
        plateforme.reponses = {true}; // a win met on the way deals again
    };
    ParcourirAuHasard(plateforme, fenetre.get(), parcours);
    // The walk has covered cards and left choices open.
    QVERIFY(piles >= 10);
    QVERIFY(marquees > 100);
}

QTEST_MAIN(TestMelange)
#include "test_melange.moc"
