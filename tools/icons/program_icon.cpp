// The program icon, the four suits on a light tile: hard pixels at 16 x 16,
// one smooth drawing from 22 pixels up, and that drawing as SVG.
#include "icons.h"

#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cstdio>

namespace icons {

namespace {

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
    const Palette palette = {
        {'o', QColor(0x7a, 0x70, 0x60)}, {'c', QColor(0xfb, 0xf8, 0xf0)},
        {'k', kCardBlack}, {'r', kCardRed}, {'g', QColor(0x8c, 0x8a, 0x86)},
    };
    return rowsImage(rows, palette);
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

} // namespace

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

} // namespace icons
