// Toolbar images at twice the density, 32 x 32, for high-density screens.
// Each is its 16 x 16 twin drawn again with four times the pixels: painted in
// the same 16 units, so the places of toolbar_16.cpp hold here too. Straight
// edges stay on whole units (whole pairs of pixels), round and slanted ones
// are antialiased, and the details that one pixel could only hint at get their
// real shape. The same drawings made at 1.5 pixels a unit give the 24 x 24
// images, drawn at their size rather than shrunk from 32.
#include "icons.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace icons {

namespace {

QImage denseImage(qreal density)
{
    const int size = qRound(kTool * density);
    QImage img = blankImage(size, size);
    img.setDevicePixelRatio(density);
    return img;
}

} // namespace

QImage drawNewGame2x(qreal density)
{
    QImage img = denseImage(density);
    QPainter p(&img);
    for (const FanCard &card : kFan)
        paintCard(p, card.corners, card.fill, kFanOutline, true);
    // A heart on the front card, a club index on the middle one, a red index
    // on the back one.
    using cardart::Suit;
    cardart::drawSuit(p, Suit::Hearts, QPointF(11.5, 8.1), 4.4);
    cardart::drawSuit(p, Suit::Clubs, QPointF(8.0, 2.7), 3.0, false, kCardBlack);
    cardart::drawSuit(p, Suit::Diamonds, QPointF(3.6, 6.0), 2.4, false, kCardRed);
    return img;
}

QImage drawQuit2x(qreal density)
{
    QImage img = denseImage(density);
    QPainter p(&img);
    const QColor frame(0x3b, 0x24, 0x12), wood(0xb0, 0x6c, 0x32), panel(0x86, 0x4e, 0x22);
    p.fillRect(QRectF(1, 1, 9, 14), frame);
    p.fillRect(QRectF(0, 15, 11, 1), frame);
    p.fillRect(QRectF(2, 2, 7, 13), wood);
    // Four sunken panels, lit from the top left: a dark rim above and left,
    // a light one below and right.
    for (const QRectF &r : {QRectF(3, 3, 2, 4), QRectF(6, 3, 2, 4), QRectF(3, 10, 2, 3),
                            QRectF(6, 10, 2, 3)}) {
        p.fillRect(r, panel);
        p.fillRect(QRectF(r.left(), r.top(), r.width(), 0.5), panel.darker(130));
        p.fillRect(QRectF(r.left(), r.bottom() - 0.5, r.width(), 0.5), wood.lighter(115));
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x00), 0.4));
    p.setBrush(QColor(0xff, 0xd8, 0x20));
    p.drawEllipse(QPointF(3.5, 8.5), 0.75, 0.75);
    // The arrow leaving through the door's edge.
    const QPolygonF arrow({QPointF(6.5, 7), QPointF(11, 7), QPointF(11, 4), QPointF(15.2, 8),
                           QPointF(11, 12), QPointF(11, 9), QPointF(6.5, 9)});
    p.setPen(QPen(QColor(0x90, 0x08, 0x08), 0.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(0xe8, 0x14, 0x14));
    p.drawPolygon(arrow);
    return img;
}

QImage drawRules2x(qreal density)
{
    QImage img = denseImage(density);
    QPainter p(&img);
    const QColor edge(0x2c, 0x10, 0x44), spine(0x55, 0x1f, 0x86), cover(0x84, 0x3c, 0xc8);
    const QColor light(0xa4, 0x68, 0xdc), paper(0xfa, 0xf6, 0xe8), paperShade(0xcf, 0xc8, 0xb4);
    p.fillRect(QRectF(2, 1, 12, 14), edge);
    p.fillRect(QRectF(3, 2, 10, 12), cover);
    p.fillRect(QRectF(3, 2, 1, 12), spine);
    p.fillRect(QRectF(4, 2, 9, 0.5), light);
    p.fillRect(QRectF(4, 2.5, 9, 0.5), light.darker(108));
    // The edges of the leaves at the bottom.
    p.fillRect(QRectF(4, 12, 9, 2), paper);
    p.fillRect(QRectF(4, 12.5, 9, 0.5), paperShade);
    p.fillRect(QRectF(4, 13.5, 9, 0.5), paperShade);
    // The question mark, a round stroke and its dot.
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath mark;
    mark.moveTo(6.0, 4.7);
    mark.cubicTo(6.0, 3.0, 10.0, 3.0, 10.0, 4.9);
    mark.cubicTo(10.0, 6.0, 8.0, 6.3, 8.0, 7.6);
    mark.lineTo(8.0, 8.6);
    const QColor yellow(0xff, 0xe0, 0x1c);
    p.strokePath(mark, QPen(yellow, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(Qt::NoPen);
    p.setBrush(yellow);
    p.drawEllipse(QPointF(8.0, 10.5), 0.95, 0.85);
    return img;
}

// Each pixel takes the mean colour of 4 x 4 points spread over it: smooth
// edges, and the facets still meet along straight lines.
QImage drawAbout2x(qreal density)
{
    const int size = qRound(kTool * density);
    constexpr int samples = 4;
    QImage img = blankImage(size, size);
    const QPolygonF star = aboutStar();
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i) {
                    const QPointF at((x + (i + 0.5) / samples) / density,
                                     (y + (j + 0.5) / samples) / density);
                    const QColor c = aboutColourAt(star, at);
                    r += c.red();
                    g += c.green();
                    b += c.blue();
                }
            constexpr int n = samples * samples;
            img.setPixelColor(x, y, QColor((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    return img;
}

// The same weave at a higher density, each pixel taking the colour at its
// centre, so that every edge stays hard: in the 16 units of the small image,
// the card from 1 to 15 across, its border one unit wide, strands two units
// wide and gaps of one from unit 1. At 32 x 32 strands are four pixels wide
// and gaps two; at 24 x 24 three, and gaps of two and one in turn. Each
// strand shows its lower or right edge a shade darker where it passes over.
QImage drawBack2x(qreal density)
{
    const int size = qRound(kTool * density);
    QImage img = blankImage(size, size);
    const QColor ground(0x10, 0x1e, 0x50);
    const QColor blue(0x2a, 0x5c, 0xe0), white(0xff, 0xff, 0xff);
    const QColor blueShade(0x1a, 0x3c, 0x9c), whiteShade(0xb8, 0xc8, 0xe8);
    const QColor blueEdge(0x22, 0x4c, 0xbc), whiteEdge(0xdc, 0xe4, 0xf4);
    auto unit = [density](int pixel) { return (pixel + 0.5) / density; };
    // Where a pixel lies across the strands: the number of its period, whether
    // it is on the strand, and whether it is the strand's last pixel.
    struct Place {
        int period;
        bool on, last;
    };
    auto place = [&](int pixel) {
        auto at = [&](int p) {
            const double t = unit(p) - 1.0;
            const int period = int(std::floor(t / 3.0));
            return std::pair{period, t - 3.0 * period < 2.0};
        };
        const auto [period, on] = at(pixel);
        return Place{period, on, on && !at(pixel + 1).second};
    };
    const int left = int(std::floor(density)), right = size - 1 - left;
    for (int y = 0; y < size; ++y)
        for (int x = left; x <= right; ++x) {
            // Corners rounded by a pixel: the outermost three of each are cut.
            const int cx = std::min(x - left, right - x), cy = std::min(y, size - 1 - y);
            if (cx + cy < 1 || (cx == 0 && cy == 1) || (cx == 1 && cy == 0))
                continue;
            const bool border = unit(x) < 2 || unit(x) > 14 || unit(y) < 1 || unit(y) > 15;
            QColor c = ground;
            if (!border) {
                const Place across = place(x), down = place(y);
                const bool blueOver = (across.period + down.period) % 2 == 0;
                if (down.on && across.on)
                    c = blueOver ? (down.last ? blueEdge : blue) : (across.last ? whiteEdge : white);
                else if (down.on)
                    c = blueOver ? blue : blueShade;
                else if (across.on)
                    c = blueOver ? whiteShade : white;
            }
            img.setPixelColor(x, y, c);
        }
    return img;
}

QImage drawColour2x(qreal density)
{
    QImage img = denseImage(density);
    QPainter p(&img);
    p.fillRect(QRectF(1, 1, 14, 14), QColor(0x30, 0x30, 0x30));
    p.fillRect(QRectF(2, 2, 12, 12), QColor(0, 255, 255));
    return img;
}

QImage drawChoose2x(qreal density)
{
    const int size = qRound(kTool * density);
    QImage img = blankImage(size, size);
    // The cloth and its faint diagonal grain, pixel by pixel.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            img.setPixelColor(x, y, (x + 2 * y) % 7 == 0 ? QColor(0x1a, 0x72, 0x2f)
                                                         : QColor(0x1e, 0x7e, 0x34));
    img.setDevicePixelRatio(density);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x5a, 0x24));
    p.drawRoundedRect(QRectF(4, 3, 10, 13), 1.5, 1.5);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.0));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRoundedRect(QRectF(3.5, 2.5, 9, 12), 1.2, 1.2);
    using cardart::Suit;
    cardart::drawSuit(p, Suit::Hearts, QPointF(7.5, 8.5), 5.0, false, kCardRed);
    cardart::drawSuit(p, Suit::Hearts, QPointF(5.4, 4.6), 1.7, false, kCardRed);
    cardart::drawSuit(p, Suit::Hearts, QPointF(10.6, 12.4), 1.7, true, kCardRed);
    return img;
}

} // namespace icons
