#pragma once

// Yes/no pictures and the few operations the maker does on them: connected
// pieces, distances, growing and shrinking.

#include <cstdint>
#include <vector>

namespace tamiro::maker {

// One byte a pixel, row after row; non-zero is set.
struct Mask {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bits;

    Mask() = default;
    Mask(int w, int h, std::uint8_t fill = 0)
        : width(w), height(h), bits(std::size_t(w) * std::size_t(h), fill) {}
    std::size_t size() const { return bits.size(); }
    std::uint8_t& operator[](std::size_t i) { return bits[i]; }
    std::uint8_t operator[](std::size_t i) const { return bits[i]; }
    std::size_t count() const;
};

Mask operator|(const Mask& a, const Mask& b);
Mask operator&(const Mask& a, const Mask& b);
Mask operator!(const Mask& a);

// Connected pieces of set pixels, 4- or 8-connected: a label a pixel (0 for
// unset pixels, pieces from 1) and each piece's area (area[0] is unused).
struct Pieces {
    std::vector<int> label;
    std::vector<int> area;
    int count() const { return int(area.size()) - 1; }
};
Pieces connectedPieces(const Mask& mask, bool eightConnected);

// The same for any picture: pixels `taken` joined to their neighbours when
// `together(a, b)` says so (both given as indices).
template <typename Taken, typename Together>
Pieces joinedPieces(int w, int h, bool eightConnected, Taken taken, Together together) {
    Pieces pieces{std::vector<int>(std::size_t(w) * std::size_t(h), 0), {0}};
    struct Point {
        int x, y;
    };
    std::vector<Point> stack;
    const Point steps[8] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    const int reach = eightConnected ? 8 : 4;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            const std::size_t start = std::size_t(y0) * std::size_t(w) + std::size_t(x0);
            if (!taken(start) || pieces.label[start])
                continue;
            const int label = int(pieces.area.size());
            int area = 0;
            pieces.label[start] = label;
            stack.push_back({x0, y0});
            while (!stack.empty()) {
                const Point at = stack.back();
                stack.pop_back();
                ++area;
                const std::size_t here = std::size_t(at.y) * std::size_t(w) + std::size_t(at.x);
                for (int k = 0; k < reach; ++k) {
                    const int x = at.x + steps[k].x, y = at.y + steps[k].y;
                    if (x < 0 || y < 0 || x >= w || y >= h)
                        continue;
                    const std::size_t next = std::size_t(y) * std::size_t(w) + std::size_t(x);
                    if (!pieces.label[next] && taken(next) && together(here, next)) {
                        pieces.label[next] = label;
                        stack.push_back({x, y});
                    }
                }
            }
            pieces.area.push_back(area);
        }
    }
    return pieces;
}

// Unsets the 8-connected pieces smaller than `minArea` pixels.
void dropSmallPieces(Mask& mask, int minArea);

// The squared distance of every pixel to the nearest set pixel, and, when
// asked, the index of that pixel (exact Euclidean distance, linear time).
// Without any set pixel every distance is larger than the picture.
std::vector<int> squaredDistances(const Mask& mask, std::vector<int>* nearest = nullptr);

// Grown or shrunk by a disc of `radius` pixels: 1 is the four neighbours,
// 1.5 the 3 x 3 square. The picture's edge does not shrink anything.
Mask grown(const Mask& mask, double radius);
Mask shrunk(const Mask& mask, double radius);
// Grown then shrunk by the 3 x 3 square: gaps of one pixel closed.
Mask closedGaps(const Mask& mask);

// The white regions enclosed by lines that a child can colour: 4-connected
// pieces of unset pixels of at least `minArea` pixels not touching the edge.
int closedRegions(const Mask& lines, int minArea);

} // namespace tamiro::maker
