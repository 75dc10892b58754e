// Start-up, the game chooser, the card-back chooser and the about box,
// through clicks on the real windows.
#include "LecturePolices.h"
#include "PlateformeTest.h"
#include "U_Jpeg.h"
#include "U_Ludoval.h"
#include "U_Placement.h"
#include "VisionneuseAide.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QToolButton>
#include <QFile>
#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QThread>
#include <QTimer>
#include <QToolBar>

namespace {
const QColor aqua(0, 255, 255);
const QColor rouge(255, 0, 0);

// A client point in the middle of a game's label in the chooser's list.
QPoint PointLabel(TLabelReussite *label) { return label->mapTo(label->window(), QPoint(40, 15)); }

QColor Fond(QWidget *w) { return w->palette().color(QPalette::Window); }

// The contrast ratio of two colours, from 1 to 21, by their relative luminance.
double Contraste(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        auto canal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text as drawn in `zone` of its window: its background is the commonest
// colour there, its ink the colour that stands out most from it.
double ContrasteTexte(QWidget *fenetre, QRect zone)
{
    const QImage image = fenetre->grab(zone).toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> nombres;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++nombres[image.pixel(x, y)];
    QRgb fond = 0;
    for (auto it = nombres.cbegin(); it != nombres.cend(); ++it)
        if (it.value() > nombres.value(fond))
            fond = it.key();
    double contraste = 1;
    for (auto it = nombres.cbegin(); it != nombres.cend(); ++it)
        contraste = std::max(contraste, Contraste(QColor(fond), QColor(it.key())));
    return contraste;
}

// Runs `action` once the modal dialog about to open is on screen.
void QuandOuvert(QDialog *dialogue, std::function<void()> action)
{
    QTimer::singleShot(0, dialogue, [dialogue, action] {
        QVERIFY(QTest::qWaitFor([dialogue] { return dialogue->isVisible(); }));
        action();
    });
}
} // namespace

class TestChoix : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;
    std::unique_ptr<TLudoval> ludoval;

    TfrmChoixReussite &Choix() { return ludoval->frmChoixReussite; }

private slots:
    void initTestCase() { PreparerApplication(); }
    void init()
    {
        plateforme.Effacer();
        ludoval = std::make_unique<TLudoval>();
        ludoval->Demarrer();
        QVERIFY(QTest::qWaitForWindowExposed(&Choix()));
    }
    void cleanup() { ludoval.reset(); }

    void demarrage();
    void choixEtLancement();
    void apercus();
    void choixDosCartes();
    void aPropos();
    void clavier();
    void cadreRedimensionnable();
    void icone();
    void finitionsDifferees();
    void themeSombre();
    void nomsAccessibles();
};

void TestChoix::demarrage()
{
    // Only the chooser is on screen, on Blocus des quatorze.
    QCOMPARE(Choix().windowTitle(), QStringLiteral("Ludoval"));
    QVERIFY(!(Choix().windowFlags() & Qt::WindowMaximizeButtonHint));
    for (QWidget *w : std::initializer_list<QWidget *>{&ludoval->frmPetitsPaquets, &ludoval->frmBlocusQuatorze,
                                                       &ludoval->frmCasino, &ludoval->frmMelange,
                                                       &ludoval->frmMultiplesSept, &ludoval->frmChoixDosCartes,
                                                       &ludoval->frmAPropos})
        QVERIFY(!w->isVisible());
    QCOMPARE(Choix().ReussiteChoisie, 1);
    const auto labels = Choix().Labels();
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(Fond(labels[n]), n == 1 ? rouge : aqua);
        QCOMPARE(labels[n]->Tag(), n);
    }
    QCOMPARE(Choix().lblReussiteSelectionnee->text(), QStringLiteral("Blocus des quatorze"));
    QCOMPARE(Choix().lblCommentaires->text(),
             QStringLiteral("Il faut éliminer les cartes des bas de colonne, deux par deux, lorsqu'elles totalisent "
                            "quatorze."));
    QCOMPARE(Choix().lblPetitsPaquets->geometry(), QRect(15, 192, 180, 30));
    QCOMPARE(Choix().imgReussiteSelectionnee->geometry(), QRect(272, 40, 500, 375));
    QCOMPARE(Choix().btnOk->text(), QStringLiteral("&OK"));
    QCOMPARE(Fond(Choix().panListeReussites), aqua);
    QCOMPARE(Fond(&Choix()), QColor(Qt::white));
    // Each game window has its own deck, hidden, nothing dealt.
    QVERIFY(ludoval->frmCasino.Talon()->Cartes()[0] != ludoval->frmMelange.Talon()->Cartes()[0]);
    QCOMPARE(plateforme.sons.size(), 0);
}

void TestChoix::choixEtLancement()
{
    // A click selects, nothing more.
    Cliquer(&Choix(), PointLabel(Choix().lblPetitsPaquets));
    QCOMPARE(Choix().ReussiteChoisie, 5);
    QCOMPARE(Choix().lblReussiteSelectionnee->text(), QStringLiteral("Les petits paquets"));
    const auto labels = Choix().Labels();
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(Fond(labels[n]), n == 5 ? rouge : aqua);
    QVERIFY(Choix().isVisible());

    // "Règles": the help at its contents, whatever the selection.
    Cliquer(&Choix(), Choix().btnRegles->geometry().center());
    QCOMPARE(plateforme.journal.last(), QStringLiteral("aide ludoval.html "));

    // "Casino", then OK: the chooser gives way to the Casino window.
    Cliquer(&Choix(), PointLabel(Choix().lblCasino));
    Cliquer(&Choix(), Choix().btnOk->geometry().center());
    QVERIFY(!Choix().isVisible());
    QVERIFY(ludoval->frmCasino.isVisible());
    ludoval->frmCasino.JeuChoisirReussite->trigger();
    QVERIFY(!ludoval->frmCasino.isVisible());
    QVERIFY(Choix().isVisible());
    QCOMPARE(Choix().lblReussiteSelectionnee->text(), QStringLiteral("Casino"));

    // A double click selects and launches; Blocus deals as it appears.
    QVERIFY(QTest::qWaitForWindowExposed(&Choix()));
    plateforme.Effacer();
    DoubleCliquer(&Choix(), PointLabel(Choix().lblBlocusQuatorze));
    QCOMPARE(Choix().ReussiteChoisie, 1);
    QVERIFY(!Choix().isVisible());
    QVERIFY(ludoval->frmBlocusQuatorze.isVisible());
    plateforme.TraiterEvenements();
    QCOMPARE(ludoval->frmBlocusQuatorze.CartesRestantes, 52);
    QCOMPARE(plateforme.sons.size(), 52);

    // Back to the chooser: the same selection, then Mélange by double click.
    ludoval->frmBlocusQuatorze.JeuChoisirReussite->trigger();
    QVERIFY(Choix().isVisible());
    QCOMPARE(Fond(Choix().lblBlocusQuatorze), rouge);
    QCOMPARE(Choix().lblReussiteSelectionnee->text(), QStringLiteral("Blocus des quatorze"));
    QVERIFY(QTest::qWaitForWindowExposed(&Choix()));
    DoubleCliquer(&Choix(), PointLabel(Choix().lblMelange));
    QVERIFY(ludoval->frmMelange.isVisible());
    QCOMPARE(Choix().lblReussiteSelectionnee->text(), QStringLiteral("Mélange"));
    QCOMPARE(Fond(Choix().lblMelange), rouge);

    // Closing a game by its title bar returns to the chooser too.
    ludoval->frmMelange.close();
    QVERIFY(Choix().isVisible());
    QCOMPARE(plateforme.finsDemandees, 0);
    // Closing the chooser ends the program.
    Choix().close();
    QCOMPARE(plateforme.finsDemandees, 1);
}

void TestChoix::apercus()
{
    // Each preview decodes at its size.
    const QSize tailles[] = {{}, {500, 362}, {500, 375}, {500, 375}, {500, 369}, {500, 375}};
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(Choix().Apercu(n).size(), tailles[n]);

    // Blocus des quatorze's picture leaves a white strip of 13 pixels.
    const QImage zone = Choix().imgReussiteSelectionnee->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(zone.size(), QSize(500, 375));
    auto ligneBlanche = [&](int y) {
        for (int x = 0; x < zone.width(); ++x)
            if (zone.pixelColor(x, y) != QColor(Qt::white))
                return false;
        return true;
    };
    for (int y = 362; y < 375; ++y)
        QVERIFY(ligneBlanche(y));
    QVERIFY(!ligneBlanche(361));

    // At start-up the first preview is decoded on the thread that reads the
    // fonts, and waiting for the fonts waits for it. A chooser given it shows
    // it rather than decoding its own.
    QImage avance;
    TLecturePolices lecture([&avance] {
        QThread::msleep(50); // a wait that does not wait would find no picture
        avance = TfrmChoixReussite::LireApercuOuvert();
    });
    lecture.Attendre();
    QCOMPARE(avance, Choix().Apercu(1));
    QImage marque(500, 362, QImage::Format_RGB32);
    marque.fill(Qt::green);
    TfrmChoixReussite donne(nullptr, marque);
    QCOMPARE(donne.lblReussiteSelectionnee->text(), QStringLiteral("Blocus des quatorze"));
    QCOMPARE(donne.imgReussiteSelectionnee->grab().toImage().pixelColor(250, 180), QColor(Qt::green));

    // Corrupt or missing data gives no picture, and the area stays white.
    QFile fichier(QStringLiteral(":/apercus/apercu-casino.jpg"));
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray jpeg = fichier.readAll();
    // Decoded straight to opaque 32-bit pixels, with the same colours as
    // Qt's own reader gives (both are libjpeg underneath).
    const QImage decodee = DecoderJpeg(jpeg);
    QCOMPARE(decodee.format(), QImage::Format_RGB32);
    const QImage reference = QImage::fromData(jpeg, "JPG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(decodee.size(), reference.size());
    for (int y = 0; y < decodee.height(); y += 3)
        for (int x = 0; x < decodee.width(); x += 3)
            QCOMPARE(decodee.pixel(x, y), reference.pixel(x, y));
    QVERIFY(DecoderJpeg(jpeg.left(jpeg.size() / 2)).isNull()); // truncated
    QVERIFY(DecoderJpeg(QByteArray()).isNull());
    QVERIFY(DecoderJpeg(QByteArray(2000, 'x')).isNull());
    QByteArray abimee = jpeg;
    for (int i = int(abimee.size()) / 3; i < abimee.size() / 3 + 400; ++i)
        abimee[i] = char(0xFF);
    QVERIFY(DecoderJpeg(abimee).isNull());

    Choix().Apercus[2] = DecoderJpeg(jpeg.left(100));
    QVERIFY(Choix().Apercus[2]->isNull());
    Cliquer(&Choix(), PointLabel(Choix().lblCasino));
    const QImage blanche = Choix().imgReussiteSelectionnee->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < blanche.height(); y += 7)
        for (int x = 0; x < blanche.width(); x += 7)
            QCOMPARE(blanche.pixelColor(x, y), QColor(Qt::white));
    QCOMPARE(Choix().lblReussiteSelectionnee->text(), QStringLiteral("Casino"));
}

void TestChoix::choixDosCartes()
{
    TfrmChoixDosCartes &dialogue = ludoval->frmChoixDosCartes;
    TfrmJeu &casino = ludoval->frmCasino, &melange = ludoval->frmMelange;
    casino.show();
    melange.show();
    QCOMPARE(dialogue.windowTitle(), QStringLiteral("Choix du dos des cartes"));
    QCOMPARE(dialogue.size(), QSize(417, 342));
    // The Blocus window has no such command at all.
    QCOMPARE(ludoval->frmBlocusQuatorze.OptionsChoixDos, nullptr);

    // The stock of the Casino window shows its top card face down.
    casino.Talon()->Melanger();
    TCarte *tiree = nullptr;
    QVERIFY(casino.Talon()->TirerCarte(tiree));
    TCarte *stock = casino.Talon()->Cartes()[casino.Talon()->Sommet()];

    QList<QPointer<TCarte>> premieres;
    QuandOuvert(&dialogue, [&] {
        // Thirteen face-down cards, rows of 5, 5 and 3, the offered backs only.
        for (int d = 0; d < 16; ++d) {
            TCarte *carte = dialogue.CartesDos[d];
            if (d > 12) {
                QCOMPARE(carte, nullptr);
                continue;
            }
            QVERIFY(carte && carte->Visible() && !carte->FaceVisible());
            QCOMPARE(int(carte->DosCarte()), d);
            QCOMPARE(carte->pos(), QPoint(10 + 80 * (d % 5), 10 + 110 * (d / 5)));
            premieres << carte;
        }
        // The fourth card of the second row: Roses.
        Cliquer(&dialogue, QPoint(250 + 35, 120 + 48));
    });
    casino.OptionsChoixDos->trigger();
    QVERIFY(!dialogue.isVisible());
    QCOMPARE(dialogue.DosChoisi, TDosCarte::Roses);
    for (TCarte *carte : casino.Talon()->Cartes())
        QCOMPARE(carte->DosCarte(), TDosCarte::Roses);
    QCOMPARE(stock->NomBitmap(), QStringLiteral("ROSES"));
    QVERIFY(stock->Visible());
    for (TCarte *carte : melange.Talon()->Cartes())
        QCOMPARE(carte->DosCarte(), TDosCarte::DosStandard);
    // The chooser's cards lived only while it was open.
    QCOMPARE(premieres.size(), 13);
    for (const QPointer<TCarte> &carte : premieres)
        QTRY_VERIFY(carte.isNull());

    // Closed without a click, even after an earlier pick: nothing changes.
    QuandOuvert(&dialogue, [&] {
        QCOMPARE(dialogue.CartesDos[0]->DosCarte(), TDosCarte::Standard1);
        dialogue.close();
    });
    melange.OptionsChoixDos->trigger();
    for (TCarte *carte : melange.Talon()->Cartes())
        QCOMPARE(carte->DosCarte(), TDosCarte::DosStandard);
    for (TCarte *carte : dialogue.CartesDos)
        QCOMPARE(carte, nullptr);
    QCOMPARE(plateforme.sons.size(), 0); // no deal came of it
}

void TestChoix::aPropos()
{
    TfrmAPropos &boite = ludoval->frmAPropos;
    TfrmJeu &casino = ludoval->frmCasino;
    casino.show();
    QCOMPARE(boite.windowTitle(), QStringLiteral("A propos"));
    QVERIFY(!(boite.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(boite.ProductName->text(), QStringLiteral("Ludoval"));

    // Its picture is there when it opens. Enter closes it, and so does OK;
    // the game goes on, nothing dealt.
    QuandOuvert(&boite, [&] {
        QVERIFY(!boite.ProgramIcon->pixmap().isNull());
        QTest::keyClick(&boite, Qt::Key_Return);
    });
    casino.AideAPropos->trigger();
    QVERIFY(!boite.isVisible());
    QuandOuvert(&boite, [&] { Cliquer(&boite, boite.OKButton->geometry().center()); });
    casino.AideAPropos->trigger();
    QVERIFY(!boite.isVisible());
    QVERIFY(casino.isVisible());
    QCOMPARE(plateforme.sons.size(), 0);
}

void TestChoix::clavier()
{
    // The chooser opens with the focus on the game list; Tab goes to OK,
    // then "Règles", then back to the list.
    TfrmChoixReussite &choix = Choix();
    choix.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&choix));
    QCOMPARE(QApplication::focusWidget(), choix.panListeReussites);
    const QWidget *ordre[] = {choix.btnOk, choix.btnRegles, choix.panListeReussites};
    for (const QWidget *suivant : ordre) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), suivant);
    }
    // Space on the list does nothing; Enter opens the selected game.
    QTest::keyClick(choix.panListeReussites, Qt::Key_Space);
    QVERIFY(plateforme.aides.isEmpty());
    QVERIFY(choix.isVisible());
    QTest::keyClick(choix.panListeReussites, Qt::Key_Return);
    QVERIFY(!choix.isVisible());
    QVERIFY(ludoval->frmBlocusQuatorze.isVisible());

    // Back in the chooser: Enter on a button presses that button, Enter
    // from the keypad anywhere else presses OK.
    ludoval->frmBlocusQuatorze.JeuChoisirReussite->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&choix));
    choix.btnRegles->setFocus();
    QTest::keyClick(choix.btnRegles, Qt::Key_Return);
    QCOMPARE(plateforme.journal.last(), QStringLiteral("aide ludoval.html "));
    QVERIFY(choix.isVisible());
    Cliquer(&choix, PointLabel(choix.lblCasino));
    choix.btnOk->setFocus();
    QTest::keyClick(choix.btnOk, Qt::Key_Return);
    QVERIFY(ludoval->frmCasino.isVisible());
    ludoval->frmCasino.JeuChoisirReussite->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&choix));
    QTest::keyClick(choix.lblCommentaires, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(ludoval->frmCasino.isVisible());
}

void TestChoix::cadreRedimensionnable()
{
    // A sizeable frame: never smaller than designed, and larger keeps every
    // component where it was, in white.
    TfrmChoixReussite &choix = Choix();
    QCOMPARE(choix.size(), QSize(792, 470));
    QCOMPARE(choix.minimumSize(), QSize(792, 470));
    QVERIFY(!(choix.windowFlags() & (Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMaximizeButtonHint)));
    QList<QRect> places;
    const QList<QWidget *> composants = choix.findChildren<QWidget *>();
    for (QWidget *w : composants)
        places << w->geometry();
    choix.resize(1100, 700);
    QTRY_COMPARE(choix.size(), QSize(1100, 700));
    for (qsizetype i = 0; i < composants.size(); ++i)
        QCOMPARE(composants[i]->geometry(), places[i]);
    QCOMPARE(choix.grab(QRect(1000, 600, 1, 1)).toImage().pixelColor(0, 0), QColor(Qt::white));
    choix.resize(400, 300);
    QTRY_COMPARE(choix.size(), QSize(792, 470));

    // Centred with its frame, title bar included.
    const QRect bureau = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect cadre = choix.frameGeometry();
    QCOMPARE(cadre.topLeft(), PositionCentree(cadre.size(), bureau));

    // A right click anywhere in it opens no menu.
    for (const QPoint point : {QPoint(600, 300), QPoint(100, 100), QPoint(450, 440), QPoint(100, 350)}) {
        Cliquer(&choix, point, Qt::RightButton);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }
    QCOMPARE(choix.ReussiteChoisie, 1);
}

void TestChoix::icone()
{
    // The program's icon: heart and spade above, club and diamond below.
    for (int taille : {16, 32, 48, 64, 128}) {
        const QImage image(QStringLiteral(":/icones/ludoval-%1.png").arg(taille));
        QCOMPARE(image.width(), taille);
        // Red or black, counted over each quarter.
        auto rouge = [&](int qx, int qy) {
            int rouges = 0, noirs = 0;
            for (int y = qy * taille / 2; y < (qy + 1) * taille / 2; ++y)
                for (int x = qx * taille / 2; x < (qx + 1) * taille / 2; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.alpha() < 200)
                        continue;
                    rouges += c.red() > 150 && c.green() < 80;
                    noirs += c.red() < 60 && c.green() < 60 && c.blue() < 60;
                }
            return rouges > noirs;
        };
        QVERIFY(rouge(0, 0));  // heart
        QVERIFY(!rouge(1, 0)); // spade
        QVERIFY(!rouge(0, 1)); // club
        QVERIFY(rouge(1, 1));  // diamond
    }

    // Every window carries it in all six sizes once the chooser is painted.
    QVERIFY(QTest::qWaitFor([this] { return !Choix().windowIcon().isNull(); }));
    for (QWidget *fenetre : std::initializer_list<QWidget *>{&Choix(), &ludoval->frmCasino, &ludoval->frmAPropos}) {
        const QList<QSize> tailles = fenetre->windowIcon().availableSizes();
        for (int taille : {16, 32, 48, 64, 128, 256})
            QVERIFY(tailles.contains(QSize(taille, taille)));
    }
}

QTEST_MAIN(TestChoix)
#include "test_choix.moc"

void TestChoix::finitionsDifferees()
{
    // As the program starts: the game windows exist, in their order, but
    // their bars and decks wait until the chooser has been painted.
    const auto complete = [](const TfrmJeu &jeu) {
        return jeu.Talon() && jeu.BarreEtat() && jeu.JeuNouvellePartie
            && jeu.findChild<QToolBar *>(QStringLiteral("ActionToolBar"));
    };
    const auto jeux = [this] {
        return std::array<TfrmJeu *, 5>{&ludoval->frmBlocusQuatorze, &ludoval->frmCasino, &ludoval->frmMelange,
                                        &ludoval->frmMultiplesSept, &ludoval->frmPetitsPaquets};
    };
    const auto demarrer = [this] {
        ludoval.reset();
        TfrmJeu::DiffererFinitions = true;
        ludoval = std::make_unique<TLudoval>();
        QVERIFY(!TfrmJeu::DiffererFinitions); // windows made later finish at once
        ludoval->Demarrer();
    };
    demarrer();
    for (TfrmJeu *jeu : jeux()) {
        QVERIFY(!complete(*jeu));
        QCOMPARE(jeu->size(), jeu->Donnees().client);
    }
    QVERIFY(QTest::qWaitForWindowExposed(&Choix()));
    QVERIFY(QTest::qWaitFor([&] { return complete(*jeux().back()); }));
    for (TfrmJeu *jeu : jeux()) {
        QVERIFY(complete(*jeu));
        QCOMPARE(jeu->size(), jeu->Donnees().client);
        QCOMPARE(jeu->Talon()->Cartes()[51]->pos(), jeu->Donnees().positionTalon);
    }

    // A game launched before the chooser has ever been painted is finished
    // as it is shown, and deals as usual.
    demarrer();
    Choix().ReussiteChoisie = 2;
    Choix().LancerReussite();
    TfrmCasino &casino = ludoval->frmCasino;
    QVERIFY(casino.isVisible());
    QVERIFY(complete(casino));
    const TTalon *talon = casino.Talon();
    QVERIFY(!complete(ludoval->frmMelange));
    plateforme.Effacer();
    plateforme.TraiterEvenements();
    QCOMPARE(casino.NbCartesTapis, 25);
    QCOMPARE(plateforme.sons.size(), 25);
    casino.JeuChoisirReussite->trigger();
    QVERIFY(QTest::qWaitFor([&] { return complete(ludoval->frmMelange); }));
    // Finished once only: the same deck, one toolbar.
    QCOMPARE(casino.Talon(), talon);
    QCOMPARE(casino.findChildren<QToolBar *>().size(), 1);
}

void TestChoix::themeSombre()
{
    // Every text of the chooser, a game window and the about box, on
    // whatever it is drawn on, where the text reads the window as it is.
    TfrmJeu &jeu = ludoval->frmPetitsPaquets;
    jeu.show();
    jeu.BarreEtat()->SetTexte(QStringLiteral("Choisissez deux cartes."));
    auto verifierTextes = [&](QWidget *fenetre) {
        for (QWidget *w : fenetre->findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(w);
            auto *bouton = qobject_cast<QAbstractButton *>(w);
            if (!w->isVisible() || !(label ? !label->text().isEmpty() : bouton ? !bouton->text().isEmpty()
                                                                              : bool(qobject_cast<QMenuBar *>(w))))
                continue;
            QRect zone(w->mapTo(fenetre, QPoint()), w->size());
            if (qobject_cast<QToolButton *>(w))
                zone.setLeft(zone.left() + 22); // the text beside the picture
            const double contraste = ContrasteTexte(fenetre, zone);
            if (contraste < 4.5)
                QFAIL(qPrintable(QStringLiteral("%1 \"%2\": contrast %3")
                                     .arg(QLatin1String(w->metaObject()->className()),
                                          label ? label->text() : bouton ? bouton->text() : QString())
                                     .arg(contraste, 0, 'f', 2)));
        }
    };
    // The help page, as the viewer opens it: each of its texts against the page.
    auto verifierAide = [] {
        TVisionneuseAide aide;
        aide.Ouvrir({}, QStringLiteral(LUDOVAL_SOURCE_DIR "/resources/help/ludoval.html"), {});
        const QColor page = aide.viewport()->grab(QRect(1, 1, 1, 1)).toImage().pixelColor(0, 0);
        for (QTextBlock b = aide.document()->begin(); b.isValid(); b = b.next())
            for (auto f = b.begin(); !f.atEnd(); ++f) {
                const QTextCharFormat c = f.fragment().charFormat();
                const QBrush encre = c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground() : aide.palette().text();
                QVERIFY2(Contraste(page, encre.color()) >= 4.5, qPrintable(f.fragment().text()));
            }
    };
    verifierAide();
    const QImage clair = Choix().grab().toImage();
    const QImage barreClaire = jeu.grab().toImage();

    // A dark desktop: light text on dark grey.
    const QPalette palette = QApplication::palette();
    QPalette sombre = palette;
    for (auto [role, couleur] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                                 {QPalette::Button, QColor(53, 53, 53)}, {QPalette::Base, QColor(42, 42, 42)},
                                 {QPalette::WindowText, QColor(240, 240, 240)},
                                 {QPalette::ButtonText, QColor(240, 240, 240)}, {QPalette::Text, QColor(240, 240, 240)}})
        sombre.setColor(role, couleur);
    QApplication::setPalette(sombre);
    for (QWidget *fenetre : std::initializer_list<QWidget *>{&Choix(), &jeu, &ludoval->frmAPropos})
        verifierTextes(fenetre);
    verifierAide();
    // The label of the selected game, on red.
    Cliquer(&Choix(), PointLabel(Choix().lblCasino));
    verifierTextes(&Choix());
    // A toolbar button under the mouse: its light grey.
    auto *bouton = static_cast<QToolButton *>(jeu.findChild<QToolBar *>()->widgetForAction(jeu.JeuQuitter));
    QTest::mouseMove(&jeu, bouton->mapTo(&jeu, QPoint(30, 10)));
    QTRY_VERIFY(bouton->underMouse());
    const QRect texte(bouton->mapTo(&jeu, QPoint(22, 0)), bouton->size() - QSize(22, 0));
    QVERIFY(ContrasteTexte(&jeu, texte) >= 4.5);
    QTest::mouseMove(&jeu, QPoint(400, 300));

    // Back on the light desktop, everything is as it was.
    QApplication::setPalette(palette);
    Cliquer(&Choix(), PointLabel(Choix().lblBlocusQuatorze));
    QCOMPARE(Choix().grab().toImage(), clair);
    QCOMPARE(jeu.grab().toImage(), barreClaire);
}

void TestChoix::nomsAccessibles()
{
    // A screen reader reads the games' names, which say the selected one; the
    // list that holds the keyboard is named after it.
    auto lire = [](QWidget *w, QAccessible::Text t) { return QAccessible::queryAccessibleInterface(w)->text(t); };
    for (int choisie : {1, 2}) {
        const auto labels = Choix().Labels();
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(lire(labels[n], QAccessible::Name), labels[n]->text());
            QCOMPARE(lire(labels[n], QAccessible::Description), n == choisie ? QStringLiteral("choisie") : QString());
        }
        QCOMPARE(lire(Choix().panListeReussites, QAccessible::Name), labels[choisie]->text());
        Cliquer(&Choix(), PointLabel(Choix().lblCasino));
    }
}
