// The brush: its size, and the brush image whose showing and hiding under the
// pointer reveals the coloured drawing.

#include "platform/core/errors.h"
#include "rules/content.h"
#include "rules/messages.h"
#include "window/colouring_window.h"

#include <cmath>

namespace tamiro {

void ColouringWindow::onBrushSizeClicked() {
    state_.brushSizeNumber =
        nextInSeries(files_, state_.appFolder, kBrushSizes, state_.brushSizeNumber);
    try {
        showBrushSize();
    } catch (const PlatformError& error) {
        tell(messages::brushSizeNotChanged(error.description()));
        return;
    }
    drawingArea->setMousePointer(kCustomPointer);
}

// The brush size in use on the button and as the brush image: one load of
// its picture serves both, so they never show different sizes.
void ColouringWindow::showBrushSize() {
    const Picture brush =
        pictures_.load(seriesPath(state_.appFolder, kBrushSizes, state_.brushSizeNumber));
    brushSizeButton->setPicture(brush);
    brushImage->setPicture(brush);
}

// With a button held, the brush image is centred on the pointer and shown;
// it is always hidden again, so only the rectangle it covered is repainted,
// from the coloured picture.
void ColouringWindow::onDrawingAreaMouseMove(std::int16_t button, std::int16_t, float x, float y) {
    if (button != 0) {
        brushImage->setTopTwips(float(drawingArea->scaleTopTwips() + y) -
                                std::floor(brushImage->heightTwips() / 2));
        brushImage->setLeftTwips(float(drawingArea->scaleLeftTwips() + x) -
                                 std::floor(brushImage->widthTwips() / 2));
        brushImage->setVisible(true);
    }
    brushImage->setVisible(false);
}

// The brush image follows the pointer over itself.
void ColouringWindow::onBrushImageMouseMove(std::int16_t, std::int16_t, float x, float y) {
    const float left = brushImage->leftTwips(), width = brushImage->widthTwips();
    const float top = brushImage->topTwips(), height = brushImage->heightTwips();
    const float newTop = float(y + top) - std::floor(height / 2);
    const float newLeft = float(x + left) - std::floor(width / 2);
    brushImage->moveTwips(newLeft, newTop);
}

} // namespace tamiro
