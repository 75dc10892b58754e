// The game window that the five games share: its menu bar, toolbar and status
// bar, the seven actions, the table colour and card backs, the pause, the
// card slide, the win question and the window's life. A game derives from it
// and supplies its rules: CreerTalon, NouvellePartie and CarteMouseDown.
#pragma once

#include "U_52Cartes.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <functional>
#include <memory>
#include <optional>
#include <span>

class QAction;
class QDialog;

// The five games, in the order the chooser lists them.
enum class TJeu { BlocusQuatorze, Casino, Melange, MultiplesSept, PetitsPaquets };

// What differs from one game window to another; the rest is common.
struct TDonneesJeu {
    const char *caption;
    QSize client;              // the client area, menu bar to status bar
    int hauteurBarreEtat;
    int hauteurTexteEtat;      // pixel height of the status text
    QPoint positionTalon;
    bool choixDos;             // has the card-back action
    const char *bulleChoisirReussite; // nullptr: no tooltip
    const char *bulleCouleurTapis;    // nullptr: no tooltip
    const char *sujetAide;
};
const TDonneesJeu &DonneesJeu(TJeu jeu);

// The program's help file, named once at start-up.
extern QString FichierAide;

// The windows were laid out for "MS Sans Serif" and "Times New Roman". They
// are drawn in the metric twins that the package brings, asked for by their
// own names: a family that is not installed sends Qt through fontconfig's sort
// of every font before it tries a substitute, milliseconds at start-up. Where
// the twins are missing, fontconfig's aliases find the nearest font.
extern const QString PoliceSans;  // for "MS Sans Serif"
extern const QString PoliceSerif; // for "Times New Roman"
QFont Police(const QString &famille, int pixels, bool gras = false);

// The colour of a text drawn on one of the windows' fixed backgrounds (white,
// aqua, red, sky blue): the desktop's own where its palette is light. Those
// backgrounds were chosen for dark text, so under a dark theme it is the
// light palette's, black.
QColor CouleurTexteFixe(QPalette::ColorRole role = QPalette::WindowText);
// Runs `appliquer` now, and again whenever the desktop's palette changes
// while `w` lives.
void SuivrePalette(QWidget *w, std::function<void()> appliquer);

// The status bar: one text across its whole width.
class TBarreEtat : public QStatusBar {
    Q_OBJECT
public:
    TBarreEtat(int hauteur, int hauteurTexte, QWidget *parent);
    QString Texte() const { return texte->text(); }
    void SetTexte(const QString &t) { texte->setText(t); }

private:
    QLabel *texte;
};

class TfrmJeu : public QMainWindow {
    Q_OBJECT
public:
    ~TfrmJeu() override;

    TJeu Jeu() const { return jeu; }
    const TDonneesJeu &Donnees() const { return DonneesJeu(jeu); }
    TTalon *Talon() const { return talon.get(); }
    TBarreEtat *BarreEtat() const { return barreEtat; }
    QColor CouleurTapis() const;

    // Shows the window for a new game: it deals as soon as it is on screen.
    void AfficherPourJouer();
    // A new deal. The operation under way stops at its next pause; asked
    // from inside one, the deal follows as soon as it has unwound. Once the
    // program is ending, nothing.
    void LancerNouvellePartie();

    // Pause of n × 10 ms that keeps handling events; ends early when a new
    // deal overtakes the operation that paused.
    void Attendre(quint32 n);
    // Slides a card to (x, y) in about ten steps, then the deal sound.
    void AnimerCarte(TCarte *carte, int x, int y);
    // The win question: Yes deals again here, No ends the program.
    void PartieGagnee();

    // Gathers the deck into a shuffled stock with every mark cleared, so that
    // no card chosen in the game before shows an inverted back on the stock.
    void RamasserCartes();
    // A card taken from the stock slides face down to `position`, then lies
    // face up on top of the table, unmarked, with `place` in its Tag. False
    // when a new deal has overtaken the slide: the table is no longer ours.
    bool PoserCarte(TCarte *carte, QPoint position, int place);
    // Closes up a row or grid after the card at `place` has left it: the
    // cards after it, up to `fin` (the count once it has gone), move one
    // place back one after the other, each taking its new place in Tag.
    // False when a new deal has overtaken a slide.
    bool DecalerPlaces(std::span<TCarte *> tapis, int place, int fin, QPoint (*position)(int));

    // Start-up sets this while it makes the game windows: what no one sees
    // before a game is opened (bars, menus, deck) then waits for Completer().
    static bool DiffererFinitions;
    // Builds what the window put off, if anything; a window about to be
    // shown does it first.
    void Completer();
    void setVisible(bool visible) override;

    // Every deal has its number; an operation that paused checks it.
    quint32 NumeroDonne() const { return numeroDonne; }
    // Card clicks are ignored while an operation guards the table, while a
    // new deal is on its way, and once the program is ending.
    bool ClicsBloques() const;

    // The seven actions, named after their menu and command.
    QAction *JeuNouvellePartie = nullptr;
    QAction *AideRegle = nullptr;
    QAction *JeuChoisirReussite = nullptr;
    QAction *JeuQuitter = nullptr;
    QAction *AideAPropos = nullptr;
    QAction *OptionsChoixDos = nullptr; // absent where no back is ever seen
    QAction *OptionsChoixCouleurTapis = nullptr;

    // The windows that the game windows share, set by start-up.
    static QWidget *ChoixReussite;
    static QDialog *APropos;
    // Shows the card-back chooser; the back picked, or nothing.
    static std::function<std::optional<TDosCarte>(QWidget *)> ChoixDosCartes;

protected:
    explicit TfrmJeu(TJeu jeu, QWidget *parent = nullptr);

    // Each game's constructor calls this once its own members exist: the
    // bars and the deck are built now, or put off for start-up.
    void FinirConstruction();

    // ---- what each game supplies ----
    // Builds the deck and hooks the cards' clicks; games may add to it.
    virtual void CreerTalon();
    virtual void NouvellePartie() = 0;
    virtual void CarteMouseDown(TCarte *carte) = 0;

    // The handlers of the actions.
    void JeuNouvellePartieExecute();
    void JeuQuitterExecute();
    void AideRegleExecute();
    void AideAProposExecute();
    void OptionsChoixDosExecute();
    void OptionsChoixCouleurTapisExecute();
    void JeuChoisirReussiteExecute();

    void closeEvent(QCloseEvent *e) override;

    // One operation of a game (a deal, a judgement) that pauses: it may block
    // card clicks while a click could corrupt it, and it learns whether a new
    // deal has overtaken it.
    class TOperation {
    public:
        enum TClics { Bloques, Libres };
        TOperation(TfrmJeu *fenetre, TClics clics);
        ~TOperation();
        TOperation(const TOperation &) = delete;
        TOperation &operator=(const TOperation &) = delete;
        // A new deal has begun since: leave the table alone.
        bool Interrompue() const { return fenetre->numeroDonne != donne; }
        // From here on the player may choose again (the choice is empty).
        void LibererClics();

    private:
        TfrmJeu *fenetre;
        quint32 donne;
        bool bloque;
    };

private:
    void CreerActions();
    void CreerMenus();
    void CreerBarreOutils();
    void CarteCliquee(TCarte *carte);
    void AbandonnerPartie();
    void DonnerDesQuePossible();

    TJeu jeu;
    std::unique_ptr<TTalon> talon;
    TBarreEtat *barreEtat = nullptr;
    QColor couleurDialogue = Qt::black; // the colour dialog's own memory
    bool dejaAffichee = false;
    bool finitionsEnAttente = false;
    quint32 numeroDonne = 0;
    int gardes = 0;
    int operationsEnCours = 0;  // live TOperation objects, nested in pauses
    bool donneEnAttente = false;
    quint32 donneDemandee = 0;  // the deal number the waiting deal is for
};
