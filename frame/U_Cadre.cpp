#include "U_Cadre.h"
#include "U_ImageBarre.h"
#include "U_Placement.h"
#include "Plateforme.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

QString FichierAide;
QWidget *TfrmJeu::ChoixReussite = nullptr;
QDialog *TfrmJeu::APropos = nullptr;
std::function<std::optional<TDosCarte>(QWidget *)> TfrmJeu::ChoixDosCartes;
bool TfrmJeu::DiffererFinitions = false;

namespace {
// One row per game, in the order of TJeu.
const TDonneesJeu donnees[] = {
    {"Le blocus des quatorze", {792, 553}, 22, 16, {300, 350}, false,
     "Choisir une réussite", "Choix couleur du tapis", "BlocusQuatorze"},
    {"Casino", {792, 573}, 22, 16, {540, 265}, true, nullptr, nullptr, "Casino"},
    {"Le mélange", {792, 573}, 22, 16, {360, 400}, true, nullptr, nullptr, "Melange"},
    {"Multiples de sept", {891, 563}, 22, 16, {200, 300}, true,
     "Choisir une réussite", nullptr, "MultiplesSept"},
    {"Les petits paquets", {792, 573}, 30, 21, {590, 400}, true, nullptr, nullptr, "PetitsPaquets"},
};

const QColor aqua(0, 255, 255);
const QColor bleuCiel(166, 202, 240);
constexpr int hauteurMenu = 24;
constexpr int hauteurOutils = 26;

// The flat light look of the menu bar and toolbar; the drop-down menus share
// the menu bar's face. %1: the family of their text; %2: the colour of the
// text on the light grey of an entry under the mouse.
const char *styleBarres = R"(
    QMenuBar, QMenu, QToolBar, QToolButton { font-family: "%1"; font-size: 11px; }
    QMenuBar { background: palette(window); border: none; }
    QMenuBar::item { padding: 3px 7px; background: transparent; }
    QMenuBar::item:selected, QMenuBar::item:pressed { background: rgb(208, 208, 208); color: %2; }
    QMenu { selection-background-color: rgb(208, 208, 208); selection-color: %2; }
    QToolBar { background: palette(window); border: none; spacing: 1px; padding: 0px 2px; }
    QToolButton { border: 1px solid transparent; padding: 1px 3px; }
    QToolButton:hover { background: rgb(208, 208, 208); border-color: rgb(160, 160, 160); color: %2; }
    QToolButton:pressed { background: palette(button); }
)";

void StylerBarre(QWidget *barre)
{
    SuivrePalette(barre, [barre] {
        barre->setStyleSheet(
            QLatin1String(styleBarres).arg(PoliceSans, CouleurTexteFixe(QPalette::ButtonText).name()));
    });
}

// Calls its function again at every change of the application's palette.
class TSuiviPalette : public QObject {
public:
    TSuiviPalette(QWidget *w, std::function<void()> appliquer) : QObject(w), appliquer(std::move(appliquer))
    {
        w->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::ApplicationPaletteChange)
            appliquer();
        return false;
    }

private:
    std::function<void()> appliquer;
};

// Swallows the tooltip of a toolbar button whose action has no hint: Qt
// would otherwise show the caption.
struct TSansBulle : QObject {
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *e) override { return e->type() == QEvent::ToolTip; }
};

} // namespace

const QString PoliceSans = QStringLiteral("Liberation Sans");
const QString PoliceSerif = QStringLiteral("Liberation Serif");

QFont Police(const QString &famille, int pixels, bool gras)
{
    QFont police(famille);
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

QColor CouleurTexteFixe(QPalette::ColorRole role)
{
    // Under a dark theme the style's own palette is dark too (it comes from
    // the desktop): the light palette's text is black.
    const QPalette bureau = QGuiApplication::palette();
    const bool sombre = bureau.color(QPalette::Window).lightness() < bureau.color(QPalette::WindowText).lightness();
    return sombre ? QColor(Qt::black) : bureau.color(role);
}

void SuivrePalette(QWidget *w, std::function<void()> appliquer)
{
    appliquer();
    new TSuiviPalette(w, std::move(appliquer));
}

const TDonneesJeu &DonneesJeu(TJeu jeu) { return donnees[int(jeu)]; }

// ---- TBarreEtat ----

TBarreEtat::TBarreEtat(int hauteur, int hauteurTexte, QWidget *parent)
    : QStatusBar(parent), texte(new QLabel(this))
{
    setObjectName(QStringLiteral("BarreEtat"));
    setSizeGripEnabled(false);
    setFixedHeight(hauteur);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, bleuCiel);
    setPalette(p);
    setStyleSheet(QStringLiteral("QStatusBar { background: rgb(166, 202, 240); } "
                                 "QStatusBar::item { border: none; }"));
    texte->setFont(Police(PoliceSerif, hauteurTexte, true));
    texte->setForegroundRole(QPalette::ButtonText);
    SuivrePalette(texte, [this] {
        QPalette p = texte->palette();
        p.setColor(QPalette::ButtonText, CouleurTexteFixe(QPalette::ButtonText));
        texte->setPalette(p);
    });
    texte->setContentsMargins(2, 0, 0, 0);
    addWidget(texte, 1);
}

// ---- TfrmJeu ----

TfrmJeu::TfrmJeu(TJeu j, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                              | Qt::CustomizeWindowHint),
      jeu(j)
{
    const TDonneesJeu &d = Donnees();
    setWindowTitle(QString::fromUtf8(d.caption));
    setFont(Police(PoliceSans, 11));
    // A sizable border: everything keeps its place, the table colour fills
    // what is added, and the window never cuts off its table.
    setMinimumSize(d.client);
    resize(d.client);
    // No context menu anywhere: a right click is a card's, or nothing.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, aqua);
    setPalette(p);
}

TfrmJeu::~TfrmJeu() = default;

void TfrmJeu::FinirConstruction()
{
    finitionsEnAttente = true;
    if (!DiffererFinitions)
        Completer();
}

void TfrmJeu::Completer()
{
    if (!finitionsEnAttente)
        return;
    finitionsEnAttente = false;
    const TDonneesJeu &d = Donnees();
    CreerActions();
    CreerMenus();
    CreerBarreOutils();
    barreEtat = new TBarreEtat(d.hauteurBarreEtat, d.hauteurTexteEtat, this);
    setStatusBar(barreEtat);
    CreerTalon();
}

void TfrmJeu::setVisible(bool visible)
{
    if (visible)
        Completer();
    QMainWindow::setVisible(visible);
}

void TfrmJeu::CreerActions()
{
    const TDonneesJeu &d = Donnees();
    struct TDefinition {
        QAction *&action;
        const char *nom, *caption, *bulle, *image;
        void (TfrmJeu::*execute)();
    };
    const TDefinition definitions[] = {
        {JeuNouvellePartie, "JeuNouvellePartie", "&Nouvelle Partie", "Nouvelle partie",
         "nouvelle", &TfrmJeu::JeuNouvellePartieExecute},
        {AideRegle, "AideRegle", "&Règle du jeu", "Règle du jeu", "regle", &TfrmJeu::AideRegleExecute},
        {JeuChoisirReussite, "JeuChoisirReussite", "Choisir une réussite", d.bulleChoisirReussite,
         "choisir", &TfrmJeu::JeuChoisirReussiteExecute},
        {JeuQuitter, "JeuQuitter", "&Quitter", "Quitter", "quitter", &TfrmJeu::JeuQuitterExecute},
        {AideAPropos, "AideAPropos", "A propos ...", "A propos ...", "apropos",
         &TfrmJeu::AideAProposExecute},
        {OptionsChoixDos, "OptionsChoixDos", "Choix dos cartes", "Choix du dos des cartes", "dos",
         &TfrmJeu::OptionsChoixDosExecute},
        {OptionsChoixCouleurTapis, "OptionsChoixCouleurTapis", "Choix couleur tapis",
         d.bulleCouleurTapis, "couleur", &TfrmJeu::OptionsChoixCouleurTapisExecute},
    };
    for (const TDefinition &def : definitions) {
        if (def.execute == &TfrmJeu::OptionsChoixDosExecute && !d.choixDos)
            continue;
        auto *action = new QAction(ImageBarre(QLatin1String(def.image)), QString::fromUtf8(def.caption), this);
        action->setObjectName(QLatin1String(def.nom));
        action->setToolTip(def.bulle ? QString::fromUtf8(def.bulle) : QString());
        action->setProperty("sansBulle", def.bulle == nullptr);
        action->setStatusTip(QString()); // the status bar belongs to the game
        connect(action, &QAction::triggered, this, def.execute);
        def.action = action;
    }
    JeuNouvellePartie->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    JeuNouvellePartie->setShortcutContext(Qt::WindowShortcut);
}

void TfrmJeu::CreerMenus()
{
    // Entries carry captions of their own, with their access letters.
    auto entree = [](QMenu *menu, QAction *action, const char *caption) {
        action->setText(QString::fromUtf8(caption));
        menu->addAction(action);
    };
    QMenuBar *barre = menuBar();
    barre->setObjectName(QStringLiteral("ActionMainMenuBar1"));
    barre->setFixedHeight(hauteurMenu);
    StylerBarre(barre);

    QMenu *menuJeu = barre->addMenu(QStringLiteral("&Jeu"));
    entree(menuJeu, JeuNouvellePartie, "&Nouvelle Partie");
    entree(menuJeu, JeuChoisirReussite, "&Choisir une réussite");
    entree(menuJeu, JeuQuitter, "&Quitter");
    QMenu *menuAide = barre->addMenu(QStringLiteral("&Aide"));
    entree(menuAide, AideRegle, "&Règle du jeu");
    entree(menuAide, AideAPropos, "&A propos ...");
    QMenu *menuOptions = barre->addMenu(QStringLiteral("&Options"));
    if (OptionsChoixDos)
        entree(menuOptions, OptionsChoixDos, "&Choix dos cartes");
    entree(menuOptions, OptionsChoixCouleurTapis, "Ch&oix couleur tapis");
    for (QMenu *menu : {menuJeu, menuAide, menuOptions})
        menu->setToolTipsVisible(true);
}

void TfrmJeu::CreerBarreOutils()
{
    QToolBar *barre = addToolBar(QStringLiteral("ActionToolBar"));
    barre->setObjectName(QStringLiteral("ActionToolBar"));
    barre->setMovable(false);
    barre->setFloatable(false);
    barre->setFixedHeight(hauteurOutils);
    barre->setIconSize(QSize(16, 16));
    barre->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    StylerBarre(barre);

    auto *sansBulle = new TSansBulle(barre);
    QList<QKeySequence> lettresMenus;
    for (QAction *menu : menuBar()->actions())
        lettresMenus << QKeySequence::mnemonic(menu->text());
    auto bouton = [&](QAction *action, const char *caption) {
        if (!action)
            return;
        // The toolbar shows the icon text, which keeps its access letter.
        action->setIconText(QString::fromUtf8(caption));
        barre->addAction(action);
        auto *b = static_cast<QToolButton *>(barre->widgetForAction(action));
        if (action->property("sansBulle").toBool())
            b->installEventFilter(sansBulle);
        // A letter that the menu bar carries too is the menu bar's, as on
        // any desktop: two owners of one key would make it do nothing.
        if (lettresMenus.contains(QKeySequence::mnemonic(action->iconText())))
            b->setShortcut(QKeySequence());
    };
    bouton(JeuNouvellePartie, "&Nouvelle Partie");
    bouton(JeuChoisirReussite, "C&hoisir une réussite");
    bouton(JeuQuitter, "&Quitter");
    bouton(AideRegle, "&Règle du jeu");
    bouton(AideAPropos, "&A propos ...");
    bouton(OptionsChoixDos, "&Choix dos cartes");
    bouton(OptionsChoixCouleurTapis, "Ch&oix couleur tapis");
}

QColor TfrmJeu::CouleurTapis() const { return palette().color(QPalette::Window); }

void TfrmJeu::CreerTalon()
{
    talon = std::make_unique<TTalon>(this, Donnees().positionTalon);
    for (TCarte *carte : talon->Cartes())
        connect(carte, &TCarte::MouseDown, this, &TfrmJeu::CarteCliquee);
}

bool TfrmJeu::ClicsBloques() const { return gardes > 0 || donneEnAttente || Plateforme().FinDemandee(); }

void TfrmJeu::CarteCliquee(TCarte *carte)
{
    if (!ClicsBloques())
        CarteMouseDown(carte);
}

// ---- the window's life ----

void TfrmJeu::AfficherPourJouer()
{
    if (!dejaAffichee) {
        dejaAffichee = true;
        Centrer(this);
    }
    show();
    raise();
    activateWindow();
    // Deal once the window is on screen, from the main loop.
    QMetaObject::invokeMethod(
        this, [this] { if (isVisible()) LancerNouvellePartie(); }, Qt::QueuedConnection);
}

void TfrmJeu::LancerNouvellePartie()
{
    if (Plateforme().FinDemandee())
        return;
    AbandonnerPartie();
    if (operationsEnCours == 0) {
        donneEnAttente = false;
        NouvellePartie();
        return;
    }
    // Asked from inside a pause: dealing here would nest a whole deal in the
    // interrupted operation, and a held Ctrl+N would pile them up. The deal
    // follows when the last operation has unwound.
    donneDemandee = numeroDonne;
    donneEnAttente = true;
}

void TfrmJeu::DonnerDesQuePossible()
{
    // From the main loop, not from inside the handler that has just unwound.
    QTimer::singleShot(0, this, [this] {
        if (!donneEnAttente || operationsEnCours > 0)
            return; // dealt meanwhile, or another operation will call again
        donneEnAttente = false;
        // Not if the game was left for the chooser meanwhile, or the end asked for.
        if (numeroDonne == donneDemandee && !Plateforme().FinDemandee())
            NouvellePartie();
    });
}

void TfrmJeu::AbandonnerPartie()
{
    // Operations of the game left behind see it and stop at their next pause;
    // their guards no longer count.
    ++numeroDonne;
    gardes = 0;
}

// ---- pause, slide, win ----

void TfrmJeu::Attendre(quint32 n)
{
    TPlateforme &plateforme = Plateforme();
    const quint32 debut = plateforme.CompteurTicks();
    const quint32 duree = n * 10;
    const quint32 donne = numeroDonne;
    for (;;) {
        plateforme.TraiterEvenements();
        const quint32 ecoule = plateforme.CompteurTicks() - debut; // wraps safely
        if (ecoule >= duree || numeroDonne != donne)
            return;
        plateforme.AttendreEvenement(duree - ecoule);
    }
}

void TfrmJeu::AnimerCarte(TCarte *carte, int x, int y)
{
    const quint32 donne = numeroDonne;
    const int pasX = std::abs(x - carte->x()) / 10;
    const int pasY = std::abs(y - carte->y()) / 10;
    // An axis with a step of 0 (a move under 10 pixels) counts as arrived:
    // the final placement covers it. An axis with a step keeps stepping
    // towards its target, swinging around it, until the other axis is there.
    auto enChemin = [&] {
        return (pasX > 0 && std::abs(carte->x() - x) > pasX)
            || (pasY > 0 && std::abs(carte->y() - y) > pasY);
    };
    while (enChemin()) {
        carte->move(carte->x() + (x > carte->x() ? pasX : -pasX),
                    carte->y() + (y > carte->y() ? pasY : -pasY));
        carte->show();
        Attendre(1);
        if (numeroDonne != donne)
            return; // a new deal has taken the card back
    }
    carte->move(x, y);
    carte->show();
    Plateforme().JouerSon(QStringLiteral("CarteDistrib.wav"), TModeSon::Asynchrone);
}

void TfrmJeu::RamasserCartes()
{
    talon->Melanger(); // the shuffle keeps marks
    for (TCarte *carte : talon->Cartes())
        carte->SetSelectionnee(false);
}

bool TfrmJeu::PoserCarte(TCarte *carte, QPoint position, int place)
{
    const quint32 donne = numeroDonne;
    AnimerCarte(carte, position.x(), position.y());
    if (numeroDonne != donne)
        return false;
    carte->SetFaceVisible(true);
    carte->raise();
    carte->SetTag(place);
    carte->SetSelectionnee(false);
    return true;
}

bool TfrmJeu::DecalerPlaces(std::span<TCarte *> tapis, int place, int fin, QPoint (*position)(int))
{
    const quint32 donne = numeroDonne;
    for (int k = place; k < fin; ++k) {
        TCarte *carte = tapis[k + 1];
        tapis[k] = carte;
        carte->SetTag(k);
        const QPoint cible = position(k);
        AnimerCarte(carte, cible.x(), cible.y());
        if (numeroDonne != donne)
            return false;
    }
    return true;
}

void TfrmJeu::PartieGagnee()
{
    barreEtat->SetTexte(QString());
    Plateforme().JouerSon(QStringLiteral("Gagne.wav"), TModeSon::Asynchrone);
    if (Plateforme().QuestionOuiNon(this, QStringLiteral("Vous avez gagné ! \r\nVoulez-vous rejouer ?"),
                                    QStringLiteral("Partie terminée")))
        LancerNouvellePartie();
    else
        Plateforme().TerminerProgramme();
}

// ---- actions ----

void TfrmJeu::JeuNouvellePartieExecute() { LancerNouvellePartie(); }

void TfrmJeu::JeuQuitterExecute() { Plateforme().TerminerProgramme(); }

void TfrmJeu::AideRegleExecute()
{
    Plateforme().OuvrirAide(FichierAide, QString::fromLatin1(Donnees().sujetAide));
}

void TfrmJeu::AideAProposExecute()
{
    if (APropos && !Plateforme().FinDemandee())
        OuvrirDialogue(APropos, this);
}

void TfrmJeu::OptionsChoixDosExecute()
{
    if (!ChoixDosCartes || Plateforme().FinDemandee())
        return;
    if (const std::optional<TDosCarte> dos = ChoixDosCartes(this))
        for (TCarte *carte : talon->Cartes())
            carte->SetDosCarte(*dos);
}

void TfrmJeu::OptionsChoixCouleurTapisExecute()
{
    if (Plateforme().FinDemandee())
        return; // a modal dialog would not outlive the ending loop
    const std::optional<QColor> couleur = Plateforme().ChoisirCouleur(this, couleurDialogue);
    if (!couleur)
        return;
    couleurDialogue = *couleur;
    QPalette p = palette();
    p.setColor(QPalette::Window, *couleur);
    setPalette(p);
}

void TfrmJeu::JeuChoisirReussiteExecute()
{
    if (!isVisible())
        return; // input queued behind the way out: the chooser is shown already
    AbandonnerPartie();
    Cacher(this);
    if (ChoixReussite) {
        ChoixReussite->show();
        ChoixReussite->activateWindow();
    } else
        Plateforme().TerminerProgramme(); // no chooser: nothing left to show
}

void TfrmJeu::closeEvent(QCloseEvent *e)
{
    // The title bar's close box leaves the game for the chooser.
    JeuChoisirReussiteExecute();
    e->accept();
}

// ---- TOperation ----

TfrmJeu::TOperation::TOperation(TfrmJeu *f, TClics clics)
    : fenetre(f), donne(f->numeroDonne), bloque(clics == Bloques)
{
    ++fenetre->operationsEnCours;
    if (bloque)
        ++fenetre->gardes;
}

TfrmJeu::TOperation::~TOperation()
{
    LibererClics();
    if (--fenetre->operationsEnCours == 0 && fenetre->donneEnAttente)
        fenetre->DonnerDesQuePossible();
}

void TfrmJeu::TOperation::LibererClics()
{
    if (bloque && !Interrompue())
        --fenetre->gardes;
    bloque = false;
}
