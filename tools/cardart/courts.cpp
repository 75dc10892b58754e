// Court pictures: a framed, double-ended half figure. The upper half is drawn
// once and then again turned half round about the card centre, as printed
// courts are, so the card reads the same either way up.
#include "art.h"

#include <QPainter>

#include <cmath>

namespace cardart {

namespace {

const QColor kRed(0xc8, 0x1e, 0x28);
const QColor kBlue(0x1e, 0x4c, 0xb0);
const QColor kYellow(0xf2, 0xc2, 0x1a);
const QColor kBlack(0x1a, 0x1a, 0x1a);
const QColor kSkin(0xf7, 0xd6, 0xb0);
const QColor kSkinShade(0xd9, 0xa0, 0x78);
const QColor kOutline(0x3a, 0x22, 0x14);
const QColor kFrameGround(0xff, 0xf8, 0xe4);

// Picture frame; the index sits outside it, in the card corners.
const QRectF kFrame(14.5, 5.5, 42, 85);
constexpr qreal cx = kCentreX;

struct CourtLook {
    QColor robe;  // main colour of the garment
    QColor panel; // front panel down the middle
    QColor trim;  // edging, collar
    QColor hair;
};

// Each of the twelve courts gets its own mix of the four printing colours.
CourtLook lookFor(Suit suit, int rank)
{
    const QColor brown(0x7a, 0x48, 0x1c);
    const QColor grey(0xd8, 0xd8, 0xd0);
    const QColor auburn(0xa4, 0x4a, 0x1c);
    switch (suit) {
    case Suit::Clubs:
        return rank == 13 ? CourtLook{kBlue, kRed, kYellow, auburn}
             : rank == 12 ? CourtLook{kRed, kBlue, kYellow, kBlack}
                          : CourtLook{kBlue, kYellow, kRed, brown};
    case Suit::Diamonds:
        return rank == 13 ? CourtLook{kRed, kYellow, kBlue, grey}
             : rank == 12 ? CourtLook{kBlue, kRed, kYellow, auburn}
                          : CourtLook{kRed, kBlue, kYellow, kYellow};
    case Suit::Hearts:
        return rank == 13 ? CourtLook{kRed, kBlue, kYellow, brown}
             : rank == 12 ? CourtLook{kYellow, kRed, kBlue, brown}
                          : CourtLook{kBlue, kRed, kYellow, kBlack};
    case Suit::Spades:
        return rank == 13 ? CourtLook{kBlack, kRed, kYellow, grey}
             : rank == 12 ? CourtLook{kBlue, kBlack, kYellow, kBlack}
                          : CourtLook{kYellow, kBlack, kRed, brown};
    }
    return {};
}

QPen outlinePen(qreal width = 0.6)
{
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawRobe(QPainter &p, const CourtLook &look)
{
    const qreal bottom = kCentreY + 1;
    QPainterPath robe;
    robe.moveTo(cx - 4, 30);
    robe.cubicTo(cx - 10, 30.5, cx - 17, 31, cx - 18.5, 37);
    robe.lineTo(cx - 18.5, bottom);
    robe.lineTo(cx + 18.5, bottom);
    robe.lineTo(cx + 18.5, 37);
    robe.cubicTo(cx + 17, 31, cx + 10, 30.5, cx + 4, 30);
    robe.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(look.robe);
    p.drawPath(robe);

    // Front panel with trim down both edges.
    QPainterPath panel;
    panel.moveTo(cx - 4, 31);
    panel.lineTo(cx + 4, 31);
    panel.lineTo(cx + 6.5, bottom);
    panel.lineTo(cx - 6.5, bottom);
    panel.closeSubpath();
    p.setBrush(look.panel);
    p.drawPath(panel);
    p.setPen(QPen(look.trim, 1.3));
    p.drawLine(QPointF(cx - 4.2, 32), QPointF(cx - 6.3, bottom));
    p.drawLine(QPointF(cx + 4.2, 32), QPointF(cx + 6.3, bottom));
    // A row of buttons down the front.
    p.setPen(Qt::NoPen);
    p.setBrush(look.trim);
    for (qreal y = 35; y < bottom - 1; y += 4)
        p.drawEllipse(QPointF(cx, y), 0.9, 0.9);
}

// Arms in the robe's sleeves: one bent up to the hand that holds the emblem (on the side
// `holdSide`, -1 left or +1 right), the other resting at the waist.
void drawArms(QPainter &p, const CourtLook &look, int holdSide)
{
    const qreal s = holdSide;
    QPainterPath holding;
    holding.moveTo(cx + s * 14.5, 34);
    holding.quadTo(cx + s * 17.5, 43, cx + s * 15, 44.5);
    holding.quadTo(cx + s * 13, 45, cx + s * 12, 41.5);
    QPainterPath resting;
    resting.moveTo(cx - s * 14.5, 34);
    resting.quadTo(cx - s * 16.5, 44, cx - s * 13, 45);
    resting.lineTo(cx - s * 8, 45);
    for (const QPainterPath &arm : {holding, resting}) {
        p.strokePath(arm, QPen(kOutline, 4.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.strokePath(arm, QPen(look.robe.darker(112), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    // Cuff and the resting hand.
    p.setPen(QPen(look.trim, 1.2));
    p.drawLine(QPointF(cx - s * 9.3, 43.2), QPointF(cx - s * 9.3, 46.8));
    p.setPen(outlinePen(0.5));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(cx - s * 6.8, 45), 1.9, 1.7);
}

void drawCollar(QPainter &p, const CourtLook &look)
{
    p.setPen(outlinePen());
    p.setBrush(Qt::white);
    QPainterPath ruff;
    ruff.moveTo(cx - 7.5, 30);
    ruff.quadTo(cx, 35, cx + 7.5, 30);
    ruff.quadTo(cx, 32, cx - 7.5, 30);
    p.drawPath(ruff);
    p.setPen(QPen(look.trim, 0.8));
    p.drawLine(QPointF(cx - 6, 31.5), QPointF(cx + 6, 31.5));
}

void drawHairBehind(QPainter &p, int rank, const CourtLook &look)
{
    p.setPen(outlinePen(0.5));
    p.setBrush(look.hair);
    QPainterPath hair;
    if (rank == 12) {
        // Long hair falling on the shoulders.
        hair.moveTo(cx, 14);
        hair.cubicTo(cx - 9, 14, cx - 9, 24, cx - 9.5, 33);
        hair.lineTo(cx + 9.5, 33);
        hair.cubicTo(cx + 9, 24, cx + 9, 14, cx, 14);
    } else {
        // Hair to the nape, wider for the jack's pageboy cut.
        const qreal w = rank == 11 ? 8 : 7.2;
        hair.moveTo(cx, 14.5);
        hair.cubicTo(cx - w, 14.5, cx - w, 22, cx - w + 0.5, 28.5);
        hair.lineTo(cx + w - 0.5, 28.5);
        hair.cubicTo(cx + w, 22, cx + w, 14.5, cx, 14.5);
    }
    p.drawPath(hair);
}

void drawHead(QPainter &p, int rank, const CourtLook &look)
{
    // Head.
    p.setPen(outlinePen());
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(cx, 22.8), 5.4, 6.4);
    // Fringe, so the face reads as framed by hair.
    p.setPen(Qt::NoPen);
    p.setBrush(look.hair);
    QPainterPath fringe;
    fringe.moveTo(cx - 5.4, 21);
    fringe.cubicTo(cx - 5.4, 15.5, cx + 5.4, 15.5, cx + 5.4, 21);
    fringe.quadTo(cx + 2, 17.5, cx - 5.4, 21);
    p.drawPath(fringe);

    // Eyes, brows, nose and mouth, at one-pixel scale.
    p.setBrush(kBlack);
    p.drawEllipse(QPointF(cx - 2.2, 22.3), 0.75, 0.8);
    p.drawEllipse(QPointF(cx + 2.2, 22.3), 0.75, 0.8);
    p.setPen(QPen(look.hair == kYellow ? kOutline : look.hair.darker(130), 0.6));
    p.drawLine(QPointF(cx - 3.2, 20.6), QPointF(cx - 1.2, 20.4));
    p.drawLine(QPointF(cx + 1.2, 20.4), QPointF(cx + 3.2, 20.6));
    p.setPen(QPen(kSkinShade, 0.7));
    p.drawLine(QPointF(cx + 0.2, 22.8), QPointF(cx - 0.4, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xa0, 0x90));
    p.drawEllipse(QPointF(cx - 3.2, 25), 1.0, 0.7);
    p.drawEllipse(QPointF(cx + 3.2, 25), 1.0, 0.7);

    if (rank == 13) {
        // Beard and moustache.
        p.setPen(outlinePen(0.4));
        p.setBrush(look.hair);
        QPainterPath beard;
        beard.moveTo(cx - 5.2, 24);
        beard.cubicTo(cx - 5.2, 30, cx - 2.5, 33.5, cx, 34);
        beard.cubicTo(cx + 2.5, 33.5, cx + 5.2, 30, cx + 5.2, 24);
        beard.quadTo(cx + 3.5, 28.5, cx, 28);
        beard.quadTo(cx - 3.5, 28.5, cx - 5.2, 24);
        p.drawPath(beard);
        QPainterPath moustache;
        moustache.moveTo(cx - 3.6, 27.2);
        moustache.quadTo(cx, 25, cx + 3.6, 27.2);
        moustache.quadTo(cx, 26.4, cx - 3.6, 27.2);
        p.drawPath(moustache);
    }
    p.setPen(QPen(QColor(0xb8, 0x20, 0x30), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 1.1, 27), QPointF(cx + 1.1, 27));
}

void drawKingCrown(QPainter &p)
{
    // Red velvet cap inside, gold crown with three fleurons.
    p.setPen(outlinePen(0.5));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(cx, 12.5), 5.5, 4.5);
    QPainterPath crown;
    crown.moveTo(cx - 6.5, 17.5);
    crown.lineTo(cx - 7, 8.5);
    crown.lineTo(cx - 3.5, 12.5);
    crown.lineTo(cx, 6.5);
    crown.lineTo(cx + 3.5, 12.5);
    crown.lineTo(cx + 7, 8.5);
    crown.lineTo(cx + 6.5, 17.5);
    crown.closeSubpath();
    p.setBrush(kYellow);
    p.drawPath(crown);
    p.setPen(outlinePen(0.4));
    p.drawLine(QPointF(cx - 6.6, 14.5), QPointF(cx + 6.6, 14.5));
    p.setPen(Qt::NoPen);
    for (qreal x : {-7.0, 0.0, 7.0})
        p.drawEllipse(QPointF(cx + x, x == 0 ? 6.3 : 8.3), 1.1, 1.1);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(cx, 16), 1.0, 1.0);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(cx - 3.8, 16), 0.8, 0.8);
    p.drawEllipse(QPointF(cx + 3.8, 16), 0.8, 0.8);
}

void drawQueenCrown(QPainter &p)
{
    // A low crown of five small points sitting on the hair.
    p.setPen(outlinePen(0.5));
    p.setBrush(kYellow);
    QPainterPath crown;
    crown.moveTo(cx - 5.5, 16);
    crown.lineTo(cx - 6, 11.5);
    crown.lineTo(cx - 3.5, 13.5);
    crown.lineTo(cx - 1.8, 10.5);
    crown.lineTo(cx, 12.8);
    crown.lineTo(cx + 1.8, 10.5);
    crown.lineTo(cx + 3.5, 13.5);
    crown.lineTo(cx + 6, 11.5);
    crown.lineTo(cx + 5.5, 16);
    crown.quadTo(cx, 14.8, cx - 5.5, 16);
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(cx, 14.2), 0.9, 0.9);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx - 1.8, 10.3), 0.7, 0.7);
    p.drawEllipse(QPointF(cx + 1.8, 10.3), 0.7, 0.7);
}

void drawJackCap(QPainter &p, const CourtLook &look)
{
    // Beret tipped over one ear, with a plume.
    p.setPen(QPen(look.trim == kYellow ? kRed : kYellow, 1.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath plume;
    plume.moveTo(cx + 3, 13);
    plume.cubicTo(cx + 7, 10, cx + 9, 7.5, cx + 12, 8.5);
    p.drawPath(plume);
    p.setPen(outlinePen(0.5));
    p.setBrush(look.panel);
    QPainterPath cap;
    cap.moveTo(cx - 7, 17.5);
    cap.cubicTo(cx - 8, 9.5, cx + 8, 9, cx + 8.5, 15.5);
    cap.quadTo(cx, 14, cx - 7, 17.5);
    p.drawPath(cap);
    p.setPen(QPen(look.trim, 1.0));
    p.drawLine(QPointF(cx - 6.5, 16.8), QPointF(cx + 8, 15.2));
}

void drawSceptre(QPainter &p)
{
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(cx + 12, kCentreY + 1), QPointF(cx + 12, 31));
    p.setPen(QPen(kYellow, 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(cx + 12, kCentreY + 1), QPointF(cx + 12, 31));
    p.setPen(outlinePen(0.5));
    p.setBrush(kYellow);
    drawSuit(p, Suit::Clubs, QPointF(cx + 12, 29), 5.5, false, kYellow);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(cx + 12, 40.5), 2.1, 1.9);
}

void drawFlower(QPainter &p)
{
    p.setPen(QPen(QColor(0x2a, 0x80, 0x30), 0.9));
    p.drawLine(QPointF(cx - 12, 40), QPointF(cx - 12.5, 33));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5;
        p.drawEllipse(QPointF(cx - 12.5 + 1.5 * std::sin(a), 32 - 1.5 * std::cos(a)), 1.3, 1.3);
    }
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(cx - 12.5, 32), 0.9, 0.9);
    p.setPen(outlinePen(0.5));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(cx - 12, 40.5), 2.1, 1.9);
}

void drawHalberd(QPainter &p)
{
    const qreal x = cx + 12;
    p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x, kCentreY + 1), QPointF(x, 14));
    p.setPen(outlinePen(0.5));
    p.setBrush(QColor(0xc4, 0xcc, 0xd4));
    QPainterPath blade;
    blade.moveTo(x, 8);
    blade.lineTo(x + 1.2, 13);
    blade.quadTo(x + 4, 13.5, x + 4, 17);
    blade.lineTo(x - 0.5, 17.5);
    blade.lineTo(x - 1.2, 13);
    blade.closeSubpath();
    p.drawPath(blade);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(x, 40.5), 2.1, 1.9);
}

void drawHalfFigure(QPainter &p, Suit suit, int rank)
{
    const CourtLook look = lookFor(suit, rank);
    drawHairBehind(p, rank, look);
    drawRobe(p, look);
    drawArms(p, look, rank == 12 ? -1 : 1);
    drawCollar(p, look);
    drawHead(p, rank, look);
    switch (rank) {
    case 13: drawKingCrown(p); drawSceptre(p); break;
    case 12: drawQueenCrown(p); drawFlower(p); break;
    default: drawJackCap(p, look); drawHalberd(p); break;
    }
    drawSuit(p, suit, QPointF(kFrame.left() + 5, kFrame.top() + 5.5), 7);
}

} // namespace

void drawCourtPicture(QPainter &p, Suit suit, int rank)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kFrameGround);
    p.drawRect(kFrame);

    const QRectF topHalf(kFrame.left(), kFrame.top(), kFrame.width(), kCentreY - kFrame.top());
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        p.setClipRect(topHalf);
        drawHalfFigure(p, suit, rank);
        p.restore();
    }

    p.setPen(QPen(kOutline, 0.8));
    p.drawLine(QPointF(kFrame.left(), kCentreY), QPointF(kFrame.right(), kCentreY));
    p.setPen(QPen(kInkBlack, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kFrame);
    p.restore();
}

} // namespace cardart
