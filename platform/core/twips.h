#pragma once

#include <QRect>
#include <algorithm>
#include <cmath>

namespace tamiro {

// Every place and size of the window is kept in twips: 1440 to the inch, so
// 15 to a logical pixel at 96 pixels per inch. This is the only conversion.
inline constexpr float kTwipsPerPixel = 15.0f;

inline int twipsToPixels(double twips) {
    const double pixels = std::clamp(twips / kTwipsPerPixel, -1.0e7, 1.0e7);
    return static_cast<int>(std::lround(pixels));
}

inline float pixelsToTwips(int pixels) {
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

inline QRect twipsToPixels(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), std::max(0, twipsToPixels(width)),
            std::max(0, twipsToPixels(height))};
}

// Conversion to a whole number with halves going to the even neighbour.
inline double roundHalfEven(double value) {
    return std::nearbyint(value);
}

} // namespace tamiro
