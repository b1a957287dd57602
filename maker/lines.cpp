#include "maker/lines.h"

#include <algorithm>
#include <cmath>

namespace tamiro::maker {

namespace {

// Darker than this, and nearly grey, is the artist's ink: black outlines, not
// a night sky, a dark grey fur or another dark colour of a fill. The lines'
// softened edges, lighter, count where they touch the ink.
constexpr int kInk = 40, kInkEdge = 100;
constexpr int kInkGrey = 40;
// A pixel is grey when its channels differ by at most this.
constexpr int kGrey = 48;

} // namespace

Detail detailFor(int detail) {
    detail = std::clamp(detail, Settings::kLeastDetail, Settings::kMostDetail);
    return {int(std::lround(30 * std::pow(1.4, 5 - detail))), 4 + int(std::lround(1.2 * detail))};
}

Measures measure(const QImage& image) {
    const int w = image.width(), h = image.height();
    const std::vector<std::uint8_t> light = luminance(image);
    const std::vector<std::uint8_t> paper = paperRelative(image);
    Measures m{};
    std::size_t flat = 0, colourful = 0, dark = 0, midtone = 0;
    Mask darker(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
            int low = 255, high = 0;
            for (int dy = std::max(y - 1, 0); dy <= std::min(y + 1, h - 1); ++dy)
                for (int dx = std::max(x - 1, 0); dx <= std::min(x + 1, w - 1); ++dx) {
                    const int v = light[std::size_t(dy) * std::size_t(w) + std::size_t(dx)];
                    low = std::min(low, v), high = std::max(high, v);
                }
            flat += high - low <= 6;
            const QRgb c = row[x];
            colourful += std::max({qRed(c), qGreen(c), qBlue(c)}) -
                             std::min({qRed(c), qGreen(c), qBlue(c)}) >
                         kGrey;
            darker[at] = paper[at] < 140;
            dark += darker[at];
            midtone += paper[at] >= 140 && paper[at] < 217;
        }
    }
    const double all = double(light.size());
    m.flat = double(flat) / all, m.colourful = double(colourful) / all;
    m.dark = double(dark) / all, m.midtone = double(midtone) / all;
    // Ink in strokes, not in blobs such as eyes or a black cat.
    const Mask ink = darkLines(image, detailFor(5).speck);
    m.outline = double((ink & !grown(shrunk(ink, 5), 5)).count()) / all;
    m.strokes = dark ? double((darker & !grown(shrunk(darker, 5), 5)).count()) / double(dark) : 0;
    return m;
}

Mask darkLines(const QImage& image, int speck) {
    Mask ink(image.width(), image.height()), edge(image.width(), image.height());
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++i) {
            const int r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
            const int light = (r * 77 + g * 150 + b * 29) >> 8;
            ink[i] = light < kInk && std::max({r, g, b}) - std::min({r, g, b}) < kInkGrey;
            edge[i] = light < kInkEdge;
        }
    }
    ink = ink | (edge & grown(ink, 1.5));
    dropSmallPieces(ink, speck);
    return closedGaps(ink);
}

Mask colourLines(const QImage& image, const Detail& detail, int width) {
    Reduced reduced = reduceColours(median3(image), detail.colours);
    mergeSmallPieces(reduced, detail.speck);
    Mask lines = colourBoundaries(reduced, width);
    dropSmallPieces(lines, detail.speck + 10);
    return lines;
}

Mask photoLines(const QImage& image, const Detail& detail, int width) {
    const int w = image.width(), h = image.height();
    const QImage half = median3(median3(image.scaled(
        std::max(w / 2, 1), std::max(h / 2, 1), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    Reduced reduced = reduceColours(half, std::max(detail.colours - 4, 3));
    mergeSmallPieces(reduced, detail.speck * 2);
    const Mask edges = colourBoundaries(reduced, 1);
    Mask lines(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            lines[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                edges[std::size_t(std::min(y / 2, edges.height - 1)) * std::size_t(edges.width) +
                      std::size_t(std::min(x / 2, edges.width - 1))];
    dropSmallPieces(lines, detail.speck * 8);
    return width > 2 ? grown(lines, (width - 2) / 2.0 + 0.5) : lines;
}

Mask thickened(const Mask& lines, int width) {
    const double radius = std::max(1.0, (width - 1) / 2.0);
    const Mask wide = grown(shrunk(lines, radius), radius) & lines;
    const Mask thin = lines & !wide;
    return lines | grown(thin, radius);
}

} // namespace tamiro::maker
