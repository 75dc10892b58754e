// One playing card as a windowless control, and the 52-card deck of a game
// window with its shuffle and draw.
#pragma once

#include <QAccessible>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>

using TValeurCarte = std::uint8_t; // 1 ace … 10, 11 jack, 12 queen, 13 king

enum class TCouleurCarte : std::uint8_t { Trefle, Carreau, Coeur, Pique };

enum class TDosCarte : std::uint8_t {
    Standard1, Standard2, Fishes1, Fishes2, Beach, Leaves1, Leaves2, Robot,
    Roses, Shell, Castle, Hand, DosStandard, Croix, Rond, Vide,
};

// The name of the picture of a back, and of a face.
QString NomBitmapDos(TDosCarte dos);
QString NomBitmapFace(TCouleurCarte couleur, TValeurCarte valeur);
// The picture of that name from the program's resources, drawn for a surface
// of `densite` device pixels a unit: the finer drawing on a denser surface
// (its device pixel ratio set to match), the 71 × 96 one otherwise; a null
// image when there is no picture of that name.
QImage ChargerBitmap(const QString &nom, qreal densite = 1);

class TCarte : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Valeur READ ValeurEntiere WRITE SetValeur)
    Q_PROPERTY(int Couleur READ CouleurEntiere)
    Q_PROPERTY(bool FaceVisible READ FaceVisible WRITE SetFaceVisible)
    Q_PROPERTY(int DosCarte READ DosEntier)
    Q_PROPERTY(bool Selectionnee READ Selectionnee WRITE SetSelectionnee)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    static constexpr int Largeur = 71;
    static constexpr int Hauteur = 96;

    // A card with the values of a new card; the creator gives it its parent.
    explicit TCarte(QWidget *proprietaire = nullptr);

    TValeurCarte Valeur() const { return valeur; }
    TCouleurCarte Couleur() const { return couleur; }
    bool FaceVisible() const { return faceVisible; }
    TDosCarte DosCarte() const { return dosCarte; }
    bool Selectionnee() const { return selectionnee; }

    // Each setter stores its value and repaints the card at once, even when
    // the value is the same. Ranks out of 1…13 are clamped into it.
    void SetValeur(int v);
    void SetCouleur(TCouleurCarte c);
    void SetFaceVisible(bool f);
    void SetDosCarte(TDosCarte d);
    void SetSelectionnee(bool s);

    void Retourner() { SetFaceVisible(!faceVisible); }

    int Tag() const { return tag; }
    void SetTag(int t) { tag = t; }
    int Left() const { return x(); }
    int Top() const { return y(); }
    bool Visible() const { return !isHidden(); }

    // The picture this card shows now: a face name or a back name.
    QString NomBitmap() const;
    // What a screen reader says of the card as it lies: "Dame de cœur",
    // "10 de carreau", or "Carte retournée" face down.
    QString Nom() const;

signals:
    // Any mouse button pressed anywhere on the card.
    void MouseDown(TCarte *carte, Qt::MouseButton bouton);
    // The left button pressed and released on the card.
    void Click(TCarte *carte);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void Paint();
    // Tells assistive technology that the card's name or mark has changed.
    void Annoncer(QAccessible::Event evenement);
    int ValeurEntiere() const { return valeur; }
    int CouleurEntiere() const { return int(couleur); }
    int DosEntier() const { return int(dosCarte); }

    TValeurCarte valeur = 1;
    TCouleurCarte couleur = TCouleurCarte::Coeur;
    TDosCarte dosCarte = TDosCarte::DosStandard;
    bool faceVisible = false;
    bool selectionnee = false;
    int tag = 0;
};

// The program's pseudo-random generator: 32-bit linear congruential.
class TGenerateur {
public:
    void Semer(quint32 graine) { etat = graine; }
    quint32 Graine() const { return etat; }
    // Uniform in 0 … n − 1: the upper half of the product of the new seed and n.
    quint32 Tirer(quint32 n);

private:
    quint32 etat = 0;
};

class TTalon {
public:
    // Creates the 52 cards in rank-then-suit order, hidden, at `position`,
    // owned by `fenetre`, which shows them.
    TTalon(QWidget *fenetre, QPoint position);
    ~TTalon();
    TTalon(const TTalon &) = delete;
    TTalon &operator=(const TTalon &) = delete;

    const std::array<TCarte *, 52> &Cartes() const { return cartes; }
    int Sommet() const { return sommet; }
    QPoint PositionTalon() const { return positionTalon; }

    // Reseeds from the clock, mixes, and gathers every card hidden and face
    // down at the stock point, Cartes()[51] on top.
    void Melanger();
    // Takes the top card; false, and `carte` untouched, on an empty stock.
    bool TirerCarte(TCarte *&carte);

    // The generator of this program's shuffles, shared by every deck.
    static TGenerateur &Generateur();

private:
    std::array<TCarte *, 52> cartes{};
    int sommet = 51;
    QPoint positionTalon;
};
