#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tamiro {

// Calls draw(x, y) for every tile of a background tiled from (0, 0) with steps
// of width and height, both bounds inclusive, so the last column and row start
// at or before the edges. limitX is read again for every row. A step of 0
// would never end: nothing is drawn then.
//
// With a span [left, right] x [top, bottom], only the columns and rows that
// start inside it are visited (the first ones from the tile in which left and
// top lie): a paint that repaints part of the window passes the part, widened
// by a tile, and skips the tiles that could not reach it.
template <class LimitX, class Draw>
void forEachTile(std::int64_t limitY, LimitX limitX, std::int64_t width, std::int64_t height,
                 Draw draw, std::int64_t left = 0, std::int64_t top = 0,
                 std::int64_t right = std::numeric_limits<std::int64_t>::max(),
                 std::int64_t bottom = std::numeric_limits<std::int64_t>::max()) {
    if (width <= 0 || height <= 0)
        return;
    const auto first = [](std::int64_t from, std::int64_t step) {
        return std::max<std::int64_t>(0, from / step) * step;
    };
    for (std::int64_t y = first(top, height); y <= std::min(limitY, bottom); y += height) {
        const std::int64_t rowLimit = std::min<std::int64_t>(limitX(), right);
        for (std::int64_t x = first(left, width); x <= rowLimit; x += width)
            draw(x, y);
    }
}

} // namespace tamiro
