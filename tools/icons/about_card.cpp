// About-box picture: the top-left corner of a three of diamonds, as if the
// card lay under a magnifying glass cut square.
#include "icons.h"

#include <QPainter>

namespace icons {

namespace {

// The figure 3 as a stroke, in a box of 1 wide and 1.6 high from the origin.
QPainterPath threePath()
{
    QPainterPath t;
    t.moveTo(0.08, 0.30);
    t.cubicTo(0.14, 0.08, 0.34, 0.0, 0.50, 0.0);
    t.cubicTo(0.74, 0.0, 0.90, 0.16, 0.90, 0.38);
    t.cubicTo(0.90, 0.60, 0.70, 0.74, 0.42, 0.74);
    t.moveTo(0.42, 0.74);
    t.cubicTo(0.76, 0.74, 0.96, 0.92, 0.96, 1.16);
    t.cubicTo(0.96, 1.42, 0.74, 1.60, 0.48, 1.60);
    t.cubicTo(0.28, 1.60, 0.10, 1.50, 0.02, 1.30);
    return t;
}

} // namespace

// Drawn in a square of 64 units, brought to `size` pixels by the painter.
QImage drawAboutCard(int size)
{
    QImage img = blankImage(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 64.0, size / 64.0);
    // The card reaches beyond the right and bottom edges; only its rounded
    // top-left corner shows.
    const QRectF card(2.5, 2.5, 160.0, 220.0);
    QPainterPath body;
    body.addRoundedRect(card, 11.0, 11.0);
    p.fillPath(body, QColor(0xff, 0xff, 0xff));
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.6));
    p.drawPath(body);

    // Index: the 3, and a small diamond under it.
    QTransform t;
    t.translate(8.0, 8.5);
    t.scale(12.0, 12.0);
    QPen figure(kCardRed, 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(figure);
    p.setBrush(Qt::NoBrush);
    p.drawPath(t.map(threePath()));
    p.setPen(Qt::NoPen);
    p.fillPath(placed(diamondPath(), QPointF(14.0, 40.5), 15.0), kCardRed);

    // The upper pip of the three, large, cut by the picture's edges.
    p.setClipPath(body);
    p.fillPath(placed(diamondPath(), QPointF(56.0, 54.0), 50.0), kCardRed);
    return img;
}

} // namespace icons
