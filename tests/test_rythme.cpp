// The pace of play: the slide, the pause and the guard of an operation,
// through a game window that only counts deals.
#include "JeuEssai.h"
#include "PlateformeTest.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"

#include <QTest>

namespace {
struct TPas { QPoint position; quint32 instant; };
} // namespace

class TestRythme : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;

    // Slides a card from `de` to `a` and returns the positions seen at each
    // pause, with the virtual time.
    QList<TPas> Glisser(TfrmJeu &fenetre, QPoint de, QPoint a)
    {
        TCarte *carte = fenetre.Talon()->Cartes()[0];
        carte->move(de);
        carte->show();
        QList<TPas> pas;
        plateforme.aChaqueTraitement = [&] { pas.append({carte->pos(), plateforme.maintenant}); };
        plateforme.Effacer();
        fenetre.AnimerCarte(carte, a.x(), a.y());
        plateforme.aChaqueTraitement = nullptr;
        // The first look at each new position: one per step.
        QList<TPas> unParPas;
        for (const TPas &p : pas)
            if (p.position != (unParPas.isEmpty() ? de : unParPas.last().position))
                unParPas << p;
        return unParPas;
    }

private slots:
    void init() { plateforme.Effacer(); }
    void glissements();
    void pause();
    void operationsEtGardes();
};

void TestRythme::glissements()
{
    TJeuEssai fenetre(TfrmBlocusQuatorze::Fiche);
    fenetre.show();
    const quint32 t0 = plateforme.maintenant;

    // From the stock to the first place: steps of 29 left and 27 up.
    QList<TPas> pas = Glisser(fenetre, {300, 350}, {5, 80});
    QCOMPARE(pas.size(), 10);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(pas[i].position, QPoint(300 - 29 * (i + 1), 350 - 27 * (i + 1)));
        QCOMPARE(pas[i].instant, t0 + 10 * quint32(i)); // each pause lasts one tick
    }
    QCOMPARE(pas.last().position, QPoint(10, 80)); // 5 right of the target, on its row
    TCarte *carte = fenetre.Talon()->Cartes()[0];
    QCOMPARE(carte->pos(), QPoint(5, 80));
    QVERIFY(carte->Visible());
    QCOMPARE(plateforme.journal, QStringList{QStringLiteral("son CarteDistrib.wav async")});
    QCOMPARE(plateforme.sons.last().instant, t0 + 100);

    // 29 left and 1 down: ten steps.
    pas = Glisser(fenetre, {300, 350}, {5, 360});
    QCOMPARE(pas.size(), 10);
    QCOMPARE(pas.last().position, QPoint(10, 360));
    QCOMPARE(carte->pos(), QPoint(5, 360));

    // 49 left and 1 up: nine steps leave it at (99, 256).
    pas = Glisser(fenetre, {540, 265}, {50, 255});
    QCOMPARE(pas.size(), 9);
    QCOMPARE(pas.last().position, QPoint(99, 256));
    QCOMPARE(carte->pos(), QPoint(50, 255));

    // 80 to the right: steps of 8 and 0, nine of them, the row never moves.
    pas = Glisser(fenetre, {100, 200}, {180, 200});
    QCOMPARE(pas.size(), 9);
    for (const TPas &p : pas)
        QCOMPARE(p.position.y(), 200);
    QCOMPARE(pas.last().position, QPoint(172, 200));
    QCOMPARE(carte->pos(), QPoint(180, 200));

    // Already there: no step, shown there, and the deal sound.
    carte->hide();
    pas = Glisser(fenetre, {180, 200}, {180, 200});
    QVERIFY(pas.isEmpty());
    QVERIFY(carte->Visible());
    QCOMPARE(plateforme.journal, QStringList{QStringLiteral("son CarteDistrib.wav async")});

    // Under ten pixels along an axis: that axis is placed at once at the end
    // instead of stepping forever.
    pas = Glisser(fenetre, {100, 100}, {105, 300});
    QCOMPARE(pas.size(), 9);
    for (const TPas &p : pas)
        QCOMPARE(p.position.x(), 100);
    QCOMPARE(carte->pos(), QPoint(105, 300));
    pas = Glisser(fenetre, {100, 100}, {103, 91});
    QVERIFY(pas.isEmpty());
    QCOMPARE(carte->pos(), QPoint(103, 91));
}

void TestRythme::pause()
{
    TJeuEssai fenetre(TfrmCasino::Fiche);
    plateforme.Effacer();
    const quint32 t0 = plateforme.maintenant;

    // Attendre(0) handles pending events once and returns at once.
    bool posteTraite = false;
    QMetaObject::invokeMethod(&fenetre, [&] { posteTraite = true; }, Qt::QueuedConnection);
    fenetre.Attendre(0);
    QVERIFY(posteTraite);
    QCOMPARE(plateforme.traitements, 1);
    QCOMPARE(plateforme.maintenant, t0);

    // Attendre(100) lasts one second and handles input that arrives meanwhile.
    quint32 vuA = 0;
    plateforme.InjecterDans(400, [&] { vuA = plateforme.maintenant; });
    fenetre.Attendre(100);
    QCOMPARE(plateforme.maintenant, t0 + 1000);
    QCOMPARE(vuA, t0 + 400);

    // The clock wraps: a pause across 2^32 still lasts its time.
    plateforme.maintenant = 0xFFFFFFF0u;
    fenetre.Attendre(3);
    QCOMPARE(plateforme.maintenant, 0xFFFFFFF0u + 30u);

    // A new deal during a pause ends the pause at once.
    plateforme.maintenant = 5000;
    plateforme.InjecterDans(200, [&] { fenetre.LancerNouvellePartie(); });
    fenetre.Attendre(100);
    QCOMPARE(plateforme.maintenant, 5200u);
    QCOMPARE(fenetre.donnes, 1);
}

void TestRythme::operationsEtGardes()
{
    TJeuEssai fenetre(TfrmBlocusQuatorze::Fiche);
    fenetre.show();
    TCarte *carte = fenetre.Talon()->Cartes()[7];
    carte->move(100, 100);
    carte->show();
    const QPoint centre(135, 148);

    Cliquer(&fenetre, centre, Qt::RightButton);
    QCOMPARE(fenetre.clics, QList<TCarte *>{carte});
    {
        // While an operation blocks clicks, a click does nothing.
        TJeuEssai::TOperation jugement(&fenetre, TJeuEssai::TOperation::Bloques);
        QVERIFY(fenetre.ClicsBloques());
        Cliquer(&fenetre, centre);
        QCOMPARE(fenetre.clics.size(), 1);
        jugement.LibererClics();
        Cliquer(&fenetre, centre);
        QCOMPARE(fenetre.clics.size(), 2);
    }
    {
        // A new deal asked inside an operation interrupts it, and waits for
        // it to unwind; clicks wait for the deal.
        TJeuEssai::TOperation donne(&fenetre, TJeuEssai::TOperation::Bloques);
        QVERIFY(!donne.Interrompue());
        fenetre.LancerNouvellePartie();
        fenetre.LancerNouvellePartie(); // asked twice, dealt once
        QVERIFY(donne.Interrompue());
        QVERIFY(fenetre.ClicsBloques());
        plateforme.TraiterEvenements();
        QCOMPARE(fenetre.donnes, 0);
    }
    plateforme.TraiterEvenements();
    QCOMPARE(fenetre.donnes, 1);
    QVERIFY(!fenetre.ClicsBloques());
    // Asked from the main loop, it deals at once.
    fenetre.LancerNouvellePartie();
    QCOMPARE(fenetre.donnes, 2);
}

QTEST_MAIN(TestRythme)
#include "test_rythme.moc"
