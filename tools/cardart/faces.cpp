// Card faces: corner indices, pip layouts for ace to ten, and the frame that
// holds the court pictures.
#include "art.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <span>

namespace cardart {

namespace {

// Size of the corner index (rank above a small suit sign) and where it sits.
constexpr int kIndexWidth = 12;
constexpr int kIndexHeight = 21;
constexpr QPoint kIndexOrigin(1, 3);

// Pip grid: three columns and a row range; lower-half pips are turned round.
constexpr qreal kPipColumns[3] = {21.5, kCentreX, kCardWidth - 21.5};
constexpr qreal kPipTop = 17.5;
constexpr qreal kPipBottom = kCardHeight - 17.5;
constexpr qreal kPipHeight = 13.0;

struct PipPos {
    int column; // 0 left, 1 centre, 2 right
    qreal row;  // 0 top row .. 1 bottom row
};

// The usual printed layouts for two to ten.
std::span<const PipPos> pipLayout(int rank)
{
    static constexpr PipPos two[] = {{1, 0}, {1, 1}};
    static constexpr PipPos three[] = {{1, 0}, {1, 0.5}, {1, 1}};
    static constexpr PipPos four[] = {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
    static constexpr PipPos five[] = {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
    static constexpr PipPos six[] = {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    static constexpr PipPos seven[] = {{0, 0},   {2, 0}, {1, 0.25}, {0, 0.5},
                                       {2, 0.5}, {0, 1}, {2, 1}};
    static constexpr PipPos eight[] = {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5},
                                       {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}};
    static constexpr qreal third = 1.0 / 3, twoThirds = 2.0 / 3;
    static constexpr PipPos nine[] = {{0, 0},         {2, 0},         {0, third},
                                      {2, third},     {1, 0.5},       {0, twoThirds},
                                      {2, twoThirds}, {0, 1},         {2, 1}};
    static constexpr PipPos ten[] = {{0, 0},         {2, 0},     {1, 1.0 / 6},   {0, third},
                                     {2, third},     {0, twoThirds}, {2, twoThirds},
                                     {1, 5.0 / 6},   {0, 1},     {2, 1}};
    switch (rank) {
    case 2: return two;
    case 3: return three;
    case 4: return four;
    case 5: return five;
    case 6: return six;
    case 7: return seven;
    case 8: return eight;
    case 9: return nine;
    case 10: return ten;
    default: return {};
    }
}

QString rankLabel(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

QFont indexFont(int rank)
{
    // "10" needs the narrow cut to fit the same width as a single letter.
    QFont font(rank == 10 ? QStringLiteral("Liberation Sans Narrow")
                          : QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void drawNumberPips(QPainter &p, Suit suit, int rank)
{
    for (const PipPos &pip : pipLayout(rank)) {
        const qreal y = kPipTop + pip.row * (kPipBottom - kPipTop);
        drawSuit(p, suit, QPointF(kPipColumns[pip.column], y), kPipHeight, y > kCentreY + 0.1);
    }
}

void drawAce(QPainter &p, Suit suit)
{
    // The ace of spades gets a larger sign and a fine ring, as tradition has it.
    if (suit == Suit::Spades) {
        p.save();
        p.setPen(QPen(kInkBlack, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kCentreX, kCentreY), 21, 21);
        p.restore();
        drawSuit(p, suit, QPointF(kCentreX, kCentreY), 34);
    } else {
        drawSuit(p, suit, QPointF(kCentreX, kCentreY), 30);
    }
}

} // namespace

QImage cornerIndex(Suit suit, int rank, int scale)
{
    QImage index(kIndexWidth * scale, kIndexHeight * scale, QImage::Format_ARGB32_Premultiplied);
    index.setDevicePixelRatio(scale);
    index.fill(Qt::transparent);
    QPainter p(&index);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const QFont font = indexFont(rank);
    const QFontMetricsF metrics(font);
    const QString label = rankLabel(rank);
    const QRectF ink = metrics.tightBoundingRect(label);
    // Centre the ink horizontally and put the cap line on the first row.
    const qreal x = std::round(kIndexWidth / 2.0 - ink.center().x());
    const qreal baseline = std::round(1 + metrics.capHeight());
    p.setFont(font);
    p.setPen(suitColour(suit));
    p.drawText(QPointF(x, baseline), label);

    drawSuit(p, suit, QPointF(kIndexWidth / 2.0, 15.5), 7.5);
    return index;
}

QImage drawFace(Suit suit, int rank, int scale)
{
    QImage card = newCardImage(scale);
    QPainter p(&card);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    paintCardBody(p);

    if (rank == 1)
        drawAce(p, suit);
    else if (rank <= 10)
        drawNumberPips(p, suit, rank);
    else
        drawCourtPicture(p, suit, rank);

    // The bottom index is the top one turned half round, pixel for pixel.
    const QImage index = cornerIndex(suit, rank, scale);
    p.drawImage(kIndexOrigin, index);
    p.drawImage(QPoint(kCardWidth - kIndexOrigin.x() - kIndexWidth,
                       kCardHeight - kIndexOrigin.y() - kIndexHeight),
                index.mirrored(true, true));
    return card;
}

} // namespace cardart
