#include "U_ChoixDosCartes.h"
#include "U_Placement.h"

TfrmChoixDosCartes::TfrmChoixDosCartes(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmChoixDosCartes"));
    setWindowTitle(QStringLiteral("Choix du dos des cartes"));
    setFixedSize(417, 342);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setWindowModality(Qt::ApplicationModal);
}

std::optional<TDosCarte> TfrmChoixDosCartes::Choisir(QWidget *appelant)
{
    if (OuvrirDialogue(this, appelant) == QDialog::Accepted)
        return DosChoisi;
    return std::nullopt;
}

void TfrmChoixDosCartes::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormActivate();
}

void TfrmChoixDosCartes::hideEvent(QHideEvent *e)
{
    FormDeactivate();
    QDialog::hideEvent(e);
}

void TfrmChoixDosCartes::FormActivate()
{
    // Rows are filled up to the window's outer width. Where the window
    // system reports no frame yet, a dialog frame of 3 pixels a side is
    // assumed: either way, rows of five.
    const int largeurExterieure = std::max(frameGeometry().width(), width() + 6);
    int x = 10, y = 10;
    for (int d = 0; d <= int(TDosCarte::DosStandard); ++d) {
        auto *carte = new TCarte(this);
        CartesDos[d] = carte;
        carte->show();
        carte->SetFaceVisible(false);
        connect(carte, &TCarte::Click, this, &TfrmChoixDosCartes::CarteClick);
        carte->move(x, y);
        x += 80;
        if (x > largeurExterieure - 90) {
            x = 10;
            y += 110;
        }
        carte->SetDosCarte(TDosCarte(d));
    }
}

void TfrmChoixDosCartes::FormDeactivate()
{
    // The card clicked is still handling its click: it goes once that is over.
    for (TCarte *&carte : CartesDos) {
        if (carte) {
            carte->hide();
            carte->deleteLater();
        }
        carte = nullptr;
    }
}

void TfrmChoixDosCartes::CarteClick(TCarte *carte)
{
    DosChoisi = carte->DosCarte();
    accept();
}
