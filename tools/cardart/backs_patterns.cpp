// Pattern backs: woven bands, the brown ornamental standard back, cross,
// ring, and the leaves-and-acorns backs.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace cardart {

namespace {

// ---------------------------------------------------------------- weaving

struct Weave {
    QColor ground;
    std::vector<QColor> across; // horizontal bands, cycled row by row
    std::vector<QColor> down;   // vertical bands, cycled column by column
};

// One visible stretch of a band within a cell. A band on top is lit in the
// middle and shaded where it dives under its neighbour; a band underneath is
// only seen as a dark sliver either side of the crossing.
void drawBandSegment(QPainter &p, const QRectF &r, const QColor &colour, bool horizontal, bool onTop)
{
    if (!onTop) {
        p.fillRect(r, colour.darker(175));
        return;
    }
    const QPointF a = horizontal ? QPointF(r.left(), r.center().y()) : QPointF(r.center().x(), r.top());
    const QPointF b = horizontal ? QPointF(r.right(), r.center().y()) : QPointF(r.center().x(), r.bottom());
    QLinearGradient along(a, b);
    along.setColorAt(0, colour.darker(150));
    along.setColorAt(0.5, colour.lighter(118));
    along.setColorAt(1, colour.darker(150));
    p.fillRect(r, along);
    // Fine thread line down the middle gives the band some texture.
    p.setPen(QPen(colour.darker(125), 0.5));
    if (horizontal)
        p.drawLine(QPointF(r.left() + 1, r.center().y()), QPointF(r.right() - 1, r.center().y()));
    else
        p.drawLine(QPointF(r.center().x(), r.top() + 1), QPointF(r.center().x(), r.bottom() - 1));
}

void paintWeave(QPainter &p, const QRectF &area, const Weave &weave)
{
    constexpr int cell = 6, band = 4, inset = (cell - band) / 2;
    p.fillRect(area, weave.ground);
    // Centre the weave on the card so both halves match.
    const int cols = int(std::ceil(area.width() / cell)) + 2;
    const int rows = int(std::ceil(area.height() / cell)) + 2;
    const qreal x0 = std::floor(kCentreX - cols * cell / 2.0);
    const qreal y0 = std::floor(kCentreY - rows * cell / 2.0);
    p.save();
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < cols; ++i) {
            const QRectF cellRect(x0 + i * cell, y0 + j * cell, cell, cell);
            const QRectF acrossRect(cellRect.left(), cellRect.top() + inset, cell, band);
            const QRectF downRect(cellRect.left() + inset, cellRect.top(), band, cell);
            const QColor &acrossColour = weave.across[size_t(j) % weave.across.size()];
            const QColor &downColour = weave.down[size_t(i) % weave.down.size()];
            const bool acrossOnTop = (i + j) % 2 == 0;
            if (acrossOnTop) {
                drawBandSegment(p, downRect, downColour, false, false);
                drawBandSegment(p, acrossRect, acrossColour, true, true);
            } else {
                drawBandSegment(p, acrossRect, acrossColour, true, false);
                drawBandSegment(p, downRect, downColour, false, true);
            }
        }
    }
    p.restore();
}

// Solid band round the edge of a pattern back, with a fine light rule inside.
void drawBorderBand(QPainter &p, const QRectF &area, const QColor &band, const QColor &rule, qreal width)
{
    QPainterPath ring;
    ring.addRect(area);
    ring.addRect(area.adjusted(width, width, -width, -width));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawPath(ring); // odd-even fill leaves the middle open
    p.setPen(QPen(rule, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(width - 1.4, width - 1.4, 1.4 - width, 1.4 - width));
    p.restore();
}

// A plain frame line round a pattern back, inset from the white margin.
void drawInnerFrame(QPainter &p, const QRectF &area, const QColor &colour, qreal inset, qreal width = 1)
{
    p.save();
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), 1.5, 1.5);
    p.restore();
}

// ---------------------------------------------------------- leaves, acorns

// Oak leaf with rounded lobes, from its stalk at the origin along +x.
QPainterPath oakLeafPath(qreal length, qreal width)
{
    constexpr int steps = 60;
    constexpr qreal lobes = 3.5;
    QPolygonF upper, lower;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal envelope = std::sin(M_PI * std::pow(t, 0.75));
        const qreal lobe = 0.45 + 0.55 * std::abs(std::cos(M_PI * lobes * t));
        const qreal half = width / 2 * envelope * lobe;
        upper << QPointF(t * length, -half);
        lower.prepend(QPointF(t * length, half));
    }
    QPainterPath path;
    path.addPolygon(upper + lower);
    path.closeSubpath();
    return path;
}

void drawOakLeaf(QPainter &p, QPointF stalk, qreal angleDeg, qreal length, const QColor &colour)
{
    p.save();
    p.translate(stalk);
    p.rotate(angleDeg);
    const qreal stalkLength = length * 0.12;
    p.setPen(QPen(colour.darker(160), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(stalkLength, 0));
    p.translate(stalkLength, 0);
    const QPainterPath leaf = oakLeafPath(length, length * 0.55);
    QLinearGradient shade(0, -length * 0.3, 0, length * 0.3);
    shade.setColorAt(0, colour.lighter(120));
    shade.setColorAt(1, colour.darker(120));
    p.setPen(QPen(colour.darker(170), 0.5));
    p.setBrush(shade);
    p.drawPath(leaf);
    // Midrib and a few side veins.
    p.setPen(QPen(colour.darker(150), 0.6));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.9, 0));
    for (qreal t : {0.3, 0.55, 0.78}) {
        const qreal x = t * length, reach = length * 0.16 * (1.1 - t * 0.5);
        p.drawLine(QPointF(x, 0), QPointF(x + reach * 0.8, -reach));
        p.drawLine(QPointF(x, 0), QPointF(x + reach * 0.8, reach));
    }
    p.restore();
}

// Acorn `size` long, cap up, tilted by `angleDeg`.
void drawAcorn(QPainter &p, QPointF centre, qreal angleDeg, qreal size)
{
    p.save();
    p.translate(centre);
    p.rotate(angleDeg);
    // Drawn upright: cap on top, nut below.
    const qreal w = size * 0.62;
    QRectF nut(-w / 2, -size * 0.22, w, size * 0.72);
    QLinearGradient nutShade(nut.left(), 0, nut.right(), 0);
    nutShade.setColorAt(0, QColor(0xe8, 0xb0, 0x58));
    nutShade.setColorAt(0.45, QColor(0xc8, 0x84, 0x30));
    nutShade.setColorAt(1, QColor(0x7a, 0x48, 0x18));
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x0c), 0.5));
    p.setBrush(nutShade);
    QPainterPath nutPath;
    nutPath.moveTo(nut.left(), nut.top());
    nutPath.cubicTo(nut.left(), nut.bottom() - w * 0.2, -w * 0.1, nut.bottom(), 0, nut.bottom());
    nutPath.cubicTo(w * 0.1, nut.bottom(), nut.right(), nut.bottom() - w * 0.2, nut.right(), nut.top());
    nutPath.closeSubpath();
    p.drawPath(nutPath);

    // Cap: a rough dome with a little stalk, hatched for its scales.
    const qreal capW = w * 1.18, capTop = -size * 0.45, capBottom = -size * 0.12;
    QPainterPath cap;
    cap.moveTo(-capW / 2, capBottom);
    cap.cubicTo(-capW / 2, capTop, capW / 2, capTop, capW / 2, capBottom);
    cap.quadTo(0, capBottom + size * 0.06, -capW / 2, capBottom);
    p.setBrush(QColor(0x6e, 0x4a, 0x22));
    p.drawPath(cap);
    p.save();
    p.setClipPath(cap);
    p.setPen(QPen(QColor(0x9a, 0x70, 0x3a), 0.5));
    for (qreal x = -capW; x < capW; x += size * 0.16) {
        p.drawLine(QPointF(x, capBottom), QPointF(x + size * 0.3, capTop));
        p.drawLine(QPointF(x, capTop), QPointF(x + size * 0.3, capBottom));
    }
    p.restore();
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x0c), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, capTop + size * 0.06), QPointF(size * 0.08, capTop - size * 0.06));
    p.restore();
}

void paintLeaves(QPainter &p, const QRectF &area, const QColor &ground, const QColor &frame)
{
    p.fillRect(area, ground);
    drawInnerFrame(p, area, frame, 2, 0.8);
    const QColor colours[] = {QColor(0x4c, 0x9e, 0x2a), QColor(0xe0, 0x7a, 0x1c), QColor(0x9c, 0xb0, 0x2a),
                              QColor(0xb8, 0x3c, 0x18)};
    // A 3 x 4 grid of leaves laid along alternate diagonals, with an acorn
    // wherever four leaves meet.
    constexpr int cols = 3, rows = 4;
    const QRectF field = area.adjusted(3, 3, -3, -3);
    const qreal tw = field.width() / cols, th = field.height() / rows;
    const qreal diagonal = qRadiansToDegrees(std::atan2(th, tw));
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < cols; ++i) {
            const QPointF centre(field.left() + (i + 0.5) * tw, field.top() + (j + 0.5) * th);
            const bool rising = (i + j) % 2 == 0;
            const qreal angle = rising ? -diagonal : 180 + diagonal;
            const qreal length = 17;
            const qreal a = qDegreesToRadians(angle);
            const QPointF stalk = centre - QPointF(std::cos(a), std::sin(a)) * (length * 0.56);
            drawOakLeaf(p, stalk, angle, length, colours[(i + 2 * j) % 4]);
        }
    }
    for (int j = 1; j < rows; ++j)
        for (int i = 1; i < cols; ++i)
            drawAcorn(p, QPointF(field.left() + i * tw, field.top() + j * th + 1), (i + j) % 2 ? 18 : -18, 9);
}

// ------------------------------------------------------------- ornament

void drawLattice(QPainter &p, const QRectF &area, const QColor &line, const QColor &dot)
{
    constexpr qreal step = 8;
    p.save();
    p.setPen(QPen(line, 0.8));
    const qreal reach = area.width() + area.height();
    for (qreal d = -reach; d <= reach; d += step) {
        p.drawLine(QPointF(kCentreX + d - reach, kCentreY - reach), QPointF(kCentreX + d + reach, kCentreY + reach));
        p.drawLine(QPointF(kCentreX + d + reach, kCentreY - reach), QPointF(kCentreX + d - reach, kCentreY + reach));
    }
    // Lines cross on every other point of a half-step grid: gold studs there,
    // small dark seeds in the diamonds between.
    p.setPen(Qt::NoPen);
    const int reachI = int(reach / (step / 2));
    for (int j = -reachI; j <= reachI; ++j) {
        for (int i = -reachI; i <= reachI; ++i) {
            const bool crossing = (i + j) % 2 == 0;
            p.setBrush(crossing ? dot : line.darker(170));
            const qreal r = crossing ? 1.0 : 0.8;
            p.drawEllipse(QPointF(kCentreX + i * step / 2, kCentreY + j * step / 2), r, r);
        }
    }
    p.restore();
}

void drawRosette(QPainter &p, QPointF centre, qreal radius, const QColor &petal, const QColor &heart)
{
    p.save();
    p.translate(centre);
    p.setPen(QPen(petal.darker(150), 0.5));
    p.setBrush(petal);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(radius * 0.35, -radius * 0.35, radius * 0.35, -radius * 0.8, 0, -radius);
        leaf.cubicTo(-radius * 0.35, -radius * 0.8, -radius * 0.35, -radius * 0.35, 0, 0);
        p.drawPath(leaf);
        p.restore();
    }
    p.setBrush(heart);
    p.drawEllipse(QPointF(0, 0), radius * 0.28, radius * 0.28);
    p.restore();
}

// Small three-lobed ornament pointing from a corner towards the card centre.
void drawFleuron(QPainter &p, QPointF at, qreal angleDeg, const QColor &colour)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(0, -3.2), 1.6, 2.4);
    p.drawEllipse(QPointF(-2.6, -0.6), 2.0, 1.3);
    p.drawEllipse(QPointF(2.6, -0.6), 2.0, 1.3);
    p.drawEllipse(QPointF(0, 1.2), 1.0, 1.0);
    p.restore();
}

} // namespace

void paintStd1(QPainter &p, const QRectF &area)
{
    const QColor blue(0x22, 0x4a, 0xc0), red(0xd0, 0x22, 0x2a);
    paintWeave(p, area, {QColor(0x0c, 0x12, 0x30), {red}, {blue}});
    drawBorderBand(p, area, QColor(0x12, 0x26, 0x70), Qt::white, 4);
}

void paintStd2(QPainter &p, const QRectF &area)
{
    const QColor blue(0x20, 0x48, 0xb8), yellow(0xf0, 0xc8, 0x20), green(0x28, 0x98, 0x40);
    paintWeave(p, area, {QColor(0x0a, 0x18, 0x22), {yellow, green}, {blue}});
    drawBorderBand(p, area, QColor(0x10, 0x5a, 0x28), QColor(0xf0, 0xd8, 0x60), 4);
}

void paintDosStandard(QPainter &p, const QRectF &area)
{
    const QColor brown(0x6e, 0x3c, 0x1a), light(0x92, 0x58, 0x2a), gold(0xe0, 0xb0, 0x52);
    const QColor cream(0xf4, 0xe4, 0xbe);
    QRadialGradient ground(QPointF(kCentreX, kCentreY), area.height() * 0.6);
    ground.setColorAt(0, brown.lighter(112));
    ground.setColorAt(1, brown.darker(115));
    p.fillRect(area, ground);
    drawLattice(p, area, light, gold);

    // Double border: gold rule, dark band, gold rule.
    p.setPen(Qt::NoPen);
    p.setBrush(brown.darker(150));
    QPainterPath border;
    border.addRect(area.adjusted(2, 2, -2, -2));
    border.addRect(area.adjusted(5, 5, -5, -5));
    p.drawPath(border);
    drawInnerFrame(p, area, gold, 2, 0.9);
    drawInnerFrame(p, area, gold, 5, 0.9);
    // Corner fleurons pointing inwards.
    const qreal in = 9.5;
    drawFleuron(p, QPointF(area.left() + in, area.top() + in), 135, gold);
    drawFleuron(p, QPointF(area.right() - in, area.top() + in), -135, gold);
    drawFleuron(p, QPointF(area.left() + in, area.bottom() - in), 45, gold);
    drawFleuron(p, QPointF(area.right() - in, area.bottom() - in), -45, gold);

    // Central medallion with a rosette.
    const QPointF c(kCentreX, kCentreY);
    p.setPen(QPen(brown.darker(160), 2.4));
    p.setBrush(cream);
    p.drawEllipse(c, 15, 21);
    p.setPen(QPen(gold, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 15, 21);
    p.setPen(QPen(light, 0.6));
    p.drawEllipse(c, 12.5, 18.5);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        p.drawEllipse(QPointF(c.x() + 12.5 * std::sin(a), c.y() - 18.5 * std::cos(a)), 0.9, 0.9);
    }
    drawRosette(p, c, 10, brown.lighter(120), gold);
    // Small diamonds above and below the medallion.
    for (int side : {-1, 1}) {
        QPolygonF lozenge;
        const qreal y = c.y() + side * 27.5;
        lozenge << QPointF(c.x(), y - 3.5) << QPointF(c.x() + 2.5, y) << QPointF(c.x(), y + 3.5)
                << QPointF(c.x() - 2.5, y);
        p.setBrush(gold);
        p.drawPolygon(lozenge);
    }
}

void paintCroix(QPainter &p, const QRectF &area)
{
    const QColor green(0x0e, 0x3e, 0x22), red(0xc8, 0x1a, 0x22);
    p.fillRect(area, green);
    drawInnerFrame(p, area, QColor(0x5a, 0x9a, 0x6a), 2.5, 0.8);
    const QRectF r = area.adjusted(5, 5, -5, -5);
    const QLineF arms[] = {QLineF(r.topLeft(), r.bottomRight()), QLineF(r.topRight(), r.bottomLeft())};
    // Both pale edges first, then both red arms, so the crossing is clean.
    p.setPen(QPen(QColor(0xf0, 0xd8, 0xa0), 11, Qt::SolidLine, Qt::FlatCap));
    p.drawLines(arms, 2);
    p.setPen(QPen(red, 9, Qt::SolidLine, Qt::FlatCap));
    p.drawLines(arms, 2);
    // A small gold lozenge where the arms meet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xd0, 0x60));
    p.drawPolygon(QPolygonF{QPointF(kCentreX, kCentreY - 4), QPointF(kCentreX + 3, kCentreY),
                            QPointF(kCentreX, kCentreY + 4), QPointF(kCentreX - 3, kCentreY)});
}

void paintRond(QPainter &p, const QRectF &area)
{
    const QColor green(0x0e, 0x3e, 0x22), ring(0x8c, 0xe0, 0x7c);
    p.fillRect(area, green);
    drawInnerFrame(p, area, ring.darker(160), 2.5, 0.8);
    const QPointF c(kCentreX, kCentreY);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ring.darker(200), 8.5));
    p.drawEllipse(c, 21, 21);
    p.setPen(QPen(ring, 6.5));
    p.drawEllipse(c, 21, 21);
    p.setPen(QPen(ring.lighter(125), 1.0));
    p.drawEllipse(c, 21, 21);
}

void paintLeaves1(QPainter &p, const QRectF &area)
{
    paintLeaves(p, area, QColor(0x0a, 0x0a, 0x0a), QColor(0xb0, 0x80, 0x30));
}

void paintLeaves2(QPainter &p, const QRectF &area)
{
    paintLeaves(p, area, QColor(0x1a, 0x3c, 0x8c), QColor(0xd8, 0xc8, 0x80));
}

} // namespace cardart
