// The card-back chooser: the thirteen back designs as face-down cards; the
// one clicked becomes the back of every card of the calling game window.
#pragma once

#include "U_52Cartes.h"

#include <QDialog>
#include <array>
#include <optional>

class TfrmChoixDosCartes : public QDialog {
    Q_OBJECT
public:
    explicit TfrmChoixDosCartes(QWidget *parent = nullptr);

    // One slot per back design; only the thirteen offered are ever filled,
    // and only while the chooser is on screen.
    std::array<TCarte *, 16> CartesDos{};
    TDosCarte DosChoisi = TDosCarte::Standard1;

    // Shows the chooser modally over `appelant`: the back clicked, or
    // nothing when it was closed without a click.
    std::optional<TDosCarte> Choisir(QWidget *appelant);

    void CarteClick(TCarte *carte);

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    void FormActivate();
    void FormDeactivate();
};
