#include "U_ChoixReussite.h"
#include "U_Cadre.h"
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
const QColor aqua(0, 255, 255);
const QColor rouge(255, 0, 0);

// By game number: the title shown above the preview, and its preview picture.
const char *const titres[] = {nullptr, "Blocus des quatorze", "Casino", "Mélange", "Multiples de sept",
                              "Les petits paquets"};
const char *const apercus[] = {nullptr, "apercu-blocus", "apercu-casino", "apercu-melange",
                               "apercu-multiples", "apercu-paquets"};
constexpr int reussiteOuverte = 1; // the chooser opens on Blocus

// The game that a key of the list moves the selection to from game `n`;
// 0 for a key the list does not take.
int ReussiteVoisine(int n, int touche)
{
    switch (touche) {
    case Qt::Key_Up: return std::max(n - 1, 1);
    case Qt::Key_Down: return std::min(n + 1, 5);
    case Qt::Key_Home: return 1;
    case Qt::Key_End: return 5;
    default: return 0;
    }
}

// The layout's widths were measured for another rasteriser: a text that
// comes out a few pixels wider here widens its label rather than lose letters.
void Placer(QLabel *label, int x, int y, int largeur, int hauteur)
{
    label->setGeometry(x, y, std::max(largeur, label->sizeHint().width()), hauteur);
}

void Colorer(QWidget *w, QPalette::ColorRole role, const QColor &couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
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
    Colorer(panListeReussites, QPalette::Window, aqua);
    auto label = [this](const char *texte, int tag, int top, int largeur) {
        auto *l = new TLabelReussite(QString::fromUtf8(texte), tag, panListeReussites);
        Placer(l, 15, top, largeur, 30);
        connect(l, &TLabelReussite::Click, this, &TfrmChoixReussite::lblCasinoClick);
        connect(l, &TLabelReussite::DblClick, this, &TfrmChoixReussite::lblCasinoDblClick);
        return l;
    };
    lblBlocusQuatorze = label("Blocus des quatorze", 1, 32, 202);
    lblCasino = label("Casino", 2, 72, 180);
    lblMelange = label("Mélange", 3, 112, 180);
    lblMultiplesSept = label("Multiples de sept", 4, 152, 180);
    lblPetitsPaquets = label("Petits paquets", 5, 192, 180);

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

QImage TfrmChoixReussite::LireApercuOuvert(int densite) { return LireApercu(apercus[reussiteOuverte], densite); }

void TfrmChoixReussite::InitCommentaires()
{
    Commentaires[1] = QStringLiteral("Il faut éliminer les cartes des bas de colonne, deux par deux, lorsqu'elles "
                                     "totalisent quatorze.");
    Commentaires[2] = QStringLiteral("Le but est de se débarrasser des cartes en constituant des paires de même "
                                     "hauteur, si ses deux cartes se touchent, horizontalement, verticalement ou en "
                                     "diagonale.");
    Commentaires[3] = QStringLiteral("Sur les 8 cartes du tableau, chaque couple de cartes dont les rangs se "
                                     "suivent, quelles que soient leurs couleurs et leurs places sur le tableau, est "
                                     "recouvert sans tarder de 2 cartes provenant du talon.");
    Commentaires[4] = QStringLiteral("Le but est d'éliminer les cartes dont la somme des valeurs est un multiple "
                                     "de sept.");
    Commentaires[5] = QStringLiteral("Les 52 cartes sont distribuées en paquets de 4.Vous devez sortir les cartes "
                                     "du tableau par couples de même valeur.");
}

void TfrmChoixReussite::AfficherReussite()
{
    // Each activation shows the selection again: what is on screen already
    // is left alone.
    if (reussiteAffichee == ReussiteChoisie)
        return;
    reussiteAffichee = ReussiteChoisie;
    const auto labels = Labels();
    for (int n = 1; n <= 5; ++n) {
        Colorer(labels[n], QPalette::Window, n == ReussiteChoisie ? rouge : aqua);
        labels[n]->setAccessibleDescription(n == ReussiteChoisie ? QStringLiteral("choisie") : QString());
    }
    // The list holds the keyboard: a screen reader says where its keys lead.
    panListeReussites->setAccessibleName(labels[ReussiteChoisie]->text());
    lblReussiteSelectionnee->setText(QString::fromUtf8(titres[ReussiteChoisie]));
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
        apercu = LireApercu(apercus[n], densite);
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
