// Hard-pixel drawing: pictures given as rows of characters, for the 16 x 16
// toolbar images and the smallest program icon.
#include "icons.h"

#include <QPainter>

#include <cstdio>
#include <cstring>

namespace icons {

namespace {

bool rowsAreSquare(const std::vector<const char *> &rows, int size)
{
    if (int(rows.size()) != size)
        return false;
    for (const char *row : rows)
        if (int(std::strlen(row)) != size)
            return false;
    return true;
}

} // namespace

// Paints a picture given as rows of characters, one character a pixel; '.'
// leaves the pixel as it is, any other character takes its colour from the
// palette. Every row must be as long as the image is wide.
bool paintRows(QPainter &p, const std::vector<const char *> &rows, const Palette &palette,
               int x0, int y0)
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

QImage rowsImage(const std::vector<const char *> &rows, const Palette &palette)
{
    if (!rowsAreSquare(rows, kTool))
        return {};
    QImage img = blankImage(kTool, kTool);
    QPainter p(&img);
    if (!paintRows(p, rows, palette))
        return {};
    return img;
}

} // namespace icons
