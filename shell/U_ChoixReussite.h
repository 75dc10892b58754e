// The game chooser, the program's main window: the five games, the selected
// one's title, preview and summary, the rules, and the way into a game.
#pragma once

#include "U_Reussites.h"

#include <QLabel>
#include <QWidget>
#include <optional>

class QFrame;
class QPushButton;
class TfrmJeu;

// A game's name in the list: it reports clicks and double clicks.
class TLabelReussite : public QLabel {
    Q_OBJECT
public:
    TLabelReussite(const QString &texte, int tag, QWidget *parent);
    int Tag() const { return tag; }

signals:
    void Click(TLabelReussite *label);
    void DblClick(TLabelReussite *label);

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    int tag;
    bool apresDouble = false; // the release that ends a double click is no click
};

class TfrmChoixReussite : public QWidget {
    Q_OBJECT
public:
    // `apercuOuvert`: the preview the chooser opens on, if already decoded
    // (by LireApercuOuvert); otherwise the chooser decodes it.
    explicit TfrmChoixReussite(QWidget *parent = nullptr, QImage apercuOuvert = {});
    // Decodes the preview the chooser opens on, in the density given (see
    // DensiteApercus); safe on any thread, before the application exists.
    static QImage LireApercuOuvert(int densite = 1);
    // The previews exist at one pixel a unit and at two: the density that
    // suits a screen of `ratio` device pixels a unit.
    static int DensiteApercus(qreal ratio) { return ratio > 1 ? 2 : 1; }

    // The game windows by game number; set by start-up.
    TParReussite<TfrmJeu *> Jeux;

    quint8 ReussiteChoisie = 1;
    TParReussite<QString> Commentaires; // by game number
    // The preview picture of a game, decoded when first shown, in the
    // density of the chooser's screen.
    const QImage &Apercu(int n);
    TParReussite<std::optional<QImage>> Apercus; // by game number; empty until decoded
    TParReussite<std::optional<QImage>> ApercusFins; // the same at twice the density

    QLabel *Label1;
    QLabel *lblReussiteSelectionnee;
    QPushButton *btnRegles;
    QFrame *panListeReussites;
    TLabelReussite *lblBlocusQuatorze, *lblCasino, *lblMelange, *lblMultiplesSept, *lblPetitsPaquets;
    QLabel *imgReussiteSelectionnee;
    QLabel *lblCommentaires;
    QPushButton *btnOk;

    // The list's labels by game number.
    TParReussite<TLabelReussite *> Labels() const
    {
        return {{lblBlocusQuatorze, lblCasino, lblMelange, lblMultiplesSept, lblPetitsPaquets}};
    }

    void AfficherReussite();
    void LancerReussite();
    void lblCasinoClick(TLabelReussite *label);
    void lblCasinoDblClick(TLabelReussite *label);
    void btnOkClick() { LancerReussite(); }
    void btnReglesClick();

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void InitCommentaires();
    int reussiteAffichee = 0; // the game whose title, picture and summary are shown

};
