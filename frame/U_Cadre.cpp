#include "U_Cadre.h"
#include "U_Apparence.h"
#include "U_ImageBarre.h"
#include "U_Placement.h"
#include "Plateforme.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

QString FichierAide;
QWidget *TfrmJeu::ChoixReussite = nullptr;
QDialog *TfrmJeu::APropos = nullptr;
std::function<std::optional<TDosCarte>(QWidget *)> TfrmJeu::ChoixDosCartes;
bool TfrmJeu::DiffererFinitions = false;

namespace {
constexpr int hauteurMenu = 24;
constexpr int hauteurOutils = 26;

// The menus of the menu bar, left to right.
enum TMenu { MenuJeu, MenuAide, MenuOptions };
const char *const menus[] = {"&Jeu", "&Aide", "&Options"};

// One of the seven actions. A caption carries its access letter, in the menu
// and in the toolbar alike unless the toolbar has a letter of its own.
struct TDefinitionAction {
    QAction *TfrmJeu::*action;
    const char *nom;
    TMenu menu;
    const char *caption;
    const char *captionOutils; // nullptr: the caption
    const char *bulle;         // nullptr: the game's own, or none
    const char *TDonneesJeu::*bulleDuJeu;
    const char *image;
    void (TfrmJeu::*execute)();
};

// Swallows the tooltip of a toolbar button whose action has no hint: Qt
// would otherwise show the caption.
struct TSansBulle : QObject {
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *e) override { return e->type() == QEvent::ToolTip; }
};
} // namespace

// ---- TBarreEtat ----

TBarreEtat::TBarreEtat(int hauteur, int hauteurTexte, QWidget *parent)
    : QStatusBar(parent), texte(new QLabel(this))
{
    setObjectName(QStringLiteral("BarreEtat"));
    setSizeGripEnabled(false);
    setFixedHeight(hauteur);
    setAutoFillBackground(true);
    Colorer(this, QPalette::Window, BleuCiel);
    setStyleSheet(QStringLiteral("QStatusBar { background: %1; } QStatusBar::item { border: none; }")
                      .arg(BleuCiel.name()));
    texte->setFont(Police(PoliceSerif, hauteurTexte, true));
    texte->setForegroundRole(QPalette::ButtonText);
    SuivrePalette(texte, [this] { Colorer(texte, QPalette::ButtonText, CouleurTexteFixe(QPalette::ButtonText)); });
    texte->setContentsMargins(2, 0, 0, 0);
    addWidget(texte, 1);
}

// ---- the window ----

TfrmJeu::TfrmJeu(const TDonneesJeu &d, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                              | Qt::CustomizeWindowHint),
      TRythme(this), donnees(d)
{
    setWindowTitle(QString::fromUtf8(d.caption));
    setFont(Police(PoliceSans, 11));
    // A sizable border: everything keeps its place, the table colour fills
    // what is added, and the window never cuts off its table.
    setMinimumSize(d.client);
    resize(d.client);
    // No context menu anywhere: a right click is a card's, or nothing.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAutoFillBackground(true);
    Colorer(this, QPalette::Window, Aqua);
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
    CreerActions();
    barreEtat = new TBarreEtat(donnees.hauteurBarreEtat, donnees.hauteurTexteEtat, this);
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
    // The seven actions in the toolbar's order, which is also the menus' order.
    static const TDefinitionAction definitions[] = {
        {&TfrmJeu::JeuNouvellePartie, "JeuNouvellePartie", MenuJeu, "&Nouvelle Partie", nullptr,
         "Nouvelle partie", nullptr, "nouvelle", &TfrmJeu::JeuNouvellePartieExecute},
        {&TfrmJeu::JeuChoisirReussite, "JeuChoisirReussite", MenuJeu, "&Choisir une réussite",
         "C&hoisir une réussite", nullptr, &TDonneesJeu::bulleChoisirReussite, "choisir",
         &TfrmJeu::JeuChoisirReussiteExecute},
        {&TfrmJeu::JeuQuitter, "JeuQuitter", MenuJeu, "&Quitter", nullptr, "Quitter", nullptr, "quitter",
         &TfrmJeu::JeuQuitterExecute},
        {&TfrmJeu::AideRegle, "AideRegle", MenuAide, "&Règle du jeu", nullptr, "Règle du jeu", nullptr, "regle",
         &TfrmJeu::AideRegleExecute},
        {&TfrmJeu::AideAPropos, "AideAPropos", MenuAide, "&A propos ...", nullptr, "A propos ...", nullptr,
         "apropos", &TfrmJeu::AideAProposExecute},
        {&TfrmJeu::OptionsChoixDos, "OptionsChoixDos", MenuOptions, "&Choix dos cartes", nullptr,
         "Choix du dos des cartes", nullptr, "dos", &TfrmJeu::OptionsChoixDosExecute},
        {&TfrmJeu::OptionsChoixCouleurTapis, "OptionsChoixCouleurTapis", MenuOptions, "Ch&oix couleur tapis",
         nullptr, nullptr, &TDonneesJeu::bulleCouleurTapis, "couleur", &TfrmJeu::OptionsChoixCouleurTapisExecute},
    };
    QMenuBar *barreMenus = menuBar();
    barreMenus->setObjectName(QStringLiteral("ActionMainMenuBar1"));
    barreMenus->setFixedHeight(hauteurMenu);
    StylerBarre(barreMenus);
    QMenu *menu[std::size(menus)];
    QList<QKeySequence> lettresMenus;
    for (size_t m = 0; m < std::size(menus); ++m) {
        menu[m] = barreMenus->addMenu(QString::fromUtf8(menus[m]));
        menu[m]->setToolTipsVisible(true);
        lettresMenus << QKeySequence::mnemonic(menu[m]->title());
    }

    QToolBar *outils = addToolBar(QStringLiteral("ActionToolBar"));
    outils->setObjectName(QStringLiteral("ActionToolBar"));
    outils->setMovable(false);
    outils->setFloatable(false);
    outils->setFixedHeight(hauteurOutils);
    outils->setIconSize(QSize(16, 16));
    outils->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    StylerBarre(outils);
    auto *sansBulle = new TSansBulle(outils);

    for (const TDefinitionAction &def : definitions) {
        if (def.execute == &TfrmJeu::OptionsChoixDosExecute && !donnees.choixDos)
            continue;
        const char *bulle = def.bulleDuJeu ? donnees.*def.bulleDuJeu : def.bulle;
        auto *action = new QAction(ImageBarre(QLatin1String(def.image)), QString::fromUtf8(def.caption), this);
        action->setObjectName(QLatin1String(def.nom));
        action->setToolTip(bulle ? QString::fromUtf8(bulle) : QString());
        action->setStatusTip(QString()); // the status bar belongs to the game
        // The toolbar shows the icon text, which keeps its access letter.
        action->setIconText(QString::fromUtf8(def.captionOutils ? def.captionOutils : def.caption));
        connect(action, &QAction::triggered, this, def.execute);
        this->*def.action = action;
        menu[def.menu]->addAction(action);
        outils->addAction(action);
        auto *bouton = static_cast<QToolButton *>(outils->widgetForAction(action));
        if (!bulle)
            bouton->installEventFilter(sansBulle);
        // A letter that the menu bar carries too is the menu bar's, as on
        // any desktop: two owners of one key would make it do nothing.
        if (lettresMenus.contains(QKeySequence::mnemonic(action->iconText())))
            bouton->setShortcut(QKeySequence());
    }
    JeuNouvellePartie->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    JeuNouvellePartie->setShortcutContext(Qt::WindowShortcut);
}

QColor TfrmJeu::CouleurTapis() const { return palette().color(QPalette::Window); }

void TfrmJeu::CreerTalon()
{
    talon = std::make_unique<TTalon>(this, donnees.positionTalon);
    for (TCarte *carte : talon->Cartes())
        connect(carte, &TCarte::MouseDown, this, &TfrmJeu::CarteCliquee);
}

void TfrmJeu::CarteCliquee(TCarte *carte)
{
    if (!ClicsBloques())
        CarteMouseDown(carte);
}

void TfrmJeu::RamasserCartes()
{
    talon->Melanger(); // the shuffle keeps marks
    for (TCarte *carte : talon->Cartes())
        carte->SetSelectionnee(false);
}

bool TfrmJeu::PoserDuTalon(std::span<TCarte *> tapis, int debut, int fin, QPoint (*position)(int),
                           const std::function<void(int)> &posee)
{
    for (int place = debut; place < fin; ++place) {
        TCarte *carte = nullptr;
        if (!talon->TirerCarte(carte))
            return false;
        tapis[place] = carte;
        if (!PoserCarte(carte, position(place), place))
            return false;
        if (posee)
            posee(place);
    }
    return true;
}

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

void TfrmJeu::AideRegleExecute() { Plateforme().OuvrirAide(FichierAide, QString::fromLatin1(donnees.sujetAide)); }

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
    Colorer(this, QPalette::Window, *couleur);
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
