#pragma once

#include <cstdint>

namespace tamiro {

// Calls draw(x, y) for every tile of a background tiled from (0, 0) with steps
// of width and height, both bounds inclusive, so the last column and row start
// at or before the edges. limitX is read again for every row. A step of 0
// would never end: nothing is drawn then.
template <class LimitX, class Draw>
void forEachTile(std::int64_t limitY, LimitX limitX, std::int64_t width, std::int64_t height,
                 Draw draw) {
    if (width <= 0 || height <= 0)
        return;
    for (std::int64_t y = 0; y <= limitY; y += height) {
        const std::int64_t rowLimit = limitX();
        for (std::int64_t x = 0; x <= rowLimit; x += width)
            draw(x, y);
    }
}

} // namespace tamiro
