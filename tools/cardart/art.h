// Shared pieces of the card-art generator: card geometry, suit shapes and the
// entry points of the face, court and back painters.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace cardart {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
// Centre of the card: the point every double-ended drawing turns around.
constexpr qreal kCentreX = kCardWidth / 2.0;
constexpr qreal kCentreY = kCardHeight / 2.0;
// Every picture is drawn in the card's own 71 x 96 units; `scale` device
// pixels make one unit (1 for the ordinary set, 2 for high-density screens).

enum class Suit { Clubs, Diamonds, Hearts, Spades };

// Suit letters used in the file names, in the order the deck is written.
struct SuitInfo {
    Suit suit;
    char letter;
};
inline constexpr SuitInfo kSuits[] = {
    {Suit::Clubs, 'T'}, {Suit::Diamonds, 'K'}, {Suit::Hearts, 'C'}, {Suit::Spades, 'P'}};

// ---- palette shared by faces and backs ----
inline const QColor kCardEdge(0x2b, 0x2b, 0x2b);
inline const QColor kCardWhite(0xff, 0xff, 0xff);
inline const QColor kInkBlack(0x14, 0x14, 0x14);
inline const QColor kInkRed(0xd0, 0x12, 0x1c);

// ---- shapes.cpp ----
bool isRed(Suit suit);
QColor suitColour(Suit suit);
// Outline of a suit sign one unit tall, centred on the origin, point/stem down.
QPainterPath suitPath(Suit suit);
// Fills a suit sign of the given height centred on `centre`; upside-down signs
// are the ones on the lower half of a card.
void drawSuit(QPainter &p, Suit suit, QPointF centre, qreal height, bool upsideDown = false,
              const QColor &colour = QColor());
// Dark corners, thin dark edge and the white rounded face every card starts from.
void paintCardBody(QPainter &p);
// A fresh card-sized RGB image of `scale` pixels a unit, painted in units.
QImage newCardImage(int scale);

// ---- faces.cpp / courts.cpp ----
QImage drawFace(Suit suit, int rank, int scale = 1);
QImage cornerIndex(Suit suit, int rank, int scale = 1);
void drawCourtPicture(QPainter &p, Suit suit, int rank);

// ---- backs ----
struct BackDesign {
    const char *name;
    void (*paint)(QPainter &p, const QRectF &area);
};
const std::vector<BackDesign> &backDesigns();
QImage drawBack(const BackDesign &design, int scale = 1);

// Pattern backs (backs_patterns.cpp).
void paintStd1(QPainter &p, const QRectF &area);
void paintStd2(QPainter &p, const QRectF &area);
void paintDosStandard(QPainter &p, const QRectF &area);
void paintCroix(QPainter &p, const QRectF &area);
void paintRond(QPainter &p, const QRectF &area);
void paintLeaves1(QPainter &p, const QRectF &area);
void paintLeaves2(QPainter &p, const QRectF &area);
// Picture backs (backs_scenes.cpp).
void paintFishes1(QPainter &p, const QRectF &area);
void paintFishes2(QPainter &p, const QRectF &area);
void paintBeach(QPainter &p, const QRectF &area);
void paintRobot(QPainter &p, const QRectF &area);
void paintRoses(QPainter &p, const QRectF &area);
void paintShell(QPainter &p, const QRectF &area);
void paintCastle(QPainter &p, const QRectF &area);
void paintHand(QPainter &p, const QRectF &area);

// ---- quantize.cpp ----
// Converts a picture to 8-bit indexed colour with at most `maxColours` entries.
QImage toIndexed8(const QImage &picture, int maxColours = 256);

} // namespace cardart
