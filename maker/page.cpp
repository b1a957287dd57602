#include "maker/lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace tamiro::maker {

namespace {

// The paper's shade is the lightest pixel of each block of this many pixels
// a side, and of the blocks around it, so a line or a dark shape narrower
// than a few blocks never counts as paper.
constexpr int kBlock = 16;
constexpr int kBlocksAround = 2;

// Bright, clear colours that a child likes, in an order that puts different
// ones next to each other.
constexpr std::array<QRgb, 12> kCheerful = {
    0xffff6b6b, 0xffffd93d, 0xff6bcb77, 0xff4d96ff, 0xffff9f45, 0xffc77dff,
    0xffff8fc7, 0xff4ecdc4, 0xffa0e426, 0xffffb4a2, 0xff8ac4ff, 0xfff9f871,
};

} // namespace

std::vector<std::uint8_t> paperRelative(const QImage& image) {
    const int w = image.width(), h = image.height();
    // Averaged over 3 x 3 first, so that the grain of the paper or of the
    // camera neither raises the paper's shade nor speckles the page.
    const std::vector<std::uint8_t> raw = luminance(image);
    std::vector<std::uint8_t> light(raw.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0, n = 0;
            for (int dy = std::max(y - 1, 0); dy <= std::min(y + 1, h - 1); ++dy)
                for (int dx = std::max(x - 1, 0); dx <= std::min(x + 1, w - 1); ++dx, ++n)
                    sum += raw[std::size_t(dy) * std::size_t(w) + std::size_t(dx)];
            light[std::size_t(y) * std::size_t(w) + std::size_t(x)] = std::uint8_t(sum / n);
        }
    const int bw = (w + kBlock - 1) / kBlock, bh = (h + kBlock - 1) / kBlock;
    std::vector<int> block(std::size_t(bw) * std::size_t(bh), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int& b = block[std::size_t(y / kBlock) * std::size_t(bw) + std::size_t(x / kBlock)];
            b = std::max(b, int(light[std::size_t(y) * std::size_t(w) + std::size_t(x)]));
        }
    // Under a large dark shape no paper shows; the page's own paper, its
    // lighter blocks, stands in for it there.
    std::vector<int> sorted = block;
    std::sort(sorted.begin(), sorted.end());
    const int page = std::max(sorted[sorted.size() * 9 / 10], 32);
    std::vector<float> paper(block.size());
    for (int by = 0; by < bh; ++by)
        for (int bx = 0; bx < bw; ++bx) {
            int lightest = 0;
            for (int y = std::max(by - kBlocksAround, 0); y <= std::min(by + kBlocksAround, bh - 1);
                 ++y)
                for (int x = std::max(bx - kBlocksAround, 0);
                     x <= std::min(bx + kBlocksAround, bw - 1); ++x)
                    lightest = std::max(lightest,
                                        block[std::size_t(y) * std::size_t(bw) + std::size_t(x)]);
            paper[std::size_t(by) * std::size_t(bw) + std::size_t(bx)] =
                float(std::max(lightest, page / 4));
        }
    // Between the blocks' centres the paper's shade changes smoothly.
    std::vector<std::uint8_t> out(light.size());
    for (int y = 0; y < h; ++y) {
        const float fy = std::clamp((float(y) + 0.5f) / kBlock - 0.5f, 0.0f, float(bh - 1));
        const int y0 = int(fy), y1 = std::min(y0 + 1, bh - 1);
        for (int x = 0; x < w; ++x) {
            const float fx = std::clamp((float(x) + 0.5f) / kBlock - 0.5f, 0.0f, float(bw - 1));
            const int x0 = int(fx), x1 = std::min(x0 + 1, bw - 1);
            const auto at = [&](int by, int bx) {
                return paper[std::size_t(by) * std::size_t(bw) + std::size_t(bx)];
            };
            const float top = at(y0, x0) + (at(y0, x1) - at(y0, x0)) * (fx - float(x0));
            const float bottom = at(y1, x0) + (at(y1, x1) - at(y1, x0)) * (fx - float(x0));
            const float shade = top + (bottom - top) * (fy - float(y0));
            const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
            out[i] = std::uint8_t(std::min(255.0f, float(light[i]) * 255.0f / shade));
        }
    }
    return out;
}

Mask pageLines(const QImage& image, int speck) {
    const std::vector<std::uint8_t> paper = paperRelative(image);
    // A line is what is clearly darker than the paper, with its softer edges
    // wherever they touch it.
    Mask soft(image.width(), image.height());
    for (std::size_t i = 0; i < soft.size(); ++i)
        soft[i] = paper[i] < 190;
    const Pieces pieces = connectedPieces(soft, true);
    std::vector<char> inked(pieces.area.size(), 0);
    for (std::size_t i = 0; i < soft.size(); ++i)
        if (paper[i] < 120)
            inked[std::size_t(pieces.label[i])] = 1;
    for (std::size_t i = 0; i < soft.size(); ++i)
        soft[i] = soft[i] && inked[std::size_t(pieces.label[i])];
    // Thick dark shapes at the picture's edge are the table or the shadow
    // beyond a photographed page, not its drawing.
    const int w = soft.width, h = soft.height;
    const Pieces thick = connectedPieces(grown(shrunk(soft, 8), 8), true);
    std::vector<char> beyond(thick.area.size(), 0);
    for (int x = 0; x < w; ++x)
        for (const int y : {0, h - 1})
            beyond[std::size_t(thick.label[std::size_t(y) * std::size_t(w) + std::size_t(x)])] = 1;
    for (int y = 0; y < h; ++y)
        for (const int x : {0, w - 1})
            beyond[std::size_t(thick.label[std::size_t(y) * std::size_t(w) + std::size_t(x)])] = 1;
    Mask outside(w, h);
    for (std::size_t i = 0; i < soft.size(); ++i)
        outside[i] = thick.label[i] && beyond[std::size_t(thick.label[i])];
    soft = soft & !grown(outside, 2.5);
    dropSmallPieces(soft, speck);
    return closedGaps(soft);
}

QImage filledPage(const Mask& lines) {
    const int w = lines.width, h = lines.height;
    const Pieces regions = connectedPieces(!lines, false);
    // The regions touching the edge are the space around the drawing.
    std::vector<char> outside(regions.area.size(), 0);
    outside[0] = 1;
    for (int x = 0; x < w; ++x)
        for (const int y : {0, h - 1})
            outside[std::size_t(regions.label[std::size_t(y) * std::size_t(w) + std::size_t(x)])] =
                1;
    for (int y = 0; y < h; ++y)
        for (const int x : {0, w - 1})
            outside[std::size_t(regions.label[std::size_t(y) * std::size_t(w) + std::size_t(x)])] =
                1;
    // Each line pixel belongs to its nearest region; two regions are
    // neighbours where their pixels so extended touch.
    std::vector<int> nearest;
    squaredDistances(!lines, &nearest);
    std::vector<int> owner(lines.size(), 0);
    for (std::size_t i = 0; i < owner.size(); ++i)
        owner[i] = nearest[i] >= 0 ? regions.label[std::size_t(nearest[i])] : 0;
    std::set<std::pair<int, int>> touching;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
            for (const std::size_t next :
                 {x + 1 < w ? at + 1 : at, y + 1 < h ? at + std::size_t(w) : at})
                if (owner[at] != owner[next])
                    touching.insert(std::minmax(owner[at], owner[next]));
        }
    std::vector<std::vector<int>> neighbours(regions.area.size());
    for (const auto& [a, b] : touching)
        neighbours[std::size_t(a)].push_back(b), neighbours[std::size_t(b)].push_back(a);
    // The largest regions choose first; each takes the next colour of the
    // list that none of its neighbours has, or the one they have least.
    std::vector<int> order;
    for (int label = 1; label <= regions.count(); ++label)
        if (!outside[std::size_t(label)])
            order.push_back(label);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return regions.area[std::size_t(a)] > regions.area[std::size_t(b)];
    });
    std::vector<int> colour(regions.area.size(), -1);
    for (std::size_t n = 0; n < order.size(); ++n) {
        std::array<int, kCheerful.size()> used{};
        for (const int other : neighbours[std::size_t(order[n])])
            if (colour[std::size_t(other)] >= 0)
                ++used[std::size_t(colour[std::size_t(other)])];
        int best = -1;
        for (std::size_t k = 0; k < kCheerful.size(); ++k) {
            const int candidate = int((n * 5 + k) % kCheerful.size());
            if (best < 0 || used[std::size_t(candidate)] < used[std::size_t(best)])
                best = candidate;
        }
        colour[std::size_t(order[n])] = best;
    }
    QImage filled(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(filled.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
            const int c = colour[std::size_t(regions.label[at])];
            row[x] = lines[at] ? qRgb(0, 0, 0)
                     : c >= 0  ? kCheerful[std::size_t(c)]
                               : qRgb(255, 255, 255);
        }
    }
    return filled;
}

} // namespace tamiro::maker
