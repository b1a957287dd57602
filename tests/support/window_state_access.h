#pragma once

#include "window/colouring_window.h"

namespace tamiro {

// The way in to the window's counters for the tests and the benchmarks that
// must start from a given number: the top of a series, a drawing of a long
// one.
struct WindowStateAccess {
    static WindowState& of(ColouringWindow& window) { return window.state_; }
};

} // namespace tamiro
