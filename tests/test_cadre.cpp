// The game window frame: the win question, the actions, menus, toolbar and
// status bar, the border, the keys and the placement, through a game window
// that only counts deals. The windows are made here
// without the program's start-up: they must look right on their own.
#include "JeuEssai.h"
#include "PlateformeTest.h"
#include "U_BlocusQuatorze.h"
#include "U_Casino.h"
#include "U_Melange.h"
#include "U_Multiples7.h"
#include "U_Placement.h"
#include "U_PetitsPaquets.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTest>

namespace {
// What each game states of its window.
const std::reference_wrapper<const TDonneesJeu> jeux[] = {TfrmBlocusQuatorze::Fiche, TfrmCasino::Fiche,
                                                          TfrmMelange::Fiche, TfrmMultiplesSept::Fiche,
                                                          TfrmPetitsPaquets::Fiche};

QStringList Textes(const QList<QAction *> &actions)
{
    QStringList textes;
    for (QAction *a : actions)
        textes << a->text();
    return textes;
}

// Every popup on screen: context menus, drop-down menus.
QList<QWidget *> Popups()
{
    QList<QWidget *> popups;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() == Qt::Popup)
            popups << w;
    return popups;
}

// Closes the menus open over `fenetre`, which becomes the active window again.
bool FermerMenus(QWidget *fenetre)
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    fenetre->activateWindow();
    return QTest::qWaitForWindowActive(fenetre);
}

QColor Pixel(QWidget *w, QPoint p) { return w->grab(QRect(p, QSize(1, 1))).toImage().pixelColor(0, 0); }
} // namespace

class TestCadre : public QObject {
    Q_OBJECT
    TPlateformeTest plateforme;

private slots:
    void init() { plateforme.Effacer(); }
    void questionDeVictoire();
    void couleurDuTapis();
    void menusEtBarreOutils();
    void fenetreEtBarreEtat();
    void actions();
    void clicsDroits();
    void bordureRedimensionnable();
    void lettresAcces();
    void policesEtBarreOutils();
    void centrage();
};

void TestCadre::questionDeVictoire()
{
    TJeuEssai fenetre(TfrmMelange::Fiche);
    fenetre.BarreEtat()->SetTexte(QStringLiteral("Gagné"));
    plateforme.Effacer();
    plateforme.reponses = {true};
    fenetre.PartieGagnee();
    QCOMPARE(plateforme.journal, (QStringList{QStringLiteral("son Gagne.wav async"),
                                              QStringLiteral("question Partie terminée")}));
    QCOMPARE(plateforme.questions.first().texte, QStringLiteral("Vous avez gagné ! \r\nVoulez-vous rejouer ?"));
    QCOMPARE(fenetre.BarreEtat()->Texte(), QString());
    QCOMPARE(fenetre.donnes, 1); // Yes deals once, here
    QCOMPARE(plateforme.finsDemandees, 0);

    plateforme.Effacer();
    plateforme.reponses = {false};
    fenetre.PartieGagnee();
    QCOMPARE(fenetre.donnes, 1);
    QCOMPARE(plateforme.finsDemandees, 1); // No ends the program
}

void TestCadre::couleurDuTapis()
{
    TJeuEssai blocus(TfrmBlocusQuatorze::Fiche), casino(TfrmCasino::Fiche);
    QCOMPARE(blocus.CouleurTapis(), QColor(0, 255, 255));
    plateforme.Effacer();

    plateforme.couleurs = {QColor(Qt::darkGreen)};
    blocus.OptionsChoixCouleurTapisExecute();
    QCOMPARE(blocus.CouleurTapis(), QColor(Qt::darkGreen));
    // Cancelled: nothing changes, and the dialog still remembers its colour.
    blocus.OptionsChoixCouleurTapisExecute();
    QCOMPARE(blocus.CouleurTapis(), QColor(Qt::darkGreen));
    plateforme.couleurs = {QColor(Qt::red)};
    blocus.OptionsChoixCouleurTapisExecute();
    // Another window has a dialog of its own, starting on black.
    casino.OptionsChoixCouleurTapisExecute();
    QCOMPARE(casino.CouleurTapis(), QColor(0, 255, 255));
    QCOMPARE(plateforme.departsCouleur,
             (QList<QColor>{Qt::black, QColor(Qt::darkGreen), QColor(Qt::darkGreen), Qt::black}));
    QCOMPARE(blocus.CouleurTapis(), QColor(Qt::red));
    QCOMPARE(blocus.BarreEtat()->palette().color(QPalette::Window), QColor(166, 202, 240));
    QCOMPARE(blocus.donnes + casino.donnes, 0); // no dialog deals
}

void TestCadre::menusEtBarreOutils()
{
    TJeuEssai blocus(TfrmBlocusQuatorze::Fiche), casino(TfrmCasino::Fiche), multiples(TfrmMultiplesSept::Fiche);
    for (TfrmJeu *f : {(TfrmJeu *)&blocus, (TfrmJeu *)&casino, (TfrmJeu *)&multiples})
        f->show();
    QMenuBar *barre = blocus.menuBar();
    const QList<QAction *> menus = barre->actions();
    QCOMPARE(Textes(menus), (QStringList{"&Jeu", "&Aide", "&Options"}));
    QCOMPARE(Textes(menus[0]->menu()->actions()),
             (QStringList{"&Nouvelle Partie", "&Choisir une réussite", "&Quitter"}));
    QCOMPARE(Textes(menus[1]->menu()->actions()), (QStringList{"&Règle du jeu", "&A propos ..."}));
    // No card back is ever seen in Blocus des quatorze: no such entry.
    QCOMPARE(Textes(menus[2]->menu()->actions()), QStringList{"Ch&oix couleur tapis"});
    QCOMPARE(blocus.OptionsChoixDos, nullptr);
    QCOMPARE(Textes(casino.menuBar()->actions()[2]->menu()->actions()),
             (QStringList{"&Choix dos cartes", "Ch&oix couleur tapis"}));
    QCOMPARE(blocus.JeuNouvellePartie->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));

    auto boutons = [](TfrmJeu &f) {
        QStringList textes;
        auto *outils = f.findChild<QToolBar *>(QStringLiteral("ActionToolBar"));
        for (QAction *a : outils->actions())
            textes << qobject_cast<QToolButton *>(outils->widgetForAction(a))->text();
        return textes;
    };
    QCOMPARE(boutons(blocus), (QStringList{"&Nouvelle Partie", "C&hoisir une réussite", "&Quitter",
                                           "&Règle du jeu", "&A propos ...", "Ch&oix couleur tapis"}));
    QCOMPARE(boutons(casino).size(), 7);
    QCOMPARE(boutons(casino)[5], QStringLiteral("&Choix dos cartes"));

    // Tooltips: the hint, or none at all where the game has none.
    auto bulle = [](TfrmJeu &f, QAction *a) -> QString {
        auto *outils = f.findChild<QToolBar *>(QStringLiteral("ActionToolBar"));
        QWidget *bouton = outils->widgetForAction(a);
        // A tooltip already up stays as it is if the button shows none.
        const QString rien = QStringLiteral("(aucune)");
        QToolTip::showText(bouton->mapToGlobal(QPoint(5, 5)), rien);
        QHelpEvent aide(QEvent::ToolTip, QPoint(5, 5), bouton->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(bouton, &aide);
        return QToolTip::text() == rien ? QString() : QToolTip::text();
    };
    QCOMPARE(bulle(blocus, blocus.JeuChoisirReussite), QStringLiteral("Choisir une réussite"));
    QCOMPARE(bulle(blocus, blocus.OptionsChoixCouleurTapis), QStringLiteral("Choix couleur du tapis"));
    QCOMPARE(bulle(casino, casino.JeuChoisirReussite), QString());
    QCOMPARE(bulle(casino, casino.OptionsChoixCouleurTapis), QString());
    QCOMPARE(bulle(multiples, multiples.JeuChoisirReussite), QStringLiteral("Choisir une réussite"));
    QCOMPARE(bulle(multiples, multiples.OptionsChoixCouleurTapis), QString());
    QCOMPARE(bulle(casino, casino.JeuNouvellePartie), QStringLiteral("Nouvelle partie"));
    QCOMPARE(bulle(casino, casino.OptionsChoixDos), QStringLiteral("Choix du dos des cartes"));
    QCOMPARE(bulle(casino, casino.AideAPropos), QStringLiteral("A propos ..."));
    QVERIFY(!blocus.JeuQuitter->icon().isNull());
}

void TestCadre::fenetreEtBarreEtat()
{
    // Multiples de sept is wider: its row of eleven cards lies wholly on the table.
    const struct { const TDonneesJeu &jeu; const char *titre; int largeur, hauteur, haut, barre, texte; } attendus[] = {
        {TfrmBlocusQuatorze::Fiche, "Le blocus des quatorze", 792, 553, 531, 22, 16},
        {TfrmCasino::Fiche, "Casino", 792, 573, 551, 22, 16},
        {TfrmMelange::Fiche, "Le mélange", 792, 573, 551, 22, 16},
        {TfrmMultiplesSept::Fiche, "Multiples de sept", 891, 563, 541, 22, 16},
        {TfrmPetitsPaquets::Fiche, "Les petits paquets", 792, 573, 543, 30, 21},
    };
    for (const auto &a : attendus) {
        TJeuEssai fenetre(a.jeu);
        fenetre.show();
        QCOMPARE(fenetre.windowTitle(), QString::fromUtf8(a.titre));
        QCOMPARE(fenetre.size(), QSize(a.largeur, a.hauteur));
        QCOMPARE(fenetre.menuBar()->geometry(), QRect(0, 0, a.largeur, 24));
        QCOMPARE(fenetre.findChild<QToolBar *>()->geometry().top(), 24);
        QCOMPARE(fenetre.findChild<QToolBar *>()->geometry().bottom(), 49);
        QCOMPARE(fenetre.BarreEtat()->geometry(), QRect(0, a.haut, a.largeur, a.barre));
        QCOMPARE(fenetre.BarreEtat()->findChild<QLabel *>()->font().pixelSize(), a.texte);
        QVERIFY(fenetre.BarreEtat()->findChild<QLabel *>()->font().bold());
        QVERIFY(!(fenetre.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(fenetre.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(fenetre.Talon()->PositionTalon(), a.jeu.positionTalon);
        QCOMPARE(fenetre.donnes, 0); // created and shown, nothing dealt yet
    }
}

void TestCadre::actions()
{
    TJeuEssai fenetre(TfrmBlocusQuatorze::Fiche);
    FichierAide = QStringLiteral("ludoval.html");
    plateforme.Effacer();

    // Shown to play: it deals once, from the main loop, and only then.
    fenetre.AfficherPourJouer();
    QCOMPARE(fenetre.donnes, 0);
    QTRY_COMPARE(fenetre.donnes, 1);
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));

    fenetre.JeuNouvellePartie->trigger();
    QCOMPARE(fenetre.donnes, 2);
    QTest::keyClick(&fenetre, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(fenetre.donnes, 3);

    fenetre.AideRegle->trigger();
    QCOMPARE(plateforme.journal.last(), QStringLiteral("aide ludoval.html BlocusQuatorze"));

    // Dialogs closing over the window deal nothing.
    plateforme.couleurs = {QColor(Qt::blue)};
    fenetre.OptionsChoixCouleurTapis->trigger();
    fenetre.AideAPropos->trigger();
    QTest::qWait(20);
    QCOMPARE(fenetre.donnes, 3);

    fenetre.JeuQuitter->trigger();
    QCOMPARE(plateforme.finsDemandees, 1);
    QVERIFY(fenetre.isVisible()); // the program ends from the main loop
    // Meanwhile no new game and no dialog.
    fenetre.JeuNouvellePartie->trigger();
    plateforme.couleurs = {QColor(Qt::red)};
    fenetre.OptionsChoixCouleurTapis->trigger();
    QCOMPARE(fenetre.donnes, 3);
    QCOMPARE(fenetre.CouleurTapis(), QColor(Qt::blue));
    plateforme.Effacer(); // (a test double can take the end back)

    // Leaving for the chooser hides the window; shown again, it deals anew.
    QWidget choix;
    TfrmJeu::ChoixReussite = &choix;
    fenetre.JeuChoisirReussite->trigger();
    QVERIFY(!fenetre.isVisible());
    QVERIFY(choix.isVisible());
    choix.hide();
    fenetre.AfficherPourJouer();
    QTRY_COMPARE(fenetre.donnes, 4);
    // The title bar's close box does the same.
    fenetre.close();
    QVERIFY(!fenetre.isVisible());
    QVERIFY(choix.isVisible());
    TfrmJeu::ChoixReussite = nullptr;
    QCOMPARE(plateforme.finsDemandees, 0);
}

void TestCadre::clicsDroits()
{
    TJeuEssai fenetre(TfrmBlocusQuatorze::Fiche);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    TCarte *carte = fenetre.Talon()->Cartes()[3];
    carte->move(100, 100);
    carte->show();

    // The table, the menu bar, the toolbar beside its buttons, the status
    // bar: a right click there does nothing at all.
    for (const QPoint point : {QPoint(400, 400), QPoint(300, 10), QPoint(780, 37), QPoint(400, 540)}) {
        Cliquer(&fenetre, point, Qt::RightButton);
        QCoreApplication::processEvents();
        QVERIFY2(Popups().isEmpty(), qPrintable(QStringLiteral("popup at %1,%2").arg(point.x()).arg(point.y())));
    }
    QVERIFY(fenetre.Outils()->isVisible());
    QVERIFY(fenetre.clics.isEmpty());
    // On a card it is a click like any other, and the next one is not lost.
    Cliquer(&fenetre, QPoint(130, 140), Qt::RightButton);
    QCoreApplication::processEvents();
    QVERIFY(Popups().isEmpty());
    Cliquer(&fenetre, QPoint(130, 140));
    QCOMPARE(fenetre.clics, (QList<TCarte *>{carte, carte}));
}

void TestCadre::bordureRedimensionnable()
{
    for (const TDonneesJeu &d : jeux) {
        TJeuEssai fenetre(d);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        QCOMPARE(fenetre.size(), d.client);
        QCOMPARE(fenetre.minimumSize(), d.client);
        QVERIFY(fenetre.maximumWidth() > 2000 && fenetre.maximumHeight() > 2000);
        QVERIFY(!(fenetre.windowFlags() & (Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMaximizeButtonHint)));
        TCarte *carte = fenetre.Talon()->Cartes()[0];
        carte->move(700, 440);
        carte->show();

        // Larger: the table grows, every bar spans it, the status bar stays
        // at the bottom, the cards keep their places.
        fenetre.resize(1000, 760);
        QTRY_COMPARE(fenetre.BarreEtat()->geometry(),
                     QRect(0, 760 - d.hauteurBarreEtat, 1000, d.hauteurBarreEtat));
        QCOMPARE(fenetre.menuBar()->geometry(), QRect(0, 0, 1000, 24));
        QCOMPARE(fenetre.Outils()->geometry(), QRect(0, 24, 1000, 26));
        QCOMPARE(carte->pos(), QPoint(700, 440));
        QCOMPARE(fenetre.Talon()->PositionTalon(), d.positionTalon);
        QCOMPARE(Pixel(&fenetre, QPoint(900, 700)), QColor(0, 255, 255));
        QCOMPARE(Pixel(&fenetre, QPoint(735, 488)), Pixel(carte, QPoint(35, 48)));
        // Smaller than designed: no.
        fenetre.resize(500, 300);
        QTRY_COMPARE(fenetre.size(), d.client);
        QCOMPARE(fenetre.BarreEtat()->geometry().bottom(), d.client.height() - 1);
    }
}

void TestCadre::lettresAcces()
{
    TJeuEssai blocus(TfrmBlocusQuatorze::Fiche), casino(TfrmCasino::Fiche);
    for (TJeuEssai *fenetre : {&blocus, &casino}) {
        fenetre->show();
        fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenetre));
        // The menu bar's letters open their menus, though the toolbar
        // shows "&A propos ..." and "Ch&oix couleur tapis".
        QTest::keyClick(fenetre, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), fenetre->Menu(1));
        QVERIFY(FermerMenus(fenetre));
        QTest::keyClick(fenetre, Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), fenetre->Menu(2));
        QVERIFY(FermerMenus(fenetre));
        QTest::keyClick(fenetre, Qt::Key_J, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), fenetre->Menu(0));
        QVERIFY(FermerMenus(fenetre));
        // The toolbar keeps the letters no menu takes, and shows them all.
        QTest::keyClick(fenetre, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(fenetre->donnes, 1); // the button shows itself pressed first
        auto *bouton = qobject_cast<QToolButton *>(fenetre->Outils()->widgetForAction(fenetre->AideAPropos));
        QCOMPARE(bouton->text(), QStringLiteral("&A propos ..."));
        fenetre->hide();
    }
}

void TestCadre::policesEtBarreOutils()
{
    // Made without the program's start-up, every window shows its whole
    // toolbar: no button is pushed into an overflow menu.
    std::vector<std::unique_ptr<TJeuEssai>> fenetres;
    for (const TDonneesJeu &jeu : jeux) {
        TJeuEssai &fenetre = *fenetres.emplace_back(std::make_unique<TJeuEssai>(jeu));
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        QToolBar *outils = fenetre.Outils();
        auto *debord = outils->findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY2(!debord || !debord->isVisible(), fenetre.Donnees().caption);
        const QList<QAction *> actions = outils->actions();
        QCOMPARE(actions.size(), fenetre.Donnees().choixDos ? 7 : 6);
        for (QAction *action : actions) {
            QWidget *bouton = outils->widgetForAction(action);
            QVERIFY2(bouton->isVisible(), qPrintable(action->objectName()));
            QVERIFY(bouton->geometry().right() < outils->width());
        }
    }
    // They have the faces they were laid out for, and the drop-down menus
    // have the menu bar's.
    for (const auto &fenetre : fenetres) {
        const QFontInfo barre(fenetre->menuBar()->font());
        QCOMPARE(barre.family(), QFontInfo(QFont(QStringLiteral("Liberation Sans"))).family());
        QCOMPARE(barre.pixelSize(), 11);
        for (int i = 0; i < 3; ++i) {
            QMenu *menu = fenetre->Menu(i);
            menu->ensurePolished();
            QCOMPARE(QFontInfo(menu->font()).family(), barre.family());
            QCOMPARE(QFontInfo(menu->font()).pixelSize(), 11);
        }
        const QFontInfo etat(fenetre->BarreEtat()->findChild<QLabel *>()->font());
        QCOMPARE(etat.family(), QFontInfo(QFont(QStringLiteral("Liberation Serif"))).family());
    }
}

void TestCadre::centrage()
{
    // The frame, title bar included, is centred; a frame larger than the
    // screen keeps its top-left corner, and so the title and menu bars, on it.
    const QRect ecran(0, 0, 1280, 1024);
    QCOMPARE(PositionCentree({794, 578}, ecran), QPoint(243, 223));
    QCOMPARE(PositionCentree({794, 578}, QRect(100, 30, 1280, 994)), QPoint(343, 238));
    QCOMPARE(PositionCentree({1586, 1128}, ecran), QPoint(0, 0));
    QCOMPARE(PositionCentree({1000, 1128}, QRect(0, 24, 1280, 1000)), QPoint(140, 24));
    QCOMPARE(PositionCentree({1586, 500}, ecran), QPoint(0, 262));

    // On screen: the frame as the window system draws it is what is centred.
    const QRect bureau = QGuiApplication::primaryScreen()->availableGeometry();
    TJeuEssai fenetre(TfrmBlocusQuatorze::Fiche);
    fenetre.AfficherPourJouer();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QTRY_COMPARE(fenetre.frameGeometry().topLeft(), PositionCentree(fenetre.frameGeometry().size(), bureau));
    QVERIFY(fenetre.frameGeometry() != fenetre.geometry()); // the frame counted
    // Shown again, it stays where it was.
    fenetre.move(fenetre.pos() + QPoint(7, 5));
    const QPoint deplacee = fenetre.pos();
    fenetre.hide();
    fenetre.AfficherPourJouer();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QCOMPARE(fenetre.pos(), deplacee);

    // Larger than the screen: the title bar and the menu bar on it.
    TJeuEssai grande(TfrmCasino::Fiche);
    grande.resize(bureau.size() + QSize(300, 200));
    grande.AfficherPourJouer();
    QVERIFY(QTest::qWaitForWindowExposed(&grande));
    QTRY_COMPARE(grande.frameGeometry().topLeft(), bureau.topLeft());
    QVERIFY(bureau.contains(grande.mapToGlobal(grande.menuBar()->geometry().topLeft())));
    QTRY_VERIFY(grande.donnes >= 1);
}

QTEST_MAIN(TestCadre)
#include "test_cadre.moc"
