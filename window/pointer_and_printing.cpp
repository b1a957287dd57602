// The pointer button and the print button share one handler and one trap.

#include "platform/core/errors.h"
#include "rules/content.h"
#include "rules/messages.h"
#include "window/colouring_window.h"

namespace tamiro {

void ColouringWindow::onPointerOrPrintClicked(std::int16_t index) {
    try {
        if (index == kPointerButton) {
            state_.pointerNumber =
                nextInSeries(files_, state_.appFolder, kPointers, state_.pointerNumber);
            const QString file = seriesPath(state_.appFolder, kPointers, state_.pointerNumber);
            pointerAndPrintButtons(kPointerButton).setPicture(pictures_.load(file));
            drawingArea->setMouseIcon(pictures_.load(file));
            drawingArea->setMousePointer(kCustomPointer);
        } else if (index == kPrintButton) {
            if (!printingOn(state_.printerSwitch))
                return;
            const Picture drawing = drawingArea->picture();
            const float width = drawingArea->widthTwips();
            const float height = drawingArea->heightTwips();
            services_.printer.paintPicture(drawing, 0.0f, 0.0f, width, height);
            services_.printer.endDoc();
        }
    } catch (const PlatformError& error) {
        tell(messages::attention(error.description()));
    }
}

} // namespace tamiro
