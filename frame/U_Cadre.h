// The game window that the five games share: its menu bar, toolbar and status
// bar, the seven actions, the table colour and card backs, the win question
// and the window's life. A game derives from it, states what is particular
// to it in a TDonneesJeu, and supplies its rules: NouvellePartie and
// CarteMouseDown. The pace of play comes from TRythme.
#pragma once

#include "U_52Cartes.h"
#include "U_Rythme.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QDialog;

// What is particular to one game, stated once in its own module: the frame
// builds the game's window from it, and the chooser the game's entry. A game
// states only what differs from the defaults.
struct TDonneesJeu {
    // The window.
    const char *caption;
    QSize client;              // the client area, menu bar to status bar
    QPoint positionTalon;
    const char *sujetAide;
    int hauteurBarreEtat = 22;
    int hauteurTexteEtat = 16; // pixel height of the status text
    bool choixDos = true;      // has the card-back action
    const char *bulleChoisirReussite = nullptr; // nullptr: no tooltip
    const char *bulleCouleurTapis = nullptr;    // nullptr: no tooltip
    // The chooser.
    const char *libelle;       // its name in the list
    const char *titre;         // above its preview
    const char *apercu;        // the preview picture's name
    const char *commentaire;   // the rule summary under the list
    int largeurLibelle = 180;
};

// The program's help file, named once at start-up.
extern QString FichierAide;

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

class TfrmJeu : public QMainWindow, public TRythme {
    Q_OBJECT
public:
    ~TfrmJeu() override;

    const TDonneesJeu &Donnees() const { return donnees; }
    TTalon *Talon() const { return talon.get(); }
    TBarreEtat *BarreEtat() const { return barreEtat; }
    QColor CouleurTapis() const;

    // Shows the window for a new game: it deals as soon as it is on screen.
    void AfficherPourJouer();
    // The win question: Yes deals again here, No ends the program.
    void PartieGagnee();

    // Gathers the deck into a shuffled stock with every mark cleared, so that
    // no card chosen in the game before shows an inverted back on the stock.
    void RamasserCartes();
    // Lays the stock's next cards at places `debut` to `fin` - 1 of `tapis`,
    // one after the other (PoserCarte); `posee` learns each place filled.
    // False when a new deal has overtaken a slide, or the stock had no card
    // for a place.
    bool PoserDuTalon(std::span<TCarte *> tapis, int debut, int fin, QPoint (*position)(int),
                      const std::function<void(int)> &posee = {});
    // Stands in a place of a game's table that holds no card yet, so that
    // no place ever holds an empty reference. It has no parent and is never
    // shown or played.
    TCarte *CarteDeReserve() { return &reserve; }

    // Start-up sets this while it makes the game windows: what no one sees
    // before a game is opened (bars, menus, deck) then waits for Completer().
    static bool DiffererFinitions;
    // Builds what the window put off, if anything; a window about to be
    // shown does it first.
    void Completer();
    void setVisible(bool visible) override;

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
    explicit TfrmJeu(const TDonneesJeu &donnees, QWidget *parent = nullptr);

    // Each game's constructor calls this once its own members exist: the
    // bars and the deck are built now, or put off for start-up.
    void FinirConstruction();

    // ---- what each game supplies, beside NouvellePartie ----
    // Builds the deck and hooks the cards' clicks; games may add to it.
    virtual void CreerTalon();
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

private:
    void CreerActions();
    void CarteCliquee(TCarte *carte);

    const TDonneesJeu &donnees;
    std::unique_ptr<TTalon> talon;
    TCarte reserve;
    TBarreEtat *barreEtat = nullptr;
    QColor couleurDialogue = Qt::black; // the colour dialog's own memory
    bool dejaAffichee = false;
    bool finitionsEnAttente = false;
};
