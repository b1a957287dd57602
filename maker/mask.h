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
