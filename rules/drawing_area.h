#pragma once

// Where the window puts the drawing area on a screen, and so what of a drawing
// a child sees there. All measures in twips.

#include <QSize>

namespace tamiro {

// The bar's large buttons and the gap below them: ArrangeControls puts the
// bar this far above the bottom of the screen.
inline constexpr float kBarButtonWidth = 975, kBarButtonHeight = 1125, kBelowBar = 100;
// The animation control's width and its gap to the right of the drawing area.
inline constexpr float kAnimationWidth = 1365, kAnimationGap = 100;
// A drawing area that does not fit above the bar goes this far from the top
// and is cut to the band less this much.
inline constexpr float kFittedTop = 5, kFittedCut = 25;

// The top margin of a drawing area of this height centred in the band above
// the bar, halves to the even neighbour; below 1 it does not fit.
double centredMargin(double band, double height);
// The left of a drawing area of this width centred on the screen; a drawing
// wider than the screen gets a negative left.
float centredLeft(double screenWidth, double width);

// What a child misses of a drawing `size` pixels large on a screen `screen`
// pixels large: its bottom, its sides, or the animation beside it.
struct DrawingFit {
    bool cutBelow = false, cutAtSides = false, animationOut = false;
    bool whole() const { return !cutBelow && !cutAtSides && !animationOut; }
};
DrawingFit fitOnScreen(QSize size, QSize screen);
// The largest drawing that a screen shows whole, with its animation.
QSize largestWhole(QSize screen);

} // namespace tamiro
