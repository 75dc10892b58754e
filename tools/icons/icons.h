// Shared pieces of the icons tool: the image size, colours and pixel-row
// painting the drawings have in common, the suit signs, and the entry points
// of the toolbar images, the program icon and the about-box picture.
#pragma once

#include "art.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QPolygon>
#include <QPolygonF>
#include <QTransform>

#include <map>
#include <vector>

class QPainter;

namespace icons {

// Side of a toolbar image, and of the smallest program icon, in pixels.
constexpr int kTool = 16;

inline const QColor kCardRed(0xd0, 0x1c, 0x1c);
inline const QColor kCardBlack(0x1a, 0x1a, 0x1a);

inline QImage blankImage(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// ---- pixel_rows.cpp: hard-pixel drawing, for the 16 x 16 images ----
using Palette = std::map<char, QColor>;
bool paintRows(QPainter &p, const std::vector<const char *> &rows, const Palette &palette,
               int x0 = 0, int y0 = 0);
// A 16 x 16 image of the given rows; null if they are not 16 by 16 or a
// character has no colour.
QImage rowsImage(const std::vector<const char *> &rows, const Palette &palette);

// ---- suit shapes, for the program icon and the about-box picture ----
// The same signs as on the cards, one unit high and centred on the origin.
inline QPainterPath heartPath() { return cardart::suitPath(cardart::Suit::Hearts); }
inline QPainterPath spadePath() { return cardart::suitPath(cardart::Suit::Spades); }
inline QPainterPath diamondPath() { return cardart::suitPath(cardart::Suit::Diamonds); }
inline QPainterPath clubPath() { return cardart::suitPath(cardart::Suit::Clubs); }

// A shape scaled to the given height and moved to the given centre.
inline QPainterPath placed(const QPainterPath &unit, QPointF centre, double height)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, height);
    return t.map(unit);
}

// ---- toolbar_shapes.cpp: what a toolbar image shares with its finer versions ----
// Nouvelle Partie's fan of cards.
struct FanCard {
    QPolygon corners;
    QColor fill;
};
extern const FanCard kFan[3];
extern const QColor kFanOutline;
void paintCard(QPainter &p, const QPolygon &corners, const QColor &fill, const QColor &outline,
               bool smooth = false);
// A propos's faceted star, in the 16 units of the small image.
QPolygonF aboutStar();
QColor aboutColourAt(const QPolygonF &star, QPointF at);

// ---- toolbar_16.cpp: the toolbar images at 16 x 16 ----
QImage drawNewGame();
QImage drawQuit();
QImage drawRules();
QImage drawAbout();
QImage drawBack();
QImage drawColour();
QImage drawChoose();

// ---- toolbar_dense.cpp: the same images for high-density screens ----
// Pixels a unit of the 16 x 16 drawing: 32 x 32 images for screens at 200 %,
// 24 x 24 for screens at 150 %.
constexpr qreal kDensity = 2;
constexpr qreal kDensity150 = 1.5;
QImage drawNewGame2x(qreal density);
QImage drawQuit2x(qreal density);
QImage drawRules2x(qreal density);
QImage drawAbout2x(qreal density);
QImage drawBack2x(qreal density);
QImage drawColour2x(qreal density);
QImage drawChoose2x(qreal density);

// ---- program_icon.cpp ----
QImage drawProgramIcon(int size);
bool saveProgramIconSvg(const QDir &dir, const char *name);

// ---- about_card.cpp ----
QImage drawAboutCard(int size);

} // namespace icons
