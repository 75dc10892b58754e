// Les petits paquets, played through clicks on the real window.
#include "Donnes.h"
#include "Invariants.h"
#include "ParcoursAleatoire.h"
#include "PlateformeTest.h"
#include "U_PetitsPaquets.h"

#include <QSet>
#include <QTest>
#include <functional>

namespace {
const QString choisirPaquet = QStringLiteral("Choisissez un paquet.");
const QString choisirAutre = QStringLiteral("Choisissez un autre paquet.");
const QString valeursDifferentes = QStringLiteral("Ces deux cartes ont des valeurs différentes.");
const QString sonSelection = QStringLiteral("son CarteSelectionnee.wav");
const QString sonDonne = QStringLiteral("son CarteDistrib.wav async");
constexpr int nbPaquets = TfrmPetitsPaquets::NbPaquets;

// The ranks that a deal lays: packet, then level (0 the bottom card).
using TDonne = std::array<std::array<int, 4>, nbPaquets>;

// The card of packet p at level l is the (13 l + p + 1)-th drawn, and the
// stock is drawn from Cartes()[51] down.
int IndiceDonne(int paquet, int niveau) { return 51 - (13 * niveau + paquet); }

TDonne Donne(const TMelange &melange)
{
    TDonne rangs{};
    for (int p = 0; p < nbPaquets; ++p)
        for (int l = 0; l < 4; ++l)
            rangs[p][l] = melange[IndiceDonne(p, l)].rang;
    return rangs;
}

// A winning order of pairs of packets for a deal, or nothing: depth-first
// over how many cards each packet still holds, remembering the positions
// that lose.
std::optional<QList<std::pair<int, int>>> Resoudre(const TDonne &rangs)
{
    QSet<quint64> perdantes;
    std::array<int, nbPaquets> restants;
    restants.fill(4);
    QList<std::pair<int, int>> coups;
    auto dessus = [&](int p) { return restants[p] > 0 ? rangs[p][restants[p] - 1] : -1; };
    std::function<bool(int)> chercher = [&](int cartes) {
        if (cartes == 0)
            return true;
        quint64 cle = 0;
        for (int r : restants)
            cle = cle * 5 + quint64(r);
        if (perdantes.contains(cle))
            return false;
        for (int a = 0; a < nbPaquets; ++a)
            for (int b = a + 1; b < nbPaquets; ++b) {
                if (dessus(a) < 0 || dessus(a) != dessus(b))
                    continue;
                --restants[a], --restants[b];
                coups.append({a, b});
                if (chercher(cartes - 2))
                    return true;
                coups.removeLast();
                ++restants[a], ++restants[b];
            }
        perdantes.insert(cle);
        return false;
    };
    if (chercher(52))
        return coups;
    return std::nullopt;
}

// Two packets whose fresh tops have the same rank (a < b), or whose ranks
// differ when `egales` is false.
bool DeuxDessus(const TDonne &rangs, bool egales, int &a, int &b)
{
    for (a = 0; a < nbPaquets; ++a)
        for (b = a + 1; b < nbPaquets; ++b)
            if ((rangs[a][3] == rangs[b][3]) == egales)
                return true;
    return false;
}

QPoint Centre(int paquet) { return TfrmPetitsPaquets::PositionPaquet(paquet) + QPoint(35, 48); }
} // namespace

class TestPaquets : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;
    std::unique_ptr<TfrmPetitsPaquets> fenetre;

    const TGraines<TDonne> graines{plateforme, Donne};

    // Shows the window and lets it deal from `graine`.
    void Jouer(quint32 graine)
    {
        JouerDepuis(plateforme, *fenetre, graine);
        QCOMPARE(fenetre->CartesRestantes, 52);
    }

    void Clic(int paquet, Qt::MouseButton bouton = Qt::LeftButton) { Cliquer(fenetre.get(), Centre(paquet), bouton); }
    TCarte *Carte(int paquet, int niveau) const { return fenetre->Paquets[paquet][niveau]; }
    bool Vide(int paquet) const { return !Carte(paquet, 0)->Visible(); }
    // The card that the player sees at a packet's place, if any.
    TCarte *Visible(int paquet) const { return qobject_cast<TCarte *>(fenetre->childAt(Centre(paquet))); }

    void VerifierEtat() { VERIFIER_INVARIANTS(*fenetre); }

private slots:
    void init()
    {
        plateforme.Reinitialiser();
        fenetre = std::make_unique<TfrmPetitsPaquets>();
    }
    void cleanup() { fenetre.reset(); }

    void ouverture();
    void choisirEtRetirer();
    void paireAcceptee();
    void paireRefusee();
    void paquetVide();
    void partieGagnee();
    void aleatoire();
};

void TestPaquets::ouverture()
{
    // Before any deal every place holds a card, none of the deck's.
    for (const auto &paquet : fenetre->Paquets)
        for (TCarte *c : paquet) {
            QVERIFY(c);
            QVERIFY(std::ranges::find(fenetre->Talon()->Cartes(), c) == fenetre->Talon()->Cartes().end());
        }

    // While a card flies it lies above every card dealt before it, face
    // down in the first three passes and face up in the last.
    const auto &cartes = fenetre->Talon()->Cartes();
    std::array<int, 52> vues{};
    plateforme.aChaqueTraitement = [&] {
        const int n = int(plateforme.sons.size()); // cards already landed
        if (n >= 52 || QTest::currentTestFailed())
            return;
        TCarte *enVol = cartes[IndiceDonne(n % 13, n / 13)];
        if (!enVol->Visible() || enVol->pos() == TfrmPetitsPaquets::PositionPaquet(n % 13))
            return;
        ++vues[n];
        QCOMPARE(fenetre->childAt(enVol->pos() + QPoint(35, 48)), enVol);
        QCOMPARE(enVol->FaceVisible(), n >= 39);
    };
    plateforme.graine = 4;
    fenetre->AfficherPourJouer();
    const quint32 t0 = plateforme.maintenant;
    plateforme.TraiterEvenements();
    plateforme.aChaqueTraitement = nullptr;
    for (int n = 0; n < 52; ++n)
        QVERIFY(vues[n] >= 5);

    // A slide and a deal sound per card: about five seconds.
    QCOMPARE(plateforme.sons.size(), 52);
    QCOMPARE(plateforme.journal.count(sonDonne), 52);
    QVERIFY(plateforme.maintenant - t0 >= 52 * 90);
    QVERIFY(plateforme.maintenant - t0 <= 52 * 100);

    QCOMPARE(fenetre->CartesRestantes, 52);
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->Paquet1, 100);
    QCOMPARE(fenetre->Paquet2, 100);
    QVERIFY(!fenetre->Occupe);
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisirPaquet);
    QCOMPARE(fenetre->BarreEtat()->height(), 30);
    QCOMPARE(fenetre->BarreEtat()->findChild<QLabel *>()->font().pixelSize(), 21);
    for (int p = 0; p < nbPaquets; ++p) {
        QCOMPARE(fenetre->SommetPaquet[p], 3);
        for (int l = 0; l < 4; ++l)
            QCOMPARE(Carte(p, l), cartes[IndiceDonne(p, l)]);
    }
    QCOMPARE(TfrmPetitsPaquets::PositionPaquet(9), QPoint(590, 220));
    QCOMPARE(TfrmPetitsPaquets::PositionPaquet(12), QPoint(350, 340));
    VerifierEtat();
    // The stock is used up: nothing lies there any more.
    QCOMPARE(qobject_cast<TCarte *>(fenetre->childAt(QPoint(590 + 35, 400 + 48))), nullptr);
}

void TestPaquets::choisirEtRetirer()
{
    Jouer(3);
    Clic(4);
    QVERIFY(Carte(4, 3)->Selectionnee());
    QCOMPARE(fenetre->Paquet1, 4);
    QCOMPARE(fenetre->NbSelection, 1);
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisirAutre);
    QCOMPARE(plateforme.journal, QStringList{sonSelection});

    Clic(4, Qt::RightButton); // any button; withdrawn without a sound
    QVERIFY(!Carte(4, 3)->Selectionnee());
    QCOMPARE(fenetre->Paquet1, 100);
    QCOMPARE(fenetre->NbSelection, 0);
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisirPaquet);
    QCOMPARE(plateforme.journal, QStringList{sonSelection});
    VerifierEtat();

    // The next click is a first choice again, whatever the packet.
    Clic(11);
    QCOMPARE(fenetre->Paquet1, 11);
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisirAutre);
    VerifierEtat();
}

void TestPaquets::paireAcceptee()
{
    int a = -1, b = -1;
    Jouer(graines.Premiere([&](const TDonne &r) { return DeuxDessus(r, true, a, b); }));
    plateforme.dureesSons[QStringLiteral("CarteSelectionnee.wav")] = 80;
    TCarte *dessusA = Carte(a, 3), *dessusB = Carte(b, 3);
    QCOMPARE(dessusA->Valeur(), dessusB->Valeur());

    Clic(a);
    const quint32 t0 = plateforme.maintenant;
    struct TVue { bool dessusCaches, dessousVisibles, occupe; QString texte; int restantes; };
    TVue a500{}, a1500{};
    auto vue = [&] {
        return TVue{!dessusA->Visible() && !dessusB->Visible(),
                    Carte(a, 2)->FaceVisible() && Carte(b, 2)->FaceVisible(), fenetre->Occupe,
                    fenetre->BarreEtat()->Texte(), fenetre->CartesRestantes};
    };
    plateforme.InjecterDans(80 + 500, [&] { a500 = vue(); });
    plateforme.InjecterDans(80 + 1500, [&] { a1500 = vue(); });
    Clic(b);

    // Both gone at once, the text unchanged; a second later the cards
    // beneath turn face up; a second after that the opening text.
    QVERIFY(a500.dessusCaches && !a500.dessousVisibles && a500.occupe);
    QCOMPARE(a500.texte, choisirAutre);
    QCOMPARE(a500.restantes, 52);
    QVERIFY(a1500.dessusCaches && a1500.dessousVisibles && a1500.occupe);
    QCOMPARE(a1500.texte, choisirAutre);
    QCOMPARE(a1500.restantes, 50);
    QCOMPARE(plateforme.maintenant, t0 + 80 + 2000);
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisirPaquet);
    QCOMPARE(fenetre->SommetPaquet[a], 2);
    QCOMPARE(fenetre->SommetPaquet[b], 2);
    QCOMPARE(fenetre->CartesRestantes, 50);
    QCOMPARE(Visible(a), Carte(a, 2));
    QCOMPARE(plateforme.journal, (QStringList{sonSelection, sonSelection}));
    QVERIFY(plateforme.bips.isEmpty());
    VerifierEtat();

    // The new tops can be chosen.
    Clic(a);
    QCOMPARE(fenetre->Paquet1, a);
    QVERIFY(Carte(a, 2)->Selectionnee());
    VerifierEtat();
}

void TestPaquets::paireRefusee()
{
    int a = -1, b = -1;
    Jouer(graines.Premiere([&](const TDonne &r) { return DeuxDessus(r, false, a, b); }));
    plateforme.dureesSons[QStringLiteral("CarteSelectionnee.wav")] = 80;
    Clic(b);
    const quint32 t0 = plateforme.maintenant;
    plateforme.Effacer();

    QString texte500;
    bool marques500 = false;
    plateforme.InjecterDans(80 + 500, [&] {
        texte500 = fenetre->BarreEtat()->Texte();
        marques500 = Carte(a, 3)->Selectionnee() && Carte(b, 3)->Selectionnee() && fenetre->Occupe;
    });
    Clic(a);
    QCOMPARE(texte500, valeursDifferentes);
    QVERIFY(marques500);
    // One second, then both withdrawn, nothing moved, never a beep.
    QCOMPARE(plateforme.maintenant, t0 + 80 + 1000);
    QCOMPARE(plateforme.journal, QStringList{sonSelection});
    QCOMPARE(fenetre->BarreEtat()->Texte(), choisirPaquet);
    QCOMPARE(fenetre->CartesRestantes, 52);
    for (int p = 0; p < nbPaquets; ++p)
        QCOMPARE(fenetre->SommetPaquet[p], 3);
    VerifierEtat();
}

void TestPaquets::paquetVide()
{
    std::optional<QList<std::pair<int, int>>> coups;
    Jouer(graines.Premiere([&](const TDonne &r) { return bool(coups = Resoudre(r)); }));
    int vide = -1;
    for (const auto &[a, b] : *coups) {
        Clic(a);
        Clic(b);
        for (int p : {a, b})
            if (Vide(p))
                vide = p;
        if (vide >= 0)
            break;
    }
    QVERIFY(vide >= 0);
    VerifierEtat();

    // Nothing lies there: the table shows, and a click does nothing, with
    // or without a choice open.
    QCOMPARE(fenetre->SommetPaquet[vide], 0);
    QCOMPARE(Visible(vide), nullptr);
    QCOMPARE(fenetre->grab().toImage().pixelColor(Centre(vide)), fenetre->CouleurTapis());
    int autre = 0;
    while (Vide(autre))
        ++autre; // a pair empties at most two packets: some packet is left
    plateforme.Effacer();
    Clic(vide);
    QCOMPARE(fenetre->NbSelection, 0);
    Clic(autre);
    Clic(vide);
    QCOMPARE(fenetre->NbSelection, 1);
    QCOMPARE(fenetre->Paquet1, autre);
    QCOMPARE(plateforme.journal, QStringList{sonSelection});
    VerifierEtat();
}

void TestPaquets::partieGagnee()
{
    std::optional<QList<std::pair<int, int>>> coups;
    const quint32 g = graines.Premiere([&](const TDonne &r) { return bool(coups = Resoudre(r)); });
    QCOMPARE(coups->size(), 26);

    for (bool rejouer : {true, false}) {
        fenetre = std::make_unique<TfrmPetitsPaquets>();
        Jouer(g);
        plateforme.reponses = {rejouer};
        plateforme.dureesSons[QStringLiteral("CarteSelectionnee.wav")] = 80;
        for (int n = 0; n < 25; ++n) {
            Clic((*coups)[n].first);
            Clic((*coups)[n].second);
            QCOMPARE(int(fenetre->CartesRestantes), 50 - 2 * n);
            VerifierEtat();
        }
        // The 26th pair: both pauses with the text unchanged, then the text
        // cleared, the win sound and the question.
        const auto [a, b] = coups->last();
        Clic(a);
        plateforme.Effacer();
        const quint32 t0 = plateforme.maintenant;
        QString texte1500;
        plateforme.InjecterDans(80 + 1500, [&] { texte1500 = fenetre->BarreEtat()->Texte(); });
        Clic(b);
        QCOMPARE(texte1500, choisirAutre);
        const QStringList fin{sonSelection, QStringLiteral("son Gagne.wav async"),
                              QStringLiteral("question Partie terminée")};
        QCOMPARE(plateforme.journal.mid(0, 3), fin);
        QCOMPARE(plateforme.questions.first().instant, t0 + 80 + 2000);
        QCOMPARE(plateforme.questions.first().texte, QStringLiteral("Vous avez gagné ! \r\nVoulez-vous rejouer ?"));
        if (rejouer) {
            // Yes: a new deal in the same window, once the judgement is over.
            plateforme.TraiterEvenements();
            QCOMPARE(plateforme.journal.size(), 3 + 52);
            QCOMPARE(plateforme.journal.count(sonDonne), 52);
            QCOMPARE(fenetre->CartesRestantes, 52);
            QCOMPARE(fenetre->BarreEtat()->Texte(), choisirPaquet);
            QCOMPARE(plateforme.finsDemandees, 0);
            VerifierEtat();
        } else {
            QCOMPARE(plateforme.journal.size(), 4);
            QCOMPARE(plateforme.finsDemandees, 1);
            QCOMPARE(fenetre->CartesRestantes, 0);
            QCOMPARE(fenetre->BarreEtat()->Texte(), QString());
            QVERIFY(fenetre->Occupe); // the game is over: no more choices
            for (TCarte *c : fenetre->Talon()->Cartes())
                QVERIFY(!c->Visible());
        }
    }
}

void TestPaquets::aleatoire()
{
    // Random clicks and commands, many of them in the middle of deals and
    // judgements; the game's invariants hold after every step. With a first
    // choice open, half the clicks go to a top of the same rank when there
    // is one, so that games go deep enough for packets to empty.
    Jouer(11);
    TParcoursAleatoire parcours;
    parcours.verifier = [this] { VerifierEtat(); };
    ParcourirAuHasard(plateforme, fenetre.get(), parcours);
}

QTEST_MAIN(TestPaquets)
#include "test_paquets.moc"
