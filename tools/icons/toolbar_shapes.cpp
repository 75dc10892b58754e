// The shapes a toolbar image shares with its finer versions, so that the
// 16 x 16 drawing and the dense ones show the same picture.
#include "icons.h"

#include <QPainter>

#include <cmath>

namespace icons {

// A card outline through pixel centres: filled, then edged with a one-pixel
// line. At 16 x 16 both go without antialiasing, so that every pixel is either
// in or out; at twice the density the slanted edges are smoothed.
void paintCard(QPainter &p, const QPolygon &corners, const QColor &fill, const QColor &outline,
               bool smooth)
{
    QPolygonF centres;
    for (const QPoint &c : corners)
        centres << QPointF(c.x() + 0.5, c.y() + 0.5);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPolygon(centres);
    p.setPen(QPen(outline, 1.0, Qt::SolidLine, Qt::SquareCap, smooth ? Qt::RoundJoin : Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(centres);
}

// Nouvelle Partie: three cards fanned out, the right one in front showing a
// red heart, the two behind it the corner of their index. The side cards are
// slanted by shearing rather than turning, so that their tops and bottoms
// stay level and sharp at this size.
const FanCard kFan[3] = {
    {QPolygon({QPoint(0, 3), QPoint(6, 3), QPoint(9, 13), QPoint(3, 13)}), QColor(0xd8, 0xd8, 0xd8)},
    {QPolygon({QPoint(5, 0), QPoint(11, 0), QPoint(11, 12), QPoint(5, 12)}), QColor(0xec, 0xec, 0xec)},
    {QPolygon({QPoint(9, 3), QPoint(15, 3), QPoint(12, 13), QPoint(6, 13)}), QColor(0xff, 0xff, 0xff)},
};
const QColor kFanOutline(0x2c, 0x2c, 0x2c);

namespace {

// A five-pointed star centred at c, points up.
QPolygonF starPolygon(QPointF c, double outer, double inner)
{
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const double r = (k % 2 == 0) ? outer : inner;
        const double a = -M_PI / 2.0 + k * M_PI / 5.0;
        star << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return star;
}

// A propos: a blue star on a black square, each of its points split along
// its axis into a light and a darker half, as if cut from a faceted stone.
const QPointF kStarCentre(7.5, 8.4);

} // namespace

QPolygonF aboutStar() { return starPolygon(kStarCentre, 7.7, 3.5); }

// The colour of the picture at a point of its 16 x 16 square.
QColor aboutColourAt(const QPolygonF &star, QPointF at)
{
    if (!star.containsPoint(at, Qt::OddEvenFill))
        return QColor(0, 0, 0);
    // Angle from the top point, clockwise, in fifths of a turn: the nearest
    // point is its rounded value, and the side of its axis tells the facet.
    const double dx = at.x() - kStarCentre.x(), dy = at.y() - kStarCentre.y();
    double turn = std::atan2(dx, -dy) / (2.0 * M_PI) * 5.0;
    if (turn < 0)
        turn += 5.0;
    const double side = turn - std::round(turn);
    return side < 0.0 ? QColor(0x6c, 0xa0, 0xff) : QColor(0x1e, 0x52, 0xe6);
}

} // namespace icons
