// Suit signs and the blank card every picture is painted on.
#include "art.h"

#include <QPainter>
#include <QTransform>

namespace cardart {

namespace {

// Heart one unit wide and tall, point at the bottom.
QPainterPath heartShape()
{
    QPainterPath path;
    path.moveTo(0, 0.5);
    path.cubicTo(-0.16, 0.30, -0.5, 0.10, -0.5, -0.20);
    path.cubicTo(-0.5, -0.40, -0.37, -0.5, -0.25, -0.5);
    path.cubicTo(-0.11, -0.5, -0.03, -0.41, 0, -0.30);
    path.cubicTo(0.03, -0.41, 0.11, -0.5, 0.25, -0.5);
    path.cubicTo(0.37, -0.5, 0.5, -0.40, 0.5, -0.20);
    path.cubicTo(0.5, 0.10, 0.16, 0.30, 0, 0.5);
    path.closeSubpath();
    return path;
}

QPainterPath diamondShape()
{
    // Sides bow in a little, as on printed cards.
    const qreal w = 0.41;
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.quadTo(0.18, -0.23, w, 0);
    path.quadTo(0.18, 0.23, 0, 0.5);
    path.quadTo(-0.18, 0.23, -w, 0);
    path.quadTo(-0.18, -0.23, 0, -0.5);
    path.closeSubpath();
    return path;
}

// Flared foot of the club: from a narrow neck at `topY`
// down to a wide base on the bottom edge of the unit box.
void addStem(QPainterPath &path, qreal topY, qreal neck, qreal base)
{
    QPainterPath stem;
    stem.moveTo(-neck, topY);
    stem.lineTo(neck, topY);
    stem.cubicTo(neck, 0.30, base * 0.45, 0.46, base, 0.5);
    stem.lineTo(-base, 0.5);
    stem.cubicTo(-base * 0.45, 0.46, -neck, 0.30, -neck, topY);
    stem.closeSubpath();
    path.addPath(stem);
}

QPainterPath clubShape()
{
    const qreal r = 0.215;
    QPainterPath path;
    path.addEllipse(QPointF(0, -0.5 + r), r, r);
    path.addEllipse(QPointF(-0.265, 0.06), r, r);
    path.addEllipse(QPointF(0.265, 0.06), r, r);
    // Fill the small hole between the three leaves.
    path.addEllipse(QPointF(0, -0.02), 0.14, 0.14);
    addStem(path, -0.02, 0.055, 0.2);
    return path;
}

QPainterPath spadeShape()
{
    // Drawn as one outline so the stem flows out of the lobes without the
    // white notches a heart-plus-stem would leave at this size.
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.cubicTo(0.14, -0.30, 0.5, -0.14, 0.5, 0.08);
    path.cubicTo(0.5, 0.24, 0.39, 0.31, 0.27, 0.31);
    path.cubicTo(0.16, 0.31, 0.08, 0.25, 0.05, 0.19);
    path.cubicTo(0.06, 0.34, 0.12, 0.46, 0.21, 0.5);
    path.lineTo(-0.21, 0.5);
    path.cubicTo(-0.12, 0.46, -0.06, 0.34, -0.05, 0.19);
    path.cubicTo(-0.08, 0.25, -0.16, 0.31, -0.27, 0.31);
    path.cubicTo(-0.39, 0.31, -0.5, 0.24, -0.5, 0.08);
    path.cubicTo(-0.5, -0.14, -0.14, -0.30, 0, -0.5);
    path.closeSubpath();
    return path;
}

} // namespace

bool isRed(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

QColor suitColour(Suit suit)
{
    return isRed(suit) ? kInkRed : kInkBlack;
}

QPainterPath suitPath(Suit suit)
{
    QPainterPath path;
    switch (suit) {
    case Suit::Clubs: path = clubShape(); break;
    case Suit::Diamonds: path = diamondShape(); break;
    case Suit::Hearts: path = heartShape(); break;
    case Suit::Spades: path = spadeShape(); break;
    }
    // Winding fill lets the overlapping circles and stem fill as one shape,
    // with no antialiased seams where they meet.
    path.setFillRule(Qt::WindingFill);
    return path;
}

void drawSuit(QPainter &p, Suit suit, QPointF centre, qreal height, bool upsideDown,
              const QColor &colour)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, upsideDown ? -height : height);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour.isValid() ? colour : suitColour(suit));
    p.drawPath(t.map(suitPath(suit)));
    p.restore();
}

void paintCardBody(QPainter &p)
{
    p.save();
    p.fillRect(QRect(0, 0, kCardWidth, kCardHeight), kCardEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(kCardWhite);
    p.drawRoundedRect(QRectF(1, 1, kCardWidth - 2, kCardHeight - 2), 3.5, 3.5);
    p.restore();
}

QImage newCardImage(int scale)
{
    QImage image(kCardWidth * scale, kCardHeight * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(kCardEdge);
    return image;
}

} // namespace cardart
