// ludoval-icones OUTDIR
//
// Draws the pictures of the program's windows and writes them into OUTDIR as
// PNG files with transparency:
//
//   toolbar images, 16 x 16, drawn pixel by pixel so that they stay crisp:
//     nouvelle.png  a small fan of playing cards          (Nouvelle Partie)
//     quitter.png   a door with a red arrow               (Quitter)
//     regle.png     a purple book with a yellow "?"       (Règle du jeu)
//     apropos.png   a blue star on black                  (A propos ...)
//     dos.png       a blue-and-white woven card back      (Choix dos cartes)
//     couleur.png   a plain aqua square                   (Choix couleur tapis)
//     choisir.png   a playing card on green baize         (Choisir une réussite)
//   and each of them again at 32 x 32 for high-density screens, under the
//   same name with "@2x" (nouvelle@2x.png ...), and that finer drawing made
//   again at 24 x 24 for screens of 150 %, with "@1.5x";
//   the program icon, the four suits on a light tile:
//     ludoval.png (256 x 256), ludoval-16/22/24/32/48/64/128.png, and
//     ludoval.svg, the same drawing for any size
//   the about-box picture, the top-left corner of a three of diamonds:
//     apropos-carte.png (33 x 33, the size it is shown at) and
//     apropos-carte@2x.png (66 x 66)
//
// Run it with QT_QPA_PLATFORM=offscreen; it needs no display and no font.
#include "art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kTool = 16;

const QColor kCardRed(0xd0, 0x1c, 0x1c);
const QColor kCardBlack(0x1a, 0x1a, 0x1a);

QImage blankImage(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// ---------------------------------------------------------------------------
// Hard-pixel drawing for the 16 x 16 toolbar images.

using Palette = std::map<char, QColor>;

// Paints a picture given as rows of characters, one character a pixel; '.'
// leaves the pixel as it is, any other character takes its colour from the
// palette. Every row must be as long as the image is wide.
bool paintRows(QPainter &p, const std::vector<const char *> &rows, const Palette &palette,
               int x0 = 0, int y0 = 0)
{
    for (int y = 0; y < int(rows.size()); ++y) {
        const char *row = rows[y];
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == '.')
                continue;
            const auto it = palette.find(row[x]);
            if (it == palette.end()) {
                std::fprintf(stderr, "no colour for '%c'\n", row[x]);
                return false;
            }
            p.fillRect(x0 + x, y0 + y, 1, 1, it->second);
        }
    }
    return true;
}

bool rowsAreSquare(const std::vector<const char *> &rows, int size)
{
    if (int(rows.size()) != size)
        return false;
    for (const char *row : rows)
        if (int(std::strlen(row)) != size)
            return false;
    return true;
}

// A card outline through pixel centres: filled, then edged with a one-pixel
// line. At 16 x 16 both go without antialiasing, so that every pixel is either
// in or out; at twice the density the slanted edges are smoothed.
void paintCard(QPainter &p, const QPolygon &corners, const QColor &fill, const QColor &outline,
               bool smooth = false)
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
struct FanCard {
    QPolygon corners;
    QColor fill;
};
const FanCard kFan[] = {
    {QPolygon({QPoint(0, 3), QPoint(6, 3), QPoint(9, 13), QPoint(3, 13)}), QColor(0xd8, 0xd8, 0xd8)},
    {QPolygon({QPoint(5, 0), QPoint(11, 0), QPoint(11, 12), QPoint(5, 12)}), QColor(0xec, 0xec, 0xec)},
    {QPolygon({QPoint(9, 3), QPoint(15, 3), QPoint(12, 13), QPoint(6, 13)}), QColor(0xff, 0xff, 0xff)},
};
const QColor kFanOutline(0x2c, 0x2c, 0x2c);

QImage drawNewGame()
{
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    for (const FanCard &card : kFan)
        paintCard(p, card.corners, card.fill, kFanOutline);
    paintRows(p, {".r.r.", "rrrrr", ".rrr.", "..r.."}, {{'r', kCardRed}}, 9, 6);
    paintRows(p, {".k.", "kkk", ".k."}, {{'k', kCardBlack}}, 6, 2);
    p.fillRect(3, 5, 1, 2, kCardRed);
    return img;
}

// Quitter: a closed wooden door in its frame, a red arrow leaving it to the
// right.
QImage drawQuit()
{
    const std::vector<const char *> rows = {
        "................",
        ".kkkkkkkkk......",
        ".kdddddddk......",
        ".kdDDdDDdk......",
        ".kdDDdDDdk.r....",
        ".kdDDdDDdk.rr...",
        ".kdDDdDDdk.rrr..",
        ".kdddddrrrrrrrr.",
        ".kdyddrrrrrrrrr.",
        ".kdddddddk.rrr..",
        ".kdDDdDDdk.rr...",
        ".kdDDdDDdk.r....",
        ".kdDDdDDdk......",
        ".kdddddddk......",
        ".kdddddddk......",
        "kkkkkkkkkkk.....",
    };
    if (!rowsAreSquare(rows, kTool))
        return {};
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    const Palette palette = {
        {'k', QColor(0x3b, 0x24, 0x12)}, {'d', QColor(0xb0, 0x6c, 0x32)},
        {'D', QColor(0x86, 0x4e, 0x22)}, {'y', QColor(0xff, 0xd8, 0x20)},
        {'r', QColor(0xe8, 0x14, 0x14)},
    };
    if (!paintRows(p, rows, palette))
        return {};
    return img;
}

// Règle du jeu: a purple book, spine on the left and pages at the bottom,
// with a yellow question mark on its cover.
QImage drawRules()
{
    std::vector<std::vector<char>> g(kTool, std::vector<char>(kTool, '.'));
    // Cover: columns 2 to 13, rows 1 to 14; spine column 3; pages rows 12-13.
    for (int y = 1; y <= 14; ++y)
        for (int x = 2; x <= 13; ++x) {
            char c = 'p';
            if (x == 2 || x == 13 || y == 1 || y == 14)
                c = 'k';
            else if (x == 3)
                c = 'P';
            else if (y == 12)
                c = 'w';
            else if (y == 13)
                c = 'g';
            g[y][x] = c;
        }
    // Lighter edge along the top of the cover, for a little relief.
    for (int x = 4; x <= 12; ++x)
        g[2][x] = 'q';
    // The question mark, two pixels thick.
    const char *mark[] = {
        ".yyyy.",
        "yy..yy",
        "....yy",
        "...yy.",
        "..yy..",
        "..yy..",
        "......",
        "..yy..",
    };
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 6; ++c)
            if (mark[r][c] == 'y')
                g[3 + r][5 + c] = 'y';
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    const Palette palette = {
        {'k', QColor(0x2c, 0x10, 0x44)}, {'P', QColor(0x55, 0x1f, 0x86)},
        {'p', QColor(0x84, 0x3c, 0xc8)}, {'q', QColor(0xa4, 0x68, 0xdc)},
        {'y', QColor(0xff, 0xe0, 0x1c)}, {'w', QColor(0xfa, 0xf6, 0xe8)},
        {'g', QColor(0xcf, 0xc8, 0xb4)},
    };
    for (int y = 0; y < kTool; ++y)
        for (int x = 0; x < kTool; ++x)
            if (g[y][x] != '.')
                p.fillRect(x, y, 1, 1, palette.at(g[y][x]));
    return img;
}

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

// At 16 x 16 each pixel takes the colour at its centre, so every edge is hard.
QImage drawAbout()
{
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    const QPolygonF star = starPolygon(kStarCentre, 7.7, 3.5);
    for (int y = 0; y < kTool; ++y)
        for (int x = 0; x < kTool; ++x)
            p.fillRect(x, y, 1, 1, aboutColourAt(star, QPointF(x + 0.5, y + 0.5)));
    return img;
}

// Choix dos cartes: a card seen from the back, its face a plain weave of
// blue strands across and white strands down, going over and under each
// other, with the dark ground showing through the small holes between them.
QImage drawBack()
{
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    const QColor ground(0x10, 0x1e, 0x50);
    const QColor blue(0x2a, 0x5c, 0xe0);
    const QColor white(0xff, 0xff, 0xff);
    const QColor blueShade(0x1a, 0x3c, 0x9c);
    const QColor whiteShade(0xb8, 0xc8, 0xe8);
    for (int y = 0; y < kTool; ++y)
        for (int x = 1; x <= 14; ++x) {
            const bool corner = (x == 1 || x == 14) && (y == 0 || y == 15);
            if (corner)
                continue;
            const bool edge = x == 1 || x == 14 || y == 0 || y == 15;
            QColor c = ground;
            if (!edge) {
                // Period of three pixels: two of strand, one of gap.
                const int u = x - 1, v = y - 1;
                const bool inRow = v % 3 != 2;    // on a blue strand across
                const bool inColumn = u % 3 != 2; // on a white strand down
                const bool blueOver = ((u / 3) + (v / 3)) % 2 == 0;
                if (inRow && inColumn)
                    c = blueOver ? blue : white;
                else if (inRow)
                    c = blueOver ? blue : blueShade;
                else if (inColumn)
                    c = blueOver ? whiteShade : white;
            }
            p.fillRect(x, y, 1, 1, c);
        }
    return img;
}

// Choix couleur tapis: a plain square of the table's aqua.
QImage drawColour()
{
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    p.fillRect(1, 1, 14, 14, QColor(0x30, 0x30, 0x30));
    p.fillRect(2, 2, 12, 12, QColor(0, 255, 255));
    return img;
}

// Choisir une réussite: a card with a red heart lying on green baize.
QImage drawChoose()
{
    const std::vector<const char *> rows = {
        "gggggggggggggggg",
        "gggggggggggggggg",
        "ggggskkkkkkkgggg",
        "gggskwwwwwwwkggg",
        "gggkwrwwwwwwksgg",
        "gggkwwwwwwwwksgg",
        "gggkwwrwrwwwksgg",
        "gggkwrrrrrwwksgg",
        "gggkwrrrrrwwksgg",
        "gggkwwrrrwwwksgg",
        "gggkwwwrwwwwksgg",
        "gggkwwwwwwwwksgg",
        "gggkwwwwwwrwksgg",
        "gggskwwwwwwwksgg",
        "ggggskkkkkkkssgg",
        "gggggsssssssssgg",
    };
    if (!rowsAreSquare(rows, kTool))
        return {};
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    const Palette palette = {
        {'g', QColor(0x1e, 0x7e, 0x34)}, {'s', QColor(0x14, 0x5a, 0x24)},
        {'k', QColor(0x30, 0x30, 0x30)}, {'w', QColor(0xff, 0xff, 0xff)},
        {'r', kCardRed},
    };
    if (!paintRows(p, rows, palette))
        return {};
    // A faint grain in the cloth: a sparse diagonal pattern of slightly darker pixels.
    for (int y = 0; y < kTool; ++y)
        for (int x = 0; x < kTool; ++x)
            if (rows[y][x] == 'g' && (x + 2 * y) % 5 == 0)
                p.fillRect(x, y, 1, 1, QColor(0x1a, 0x72, 0x2f));
    return img;
}

// ---------------------------------------------------------------------------
// Suit shapes, for the program icon and the about-box picture: the same signs
// as on the cards, one unit high and centred on the origin.

QPainterPath heartPath() { return cardart::suitPath(cardart::Suit::Hearts); }
QPainterPath spadePath() { return cardart::suitPath(cardart::Suit::Spades); }
QPainterPath diamondPath() { return cardart::suitPath(cardart::Suit::Diamonds); }
QPainterPath clubPath() { return cardart::suitPath(cardart::Suit::Clubs); }

// A shape scaled to the given height and moved to the given centre.
QPainterPath placed(const QPainterPath &unit, QPointF centre, double height)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, height);
    return t.map(unit);
}

// ---------------------------------------------------------------------------
// Program icon.

// At 16 x 16 the tile and the suits are drawn pixel by pixel.
QImage drawProgramIcon16()
{
    const std::vector<const char *> rows = {
        ".oooooooooooooo.",
        "occcccccccccccco",
        "ocrrcrrcccckccco",
        "ocrrrrrccckkkcco",
        "ocrrrrrcckkkkkco",
        "occrrrccckkkkkco",
        "occcrcccckckckco",
        "occccccccckkkcco",
        "occgkgccccccccco",
        "occkkkcccccrccco",
        "ockgkgkcccrrrcco",
        "ockkkkkccrrrrrco",
        "ocgckcgcccrrrcco",
        "occkkkcccccrccco",
        "occcccccccccccco",
        ".oooooooooooooo.",
    };
    if (!rowsAreSquare(rows, kTool))
        return {};
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    const Palette palette = {
        {'o', QColor(0x7a, 0x70, 0x60)}, {'c', QColor(0xfb, 0xf8, 0xf0)},
        {'k', kCardBlack}, {'r', kCardRed}, {'g', QColor(0x8c, 0x8a, 0x86)},
    };
    if (!paintRows(p, rows, palette))
        return {};
    return img;
}

// From 22 pixels up, the same drawing at any size, on any paint device.
void paintProgramIcon(QPainter &p, int size)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    const double s = size / 256.0;
    // Outline width in pixels: never under one pixel, so small sizes keep a
    // clear edge.
    const double line = std::max(1.0, 6.0 * s);
    const double margin = std::max(line / 2.0, 10.0 * s);
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    const double radius = 34.0 * s;
    if (size >= 48) {
        // A soft shadow below and right of the tile.
        for (int k = 3; k >= 1; --k) {
            QPainterPath shadow;
            shadow.addRoundedRect(tile.translated(k * 2.0 * s, k * 3.0 * s), radius, radius);
            p.fillPath(shadow, QColor(0, 0, 0, 22));
        }
    }
    QPainterPath body;
    body.addRoundedRect(tile, radius, radius);
    QLinearGradient paper(tile.topLeft(), tile.bottomRight());
    paper.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    paper.setColorAt(1.0, QColor(0xee, 0xe8, 0xd8));
    p.fillPath(body, paper);
    p.setPen(QPen(QColor(0x7a, 0x70, 0x60), line));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    // Suits two by two: heart and spade above, club and diamond below.
    const double half = size / 2.0;
    const double offset = 58.0 * s;
    const double height = 88.0 * s;
    p.setPen(Qt::NoPen);
    p.fillPath(placed(heartPath(), QPointF(half - offset, half - offset + 2.0 * s), height), kCardRed);
    p.fillPath(placed(spadePath(), QPointF(half + offset, half - offset), height), kCardBlack);
    p.fillPath(placed(clubPath(), QPointF(half - offset, half + offset), height), kCardBlack);
    p.fillPath(placed(diamondPath(), QPointF(half + offset, half + offset), height), kCardRed);
}

QImage drawProgramIcon(int size)
{
    if (size == kTool)
        return drawProgramIcon16();
    QImage img = blankImage(size, size);
    QPainter p(&img);
    paintProgramIcon(p, size);
    return img;
}

// The scalable icon: the 256-pixel drawing as SVG.
bool saveProgramIconSvg(const QDir &dir, const char *name)
{
    constexpr int size = 256;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Ludoval"));
    {
        QPainter p(&svg);
        if (!p.isActive()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        paintProgramIcon(p, size);
    }
    std::printf("%s scalable\n", qPrintable(path));
    return true;
}

// ---------------------------------------------------------------------------
// About-box picture: the top-left corner of a three of diamonds, as if the
// card lay under a magnifying glass cut square.

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

// ---------------------------------------------------------------------------
// Toolbar images at twice the density, 32 x 32, for high-density screens.
// Each is its 16 x 16 twin drawn again with four times the pixels: painted in
// the same 16 units, so the places above hold here too. Straight edges stay
// on whole units (whole pairs of pixels), round and slanted ones are
// antialiased, and the details that one pixel could only hint at get their
// real shape. The same drawings made at 1.5 pixels a unit give the 24 x 24
// images, drawn at their size rather than shrunk from 32.

constexpr qreal kDensity = 2;
constexpr qreal kDensity150 = 1.5;

QImage denseImage(qreal density)
{
    const int size = qRound(kTool * density);
    QImage img = blankImage(size, size);
    img.setDevicePixelRatio(density);
    return img;
}

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
    const QPolygonF star = starPolygon(kStarCentre, 7.7, 3.5);
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

bool save(const QImage &img, const QDir &dir, const char *name)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (img.isNull() || !img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    ok &= save(drawNewGame(), dir, "nouvelle.png");
    ok &= save(drawQuit(), dir, "quitter.png");
    ok &= save(drawRules(), dir, "regle.png");
    ok &= save(drawAbout(), dir, "apropos.png");
    ok &= save(drawBack(), dir, "dos.png");
    ok &= save(drawColour(), dir, "couleur.png");
    ok &= save(drawChoose(), dir, "choisir.png");
    for (const auto &[density, suffix] : {std::pair{kDensity, "@2x"}, std::pair{kDensity150, "@1.5x"}}) {
        const auto name = [suffix](const char *base) { return std::string(base) + suffix + ".png"; };
        ok &= save(drawNewGame2x(density), dir, name("nouvelle").c_str());
        ok &= save(drawQuit2x(density), dir, name("quitter").c_str());
        ok &= save(drawRules2x(density), dir, name("regle").c_str());
        ok &= save(drawAbout2x(density), dir, name("apropos").c_str());
        ok &= save(drawBack2x(density), dir, name("dos").c_str());
        ok &= save(drawColour2x(density), dir, name("couleur").c_str());
        ok &= save(drawChoose2x(density), dir, name("choisir").c_str());
    }
    ok &= save(drawProgramIcon(256), dir, "ludoval.png");
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        const QByteArray name = "ludoval-" + QByteArray::number(size) + ".png";
        ok &= save(drawProgramIcon(size), dir, name.constData());
    }
    ok &= saveProgramIconSvg(dir, "ludoval.svg");
    ok &= save(drawAboutCard(33), dir, "apropos-carte.png");
    ok &= save(drawAboutCard(66), dir, "apropos-carte@2x.png");
    return ok ? 0 : 1;
}
