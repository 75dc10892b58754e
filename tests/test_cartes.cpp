// The card control and the deck, through real widgets on an offscreen table.
#include "PlateformeTest.h"
#include "U_52Cartes.h"

#include <QAccessible>
#include <QScreen>
#include <QSet>
#include <QTest>

namespace {
const QColor aqua(0, 255, 255);

// A shown window of the table colour, as a game window would be.
struct TTable : QWidget {
    TTable()
    {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, aqua);
        setPalette(p);
        resize(500, 400);
        show();
        QCoreApplication::processEvents();
    }
    // What the window's surface holds now, without processing any event.
    QImage Surface(QPoint ou) const
    {
        return screen()->grabWindow(winId(), ou.x(), ou.y(), TCarte::Largeur, TCarte::Hauteur)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
};

QImage Bitmap(const QString &nom)
{
    return QImage(QStringLiteral(":/cartes/%1.bmp").arg(nom)).convertToFormat(QImage::Format_RGB32);
}

QImage Negatif(QImage image)
{
    image.invertPixels();
    return image;
}

bool Uni(const QImage &image, QColor couleur)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != couleur)
                return false;
    return true;
}

TCarte *NouvelleCarte(QWidget *table, QPoint ou)
{
    auto *carte = new TCarte(table);
    carte->move(ou);
    return carte;
}
} // namespace

class TestCartes : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;

private slots:
    void artDesCartes();
    void valeursEtBornes();
    void carteCacheePuisMontree();
    void carteSelectionneeInversee();
    void dosVide();
    void talonNonMelange();
    void generateur();
    void melanger();
    void tirerCarte();
    void nomsAccessibles();
};

void TestCartes::artDesCartes()
{
    // Every picture the program can ask for exists, 71 × 96 in 256 colours.
    QStringList noms;
    for (int c = 0; c < 4; ++c)
        for (int v = 1; v <= 13; ++v)
            noms << NomBitmapFace(TCouleurCarte(c), TValeurCarte(v));
    for (int d = 0; d < int(TDosCarte::Vide); ++d)
        noms << NomBitmapDos(TDosCarte(d));
    QCOMPARE(noms.size(), 67);
    QCOMPARE(noms.first(), QStringLiteral("T1"));
    QVERIFY(noms.contains(QStringLiteral("K13")) && noms.contains(QStringLiteral("P10")));
    for (const QString &nom : noms) {
        const QImage image(QStringLiteral(":/cartes/%1.bmp").arg(nom));
        QVERIFY2(!image.isNull(), qPrintable(nom));
        QCOMPARE(image.size(), QSize(71, 96));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QVERIFY(image.colorCount() <= 256);
    }
    QCOMPARE(NomBitmapDos(TDosCarte::Vide), QStringLiteral("VIDEAQUA"));
    QVERIFY(QImage(QStringLiteral(":/cartes/VIDEAQUA.bmp")).isNull());
}

void TestCartes::valeursEtBornes()
{
    TTable table;
    TCarte *carte = NouvelleCarte(&table, {10, 10});
    // A new card: ace of hearts, standard back, face down, not selected.
    QCOMPARE(carte->Valeur(), 1);
    QCOMPARE(carte->Couleur(), TCouleurCarte::Coeur);
    QCOMPARE(carte->DosCarte(), TDosCarte::DosStandard);
    QVERIFY(!carte->FaceVisible());
    QVERIFY(!carte->Selectionnee());
    QCOMPARE(carte->size(), QSize(71, 96));
    QCOMPARE(carte->Tag(), 0);

    const std::pair<int, int> bornes[] = {{0, 1}, {-5, 1}, {1, 1}, {7, 7}, {13, 13}, {14, 13}, {255, 13}};
    for (auto [donnee, attendue] : bornes) {
        carte->SetValeur(donnee);
        QCOMPARE(int(carte->Valeur()), attendue);
    }

    carte->SetCouleur(TCouleurCarte::Pique);
    carte->SetValeur(12);
    carte->SetFaceVisible(true);
    QCOMPARE(carte->NomBitmap(), QStringLiteral("P12"));
    carte->Retourner();
    QCOMPARE(carte->NomBitmap(), QStringLiteral("DOSSTANDARD"));
    carte->Retourner();
    QVERIFY(carte->FaceVisible());
    QCOMPARE(carte->NomBitmap(), QStringLiteral("P12"));

    // The control keeps its size whatever is asked of it.
    carte->show();
    carte->resize(30, 30);
    carte->repaint();
    QCOMPARE(carte->size(), QSize(71, 96));
}

void TestCartes::carteCacheePuisMontree()
{
    TTable table;
    const QPoint ou(40, 30);
    TCarte *carte = NouvelleCarte(&table, ou);
    carte->hide();
    QCoreApplication::processEvents();

    // Properties of a hidden card are stored, and nothing is drawn.
    carte->SetValeur(9);
    carte->SetCouleur(TCouleurCarte::Carreau);
    carte->SetFaceVisible(true);
    carte->SetDosCarte(TDosCarte::Robot);
    QVERIFY(Uni(table.Surface(ou), aqua));
    QCOMPARE(carte->Valeur(), 9);
    QCOMPARE(carte->DosCarte(), TDosCarte::Robot);

    // Shown, it draws its current state.
    carte->show(); // (a show paints at the next screen update, hence QTRY)
    QTRY_COMPARE(table.Surface(ou), Bitmap(QStringLiteral("K9")));
    carte->Retourner();
    QCOMPARE(table.Surface(ou), Bitmap(QStringLiteral("ROBOT")));

    // A new card made visible face down shows the standard back.
    TCarte *neuve = NouvelleCarte(&table, {200, 30});
    neuve->show();
    QTRY_COMPARE(table.Surface({200, 30}), Bitmap(QStringLiteral("DOSSTANDARD")));
}

void TestCartes::carteSelectionneeInversee()
{
    TTable table;
    const QPoint ou(100, 100);
    TCarte *carte = NouvelleCarte(&table, ou);
    carte->show();
    QCoreApplication::processEvents();

    // Each property set repaints at once: no event is processed in between.
    carte->SetValeur(13);
    carte->SetCouleur(TCouleurCarte::Trefle);
    carte->SetFaceVisible(true);
    QCOMPARE(table.Surface(ou), Bitmap(QStringLiteral("T13")));
    carte->SetSelectionnee(true);
    QCOMPARE(table.Surface(ou), Negatif(Bitmap(QStringLiteral("T13"))));

    // Face down and selected: the back in negative.
    carte->SetFaceVisible(false);
    QCOMPARE(table.Surface(ou), Negatif(Bitmap(QStringLiteral("DOSSTANDARD"))));
    carte->SetDosCarte(TDosCarte::Shell);
    QCOMPARE(table.Surface(ou), Negatif(Bitmap(QStringLiteral("SHELL"))));
    carte->SetSelectionnee(false);
    QCOMPARE(table.Surface(ou), Bitmap(QStringLiteral("SHELL")));

    // A window repaint draws the same picture for the same state.
    carte->SetSelectionnee(true);
    table.repaint();
    QCOMPARE(table.Surface(ou), Negatif(Bitmap(QStringLiteral("SHELL"))));

    // The card on top of another covers it, also when the one below repaints.
    TCarte *dessus = NouvelleCarte(&table, ou + QPoint(20, 0));
    dessus->SetFaceVisible(true);
    dessus->show();
    QTRY_COMPARE(table.Surface(ou + QPoint(20, 0)), Bitmap(QStringLiteral("C1")));
    carte->SetSelectionnee(false);
    const QImage surface = table.Surface(ou + QPoint(20, 0));
    QCOMPARE(surface, Bitmap(QStringLiteral("C1")));
}

void TestCartes::dosVide()
{
    // No picture has the name of the empty back: such a card lets the table show.
    TTable table;
    const QPoint ou(300, 200);
    TCarte *carte = NouvelleCarte(&table, ou);
    carte->SetDosCarte(TDosCarte::Vide);
    TCarte *temoin = NouvelleCarte(&table, {50, 50}); // painted in the same update
    carte->show();
    temoin->show();
    QTRY_COMPARE(table.Surface({50, 50}), Bitmap(QStringLiteral("DOSSTANDARD")));
    QVERIFY(Uni(table.Surface(ou), aqua));
    carte->SetSelectionnee(true);
    QVERIFY(Uni(table.Surface(ou), aqua));
}

void TestCartes::talonNonMelange()
{
    TTable table;
    const TTalon talon(&table, {300, 350});
    QCOMPARE(talon.Sommet(), 51);
    QCOMPARE(talon.PositionTalon(), QPoint(300, 350));
    for (int i = 0; i < 52; ++i) {
        const TCarte *carte = talon.Cartes()[i];
        QCOMPARE(int(carte->Valeur()), i / 4 + 1);
        QCOMPARE(int(carte->Couleur()), i % 4);
        QCOMPARE(carte->Tag(), 0);
        QVERIFY(!carte->Visible());
        QVERIFY(!carte->FaceVisible());
        QCOMPARE(carte->pos(), QPoint(300, 350));
        QCOMPARE(carte->parentWidget(), &table);
    }
    QCOMPARE(talon.Cartes()[0]->NomBitmap(), QStringLiteral("DOSSTANDARD"));
    QCOMPARE(NomBitmapFace(talon.Cartes()[0]->Couleur(), talon.Cartes()[0]->Valeur()), QStringLiteral("T1"));
    QCOMPARE(NomBitmapFace(talon.Cartes()[51]->Couleur(), talon.Cartes()[51]->Valeur()), QStringLiteral("P13"));
}

void TestCartes::generateur()
{
    // The exact sequence of the 32-bit linear congruential generator.
    TGenerateur g;
    g.Semer(12345);
    const QList<quint32> attendus = {20, 15, 4, 28, 32, 17, 22, 4, 1, 48, 50, 16};
    QList<quint32> tires;
    for (int i = 0; i < attendus.size(); ++i)
        tires << g.Tirer(52);
    QCOMPARE(tires, attendus);
    g.Semer(0);
    QCOMPARE(g.Tirer(52), 0u);
    QCOMPARE(g.Graine(), 1u);
    QCOMPARE(g.Tirer(52), 1u);
    QCOMPARE(g.Graine(), 134775814u);
}

void TestCartes::melanger()
{
    TTable table;
    TTalon talon(&table, {120, 200});

    // Marks and backs that a shuffle must leave alone.
    QHash<TCarte *, std::pair<bool, TDosCarte>> avant;
    for (int i = 0; i < 52; ++i) {
        TCarte *carte = talon.Cartes()[i];
        carte->SetSelectionnee(i % 5 == 0);
        carte->SetDosCarte(TDosCarte(i % 13));
        carte->SetFaceVisible(i % 2 == 0);
        carte->move(i * 7, i * 3);
        carte->show();
        avant.insert(carte, {carte->Selectionnee(), carte->DosCarte()});
    }
    TCarte *tire = nullptr;
    QVERIFY(talon.TirerCarte(tire));
    QVERIFY(talon.Sommet() < 51);

    plateforme.graine = 2024;
    talon.Melanger();

    QCOMPARE(talon.Sommet(), 51);
    QSet<TCarte *> vues;
    for (int i = 0; i < 52; ++i) {
        TCarte *carte = talon.Cartes()[i];
        vues.insert(carte);
        QVERIFY(!carte->Visible());
        QVERIFY(!carte->FaceVisible());
        QCOMPARE(carte->pos(), QPoint(120, 200));
        QCOMPARE(carte->Tag(), i);
        QCOMPARE(carte->Selectionnee(), avant.value(carte).first);
        QCOMPARE(carte->DosCarte(), avant.value(carte).second);
    }
    QCOMPARE(vues.size(), 52); // a permutation of the same 52 cards

    // Stacking order follows the index: Cartes()[51] is on top.
    const QObjectList enfants = table.children();
    int precedent = -1;
    for (QObject *o : enfants) {
        const int i = int(std::find(talon.Cartes().begin(), talon.Cartes().end(), o) - talon.Cartes().begin());
        QVERIFY(i > precedent);
        precedent = i;
    }
    QCOMPARE(enfants.last(), talon.Cartes()[51]);

    // From the sorted deck and a known clock reading, the order is that of
    // the swap-with-any-place shuffle worked out by hand.
    TTalon neuf(&table, {0, 0});
    neuf.Melanger();
    const std::pair<int, int> debut[] = {{7, 2}, {12, 1}, {2, 2}, {7, 1}, {11, 0}, {10, 1}, {4, 0}, {1, 1}};
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(int(neuf.Cartes()[i]->Valeur()), debut[i].first);
        QCOMPARE(int(neuf.Cartes()[i]->Couleur()), debut[i].second);
    }
    QCOMPARE(int(neuf.Cartes()[51]->Valeur()), 2);
    QCOMPARE(neuf.Cartes()[51]->Couleur(), TCouleurCarte::Pique);

    // Every shuffle reseeds from the clock: another reading, another order.
    plateforme.graine = 7;
    neuf.Melanger();
    bool different = false;
    for (int i = 0; i < 8; ++i)
        different |= int(neuf.Cartes()[i]->Valeur()) != debut[i].first;
    QVERIFY(different);
}

void TestCartes::tirerCarte()
{
    TTable table;
    const QPoint stock(300, 150);
    TTalon talon(&table, stock);
    talon.Melanger();
    const auto cartes = talon.Cartes();

    for (int n = 1; n <= 52; ++n) {
        TCarte *tire = nullptr;
        QVERIFY(talon.TirerCarte(tire));
        QCOMPARE(tire, cartes[52 - n]);
        QCOMPARE(talon.Sommet(), 51 - n);
        // The drawn card itself is left as it lay: face down at the stock.
        QVERIFY(!tire->FaceVisible());
        QCOMPARE(tire->pos(), stock);
        QCOMPARE(tire->Visible(), n > 1);
        if (n < 52) {
            TCarte *dessus = cartes[51 - n];
            QVERIFY(dessus->Visible());
            QVERIFY(!dessus->FaceVisible());
        }
        if (n == 51) {
            QCOMPARE(talon.Cartes()[0]->pos(), stock);
            QCOMPARE(table.Surface(stock), Bitmap(QStringLiteral("DOSSTANDARD")));
        }
        tire->hide(); // as a game would take it away
    }
    QCOMPARE(talon.Sommet(), -1);
    QTRY_VERIFY(Uni(table.Surface(stock), aqua)); // no stock card on show

    TCarte temoin;
    TCarte *sortie = &temoin;
    QVERIFY(!talon.TirerCarte(sortie));
    QCOMPARE(sortie, &temoin);
    QCOMPARE(talon.Sommet(), -1);
}

void TestCartes::nomsAccessibles()
{
    // What a screen reader reads of a card: its name, and whether it is chosen.
    TTable table;
    TCarte *carte = NouvelleCarte(&table, QPoint(10, 10));
    carte->show();
    QAccessibleInterface *lue = QAccessible::queryAccessibleInterface(carte);
    QVERIFY(lue);
    QCOMPARE(QAccessible::queryAccessibleInterface(&table)->indexOfChild(lue) >= 0, true);
    QCOMPARE(lue->text(QAccessible::Name), QStringLiteral("Carte retournée"));
    carte->SetFaceVisible(true);
    const struct {
        int valeur;
        TCouleurCarte couleur;
        const char *nom;
    } cas[] = {{12, TCouleurCarte::Coeur, "Dame de cœur"}, {1, TCouleurCarte::Pique, "As de pique"},
               {10, TCouleurCarte::Carreau, "10 de carreau"}, {11, TCouleurCarte::Trefle, "Valet de trèfle"},
               {13, TCouleurCarte::Pique, "Roi de pique"}};
    for (const auto &c : cas) {
        carte->SetValeur(c.valeur);
        carte->SetCouleur(c.couleur);
        QCOMPARE(lue->text(QAccessible::Name), QString::fromUtf8(c.nom));
    }
    QVERIFY(!lue->state().selected);
    QCOMPARE(lue->text(QAccessible::Description), QString());

    // Chosen, face up or down.
    carte->SetSelectionnee(true);
    QVERIFY(lue->state().selected);
    QCOMPARE(lue->text(QAccessible::Description), QStringLiteral("choisie"));
    carte->SetFaceVisible(false);
    QCOMPARE(lue->text(QAccessible::Name), QStringLiteral("Carte retournée"));
    QCOMPARE(lue->text(QAccessible::Description), QStringLiteral("choisie"));
}

QTEST_MAIN(TestCartes)
#include "test_cartes.moc"
