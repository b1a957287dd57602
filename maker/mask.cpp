#include "maker/mask.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tamiro::maker {

std::size_t Mask::count() const {
    return std::size_t(std::count_if(bits.begin(), bits.end(), [](auto b) { return b != 0; }));
}

Mask operator|(const Mask& a, const Mask& b) {
    Mask out(a.width, a.height);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = a[i] || b[i];
    return out;
}

Mask operator&(const Mask& a, const Mask& b) {
    Mask out(a.width, a.height);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = a[i] && b[i];
    return out;
}

Mask operator!(const Mask& a) {
    Mask out(a.width, a.height);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = !a[i];
    return out;
}

Pieces connectedPieces(const Mask& mask, bool eightConnected) {
    return joinedPieces(
        mask.width, mask.height, eightConnected, [&](std::size_t at) { return mask[at] != 0; },
        [](std::size_t, std::size_t) { return true; });
}

void dropSmallPieces(Mask& mask, int minArea) {
    const Pieces pieces = connectedPieces(mask, true);
    for (std::size_t i = 0; i < mask.size(); ++i)
        if (mask[i] && pieces.area[std::size_t(pieces.label[i])] < minArea)
            mask[i] = 0;
}

namespace {

constexpr std::int64_t kFar = std::numeric_limits<int>::max() / 4;

// The lower envelope of the parabolas rising from the finite values of `f`:
// out[q] = min over p of f[p] + (q - p)^2, and which p gives it.
void envelope(const std::int64_t* f, int n, std::int64_t* out, int* from, int* v, double* z) {
    int k = -1;
    for (int q = 0; q < n; ++q) {
        if (f[q] >= kFar)
            continue;
        double s = -std::numeric_limits<double>::infinity();
        while (k >= 0) {
            const int p = v[k];
            s = double((f[q] + std::int64_t(q) * q) - (f[p] + std::int64_t(p) * p)) /
                double(2 * (q - p));
            if (s > z[k])
                break;
            --k;
        }
        ++k;
        v[k] = q;
        z[k] = k == 0 ? -std::numeric_limits<double>::infinity() : s;
        z[k + 1] = std::numeric_limits<double>::infinity();
    }
    if (k < 0) {
        std::fill(out, out + n, kFar);
        std::fill(from, from + n, -1);
        return;
    }
    int j = 0;
    for (int q = 0; q < n; ++q) {
        while (z[j + 1] < q)
            ++j;
        const std::int64_t d = q - v[j];
        out[q] = d * d + f[v[j]];
        from[q] = v[j];
    }
}

} // namespace

std::vector<int> squaredDistances(const Mask& mask, std::vector<int>* nearest) {
    const int w = mask.width, h = mask.height;
    const std::size_t n = std::size_t(std::max(w, h));
    std::vector<std::int64_t> column(mask.size()), f(n), out(n);
    std::vector<int> fromRow(mask.size()), from(n), v(n);
    std::vector<double> z(n + 1);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y)
            f[std::size_t(y)] = mask[std::size_t(y) * std::size_t(w) + std::size_t(x)] ? 0 : kFar;
        envelope(f.data(), h, out.data(), from.data(), v.data(), z.data());
        for (int y = 0; y < h; ++y) {
            column[std::size_t(y) * std::size_t(w) + std::size_t(x)] = out[std::size_t(y)];
            fromRow[std::size_t(y) * std::size_t(w) + std::size_t(x)] = from[std::size_t(y)];
        }
    }
    std::vector<int> distances(mask.size());
    if (nearest)
        nearest->assign(mask.size(), -1);
    for (int y = 0; y < h; ++y) {
        const std::size_t row = std::size_t(y) * std::size_t(w);
        envelope(column.data() + row, w, out.data(), from.data(), v.data(), z.data());
        for (int x = 0; x < w; ++x) {
            distances[row + std::size_t(x)] = int(std::min(out[std::size_t(x)], kFar));
            if (nearest && from[std::size_t(x)] >= 0)
                (*nearest)[row + std::size_t(x)] =
                    fromRow[row + std::size_t(from[std::size_t(x)])] * w + from[std::size_t(x)];
        }
    }
    return distances;
}

namespace {

// The 3 x 3 maximum (or minimum, for `value` 0) of a mask, done in two passes.
Mask square3(const Mask& mask, std::uint8_t value) {
    const int w = mask.width, h = mask.height;
    Mask across(w, h), out(w, h);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = &mask.bits[std::size_t(y) * std::size_t(w)];
        std::uint8_t* to = &across.bits[std::size_t(y) * std::size_t(w)];
        for (int x = 0; x < w; ++x) {
            const bool hit = (row[x] != 0) == bool(value) ||
                             (x > 0 && (row[x - 1] != 0) == bool(value)) ||
                             (x + 1 < w && (row[x + 1] != 0) == bool(value));
            to[x] = hit ? value : std::uint8_t(!value);
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const auto at = [&](int yy) {
                return across.bits[std::size_t(yy) * std::size_t(w) + std::size_t(x)] == value;
            };
            const bool hit = at(y) || (y > 0 && at(y - 1)) || (y + 1 < h && at(y + 1));
            out.bits[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                hit ? value : std::uint8_t(!value);
        }
    }
    return out;
}

// The maximum over each pixel and its four neighbours.
Mask cross(const Mask& mask) {
    const int w = mask.width, h = mask.height;
    Mask out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
            out[at] = mask[at] || (x > 0 && mask[at - 1]) || (x + 1 < w && mask[at + 1]) ||
                      (y > 0 && mask[at - std::size_t(w)]) ||
                      (y + 1 < h && mask[at + std::size_t(w)]);
        }
    return out;
}

} // namespace

Mask grown(const Mask& mask, double radius) {
    // The small discs directly, as they are the common ones.
    if (radius >= 1 && radius < std::sqrt(2.0))
        return cross(mask);
    if (radius >= std::sqrt(2.0) && radius < 2) {
        Mask binary(mask.width, mask.height);
        for (std::size_t i = 0; i < mask.size(); ++i)
            binary[i] = mask[i] ? 1 : 0;
        return square3(binary, 1);
    }
    const std::vector<int> distances = squaredDistances(mask);
    Mask out(mask.width, mask.height);
    const double limit = radius * radius;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = distances[i] <= limit;
    return out;
}

Mask shrunk(const Mask& mask, double radius) {
    return !grown(!mask, radius);
}

Mask closedGaps(const Mask& mask) {
    Mask binary(mask.width, mask.height);
    for (std::size_t i = 0; i < mask.size(); ++i)
        binary[i] = mask[i] ? 1 : 0;
    return square3(square3(binary, 1), 0);
}

int closedRegions(const Mask& lines, int minArea) {
    const int w = lines.width, h = lines.height;
    const Pieces pieces = connectedPieces(!lines, false);
    std::vector<char> open(pieces.area.size(), 0);
    for (int x = 0; x < w; ++x) {
        open[std::size_t(pieces.label[std::size_t(x)])] = 1;
        open[std::size_t(pieces.label[std::size_t(h - 1) * std::size_t(w) + std::size_t(x)])] = 1;
    }
    for (int y = 0; y < h; ++y) {
        open[std::size_t(pieces.label[std::size_t(y) * std::size_t(w)])] = 1;
        open[std::size_t(pieces.label[std::size_t(y) * std::size_t(w) + std::size_t(w - 1)])] = 1;
    }
    int regions = 0;
    for (int label = 1; label <= pieces.count(); ++label)
        regions += !open[std::size_t(label)] && pieces.area[std::size_t(label)] >= minArea;
    return regions;
}

} // namespace tamiro::maker
