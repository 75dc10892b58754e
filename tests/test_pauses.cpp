// The pauses and slides of the five game windows: what a click, a new deal
// or leaving for the chooser does when it arrives in the middle of an
// operation (a deal, a judgement, a removal and its close-up, a draw).
#include "Donnes.h"
#include "Invariants.h"
#include "PlateformeTest.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"
#include "U_Melange.h"
#include "U_Multiples7.h"
#include "U_PetitsPaquets.h"

#include <QAction>
#include <QScopeGuard>
#include <QTest>
#include <QToolBar>

namespace {
QString Nombres(std::initializer_list<int> nombres)
{
    QStringList l;
    for (int n : nombres)
        l << QString::number(n);
    return l.join(QLatin1Char(' '));
}

// Which card of the deck lies at each of the first n places, by its index
// in the deck (52 for a card that is not one of the deck's).
template <class TPlaces> QString Places(const TfrmJeu &f, const TPlaces &places, int n = -1)
{
    const auto &deck = f.Talon()->Cartes();
    QStringList l;
    for (int p = 0; p < (n < 0 ? int(places.size()) : n); ++p)
        l << QString::number(std::find(deck.begin(), deck.end(), places[p]) - deck.begin());
    return l.join(QLatin1Char(' '));
}

// Each game's own state: its counts, its choice and the cards at its places;
// with the top of the stock, the same after any fresh deal.
QStringList Etat(const TfrmBlocusQuatorze &j)
{
    QString libres;
    for (bool d : j.Disponible)
        libres += QLatin1Char(d ? '1' : '0');
    return {Nombres({j.CartesRestantes, j.NbSelection, j.Carte1, j.Carte2}), libres};
}
QStringList Etat(const TfrmCasino &j)
{
    return {Nombres({j.NbCartesTapis, j.NbSelection, j.Carte1, j.Carte2}), Places(j, j.Tapis, j.NbCartesTapis)};
}
QStringList Etat(const TfrmMelange &j)
{
    return {Nombres({j.CartesRestantes, j.NbSelection, j.Carte1, j.Carte2}), Places(j, j.Tapis)};
}
QStringList Etat(const TfrmMultiplesSept &j) { return {Nombres({j.NbCartesTapis}), Places(j, j.Tapis, j.NbCartesTapis)}; }
QStringList Etat(const TfrmPetitsPaquets &j)
{
    QStringList e{Nombres({j.CartesRestantes, j.NbSelection, j.Paquet1, j.Paquet2, j.Occupe})};
    for (int p = 0; p < TfrmPetitsPaquets::NbPaquets; ++p)
        e << QString::number(j.SommetPaquet[p]) + QLatin1Char(':') + Places(j, j.Paquets[p]);
    return e;
}

// Every deal a window begins: when, how far the journal had gone, and the
// table as the deal found it; and whether one ever began inside another.
struct TDebutDonne {
    quint32 instant;
    qsizetype journal;
    QStringList cliche;
};
struct TSuivi {
    explicit TSuivi(TPlateformeTest *plateforme = nullptr) : plateforme(plateforme) {}
    TPlateformeTest *plateforme;
    QList<TDebutDonne> donnes;
    int profondeur = 0, profondeurMax = 0;
};

QStringList Cliche(const TfrmJeu &f);

template <class TFenetre> class TSuivie final : public TFenetre {
public:
    explicit TSuivie(TSuivi &suivi) : suivi(suivi) {}
    void NouvellePartie() override
    {
        suivi.donnes.append({suivi.plateforme->maintenant, suivi.plateforme->journal.size(), Cliche(*this)});
        suivi.profondeurMax = std::max(suivi.profondeurMax, ++suivi.profondeur);
        TFenetre::NouvellePartie();
        --suivi.profondeur;
    }

private:
    TSuivi &suivi;
};

// Each game's window: what a deal lays, the status text of a fresh game
// (Le mélange's depends on the deal: its invariants check it), where its
// places lie, and what the deal of the seed used here must hold.
struct TFenetreEssai {
    const TDonneesJeu *jeu;
    const char *nom;
    int cartes;
    const char *texte;
    QPoint (*place)(int);
    bool (*graine)(const TMelange &);
    std::unique_ptr<TfrmJeu> (*creer)(TSuivi &);
    QStringList (*etat)(const TfrmJeu &);
};
template <class TFenetre> TFenetreEssai Decrire(const TDonneesJeu *jeu, const char *nom, int cartes, const char *texte, QPoint (*place)(int),
                                                bool (*graine)(const TMelange &))
{
    return {jeu, nom, cartes, texte, place, graine,
            [](TSuivi &s) -> std::unique_ptr<TfrmJeu> { return std::make_unique<TSuivie<TFenetre>>(s); },
            [](const TfrmJeu &f) {
                return Etat(static_cast<const TFenetre &>(f)) << QString::number(f.Talon()->Sommet());
            }};
}
const TFenetreEssai fenetres[] = {
    // Places 40 and 41 make fourteen, 40 and 42 do not.
    Decrire<TfrmBlocusQuatorze>(&TfrmBlocusQuatorze::Fiche, "Blocus", 52, "Sélectionnez une carte de bas de colonne.",
                                TfrmBlocusQuatorze::PositionPlace,
                                [](const TMelange &m) { return m[40].rang + m[41].rang == 14 && m[40].rang + m[42].rang != 14; }),
    // Places 0 and 1 are a pair; 0 and 24 never touch.
    Decrire<TfrmCasino>(&TfrmCasino::Fiche, "Casino", 25, "Choisissez deux cartes.", TfrmCasino::PositionPlace,
                        [](const TMelange &m) { return m[51].rang == m[50].rang; }),
    // Places 0 and 1 follow each other, 2 and 3 do not.
    Decrire<TfrmMelange>(&TfrmMelange::Fiche, "Mélange", 8, nullptr, TfrmMelange::PositionPlace, [](const TMelange &m) {
        return std::abs(m[51].rang - m[50].rang) == 1 && std::abs(m[49].rang - m[48].rang) != 1;
    }),
    // Places 0, 1 and 2 add up to a multiple of seven, and only all three.
    Decrire<TfrmMultiplesSept>(&TfrmMultiplesSept::Fiche, "Multiples", 4, "Ajoutez une carte au tapis ou sélectionnez des cartes.",
                               TfrmMultiplesSept::PositionPlace, [](const TMelange &m) {
                                   const int a = m[51].rang, b = m[50].rang, c = m[49].rang;
                                   return a % 7 && (a + b) % 7 && (a + b + c) % 7 == 0;
                               }),
    // The tops of packets 0 and 1 are a pair, those of 2 and 3 are not.
    Decrire<TfrmPetitsPaquets>(&TfrmPetitsPaquets::Fiche, "Paquets", 52, "Choisissez un paquet.", TfrmPetitsPaquets::PositionPaquet,
                               [](const TMelange &m) { return m[12].rang == m[11].rang && m[10].rang != m[9].rang; }),
};
int Indice(const TDonneesJeu *jeu)
{
    return int(std::find_if(std::begin(fenetres), std::end(fenetres), [jeu](const auto &f) { return f.jeu == jeu; })
               - std::begin(fenetres));
}
const TFenetreEssai &Fenetre(const TDonneesJeu *jeu) { return fenetres[Indice(jeu)]; }

// All that the player could see or change: the game's state, the status
// text and every card of the deck as it lies.
QStringList Cliche(const TfrmJeu &f)
{
    QStringList c = Fenetre(&f.Donnees()).etat(f) << f.BarreEtat()->Texte();
    for (const TCarte *k : f.Talon()->Cartes())
        c << QString::asprintf("%d/%d at %d,%d shown %d face %d marked %d tag %d", k->Valeur(), int(k->Couleur()), k->x(),
                               k->y(), k->Visible(), k->FaceVisible(), k->Selectionnee(), k->Tag());
    return c;
}

constexpr int talon = -1;  // a click on the stock
constexpr int donne = -2;  // the operation is a new deal asked from the menu
constexpr int aucune = -3;

// An operation from a fresh deal: the places clicked before it, the click
// that starts it, how it runs (P a pause, G a slide, in lower case where the
// table takes clicks; then how many in a row) and the place the player
// chooses while the table is free.
struct TOperationEssai {
    const TDonneesJeu *jeu;
    const char *nom;
    QList<int> avant;
    int clic;
    QString deroulement;
    int choixLibre = aucune;
};
const TOperationEssai operations[] = {
    {&TfrmBlocusQuatorze::Fiche, "deal", {40}, donne, "G52"},
    {&TfrmBlocusQuatorze::Fiche, "refusal", {40}, 42, "P p", 43},
    {&TfrmBlocusQuatorze::Fiche, "pair", {40}, 41, "p", 28}, // 28 was covered by 40
    {&TfrmCasino::Fiche, "deal", {0}, donne, "G25"},
    {&TfrmCasino::Fiche, "refusal", {0}, 24, "P"},
    {&TfrmCasino::Fiche, "removal", {0}, 1, "P G23 P G23 P G2"},
    {&TfrmMelange::Fiche, "deal", {0}, donne, "G8"},
    {&TfrmMelange::Fiche, "refusal", {2}, 3, "P"},
    {&TfrmMelange::Fiche, "cover", {0}, 1, "G2"},
    {&TfrmMultiplesSept::Fiche, "deal", {talon, 0}, donne, "G4"},
    {&TfrmMultiplesSept::Fiche, "draw", {}, talon, "G"},
    {&TfrmMultiplesSept::Fiche, "removal", {0, 1}, 2, "G3 P G2 P G P"},
    {&TfrmPetitsPaquets::Fiche, "deal", {0}, donne, "G52"},
    {&TfrmPetitsPaquets::Fiche, "pair", {0}, 1, "P2"},
    {&TfrmPetitsPaquets::Fiche, "mismatch", {2}, 3, "P"},
};

// A stretch of time an operation spends waiting, from its start: a pause,
// or one card's slide from its first step to its last.
struct TPlage {
    quint32 debut, fin;
    bool bloquee, pause;
    qsizetype son; // sounds before it: each slide ends with one
    QChar Lettre() const { return pause ? (bloquee ? u'P' : u'p') : (bloquee ? u'G' : u'g'); }
    quint32 Milieu() const { return (debut + fin) / 2; }
};

// The stretches of an operation, from what the window did each time it
// looked at its events: the time, whether clicks were blocked, the sounds
// so far.
QList<TPlage> Plages(const QList<TPlage> &appels)
{
    QList<TPlage> plages;
    for (qsizetype i = 0; i + 1 < appels.size(); ++i) {
        TPlage p = appels[i];
        p.fin = appels[i + 1].debut;
        p.pause = p.fin - p.debut >= 100; // a slide steps by 10 ms
        if (p.fin == p.debut)
            continue;
        if (!p.pause && !plages.isEmpty() && !plages.last().pause && plages.last().son == p.son) {
            plages.last().fin = p.fin; // the same card's next step
            plages.last().bloquee = plages.last().bloquee && p.bloquee;
        } else {
            plages << p;
        }
    }
    return plages;
}

// "P G23 P": each run of like stretches, and its length.
QString Deroulement(const QList<TPlage> &plages)
{
    QStringList l;
    for (qsizetype i = 0, n = 1; i < plages.size(); ++i, ++n)
        if (i + 1 == plages.size() || plages[i + 1].Lettre() != plages[i].Lettre()) {
            l << plages[i].Lettre() + (n > 1 ? QString::number(n) : QString());
            n = 0;
        }
    return l.join(QLatin1Char(' '));
}
} // namespace

class TestPauses : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;
    TSuivi suivi;
    std::unique_ptr<TfrmJeu> fenetre;
    QList<quint32> graines;         // each game's seed
    QList<QStringList> etatsFrais; // each game's state once freshly dealt

    // A new window of the game, dealt from `graine`. Its table is looked at,
    // never painted: a deal costs a tenth as much.
    void Ouvrir(const TDonneesJeu *jeu, quint32 graine)
    {
        fenetre.reset();
        suivi = TSuivi(&plateforme);
        fenetre = Fenetre(jeu).creer(suivi);
        fenetre->setUpdatesEnabled(false);
        JouerDepuis(plateforme, *fenetre, graine);
    }
    void Clic(int place, Qt::MouseButton bouton = Qt::LeftButton)
    {
        const QPoint coin = place == talon ? fenetre->Talon()->PositionTalon() : Fenetre(&fenetre->Donnees()).place(place);
        Cliquer(fenetre.get(), coin + QPoint(30, 30), bouton);
    }
    // A new deal from the menu, the keyboard or the toolbar.
    void DemanderDonne(int moyen)
    {
        if (moyen % 3 == 0)
            fenetre->JeuNouvellePartie->trigger();
        else if (moyen % 3 == 1)
            QTest::keyClick(fenetre.get(), Qt::Key_N, Qt::ControlModifier);
        else
            QTest::mouseClick(fenetre->findChild<QToolBar *>()->widgetForAction(fenetre->JeuNouvellePartie), Qt::LeftButton);
    }

    // Clicks every card seen on the window in turn (the stock's, a sliding
    // card, a card chosen before), with either button, until a click is
    // taken: the table or the game changes, or a sound or beep is heard.
    // That card, or none.
    TCarte *ClicPris()
    {
        const QStringList avant = Cliche(*fenetre);
        const qsizetype journal = plateforme.journal.size();
        int n = 0;
        for (TCarte *carte : fenetre->Talon()->Cartes())
            for (QPoint d : {QPoint(30, 30), QPoint(8, 8), QPoint(62, 8), QPoint(8, 88), QPoint(62, 88)}) {
                const QPoint point = carte->pos() + d;
                if (!carte->Visible() || fenetre->childAt(point) != carte)
                    continue;
                Cliquer(fenetre.get(), point, ++n % 2 ? Qt::LeftButton : Qt::RightButton);
                if (plateforme.journal.size() != journal || Cliche(*fenetre) != avant)
                    return carte;
                break;
            }
        return nullptr;
    }

    // One clean fresh deal, the last the window began: never inside
    // another; the deck as one deal from each seed in turn left it; the
    // state, text and unmarked cards of a fresh game; its slides and nothing
    // else since it began; a table that takes clicks.
    void VerifierDonneFraiche(const QList<quint32> &sequence)
    {
        VERIFIER_INVARIANTS(*fenetre);
        QCOMPARE(suivi.profondeurMax, 1);
        const TFenetreEssai &jeu = Fenetre(&fenetre->Donnees());
        const TMelange melange = Melanger(plateforme, sequence);
        for (int i = 0; i < 52; ++i) {
            const TCarte *carte = fenetre->Talon()->Cartes()[i];
            QCOMPARE(4 * (carte->Valeur() - 1) + int(carte->Couleur()), melange[i].origine); // rank then suit
            QVERIFY(!carte->Selectionnee());
        }
        QCOMPARE(jeu.etat(*fenetre), etatsFrais[Indice(jeu.jeu)]);
        if (jeu.texte)
            QCOMPARE(fenetre->BarreEtat()->Texte(), QString::fromUtf8(jeu.texte));
        QCOMPARE(plateforme.journal.mid(suivi.donnes.last().journal),
                 QStringList(jeu.cartes, QStringLiteral("son CarteDistrib.wav async")));
        QVERIFY(ClicPris());
    }

private slots:
    void initTestCase()
    {
        for (const TFenetreEssai &f : fenetres) {
            graines << TGraines<TMelange>(plateforme, [](const TMelange &m) { return m; }).Premiere(f.graine);
            Ouvrir(f.jeu, 1);
            etatsFrais << f.etat(*fenetre);
        }
    }
    void init() { plateforme.Reinitialiser(); }
    void cleanup() { fenetre.reset(); }

    void operationsInterrompues_data();
    void operationsInterrompues();
    void nouvellesDonnesRepetees_data();
    void nouvellesDonnesRepetees();
};

void TestPauses::operationsInterrompues_data()
{
    QTest::addColumn<int>("ligne");
    for (int i = 0; i < int(std::size(operations)); ++i)
        QTest::addRow("%s %s", Fenetre(operations[i].jeu).nom, operations[i].nom) << i;
}

void TestPauses::operationsInterrompues()
{
    QFETCH(int, ligne);
    const TOperationEssai &op = operations[ligne];
    const quint32 g = graines[Indice(op.jeu)];
    // The seeds of the deals so far when the operation ends, its own if it
    // is a deal; and the seed of the deal that interrupts it.
    const QList<quint32> avant = op.clic == donne ? QList<quint32>{g, g + 1} : QList<quint32>{g};
    quint32 nouvelle = g + 2;
    // Where a deal leaves a stock, the deal that interrupts puts the card
    // chosen first in it, where no other card is laid over it to clear its
    // mark: the mark must go as the deck is gathered.
    const int cartes = Fenetre(op.jeu).cartes;
    const auto choisie = std::find_if(op.avant.begin(), op.avant.end(), [](int p) { return p >= 0; });
    const int origine = choisie == op.avant.end() ? -1 : Melanger(plateforme, g)[51 - *choisie].origine;
    auto dansLeTalon = [&] {
        const TMelange m = Melanger(plateforme, avant + QList<quint32>{nouvelle});
        return std::any_of(m.begin(), m.end() - cartes, [&](const TCarteMelangee &c) { return c.origine == origine; });
    };
    while (origine >= 0 && cartes < 52 && !dansLeTalon())
        ++nouvelle;
    quint32 t0 = 0;
    auto preparer = [&] {
        Ouvrir(op.jeu, g);
        for (int place : op.avant)
            Clic(place);
        plateforme.Effacer();
        t0 = plateforme.maintenant;
        return suivi.donnes.size() + (op.clic == donne); // the deals begun by the end of the operation
    };
    auto lancer = [&] {
        if (op.clic == donne) {
            plateforme.graine = g + 1;
            fenetre->JeuNouvellePartie->trigger();
        } else {
            Clic(op.clic);
        }
    };

    // Undisturbed, the operation runs through its pauses and slides, the
    // table blocked or free in each as it should be. What it leaves is what
    // clicks in the blocked stretches must leave too.
    preparer();
    QList<TPlage> appels;
    plateforme.aChaqueTraitement = [&] {
        appels.append({plateforme.maintenant - t0, 0, fenetre->ClicsBloques(), false, plateforme.sons.size()});
    };
    lancer();
    plateforme.aChaqueTraitement = nullptr;
    const QList<TPlage> plages = Plages(appels);
    QCOMPARE(Deroulement(plages), op.deroulement);
    if (op.choixLibre != aucune)
        Clic(op.choixLibre); // the choice made during the free pause, made after it
    const QStringList fin = Cliche(*fenetre);
    if (op.clic == donne)
        VerifierDonneFraiche(avant);
    else
        VERIFIER_INVARIANTS(*fenetre);
    // Tried: each pause, and the first and last slide of a run.
    QList<TPlage> essais;
    for (qsizetype i = 0; i < plages.size(); ++i)
        if (i == 0 || i + 1 == plages.size() || plages[i - 1].Lettre() != plages[i].Lettre()
            || plages[i + 1].Lettre() != plages[i].Lettre())
            essais << plages[i];
    if (QTest::currentTestFailed())
        return;

    // Clicks in each stretch: none is taken while the table is blocked;
    // where it is free, the player's choice, kept to the end. Once the
    // operation is over the table takes clicks again.
    preparer();
    for (const TPlage &plage : essais)
        plateforme.Injecter(t0 + plage.Milieu(), [&] {
            if (plage.bloquee) {
                QCOMPARE(ClicPris(), nullptr);
            } else {
                const QStringList avantClic = Cliche(*fenetre);
                Clic(op.choixLibre, Qt::RightButton);
                QVERIFY(Cliche(*fenetre) != avantClic);
            }
        });
    lancer();
    QVERIFY(!plateforme.InjectionsEnAttente());
    QCOMPARE(Cliche(*fenetre), fin);
    VERIFIER_INVARIANTS(*fenetre);
    QVERIFY(ClicPris());

    // A new deal in each stretch: the operation stops there and touches the
    // table no more; clicks wait for the deal, which follows at once, once,
    // and whole.
    for (int k = 0; k < essais.size(); ++k) {
        const auto dire = qScopeGuard([&] {
            if (QTest::currentTestFailed())
                qWarning("a new deal %u ms into the operation", essais[k].Milieu());
        });
        const qsizetype donnes = preparer();
        quint32 demande = 0;
        qsizetype journal = 0;
        QStringList alors;
        plateforme.Injecter(t0 + essais[k].Milieu(), [&] {
            demande = plateforme.maintenant;
            plateforme.graine = nouvelle;
            DemanderDonne(k);
            QVERIFY(fenetre->ClicsBloques());
            alors = Cliche(*fenetre);
            journal = plateforme.journal.size();
            QCOMPARE(ClicPris(), nullptr);
        });
        lancer();
        plateforme.TraiterEvenements();
        QVERIFY(demande > 0);
        QCOMPARE(suivi.donnes.size(), donnes + 1);
        const TDebutDonne &debut = suivi.donnes.last();
        QCOMPARE(debut.instant, demande);
        QCOMPARE(debut.journal, journal);
        QCOMPARE(debut.cliche, alors);
        VerifierDonneFraiche(avant + QList<quint32>{nouvelle});
        if (QTest::currentTestFailed())
            return;
    }

    // Leaving for the chooser in the first stretch: the game left behind is
    // never touched again and leaves the table open; shown again, the window
    // deals afresh.
    const qsizetype donnes = preparer();
    QWidget choix;
    TfrmJeu::ChoixReussite = &choix;
    const auto remettre = qScopeGuard([] { TfrmJeu::ChoixReussite = nullptr; });
    QStringList alors;
    qsizetype journal = -1;
    plateforme.Injecter(t0 + essais[0].Milieu(), [&] {
        fenetre->JeuChoisirReussite->trigger();
        alors = Cliche(*fenetre);
        journal = plateforme.journal.size();
    });
    lancer();
    plateforme.Avancer(5000);
    QVERIFY(!fenetre->isVisible() && choix.isVisible());
    QCOMPARE(Cliche(*fenetre), alors);
    QCOMPARE(plateforme.journal.size(), journal);
    QCOMPARE(suivi.donnes.size(), donnes);
    QVERIFY(!fenetre->ClicsBloques());
    plateforme.graine = nouvelle;
    fenetre->AfficherPourJouer();
    plateforme.TraiterEvenements();
    VerifierDonneFraiche(avant + QList<quint32>{nouvelle});
}

void TestPauses::nouvellesDonnesRepetees_data()
{
    QTest::addColumn<int>("ligne");
    for (int i = 0; i < int(std::size(fenetres)); ++i)
        QTest::newRow(fenetres[i].nom) << i;
}

void TestPauses::nouvellesDonnesRepetees()
{
    // Ctrl+N held down: thirty requests a second for two seconds, nearly
    // all of them inside a deal's slides. Each deal starts from the main
    // loop once the one it interrupts has unwound, and the last is whole.
    QFETCH(int, ligne);
    const TFenetreEssai &jeu = fenetres[ligne];
    Ouvrir(jeu.jeu, graines[ligne]);
    int n = 0;
    for (quint32 t = 33; t < 2000; t += 33)
        plateforme.InjecterDans(t, [&] { DemanderDonne(n++); });
    DemanderDonne(0);
    plateforme.Avancer(8000);
    QVERIFY(suivi.donnes.size() > 30);
    VerifierDonneFraiche(QList<quint32>(suivi.donnes.size(), graines[ligne]));

    // Once the end of the program is asked for, no new deal and no choice.
    fenetre->JeuQuitter->trigger();
    const qsizetype donnes = suivi.donnes.size();
    DemanderDonne(0);
    plateforme.TraiterEvenements();
    QCOMPARE(suivi.donnes.size(), donnes);
    QCOMPARE(ClicPris(), nullptr);
}

QTEST_MAIN(TestPauses)
#include "test_pauses.moc"
