#include "maker/colour.h"

#include <algorithm>
#include <cmath>

namespace tamiro::maker {

namespace {

float linear(int channel) {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> values{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            values[std::size_t(i)] =
                float(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return values;
    }();
    return table[std::size_t(channel)];
}

float labCurve(float t) {
    return t > 0.008856f ? std::cbrt(t) : 7.787f * t + 16.0f / 116.0f;
}

// Colours are grouped five bits a channel: 32768 bins, each as close to the
// eye as the colours in it are to each other.
constexpr int kBins = 32 * 32 * 32;
// Colours closer than this (in Lab) meet without a line between them.
constexpr float kDistinct = 14;
int binOf(QRgb c) {
    return (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3);
}
QRgb binColour(int bin) {
    return qRgb((bin >> 10 & 31) * 8 + 4, (bin >> 5 & 31) * 8 + 4, (bin & 31) * 8 + 4);
}

// The median of nine values, by the usual network of exchanges.
std::uint8_t median9(std::array<std::uint8_t, 9> p) {
    const auto sort2 = [&](int a, int b) {
        if (p[std::size_t(a)] > p[std::size_t(b)])
            std::swap(p[std::size_t(a)], p[std::size_t(b)]);
    };
    sort2(1, 2), sort2(4, 5), sort2(7, 8), sort2(0, 1), sort2(3, 4), sort2(6, 7);
    sort2(1, 2), sort2(4, 5), sort2(7, 8), sort2(0, 3), sort2(5, 8), sort2(4, 7);
    sort2(3, 6), sort2(1, 4), sort2(2, 5), sort2(4, 7), sort2(4, 2), sort2(6, 4);
    sort2(4, 2);
    return p[4];
}

} // namespace

Lab toLab(QRgb colour) {
    const float r = linear(qRed(colour)), g = linear(qGreen(colour)), b = linear(qBlue(colour));
    const float x = (0.4124f * r + 0.3576f * g + 0.1805f * b) / 0.95047f;
    const float y = 0.2126f * r + 0.7152f * g + 0.0722f * b;
    const float z = (0.0193f * r + 0.1192f * g + 0.9505f * b) / 1.08883f;
    const float fx = labCurve(x), fy = labCurve(y), fz = labCurve(z);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

float squaredDifference(const Lab& a, const Lab& b) {
    const float l = a[0] - b[0], u = a[1] - b[1], v = a[2] - b[2];
    return l * l + u * u + v * v;
}

std::vector<std::uint8_t> luminance(const QImage& image) {
    std::vector<std::uint8_t> out(std::size_t(image.width()) * std::size_t(image.height()));
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            out[i++] =
                std::uint8_t((qRed(row[x]) * 77 + qGreen(row[x]) * 150 + qBlue(row[x]) * 29) >> 8);
    }
    return out;
}

QImage median3(const QImage& image) {
    const int w = image.width(), h = image.height();
    QImage out(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const QRgb* rows[3] = {
            reinterpret_cast<const QRgb*>(image.constScanLine(std::max(y - 1, 0))),
            reinterpret_cast<const QRgb*>(image.constScanLine(y)),
            reinterpret_cast<const QRgb*>(image.constScanLine(std::min(y + 1, h - 1)))};
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int xs[3] = {std::max(x - 1, 0), x, std::min(x + 1, w - 1)};
            std::array<std::uint8_t, 9> r{}, g{}, b{};
            for (std::size_t k = 0; k < 9; ++k) {
                const QRgb c = rows[k / 3][xs[k % 3]];
                r[k] = std::uint8_t(qRed(c)), g[k] = std::uint8_t(qGreen(c));
                b[k] = std::uint8_t(qBlue(c));
            }
            to[x] = qRgb(median9(r), median9(g), median9(b));
        }
    }
    return out;
}

Reduced reduceColours(const QImage& image, int colours) {
    Reduced reduced{image.width(), image.height(), {}, {}};
    // k-means over the bins, each weighted by its pixels: every pixel counts,
    // at the cost of a histogram.
    std::vector<int> count(kBins, 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++count[std::size_t(binOf(row[x]))];
    }
    std::vector<int> used;
    for (int bin = 0; bin < kBins; ++bin)
        if (count[std::size_t(bin)])
            used.push_back(bin);
    std::vector<Lab> lab(used.size());
    for (std::size_t i = 0; i < used.size(); ++i)
        lab[i] = toLab(binColour(used[i]));

    // Seeds: the commonest colour, then each time the colour whose pixels lie
    // farthest from the seeds so far, so that small bright areas get their own.
    std::vector<Lab> centres;
    std::vector<float> nearest(used.size(), 1e30f);
    std::size_t next = 0;
    for (std::size_t i = 0; i < used.size(); ++i)
        if (count[std::size_t(used[i])] > count[std::size_t(used[next])])
            next = i;
    while (int(centres.size()) < colours && !used.empty()) {
        centres.push_back(lab[next]);
        double best = 0;
        for (std::size_t i = 0; i < used.size(); ++i) {
            nearest[i] = std::min(nearest[i], squaredDifference(lab[i], centres.back()));
            const double weight = double(nearest[i]) * count[std::size_t(used[i])];
            if (weight > best)
                best = weight, next = i;
        }
        if (best <= 0)
            break;
    }
    std::vector<int> owner(used.size(), 0);
    for (int round = 0; round < 12; ++round) {
        std::vector<std::array<double, 4>> sums(centres.size(), {0, 0, 0, 0});
        for (std::size_t i = 0; i < used.size(); ++i) {
            float best = 1e30f;
            for (std::size_t c = 0; c < centres.size(); ++c)
                if (const float d = squaredDifference(lab[i], centres[c]); d < best)
                    best = d, owner[i] = int(c);
            const double weight = count[std::size_t(used[i])];
            auto& sum = sums[std::size_t(owner[i])];
            for (std::size_t k = 0; k < 3; ++k)
                sum[k] += weight * double(lab[i][k]);
            sum[3] += weight;
        }
        for (std::size_t c = 0; c < centres.size(); ++c)
            if (sums[c][3] > 0)
                for (std::size_t k = 0; k < 3; ++k)
                    centres[c][k] = float(sums[c][k] / sums[c][3]);
    }
    // Each colour's palette entry is the mean of its pixels.
    std::vector<std::uint8_t> binOwner(kBins, 0);
    std::vector<std::array<double, 4>> rgb(centres.size(), {0, 0, 0, 0});
    for (std::size_t i = 0; i < used.size(); ++i) {
        binOwner[std::size_t(used[i])] = std::uint8_t(owner[i]);
        const QRgb c = binColour(used[i]);
        const double weight = count[std::size_t(used[i])];
        auto& sum = rgb[std::size_t(owner[i])];
        sum[0] += weight * qRed(c), sum[1] += weight * qGreen(c), sum[2] += weight * qBlue(c);
        sum[3] += weight;
    }
    for (const auto& sum : rgb)
        reduced.palette.push_back(
            sum[3] > 0 ? qRgb(int(sum[0] / sum[3]), int(sum[1] / sum[3]), int(sum[2] / sum[3]))
                       : qRgb(0, 0, 0));
    reduced.index.resize(std::size_t(image.width()) * std::size_t(image.height()));
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            reduced.index[i++] = binOwner[std::size_t(binOf(row[x]))];
    }
    return reduced;
}

void mergeSmallPieces(Reduced& reduced, int minArea) {
    const int w = reduced.width, h = reduced.height;
    const Pieces pieces = joinedPieces(
        w, h, false, [](std::size_t) { return true; },
        [&](std::size_t a, std::size_t b) { return reduced.index[a] == reduced.index[b]; });
    const std::vector<int>& label = pieces.label;
    const std::vector<int>& area = pieces.area;
    Mask kept(w, h);
    for (std::size_t i = 0; i < label.size(); ++i)
        kept[i] = area[std::size_t(label[i])] >= minArea;
    if (kept.count() == 0)
        return;
    std::vector<int> nearest;
    squaredDistances(kept, &nearest);
    std::vector<std::uint8_t> merged = reduced.index;
    for (std::size_t i = 0; i < label.size(); ++i)
        if (!kept[i])
            merged[i] = reduced.index[std::size_t(nearest[i])];
    reduced.index = std::move(merged);
}

Mask colourBoundaries(const Reduced& reduced, int width) {
    const int w = reduced.width, h = reduced.height;
    const bool bothSides = width % 2 == 0;
    // Neighbouring bands of one shading are too alike to need a line.
    const std::size_t k = reduced.palette.size();
    std::vector<char> distinct(k * k);
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = 0; b < k; ++b)
            distinct[a * k + b] =
                squaredDifference(toLab(reduced.palette[a]), toLab(reduced.palette[b])) >=
                        kDistinct * kDistinct
                    ? 1
                    : 0;
    const auto differs = [&](std::uint8_t a, std::uint8_t b) {
        return distinct[std::size_t(a) * k + b] != 0;
    };
    Mask edge(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
            const std::uint8_t here = reduced.index[at];
            if (x + 1 < w && differs(reduced.index[at + 1], here)) {
                edge[at] = 1;
                if (bothSides)
                    edge[at + 1] = 1;
            }
            if (y + 1 < h && differs(reduced.index[at + std::size_t(w)], here)) {
                edge[at] = 1;
                if (bothSides)
                    edge[at + std::size_t(w)] = 1;
            }
        }
    }
    const int radius = (width - (bothSides ? 2 : 1)) / 2;
    return radius > 0 ? grown(edge, radius) : edge;
}

} // namespace tamiro::maker
