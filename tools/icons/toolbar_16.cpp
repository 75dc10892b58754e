// The toolbar images at 16 x 16, drawn pixel by pixel so that they stay crisp.
#include "icons.h"

#include <QPainter>

namespace icons {

// Nouvelle Partie: the fan of cards, a red heart on the front one and the
// corner of an index on each of the two behind.
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
    const Palette palette = {
        {'k', QColor(0x3b, 0x24, 0x12)}, {'d', QColor(0xb0, 0x6c, 0x32)},
        {'D', QColor(0x86, 0x4e, 0x22)}, {'y', QColor(0xff, 0xd8, 0x20)},
        {'r', QColor(0xe8, 0x14, 0x14)},
    };
    return rowsImage(rows, palette);
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

// A propos: the faceted star on black. At 16 x 16 each pixel takes the colour
// at its centre, so every edge is hard.
QImage drawAbout()
{
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    const QPolygonF star = aboutStar();
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
    const Palette palette = {
        {'g', QColor(0x1e, 0x7e, 0x34)}, {'s', QColor(0x14, 0x5a, 0x24)},
        {'k', QColor(0x30, 0x30, 0x30)}, {'w', QColor(0xff, 0xff, 0xff)},
        {'r', kCardRed},
    };
    QImage img = rowsImage(rows, palette);
    if (img.isNull())
        return {};
    QPainter p(&img);
    // A faint grain in the cloth: a sparse diagonal pattern of slightly darker pixels.
    for (int y = 0; y < kTool; ++y)
        for (int x = 0; x < kTool; ++x)
            if (rows[y][x] == 'g' && (x + 2 * y) % 5 == 0)
                p.fillRect(x, y, 1, 1, QColor(0x1a, 0x72, 0x2f));
    return img;
}

} // namespace icons
