// Reduction of a painted card to an 8-bit palette.
//
// Cards usually hold far fewer than 256 colours and are then stored exactly.
// Otherwise the most common colours (the card white, ink, flat fills) keep
// exact entries, and the rest of the palette comes from a weighted median cut
// over the remaining colours. Every pixel then takes its nearest palette
// colour; there is no dithering, which would only add noise at this size.
#include "art.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <map>
#include <unordered_map>

namespace cardart {

namespace {

struct ColourCount {
    QRgb rgb;
    int count;
};

int channel(QRgb rgb, int axis)
{
    return axis == 0 ? qRed(rgb) : axis == 1 ? qGreen(rgb) : qBlue(rgb);
}

// Green differences show most, blue least.
constexpr std::array<int, 3> kAxisWeight = {3, 4, 2};

int distance(QRgb a, QRgb b)
{
    int sum = 0;
    for (int axis = 0; axis < 3; ++axis) {
        const int d = channel(a, axis) - channel(b, axis);
        sum += kAxisWeight[axis] * d * d;
    }
    return sum;
}

struct Box {
    std::vector<ColourCount> colours;

    std::array<double, 3> mean() const
    {
        std::array<double, 3> sum{};
        double weight = 0;
        for (const ColourCount &c : colours) {
            for (int axis = 0; axis < 3; ++axis)
                sum[axis] += double(channel(c.rgb, axis)) * c.count;
            weight += c.count;
        }
        for (double &s : sum)
            s /= weight;
        return sum;
    }

    // Weighted squared error per axis around the mean.
    std::array<double, 3> spread() const
    {
        const auto m = mean();
        std::array<double, 3> err{};
        for (const ColourCount &c : colours)
            for (int axis = 0; axis < 3; ++axis) {
                const double d = channel(c.rgb, axis) - m[axis];
                err[axis] += kAxisWeight[axis] * d * d * c.count;
            }
        return err;
    }

    double error() const
    {
        const auto e = spread();
        return e[0] + e[1] + e[2];
    }

    QRgb average() const
    {
        const auto m = mean();
        return qRgb(int(m[0] + 0.5), int(m[1] + 0.5), int(m[2] + 0.5));
    }
};

// Splits a box at the weighted median of its widest axis.
std::pair<Box, Box> split(Box box)
{
    const auto err = box.spread();
    const int axis = int(std::max_element(err.begin(), err.end()) - err.begin());
    std::stable_sort(box.colours.begin(), box.colours.end(),
                     [axis](const ColourCount &a, const ColourCount &b) {
                         return channel(a.rgb, axis) < channel(b.rgb, axis);
                     });
    long total = 0;
    for (const ColourCount &c : box.colours)
        total += c.count;
    long running = 0;
    size_t cut = 1;
    for (; cut < box.colours.size() - 1; ++cut) {
        running += box.colours[cut - 1].count;
        if (running * 2 >= total)
            break;
    }
    Box low{{box.colours.begin(), box.colours.begin() + long(cut)}};
    Box high{{box.colours.begin() + long(cut), box.colours.end()}};
    return {low, high};
}

std::vector<QRgb> medianCut(const std::vector<ColourCount> &colours, int boxCount)
{
    std::vector<Box> boxes{Box{colours}};
    while (int(boxes.size()) < boxCount) {
        // Split whichever box currently costs the most error.
        int worst = -1;
        double worstError = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].colours.size() < 2)
                continue;
            const double e = boxes[i].error();
            if (e > worstError) {
                worst = i;
                worstError = e;
            }
        }
        if (worst < 0)
            break;
        auto [low, high] = split(std::move(boxes[worst]));
        boxes[worst] = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<QRgb> palette;
    for (const Box &box : boxes)
        palette.push_back(box.average());
    return palette;
}

std::vector<QRgb> buildPalette(const std::map<QRgb, int> &histogram, int pixelCount, int maxColours)
{
    // Most common first; ties broken by value so the result never varies.
    std::vector<ColourCount> colours;
    for (const auto &[rgb, count] : histogram)
        colours.push_back({rgb, count});
    std::stable_sort(colours.begin(), colours.end(),
                     [](const ColourCount &a, const ColourCount &b) { return a.count > b.count; });

    std::vector<QRgb> palette;
    if (int(colours.size()) <= maxColours) {
        for (const ColourCount &c : colours)
            palette.push_back(c.rgb);
        return palette;
    }

    // Flat fills that cover a visible share of the card keep their exact value.
    const int reserveLimit = maxColours / 4;
    const int minShare = std::max(8, pixelCount / 200);
    size_t reserved = 0;
    while (int(reserved) < reserveLimit && colours[reserved].count >= minShare)
        palette.push_back(colours[reserved++].rgb);

    const std::vector<ColourCount> rest(colours.begin() + long(reserved), colours.end());
    for (QRgb rgb : medianCut(rest, maxColours - int(reserved)))
        if (std::find(palette.begin(), palette.end(), rgb) == palette.end())
            palette.push_back(rgb);
    return palette;
}

} // namespace

QImage toIndexed8(const QImage &picture, int maxColours)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();

    std::map<QRgb, int> histogram;
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    const std::vector<QRgb> palette = buildPalette(histogram, w * h, maxColours);

    std::unordered_map<QRgb, uchar> nearest;
    for (const auto &entry : histogram) {
        const QRgb colour = entry.first;
        int best = 0, bestDistance = INT_MAX;
        for (int i = 0; i < int(palette.size()); ++i) {
            const int d = distance(colour, palette[i]);
            if (d < bestDistance) {
                best = i;
                bestDistance = d;
            }
        }
        nearest[colour] = uchar(best);
    }

    QImage indexed(w, h, QImage::Format_Indexed8);
    // Rows are padded to whole words and the BMP writer copies the padding
    // too; clear it so the files come out byte-for-byte the same every run.
    std::memset(indexed.bits(), 0, size_t(indexed.sizeInBytes()));
    indexed.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < h; ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dst = indexed.scanLine(y);
        for (int x = 0; x < w; ++x)
            dst[x] = nearest.at(src[x] | 0xff000000u);
    }
    return indexed;
}

} // namespace cardart
