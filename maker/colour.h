#pragma once

// Colours as the eye tells them apart: a picture reduced to a few colours,
// chosen in Lab, and the pieces each colour makes.

#include "maker/mask.h"

#include <QImage>
#include <array>
#include <vector>

namespace tamiro::maker {

using Lab = std::array<float, 3>;
Lab toLab(QRgb colour);
float squaredDifference(const Lab& a, const Lab& b);

// The luminance (0 to 255) of every pixel of an RGB32 picture.
std::vector<std::uint8_t> luminance(const QImage& image);

// Each channel replaced by the median of its 3 x 3 neighbourhood: edges stay
// sharp while the mixed pixels along them and specks of noise go.
QImage median3(const QImage& image);

// The picture reduced to `colours` colours by k-means in Lab on a sample of
// its pixels: a colour number a pixel, and the colours found.
struct Reduced {
    int width = 0, height = 0;
    std::vector<std::uint8_t> index;
    std::vector<QRgb> palette;
};
Reduced reduceColours(const QImage& image, int colours);

// Every piece of one colour smaller than `minArea` pixels takes the colour
// of the nearest larger piece, so that mixed pixels and specks make no lines.
void mergeSmallPieces(Reduced& reduced, int minArea);

// A line `width` pixels wide wherever neighbouring pixels differ in colour.
Mask colourBoundaries(const Reduced& reduced, int width);

} // namespace tamiro::maker
