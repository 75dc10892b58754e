#include "U_52Cartes.h"
#include "Plateforme.h"

#include <QImage>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr const char *nomsDos[] = {
    "STD1", "STD2", "FISHES1", "FISHES2", "BEACH", "LEAVES1", "LEAVES2", "ROBOT",
    "ROSES", "SHELL", "CASTLE", "HAND", "DOSSTANDARD", "CROIX", "ROND", "VIDEAQUA",
};
constexpr char lettresCouleur[] = {'T', 'K', 'C', 'P'};
} // namespace

QString NomBitmapDos(TDosCarte dos) { return QLatin1String(nomsDos[int(dos)]); }

QString NomBitmapFace(TCouleurCarte couleur, TValeurCarte valeur)
{
    return QLatin1Char(lettresCouleur[int(couleur)]) + QString::number(valeur);
}

// ---- TCarte ----

TCarte::TCarte(QWidget *proprietaire) : QWidget(proprietaire)
{
    resize(Largeur, Hauteur);
    // Opaque: the card covers its whole rectangle, nothing behind needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCarte::SetValeur(int v)
{
    valeur = TValeurCarte(std::clamp(v, 1, 13));
    Paint();
}

void TCarte::SetCouleur(TCouleurCarte c)
{
    couleur = c;
    Paint();
}

void TCarte::SetFaceVisible(bool f)
{
    faceVisible = f;
    Paint();
}

void TCarte::SetDosCarte(TDosCarte d)
{
    dosCarte = d;
    Paint();
}

void TCarte::SetSelectionnee(bool s)
{
    selectionnee = s;
    Paint();
}

QString TCarte::NomBitmap() const
{
    return faceVisible ? NomBitmapFace(couleur, valeur) : NomBitmapDos(dosCarte);
}

void TCarte::Paint()
{
    // Synchronous, on the window's surface; a hidden card draws nothing.
    if (Visible())
        repaint();
}

QImage ChargerBitmap(const QString &nom, qreal densite)
{
    // Any surface denser than one pixel a unit shows the finer drawing best,
    // scaled down if need be; a picture drawn only once falls back to it.
    if (densite > 1) {
        QImage fine(QStringLiteral(":/cartes/%1@2x.bmp").arg(nom));
        if (!fine.isNull()) {
            fine.setDevicePixelRatio(2);
            return fine;
        }
    }
    return QImage(QStringLiteral(":/cartes/%1.bmp").arg(nom));
}

void TCarte::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // No cache: the picture is looked up by name at every paint, in the
    // density of the surface it lands on (a high-density window, or a
    // rendering into a denser picture).
    const qreal densite = p.deviceTransform().m22();
    // As opaque 32-bit pixels the picture is copied straight onto the
    // window; drawn from its 256 colours it took a slow general path that
    // woke Qt's thread pool for every card.
    const QImage bitmap = ChargerBitmap(NomBitmap(), densite).convertToFormat(QImage::Format_RGB32);
    if (!bitmap.isNull()) {
        // At any other density (150 %, 300 %) the painter scales the picture
        // as it draws, smoothly.
        if (densite != bitmap.devicePixelRatio())
            p.setRenderHint(QPainter::SmoothPixmapTransform);
        // A selected card shows as the colour negative of its picture.
        p.setCompositionMode(selectionnee ? QPainter::RasterOp_NotSource
                                          : QPainter::CompositionMode_SourceOver);
        p.drawImage(QRectF(0, 0, Largeur, Hauteur), bitmap);
    }
    if (width() != Largeur || height() != Hauteur)
        resize(Largeur, Hauteur);
}

void TCarte::mousePressEvent(QMouseEvent *e) { emit MouseDown(this, e->button()); }

void TCarte::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Click(this);
}

// ---- TGenerateur ----

quint32 TGenerateur::Tirer(quint32 n)
{
    etat = etat * 134775813u + 1u;
    return quint32((quint64(etat) * n) >> 32);
}

// ---- TTalon ----

TTalon::TTalon(QWidget *fenetre, QPoint position) : positionTalon(position)
{
    int i = 0;
    for (int rang = 1; rang <= 13; ++rang) {
        for (int couleur = 0; couleur < 4; ++couleur) {
            auto *carte = new TCarte(fenetre);
            cartes[i++] = carte;
            carte->SetFaceVisible(false);
            carte->hide();
            carte->SetValeur(rang);
            carte->SetCouleur(TCouleurCarte(couleur));
            carte->move(positionTalon);
        }
    }
    sommet = 51;
}

TTalon::~TTalon()
{
    for (TCarte *carte : cartes)
        delete carte;
}

TGenerateur &TTalon::Generateur()
{
    static TGenerateur generateur;
    return generateur;
}

void TTalon::Melanger()
{
    TGenerateur &hasard = Generateur();
    hasard.Semer(Plateforme().CompteurHauteResolution());
    // Every card swaps with any place of the whole deck (not Fisher–Yates).
    for (int i = 0; i < 52; ++i)
        std::swap(cartes[i], cartes[hasard.Tirer(52)]);
    for (int i = 0; i < 52; ++i) {
        TCarte *carte = cartes[i];
        carte->move(positionTalon);
        carte->SetFaceVisible(false);
        carte->hide();
        carte->SetTag(i);
        carte->raise(); // in index order, so Cartes()[51] ends on top
    }
    sommet = 51;
}

bool TTalon::TirerCarte(TCarte *&carte)
{
    if (sommet < 0)
        return false;
    carte = cartes[sommet--];
    if (sommet >= 0) {
        TCarte *dessus = cartes[sommet];
        dessus->show();
        dessus->SetFaceVisible(false);
    }
    return true;
}
