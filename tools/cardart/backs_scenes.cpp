// Picture backs: fish, beach, robot, roses, shell, castle and the hand of aces.
#include "art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace cardart {

namespace {

QPen thinPen(const QColor &colour, qreal width = 0.6)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillVertical(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

// ------------------------------------------------------------------ fish

// A clown fish `length` long centred on `centre`, facing right unless
// `facingLeft`, tilted by `tiltDeg`.
void drawClownFish(QPainter &p, QPointF centre, qreal length, bool facingLeft, qreal tiltDeg = 0)
{
    const QColor orange(0xff, 0x78, 0x10), edge(0x18, 0x10, 0x10);
    const qreal L = length;
    p.save();
    p.translate(centre);
    p.rotate(tiltDeg);
    if (facingLeft)
        p.scale(-1, 1);

    QPainterPath tail;
    tail.moveTo(-0.28 * L, -0.07 * L);
    tail.lineTo(-0.5 * L, -0.22 * L);
    tail.quadTo(-0.43 * L, 0, -0.5 * L, 0.22 * L);
    tail.lineTo(-0.28 * L, 0.07 * L);
    tail.closeSubpath();
    QPainterPath dorsal;
    dorsal.moveTo(0.16 * L, -0.2 * L);
    dorsal.cubicTo(0.08 * L, -0.38 * L, -0.12 * L, -0.36 * L, -0.27 * L, -0.1 * L);
    dorsal.closeSubpath();
    QPainterPath belly;
    belly.moveTo(0.05 * L, 0.2 * L);
    belly.quadTo(-0.12 * L, 0.36 * L, -0.22 * L, 0.12 * L);
    belly.closeSubpath();
    p.setPen(thinPen(edge, 0.5));
    p.setBrush(orange.darker(108));
    p.drawPath(tail);
    p.drawPath(dorsal);
    p.drawPath(belly);

    QPainterPath body;
    body.moveTo(0.5 * L, 0.02 * L);
    body.cubicTo(0.46 * L, -0.26 * L, 0.0, -0.3 * L, -0.32 * L, -0.08 * L);
    body.lineTo(-0.32 * L, 0.08 * L);
    body.cubicTo(0.0, 0.3 * L, 0.46 * L, 0.26 * L, 0.5 * L, 0.02 * L);
    body.closeSubpath();
    QLinearGradient shade(0, -0.3 * L, 0, 0.3 * L);
    shade.setColorAt(0, orange.lighter(112));
    shade.setColorAt(1, orange.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(body);

    // Three white bands edged in black, curving like the fish's body.
    p.save();
    p.setClipPath(body);
    p.setPen(thinPen(edge, 0.6));
    p.setBrush(Qt::white);
    const qreal bands[][2] = {{0.27, 0.075}, {0.0, 0.1}, {-0.27, 0.05}};
    for (const auto &band : bands) {
        const qreal x = band[0] * L, w = band[1] * L;
        QPainterPath stripe;
        stripe.moveTo(x - w, -0.4 * L);
        stripe.quadTo(x - w + 0.08 * L, 0, x - w, 0.4 * L);
        stripe.lineTo(x + w, 0.4 * L);
        stripe.quadTo(x + w + 0.08 * L, 0, x + w, -0.4 * L);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    p.restore();
    p.setPen(thinPen(edge, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    // Pectoral fin and eye.
    p.setBrush(orange);
    p.drawEllipse(QPointF(0.13 * L, 0.09 * L), 0.07 * L, 0.045 * L);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0.37 * L, -0.06 * L), 0.065 * L, 0.065 * L);
    p.setBrush(edge);
    p.drawEllipse(QPointF(0.385 * L, -0.06 * L), 0.038 * L, 0.038 * L);
    p.restore();
}

// A ribbon of kelp swaying up from `base`.
void drawSeaweed(QPainter &p, QPointF base, qreal height, qreal sway, qreal phase, const QColor &colour)
{
    constexpr int steps = 24;
    QPolygonF left, right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal x = base.x() + sway * std::sin(phase + t * 5.0) * t;
        const qreal y = base.y() - t * height;
        const qreal half = 2.2 * (1 - t * 0.85) + 0.3;
        left << QPointF(x - half, y);
        right.prepend(QPointF(x + half, y));
    }
    QLinearGradient g(base.x() - 3, 0, base.x() + 3, 0);
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(130));
    p.setPen(thinPen(colour.darker(170), 0.4));
    p.setBrush(g);
    p.drawPolygon(left + right);
}

void drawBubbles(QPainter &p, std::initializer_list<QPointF> centres, const QColor &colour)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(thinPen(colour, 0.6));
    qreal r = 1.0;
    for (const QPointF &c : centres) {
        p.drawEllipse(c, r, r);
        r = r >= 1.8 ? 0.9 : r + 0.4;
    }
}

// ------------------------------------------------------------- beach, palm

void drawPalmFrond(QPainter &p, QPointF from, qreal angleDeg, qreal length, qreal droop,
                   const QColor &colour)
{
    p.save();
    p.translate(from);
    p.rotate(angleDeg);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.28, length * 0.75, -length * 0.1 + droop * 0.5,
                 length, droop);
    leaf.cubicTo(length * 0.7, droop * 0.3 + length * 0.08, length * 0.3, length * 0.05, 0, 0);
    p.setPen(thinPen(colour.darker(170), 0.5));
    p.setBrush(colour);
    p.drawPath(leaf);
    // Notches along the frond so it reads as a palm leaf, not a blade.
    p.setPen(thinPen(colour.darker(150), 0.6));
    QPainterPath rib;
    rib.moveTo(0, 0);
    rib.cubicTo(length * 0.3, -length * 0.12, length * 0.75, -length * 0.02 + droop * 0.5, length,
                droop);
    p.setBrush(Qt::NoBrush);
    p.drawPath(rib);
    for (qreal t = 0.2; t < 0.95; t += 0.13) {
        const QPointF at = rib.pointAtPercent(t);
        p.drawLine(at, at + QPointF(length * 0.06, length * 0.1));
    }
    p.restore();
}

void drawPalm(QPainter &p, QPointF foot, QPointF crown)
{
    // Trunk: stacked rings leaning towards the crown, thinning as they go up.
    const QColor bark(0x8e, 0x5c, 0x2c);
    constexpr int rings = 11;
    for (int i = 0; i < rings; ++i) {
        const qreal t = qreal(i) / rings, t2 = qreal(i + 1) / rings;
        auto along = [&](qreal s) {
            // Gentle curve: lean out more near the foot.
            const qreal bend = std::sin(s * M_PI) * 4;
            return QPointF(foot.x() + (crown.x() - foot.x()) * s - bend, foot.y() + (crown.y() - foot.y()) * s);
        };
        const QPointF a = along(t), b = along(t2);
        const qreal w1 = 3.4 - 1.2 * t, w2 = 3.4 - 1.2 * t2;
        QPolygonF seg;
        seg << QPointF(a.x() - w1, a.y()) << QPointF(a.x() + w1, a.y()) << QPointF(b.x() + w2 + 0.6, b.y())
            << QPointF(b.x() - w2 - 0.6, b.y());
        p.setPen(thinPen(bark.darker(160), 0.5));
        p.setBrush(i % 2 ? bark : bark.lighter(112));
        p.drawPolygon(seg);
    }
    const QColor green(0x2c, 0x9a, 0x34), dark(0x1c, 0x74, 0x28);
    drawPalmFrond(p, crown, 200, 20, 6, dark);
    drawPalmFrond(p, crown, -20, 20, 6, dark);
    drawPalmFrond(p, crown, 235, 18, 4, green);
    drawPalmFrond(p, crown, -55, 18, 4, green);
    drawPalmFrond(p, crown, 170, 18, 7, green);
    drawPalmFrond(p, crown, 10, 18, 7, green);
    drawPalmFrond(p, crown, -88, 13, 4, dark);
    p.setPen(thinPen(QColor(0x3a, 0x20, 0x0c), 0.4));
    p.setBrush(QColor(0x6a, 0x40, 0x18));
    for (QPointF d : {QPointF(-1.8, 1.6), QPointF(1.6, 1.8), QPointF(0, 3.2)})
        p.drawEllipse(crown + d, 1.7, 1.7);
}

void drawSun(QPainter &p, QPointF c, qreal r)
{
    QRadialGradient glow(c, r * 2.6);
    glow.setColorAt(0, QColor(255, 250, 200, 200));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 2.6, r * 2.6);
    p.setPen(thinPen(QColor(0xff, 0xb0, 0x20), 1.2));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6 + 0.2;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r + 1.5),
                   c + QPointF(std::cos(a), std::sin(a)) * (r + (i % 2 ? 3.5 : 5)));
    }
    p.setPen(thinPen(QColor(0xf0, 0x98, 0x10), 0.6));
    p.setBrush(QColor(0xff, 0xd8, 0x30));
    p.drawEllipse(c, r, r);
}

void drawCloud(QPainter &p, QPointF c, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(c, 4 * s, 2 * s);
    p.drawEllipse(c + QPointF(-3 * s, 0.6 * s), 2.6 * s, 1.6 * s);
    p.drawEllipse(c + QPointF(1.5 * s, -1.2 * s), 2.4 * s, 1.8 * s);
}

// ------------------------------------------------------------------ roses

void drawRoseLeaf(QPainter &p, QPointF base, qreal angleDeg, qreal length)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.38, length * 0.8, -length * 0.25, length, 0);
    leaf.cubicTo(length * 0.8, length * 0.25, length * 0.3, length * 0.38, 0, 0);
    QLinearGradient g(0, -length * 0.3, 0, length * 0.3);
    g.setColorAt(0, QColor(0x4a, 0x9a, 0x3a));
    g.setColorAt(1, QColor(0x1e, 0x5a, 0x20));
    p.setPen(thinPen(QColor(0x10, 0x38, 0x12), 0.5));
    p.setBrush(g);
    p.drawPath(leaf);
    p.setPen(thinPen(QColor(0x8c, 0xc8, 0x70), 0.5));
    p.drawLine(QPointF(length * 0.1, 0), QPointF(length * 0.85, 0));
    p.restore();
}

// A rose seen from above: a ring of outer petals, a cup, and the tight
// spiral of the heart.
void drawRose(QPainter &p, QPointF c, qreal r, qreal turnDeg)
{
    const QColor petal(0xc8, 0x14, 0x2c), deep(0x6a, 0x04, 0x12), light(0xe8, 0x3a, 0x50);
    p.save();
    p.translate(c);
    p.rotate(turnDeg);
    p.setPen(thinPen(deep, 0.5));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5;
        p.drawEllipse(QPointF(std::cos(a), std::sin(a)) * r * 0.42, r * 0.6, r * 0.6);
    }
    QRadialGradient cup(QPointF(-r * 0.15, -r * 0.2), r * 0.8);
    cup.setColorAt(0, light);
    cup.setColorAt(1, petal.darker(115));
    p.setBrush(cup);
    p.drawEllipse(QPointF(0, 0), r * 0.66, r * 0.66);
    // Curled petal edges spiralling in to the heart.
    p.setBrush(Qt::NoBrush);
    p.setPen(thinPen(deep, qMax<qreal>(0.6, r * 0.08)));
    qreal start = 30;
    for (qreal rr = r * 0.55; rr > r * 0.12; rr *= 0.7) {
        const QRectF box(-rr + rr * 0.15, -rr, rr * 2, rr * 2);
        p.drawArc(box, int(start * 16), 200 * 16);
        start += 110;
    }
    p.restore();
}

// ------------------------------------------------------------------ shell

void drawScallop(QPainter &p, QPointF hinge, qreal radius)
{
    constexpr int ribs = 9;
    constexpr qreal spread = 64; // degrees either side of upright
    auto edge = [&](qreal deg, qreal rr) {
        const qreal a = qDegreesToRadians(deg - 90);
        return hinge + QPointF(std::cos(a), std::sin(a)) * rr;
    };
    QPainterPath shell;
    shell.moveTo(hinge);
    shell.lineTo(edge(-spread, radius * 0.97));
    for (int i = 0; i < ribs; ++i) {
        const qreal a0 = -spread + i * 2 * spread / ribs, a1 = a0 + 2 * spread / ribs;
        shell.quadTo(edge((a0 + a1) / 2, radius * 1.1), edge(a1, radius * 0.97));
    }
    shell.closeSubpath();

    // Ears either side of the hinge.
    QPainterPath ears;
    ears.moveTo(hinge + QPointF(-2, -6));
    ears.lineTo(hinge + QPointF(-10, -3));
    ears.lineTo(hinge + QPointF(-9, 2));
    ears.lineTo(hinge + QPointF(9, 2));
    ears.lineTo(hinge + QPointF(10, -3));
    ears.lineTo(hinge + QPointF(2, -6));
    ears.closeSubpath();
    const QColor outline(0x8a, 0x3a, 0x20);
    p.setPen(thinPen(outline, 0.7));
    p.setBrush(QColor(0xf0, 0xc0, 0x90));
    p.drawPath(ears);

    QRadialGradient g(hinge, radius * 1.1);
    g.setColorAt(0, QColor(0xff, 0xf4, 0xe0));
    g.setColorAt(0.6, QColor(0xfb, 0xc8, 0x98));
    g.setColorAt(1, QColor(0xee, 0x86, 0x60));
    p.setBrush(g);
    p.drawPath(shell);

    p.save();
    p.setClipPath(shell);
    // Every other rib in shadow gives the fluted relief.
    for (int i = 0; i < ribs; ++i) {
        const qreal a0 = -spread + i * 2 * spread / ribs, a1 = a0 + 2 * spread / ribs;
        const qreal mid = (a0 + a1) / 2;
        QPainterPath groove;
        groove.moveTo(hinge);
        groove.lineTo(edge(a1 - 2, radius * 1.2));
        groove.lineTo(edge(a1 + 2, radius * 1.2));
        groove.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xb0, 0x50, 0x30, 90));
        p.drawPath(groove);
        p.setPen(thinPen(QColor(255, 255, 255, 150), 0.8));
        p.drawLine(hinge, edge(mid - 2, radius));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(thinPen(QColor(0xb8, 0x68, 0x48, 140), 0.5));
    for (qreal rr : {radius * 0.35, radius * 0.55, radius * 0.75})
        p.drawEllipse(hinge, rr, rr);
    p.restore();
    p.setPen(thinPen(outline, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shell);
}

// ----------------------------------------------------------------- castle

void drawCrenellations(QPainter &p, qreal left, qreal right, qreal top, qreal merlon)
{
    for (qreal x = left; x + merlon <= right + 0.01; x += merlon * 2)
        p.drawRect(QRectF(x, top - merlon, merlon, merlon));
}

void drawTower(QPainter &p, const QRectF &body, const QColor &stone, const QColor &roof, bool pennant)
{
    p.setPen(thinPen(stone.darker(220), 0.5));
    QLinearGradient g(body.left(), 0, body.right(), 0);
    g.setColorAt(0, stone.darker(125));
    g.setColorAt(1, stone.lighter(110));
    p.setBrush(g);
    p.drawRect(body);
    QPolygonF cone;
    cone << QPointF(body.left() - 1.2, body.top()) << QPointF(body.center().x(), body.top() - body.width() * 1.3)
         << QPointF(body.right() + 1.2, body.top());
    p.setBrush(roof);
    p.drawPolygon(cone);
    if (pennant) {
        const QPointF tip(body.center().x(), body.top() - body.width() * 1.3);
        p.drawLine(tip, tip - QPointF(0, 4));
        QPolygonF flag;
        flag << tip - QPointF(0, 4) << tip - QPointF(-4, 3) << tip - QPointF(0, 2);
        p.setBrush(QColor(0xf0, 0xd0, 0x40));
        p.drawPolygon(flag);
    }
}

void drawLitWindow(QPainter &p, QPointF top, qreal w, qreal h)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd8, 0x50));
    QPainterPath win;
    win.moveTo(top.x() - w / 2, top.y() + h);
    win.lineTo(top.x() - w / 2, top.y() + w / 2);
    win.arcTo(QRectF(top.x() - w / 2, top.y(), w, w), 180, -180);
    win.lineTo(top.x() + w / 2, top.y() + h);
    win.closeSubpath();
    p.drawPath(win);
}

// --------------------------------------------------------------- the hand

// One small ace for the fan: white card, corner "A", a big sign in the middle.
void drawMiniAce(QPainter &p, Suit suit, const QRectF &r)
{
    p.setPen(thinPen(QColor(0x40, 0x40, 0x40), 0.6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 1.5, 1.5);
    drawSuit(p, suit, r.center() + QPointF(0, 1), r.height() * 0.36);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(6);
    font.setBold(true);
    p.setFont(font);
    p.setPen(suitColour(suit));
    p.drawText(QPointF(r.left() + 1.3, r.top() + 5.8), QStringLiteral("A"));
    drawSuit(p, suit, QPointF(r.left() + 3, r.top() + 8.6), 3.2);
}

void drawStripedSleeve(QPainter &p, QPointF wrist, qreal angleDeg)
{
    p.save();
    p.translate(wrist);
    p.rotate(angleDeg);
    // Local x runs from the wrist back up the arm; stripes go round the arm.
    const QRectF sleeve(0, -8, 46, 16);
    QPainterPath shape;
    shape.addRoundedRect(sleeve, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.setClipPath(shape);
    p.setBrush(QColor(0x1c, 0x3c, 0xa8));
    for (qreal x = 3; x < sleeve.right(); x += 5)
        p.drawRect(QRectF(x, sleeve.top(), 2.5, sleeve.height()));
    QLinearGradient round(0, sleeve.top(), 0, sleeve.bottom());
    round.setColorAt(0, QColor(0, 0, 0, 70));
    round.setColorAt(0.35, QColor(0, 0, 0, 0));
    round.setColorAt(1, QColor(0, 0, 0, 90));
    p.setBrush(round);
    p.drawRect(sleeve);
    p.setClipping(false);
    // White cuff at the wrist.
    p.setPen(thinPen(QColor(0x70, 0x70, 0x80), 0.5));
    p.setBrush(QColor(0xf4, 0xf4, 0xf8));
    p.drawRoundedRect(QRectF(-1, -8.6, 3.5, 17.2), 1, 1);
    p.restore();
}

} // namespace

void paintFishes1(QPainter &p, const QRectF &area)
{
    fillVertical(p, area, QColor(0x16, 0x3c, 0x80), QColor(0x05, 0x10, 0x34));
    p.fillRect(QRectF(area.left(), area.bottom() - 5, area.width(), 5), QColor(0x3a, 0x30, 0x28));
    const QColor kelp(0x2a, 0x8a, 0x3a), kelp2(0x4a, 0xa0, 0x28);
    drawSeaweed(p, QPointF(area.left() + 8, area.bottom() - 2), 46, 4, 0.0, kelp);
    drawSeaweed(p, QPointF(area.left() + 15, area.bottom() - 2), 30, 3, 1.8, kelp2);
    drawSeaweed(p, QPointF(area.right() - 10, area.bottom() - 2), 56, 5, 2.6, kelp);
    drawSeaweed(p, QPointF(area.right() - 20, area.bottom() - 2), 24, 3, 0.9, kelp2);
    drawSeaweed(p, QPointF(kCentreX + 2, area.bottom() - 2), 16, 2, 0.4, kelp);
    drawClownFish(p, QPointF(kCentreX - 6, 22), 28, false, -6);
    drawClownFish(p, QPointF(kCentreX + 8, 46), 26, true, 4);
    drawClownFish(p, QPointF(kCentreX - 5, 68), 24, false, 8);
    drawBubbles(p, {QPointF(54, 16), QPointF(56, 11), QPointF(53, 7), QPointF(17, 52), QPointF(15, 47)},
                QColor(200, 230, 255, 200));
}

void paintFishes2(QPainter &p, const QRectF &area)
{
    fillVertical(p, area, QColor(0xb4, 0xe8, 0xfc), QColor(0x50, 0xb0, 0xe4));
    // Sandy floor with a few pebbles.
    QPainterPath sand;
    sand.moveTo(area.left(), area.bottom() - 6);
    sand.quadTo(kCentreX, area.bottom() - 11, area.right(), area.bottom() - 5);
    sand.lineTo(area.bottomRight());
    sand.lineTo(area.bottomLeft());
    sand.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xdc, 0xa0));
    p.drawPath(sand);
    p.setBrush(QColor(0xc8, 0xa8, 0x70));
    for (QPointF s : {QPointF(14, 88), QPointF(30, 86), QPointF(47, 89), QPointF(60, 87)})
        p.drawEllipse(s, 1.3, 0.8);
    drawSeaweed(p, QPointF(area.right() - 7, area.bottom() - 5), 22, 3, 1.0, QColor(0x30, 0xa0, 0x50));
    drawSeaweed(p, QPointF(area.left() + 7, area.bottom() - 5), 16, 2.5, 2.2, QColor(0x30, 0xa0, 0x50));
    drawClownFish(p, QPointF(24, 17), 22, false, -4);
    drawClownFish(p, QPointF(48, 36), 22, true, 6);
    drawClownFish(p, QPointF(23, 56), 22, false, 5);
    drawClownFish(p, QPointF(47, 74), 20, true, -5);
    drawBubbles(p, {QPointF(56, 18), QPointF(58, 13), QPointF(55, 9), QPointF(12, 38), QPointF(14, 33)},
                QColor(255, 255, 255, 220));
}

void paintBeach(QPainter &p, const QRectF &area)
{
    const qreal horizon = 56;
    fillVertical(p, QRectF(area.left(), area.top(), area.width(), horizon - area.top()),
                 QColor(0x3c, 0x9c, 0xe8), QColor(0xc4, 0xe8, 0xfa));
    drawSun(p, QPointF(52, 17), 6.5);
    drawCloud(p, QPointF(20, 14), 1.2);
    drawCloud(p, QPointF(42, 30), 0.9);
    fillVertical(p, QRectF(area.left(), horizon, area.width(), 14), QColor(0x1c, 0x70, 0xc0),
                 QColor(0x38, 0xb0, 0xd8));
    p.setPen(thinPen(QColor(255, 255, 255, 170), 0.6));
    for (qreal y = horizon + 3; y < horizon + 13; y += 3.5)
        for (qreal x = area.left() + std::fmod(y * 3, 9); x < area.right(); x += 9)
            p.drawLine(QPointF(x, y), QPointF(x + 3, y));
    // A small sail on the horizon.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(56, horizon + 1), QPointF(56, horizon - 8), QPointF(61, horizon + 1)});
    p.setBrush(QColor(0x8a, 0x3a, 0x20));
    p.drawRect(QRectF(53.5, horizon + 1, 9, 1.6));

    QPainterPath beach;
    beach.moveTo(area.left(), horizon + 12);
    beach.cubicTo(25, horizon + 8, 45, horizon + 16, area.right(), horizon + 10);
    beach.lineTo(area.bottomRight());
    beach.lineTo(area.bottomLeft());
    beach.closeSubpath();
    QLinearGradient sand(0, horizon + 8, 0, area.bottom());
    sand.setColorAt(0, QColor(0xfa, 0xe6, 0xa8));
    sand.setColorAt(1, QColor(0xe4, 0xbe, 0x70));
    p.setPen(thinPen(Qt::white, 1.0));
    p.setBrush(sand);
    p.drawPath(beach);
    // Shadow of the palm on the sand.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0x78, 0x40, 110));
    p.drawEllipse(QPointF(30, 86), 13, 2.5);
    drawPalm(p, QPointF(24, 86), QPointF(34, 32));
    // A starfish for company.
    p.setBrush(QColor(0xf0, 0x60, 0x40));
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = i * M_PI / 5 - M_PI / 2;
        const qreal rr = i % 2 ? 1.3 : 3.4;
        star << QPointF(54 + rr * std::cos(a), 82 + rr * std::sin(a));
    }
    p.drawPolygon(star);
}

void paintRobot(QPainter &p, const QRectF &area)
{
    QRadialGradient sky(QPointF(kCentreX, 40), 60);
    sky.setColorAt(0, QColor(0x3a, 0x74, 0xd8));
    sky.setColorAt(1, QColor(0x10, 0x2a, 0x78));
    p.fillRect(area, sky);
    // Faint grid of dots, like a toy box print.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8c, 0xb4, 0xf0, 120));
    for (qreal y = area.top() + 4; y < area.bottom(); y += 8)
        for (qreal x = area.left() + 4 + (int(y) / 8 % 2) * 4; x < area.right(); x += 8)
            p.drawEllipse(QPointF(x, y), 0.7, 0.7);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(kCentreX, 83), 18, 3);

    const QColor red(0xdc, 0x22, 0x1e), metal(0xb8, 0xc0, 0xc8), outline(0x3a, 0x08, 0x08);
    auto redFill = [&](const QRectF &r) {
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, red.lighter(125));
        g.setColorAt(1, red.darker(135));
        return QBrush(g);
    };
    const qreal cx = kCentreX;

    // Legs and feet.
    p.setPen(thinPen(outline, 0.6));
    for (int side : {-1, 1}) {
        const QRectF leg(cx + side * 6.5 - 3.5, 60, 7, 15);
        p.setBrush(metal);
        p.drawRect(leg);
        p.setBrush(redFill(leg));
        p.drawRect(QRectF(leg.left(), leg.top() + 5, leg.width(), 4));
        p.setBrush(QColor(0x30, 0x30, 0x38));
        p.drawRoundedRect(QRectF(cx + side * 7 - 6, 74, 12, 5.5), 2, 2);
    }
    // Arms, bent up at the elbow with pincer hands.
    for (int side : {-1, 1}) {
        const qreal sx = cx + side * 16.5;
        p.setBrush(metal);
        p.drawEllipse(QPointF(sx, 42), 3, 3);
        const QRectF upper(sx - 3, 42, 6, 13);
        p.setBrush(redFill(upper));
        p.drawRoundedRect(upper, 2, 2);
        p.setPen(thinPen(QColor(0x50, 0x50, 0x58), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(sx - 3.5, 55, 7, 7), 30 * 16, -240 * 16);
        p.setPen(thinPen(outline, 0.6));
    }
    // Body with a chest panel of dials and lights.
    const QRectF body(cx - 14, 36, 28, 25);
    p.setBrush(redFill(body));
    p.drawRoundedRect(body, 3, 3);
    const QRectF panel(cx - 9.5, 40, 19, 13);
    p.setBrush(metal);
    p.drawRoundedRect(panel, 1.5, 1.5);
    p.setBrush(QColor(0x20, 0x20, 0x28));
    p.drawEllipse(QPointF(cx - 4.5, 45), 3, 3);
    p.setPen(thinPen(QColor(0xff, 0xe0, 0x40), 0.8));
    p.drawLine(QPointF(cx - 4.5, 45), QPointF(cx - 3, 43));
    p.setPen(Qt::NoPen);
    const QColor lamps[] = {QColor(0xff, 0xd0, 0x20), QColor(0x40, 0xd0, 0x50), QColor(0x40, 0x90, 0xff)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(cx + 1.5 + i * 3, 43.5), 1.2, 1.2);
    }
    p.setPen(thinPen(QColor(0x50, 0x50, 0x58), 0.7));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(cx + 0.5, 48 + i * 1.7), QPointF(cx + 8, 48 + i * 1.7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x90));
    for (QPointF rivet : {QPointF(cx - 11.5, 38.5), QPointF(cx + 11.5, 38.5), QPointF(cx - 11.5, 58),
                          QPointF(cx + 11.5, 58)})
        p.drawEllipse(rivet, 0.8, 0.8);

    // Neck, head, antenna.
    p.setPen(thinPen(outline, 0.6));
    p.setBrush(metal);
    p.drawRect(QRectF(cx - 3.5, 32, 7, 4));
    p.drawRect(QRectF(cx - 13.5, 21, 3, 7));
    p.drawRect(QRectF(cx + 10.5, 21, 3, 7));
    p.setPen(thinPen(QColor(0x40, 0x40, 0x48), 1.0));
    p.drawLine(QPointF(cx, 16), QPointF(cx, 10));
    p.setPen(thinPen(outline, 0.6));
    p.setBrush(QColor(0xff, 0xd0, 0x20));
    p.drawEllipse(QPointF(cx, 9), 2, 2);
    const QRectF head(cx - 11, 16, 22, 17);
    p.setBrush(redFill(head));
    p.drawRoundedRect(head, 3, 3);
    for (int side : {-1, 1}) {
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx + side * 5, 22.5), 3.4, 3.4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x10, 0x10, 0x18));
        p.drawEllipse(QPointF(cx + side * 5 + 0.6, 23), 1.6, 1.6);
        p.setPen(thinPen(outline, 0.6));
    }
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(cx - 6, 27.8, 12, 3.2), 1, 1);
    p.setPen(thinPen(QColor(0x50, 0x50, 0x58), 0.6));
    for (qreal x = cx - 4; x <= cx + 4.1; x += 2)
        p.drawLine(QPointF(x, 28.3), QPointF(x, 30.5));
}

void paintRoses(QPainter &p, const QRectF &area)
{
    QRadialGradient ground(QPointF(kCentreX, kCentreY), 55);
    ground.setColorAt(0, QColor(0x24, 0x18, 0x1a));
    ground.setColorAt(1, QColor(0x08, 0x06, 0x08));
    p.fillRect(area, ground);
    // Half-turn symmetric bouquet: leaves first, then the blooms over them.
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        drawRoseLeaf(p, QPointF(kCentreX, kCentreY), -155, 20);
        drawRoseLeaf(p, QPointF(kCentreX, kCentreY), -25, 20);
        drawRoseLeaf(p, QPointF(kCentreX - 15, 21), 70, 17);
        drawRoseLeaf(p, QPointF(kCentreX - 15, 21), 5, 16);
        drawRoseLeaf(p, QPointF(kCentreX + 16, 17), 115, 13);
        drawRose(p, QPointF(kCentreX - 15, 21), 9, 10);
        drawRose(p, QPointF(kCentreX + 16, 17), 6, 70);
        p.restore();
    }
    drawRose(p, QPointF(kCentreX, kCentreY), 12, 0);
    p.setPen(thinPen(QColor(0xa8, 0x80, 0x3a), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area.adjusted(2, 2, -2, -2), 1.5, 1.5);
}

void paintShell(QPainter &p, const QRectF &area)
{
    // Rainbow bands fanning out round the shell.
    const QPointF hinge(kCentreX, 66);
    const QColor bands[] = {QColor(0x8a, 0x3c, 0xc8), QColor(0x3a, 0x4c, 0xd0), QColor(0x2a, 0xa0, 0xe0),
                            QColor(0x38, 0xb8, 0x48), QColor(0xf4, 0xd8, 0x20), QColor(0xf6, 0x8c, 0x1c),
                            QColor(0xe0, 0x28, 0x2c)};
    p.fillRect(area, bands[0]);
    p.setPen(Qt::NoPen);
    constexpr qreal width = 6.5;
    for (int i = 12; i >= 0; --i) {
        p.setBrush(bands[(i + 6) % 7]);
        p.drawEllipse(hinge, 8 + i * width, 8 + i * width);
    }
    drawScallop(p, hinge, 33);
}

void paintCastle(QPainter &p, const QRectF &area)
{
    fillVertical(p, area, QColor(0x06, 0x0c, 0x2c), QColor(0x30, 0x28, 0x6a));
    // Stars at fixed spots; a few bigger ones twinkle with a cross.
    const QPointF stars[] = {{10, 10}, {22, 8},  {33, 15}, {14, 24}, {28, 28}, {60, 36},
                             {8, 40},  {40, 7},  {62, 8},  {20, 38}, {46, 24}, {6, 55}};
    p.setPen(Qt::NoPen);
    for (size_t i = 0; i < std::size(stars); ++i) {
        p.setBrush(QColor(255, 255, 230, i % 3 ? 170 : 255));
        p.drawEllipse(stars[i], i % 3 ? 0.5 : 0.8, i % 3 ? 0.5 : 0.8);
    }
    p.setPen(thinPen(QColor(255, 255, 230, 160), 0.5));
    for (QPointF s : {stars[0], stars[4], stars[8]}) {
        p.drawLine(s - QPointF(2, 0), s + QPointF(2, 0));
        p.drawLine(s - QPointF(0, 2), s + QPointF(0, 2));
    }
    // Crescent moon with a soft halo.
    const QPointF moon(54, 18);
    QRadialGradient halo(moon, 15);
    halo.setColorAt(0, QColor(255, 250, 200, 90));
    halo.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(moon, 15, 15);
    QPainterPath disc, bite;
    disc.addEllipse(moon, 7.5, 7.5);
    bite.addEllipse(moon + QPointF(-4, -2.5), 6.5, 6.5);
    p.setBrush(QColor(0xfa, 0xf0, 0xb0));
    p.drawPath(disc.subtracted(bite));

    // Two hills, the near one carrying the castle.
    QPainterPath far;
    far.moveTo(area.left(), 66);
    far.quadTo(15, 58, 30, 64);
    far.quadTo(52, 54, area.right(), 60);
    far.lineTo(area.bottomRight());
    far.lineTo(area.bottomLeft());
    p.setBrush(QColor(0x14, 0x32, 0x30));
    p.drawPath(far);
    QPainterPath hill;
    hill.moveTo(area.left(), 82);
    hill.cubicTo(14, 70, 24, 60, kCentreX, 60);
    hill.cubicTo(48, 60, 58, 72, area.right(), 80);
    hill.lineTo(area.bottomRight());
    hill.lineTo(area.bottomLeft());
    QLinearGradient grass(0, 60, 0, area.bottom());
    grass.setColorAt(0, QColor(0x2c, 0x70, 0x34));
    grass.setColorAt(1, QColor(0x0c, 0x2c, 0x14));
    p.setBrush(grass);
    p.drawPath(hill);
    p.setPen(thinPen(QColor(0xd8, 0xc8, 0x90), 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath track;
    track.moveTo(kCentreX, 61);
    track.cubicTo(kCentreX + 6, 68, kCentreX - 10, 74, kCentreX - 2, 92);
    p.drawPath(track);

    // The castle: curtain wall, keep, and two round-roofed towers.
    const QColor stone(0xa8, 0xa8, 0xb8), roof(0xb8, 0x28, 0x30);
    const qreal base = 61;
    p.setPen(thinPen(stone.darker(220), 0.5));
    p.setBrush(stone.darker(110));
    p.drawRect(QRectF(kCentreX - 14, 47, 28, base - 47));
    drawCrenellations(p, kCentreX - 14, kCentreX + 14, 47, 2);
    p.setBrush(stone);
    p.drawRect(QRectF(kCentreX - 6, 35, 12, base - 35));
    drawCrenellations(p, kCentreX - 6, kCentreX + 6, 35, 2);
    drawTower(p, QRectF(kCentreX - 21, 40, 8, base - 40), stone, roof, true);
    drawTower(p, QRectF(kCentreX + 13, 40, 8, base - 40), stone, roof, true);
    // Gate and lit windows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x14, 0x10));
    QPainterPath gate;
    gate.moveTo(kCentreX - 3, base);
    gate.lineTo(kCentreX - 3, base - 4);
    gate.arcTo(QRectF(kCentreX - 3, base - 7, 6, 6), 180, -180);
    gate.lineTo(kCentreX + 3, base);
    gate.closeSubpath();
    p.drawPath(gate);
    drawLitWindow(p, QPointF(kCentreX, 38), 2.4, 4);
    drawLitWindow(p, QPointF(kCentreX - 17, 44), 2, 3.5);
    drawLitWindow(p, QPointF(kCentreX + 17, 44), 2, 3.5);
    drawLitWindow(p, QPointF(kCentreX - 9.5, 51), 2, 3);
    drawLitWindow(p, QPointF(kCentreX + 9.5, 51), 2, 3);
}

void paintHand(QPainter &p, const QRectF &area)
{
    QRadialGradient felt(QPointF(kCentreX, 40), 60);
    felt.setColorAt(0, QColor(0x2a, 0x8a, 0x4a));
    felt.setColorAt(1, QColor(0x0c, 0x40, 0x20));
    p.fillRect(area, felt);

    const QColor skin(0xf4, 0xc8, 0x9c), skinLine(0xa0, 0x68, 0x40);
    const QPointF pivot(kCentreX + 1, 64);
    drawStripedSleeve(p, QPointF(kCentreX - 3, 74), 122);

    // Palm and fingers behind the cards.
    p.setPen(thinPen(skinLine, 0.6));
    p.setBrush(skin);
    p.drawEllipse(pivot + QPointF(1, 4), 9, 8);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(pivot.x() + 5, pivot.y() - 9 + i * 4.2, 8, 4), 2, 2);

    // Four aces fanned about a point near their lower edge.
    const Suit order[] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
    const qreal angles[] = {-33, -11, 11, 33};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(angles[i]);
        drawMiniAce(p, order[i], QRectF(-11, -31, 22, 32));
        p.restore();
    }

    // Thumb across the front of the fan.
    p.save();
    p.translate(pivot + QPointF(-3, 0));
    p.rotate(-35);
    p.setPen(thinPen(skinLine, 0.6));
    p.setBrush(skin);
    p.drawRoundedRect(QRectF(-3, -9, 6.5, 14), 3.2, 3.2);
    p.setBrush(QColor(0xfb, 0xe4, 0xd4));
    p.drawRoundedRect(QRectF(-1.8, -8, 4, 3.8), 1.6, 1.6);
    p.restore();
}

} // namespace cardart
