#include "U_ChoixReussite.h"
#include "U_Apparence.h"
#include "U_Jpeg.h"
#include "U_Placement.h"
#include "Plateforme.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace {
constexpr int reussiteOuverte = 1; // the chooser opens on the first game

// The game that a key of the list moves the selection to from game `n`;
// 0 for a key the list does not take.
int ReussiteVoisine(int n, int touche)
{
    switch (touche) {
    case Qt::Key_Up: return std::max(n - 1, 1);
    case Qt::Key_Down: return std::min(n + 1, NbReussites);
    case Qt::Key_Home: return 1;
    case Qt::Key_End: return NbReussites;
    default: return 0;
    }
}

// The layout's widths were measured for another rasteriser: a text that
// comes out a few pixels wider here widens its label rather than lose letters.
void Placer(QLabel *label, int x, int y, int largeur, int hauteur)
{
    label->setGeometry(x, y, std::max(largeur, label->sizeHint().width()), hauteur);
}

// The game list. It holds the keyboard but draws no mark of it (the red
// label shows where its keys lead), so gaining the focus, as the chooser
// becomes active, repaints nothing.
class TListeReussites : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void focusInEvent(QFocusEvent *) override {}
    void focusOutEvent(QFocusEvent *) override {}
};

// The picture at one pixel a unit, or its twin drawn at two for any denser
// screen.
QImage LireApercu(const char *nom, int densite)
{
    const QString suffixe = densite > 1 ? QStringLiteral("@2x") : QString();
    QFile fichier(QStringLiteral(":/apercus/%1%2.jpg").arg(QLatin1String(nom), suffixe));
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    QImage image = DecoderJpeg(fichier.readAll());
    image.setDevicePixelRatio(densite);
    return image;
}
} // namespace

// ---- TLabelReussite ----

TLabelReussite::TLabelReussite(const QString &texte, int t, QWidget *parent) : QLabel(texte, parent), tag(t)
{
    setFont(Police(PoliceSerif, 24, true));
    setAutoFillBackground(true);
    setForegroundRole(QPalette::WindowText);
}

void TLabelReussite::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && !apresDouble && rect().contains(e->position().toPoint()))
        emit Click(this);
    apresDouble = false;
}

void TLabelReussite::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    apresDouble = true;
    emit DblClick(this);
}

// ---- TfrmChoixReussite ----

TfrmChoixReussite::TfrmChoixReussite(QWidget *parent, QImage apercuOuvert)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmChoixReussite"));
    setWindowTitle(QStringLiteral("Ludoval"));
    // A sizeable frame: the components keep their places, the white fills
    // what is added, and nothing is ever cut off.
    setMinimumSize(792, 470);
    resize(792, 470);
    setFont(Police(PoliceSans, 11));
    setAutoFillBackground(true);
    Colorer(this, QPalette::Window, Qt::white);
    SuivrePalette(this, [this] { Colorer(this, QPalette::WindowText, CouleurTexteFixe()); });

    Label1 = new QLabel(QStringLiteral("Choisissez une réussite"), this);
    Label1->setFont(Police(PoliceSerif, 21, true));
    Placer(Label1, 8, 8, 199, 24);
    lblReussiteSelectionnee = new QLabel(this);
    lblReussiteSelectionnee->setGeometry(264, 8, 207, 24);
    lblReussiteSelectionnee->setFont(Police(PoliceSerif, 21, true));
    btnRegles = new QPushButton(QStringLiteral("Règles"), this);
    btnRegles->setGeometry(616, 8, 97, 25);

    panListeReussites = new TListeReussites(this);
    panListeReussites->setGeometry(8, 48, 241, 249);
    panListeReussites->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panListeReussites->setLineWidth(1);
    panListeReussites->setAutoFillBackground(true);
    Colorer(panListeReussites, QPalette::Window, Aqua);
    // One label a game, 40 pixels apart, its game number in its Tag.
    TLabelReussite **labels[] = {&lblBlocusQuatorze, &lblCasino, &lblMelange, &lblMultiplesSept, &lblPetitsPaquets};
    for (int n = 1; n <= NbReussites; ++n) {
        const TDonneesJeu &reussite = Reussite(n);
        auto *l = new TLabelReussite(QString::fromUtf8(reussite.libelle), n, panListeReussites);
        Placer(l, 15, 40 * n - 8, reussite.largeurLibelle, 30);
        connect(l, &TLabelReussite::Click, this, &TfrmChoixReussite::lblCasinoClick);
        connect(l, &TLabelReussite::DblClick, this, &TfrmChoixReussite::lblCasinoDblClick);
        *labels[n - 1] = l;
    }

    imgReussiteSelectionnee = new QLabel(this);
    imgReussiteSelectionnee->setGeometry(272, 40, 500, 375);
    imgReussiteSelectionnee->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCommentaires = new QLabel(this);
    lblCommentaires->setGeometry(8, 304, 241, 121);
    lblCommentaires->setWordWrap(true);
    lblCommentaires->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btnOk = new QPushButton(QStringLiteral("&OK"), this);
    btnOk->setGeometry(400, 424, 97, 33);

    // Tab order: the list, OK, "Règles"; the chooser opens on the list. Enter
    // presses the button that has the focus, and OK anywhere else.
    panListeReussites->setFocusPolicy(Qt::TabFocus);
    setTabOrder(panListeReussites, btnOk);
    setTabOrder(btnOk, btnRegles);
    panListeReussites->setFocus();
    btnOk->setAutoDefault(true);
    btnRegles->setAutoDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmChoixReussite::btnOkClick);
    connect(btnRegles, &QPushButton::clicked, this, &TfrmChoixReussite::btnReglesClick);

    // FormCreate
    InitCommentaires();
    ReussiteChoisie = reussiteOuverte;
    if (!apercuOuvert.isNull())
        (apercuOuvert.devicePixelRatio() > 1 ? ApercusFins : Apercus)[reussiteOuverte] = std::move(apercuOuvert);
    AfficherReussite();
}

QImage TfrmChoixReussite::LireApercuOuvert(int densite)
{
    return LireApercu(Reussite(reussiteOuverte).apercu, densite);
}

void TfrmChoixReussite::InitCommentaires()
{
    for (int n = 1; n <= NbReussites; ++n)
        Commentaires[n] = QString::fromUtf8(Reussite(n).commentaire);
}

void TfrmChoixReussite::AfficherReussite()
{
    // Each activation shows the selection again: what is on screen already
    // is left alone.
    if (reussiteAffichee == ReussiteChoisie)
        return;
    reussiteAffichee = ReussiteChoisie;
    const auto labels = Labels();
    for (int n = 1; n <= NbReussites; ++n) {
        Colorer(labels[n], QPalette::Window, n == ReussiteChoisie ? Rouge : Aqua);
        labels[n]->setAccessibleDescription(n == ReussiteChoisie ? QStringLiteral("choisie") : QString());
    }
    // The list holds the keyboard: a screen reader says where its keys lead.
    panListeReussites->setAccessibleName(labels[ReussiteChoisie]->text());
    lblReussiteSelectionnee->setText(QString::fromUtf8(Reussite(ReussiteChoisie).titre));
    // Drawn at its own size from the top-left corner; a missing picture
    // leaves the area white.
    imgReussiteSelectionnee->setPixmap(QPixmap::fromImage(Apercu(ReussiteChoisie)));
    lblCommentaires->setText(Commentaires[ReussiteChoisie]);
}

const QImage &TfrmChoixReussite::Apercu(int n)
{
    const int densite = DensiteApercus(devicePixelRatioF());
    std::optional<QImage> &apercu = (densite > 1 ? ApercusFins : Apercus)[n];
    if (!apercu)
        apercu = LireApercu(Reussite(n).apercu, densite);
    return *apercu;
}

void TfrmChoixReussite::lblCasinoClick(TLabelReussite *label)
{
    if (!isVisible())
        return; // input that reached the chooser before it gave way to a game
    ReussiteChoisie = quint8(label->Tag());
    AfficherReussite();
}

void TfrmChoixReussite::lblCasinoDblClick(TLabelReussite *label)
{
    if (!isVisible())
        return;
    ReussiteChoisie = quint8(label->Tag());
    LancerReussite();
}

void TfrmChoixReussite::LancerReussite()
{
    // Only from the chooser on screen: input queued behind a launch must not
    // open a second game.
    TfrmJeu *jeu = Jeux[ReussiteChoisie];
    if (!jeu || !isVisible())
        return;
    Cacher(this);
    jeu->AfficherPourJouer();
}

void TfrmChoixReussite::btnReglesClick() { Plateforme().OuvrirAide(FichierAide, QString()); }

void TfrmChoixReussite::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    AfficherReussite();
}

void TfrmChoixReussite::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        AfficherReussite();
}

void TfrmChoixReussite::keyPressEvent(QKeyEvent *e)
{
    const int voisine = ReussiteVoisine(ReussiteChoisie, e->key());
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        btnOk->click();
    else if (voisine && panListeReussites->hasFocus())
        lblCasinoClick(Labels()[voisine]); // as a click on that game does
    else
        QWidget::keyPressEvent(e);
}

void TfrmChoixReussite::closeEvent(QCloseEvent *e)
{
    // The main window: closing it ends the program.
    e->accept();
    Plateforme().TerminerProgramme();
}
