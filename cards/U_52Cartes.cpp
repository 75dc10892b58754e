#include "U_52Cartes.h"
#include "Plateforme.h"

#include <QAccessibleWidget>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {
constexpr const char *nomsDos[] = {
    "STD1", "STD2", "FISHES1", "FISHES2", "BEACH", "LEAVES1", "LEAVES2", "ROBOT",
    "ROSES", "SHELL", "CASTLE", "HAND", "DOSSTANDARD", "CROIX", "ROND", "VIDEAQUA",
};
constexpr char lettresCouleur[] = {'T', 'K', 'C', 'P'};
constexpr const char *nomsRang[] = {nullptr, "As", "2", "3", "4", "5", "6", "7", "8", "9", "10",
                                    "Valet", "Dame", "Roi"};
constexpr const char *nomsCouleur[] = {"trèfle", "carreau", "cœur", "pique"};

// A card to assistive technology: a picture named after the card, which
// says when it is chosen, both as a state and in words.
class TCarteAccessible : public QAccessibleWidget {
public:
    explicit TCarteAccessible(TCarte *carte) : QAccessibleWidget(carte, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return Carte()->Nom();
        if (t == QAccessible::Description)
            return Carte()->Selectionnee() ? QStringLiteral("choisie") : QString();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.selectable = true;
        etat.selected = Carte()->Selectionnee();
        return etat;
    }

private:
    const TCarte *Carte() const { return static_cast<const TCarte *>(object()); }
};

QAccessibleInterface *FabriqueCartes(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String(TCarte::staticMetaObject.className()))
        return new TCarteAccessible(static_cast<TCarte *>(objet));
    return nullptr;
}
} // namespace

QString NomBitmapDos(TDosCarte dos) { return QLatin1String(nomsDos[int(dos)]); }

QString NomBitmapFace(TCouleurCarte couleur, TValeurCarte valeur)
{
    return QLatin1Char(lettresCouleur[int(couleur)]) + QString::number(valeur);
}

// ---- TCarte ----

TCarte::TCarte(QWidget *proprietaire) : QWidget(proprietaire)
{
    static const bool nommees = (QAccessible::installFactory(FabriqueCartes), true);
    Q_UNUSED(nommees);
    resize(Largeur, Hauteur);
    // Opaque: the card covers its whole rectangle, nothing behind needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCarte::SetValeur(int v)
{
    valeur = TValeurCarte(std::clamp(v, 1, 13));
    Annoncer(QAccessible::NameChanged);
    Paint();
}

void TCarte::SetCouleur(TCouleurCarte c)
{
    couleur = c;
    Annoncer(QAccessible::NameChanged);
    Paint();
}

void TCarte::SetFaceVisible(bool f)
{
    faceVisible = f;
    Annoncer(QAccessible::NameChanged);
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
    Annoncer(QAccessible::DescriptionChanged);
    Paint();
}

QString TCarte::NomBitmap() const
{
    return faceVisible ? NomBitmapFace(couleur, valeur) : NomBitmapDos(dosCarte);
}

QString TCarte::Nom() const
{
    if (!faceVisible)
        return QStringLiteral("Carte retournée");
    return QStringLiteral("%1 de %2").arg(QLatin1String(nomsRang[valeur]),
                                          QString::fromUtf8(nomsCouleur[int(couleur)]));
}

void TCarte::Annoncer(QAccessible::Event evenement)
{
    if (evenement == QAccessible::DescriptionChanged) {
        QAccessible::State choix;
        choix.selected = true;
        QAccessibleStateChangeEvent etat(this, choix);
        QAccessible::updateAccessibility(&etat);
    }
    QAccessibleEvent e(this, evenement);
    QAccessible::updateAccessibility(&e);
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
