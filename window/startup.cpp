// Start-up of the window, the placing of the drawing area and the end button.

#include "platform/core/errors.h"
#include "platform/core/logging.h"
#include "rules/content.h"
#include "rules/drawing_area.h"
#include "rules/messages.h"
#include "window/colouring_window.h"

namespace tamiro {

void ColouringWindow::start() {
    state_.folderNumber = kStartFolder;
    state_.appFolder = files_.applicationFolder();
    state_.brushSizeNumber = 1;

    // The first brush size, on the button and as the brush image.
    try {
        showBrushSize();
    } catch (const PlatformError& error) {
        tell(messages::firstBrushSizeNotLoaded(error.description()));
    }

    // The printing switch: the first line of "impresora.txt", when a file of
    // exactly that name is there.
    const SwitchFile switchFile = readPrinterSwitch(files_, state_.appFolder);
    state_.printerSwitch = switchFile.line;
    if (!switchFile.message.isEmpty())
        tell(switchFile.message);
    qCDebug(lcWindow, "contenido en «%s»; impresión %s", qUtf8Printable(state_.appFolder),
            printingOn(state_.printerSwitch) ? "activada" : "desactivada");

    state_.pointerNumber = 1;
    try {
        drawingArea->setMouseIcon(pictures_.load(seriesPath(state_.appFolder, kPointers, 1)));
    } catch (const PlatformError& error) {
        tell(messages::firstPointerNotLoaded(error.description()));
    }
    drawingArea->setMousePointer(kCustomPointer);

    state_.pictureNumbers.at(state_.folderNumber) = 0;
    foreColor_ = QColor(0, 0, 0);
    arrangeControls();
    drawingArea->setFillColor(QColor(255, 0, 0));
    placeDrawingArea();
}

// Centres the drawing area in the band above the button bar, or fits it in
// with small margins when it is too tall, and puts the animation beside it.
void ColouringWindow::placeDrawingArea() {
    const double screenHeight = services_.screen.height();
    const double band = screenHeight - (screenHeight - previousButton->topTwips());
    const double margin = centredMargin(band, drawingArea->heightTwips());
    if (margin >= 1) {
        drawingArea->setTopTwips(float(margin));
    } else {
        drawingArea->setTopTwips(kFittedTop);
        const double bandAgain = screenHeight - (screenHeight - previousButton->topTwips());
        drawingArea->setHeightTwips(float(bandAgain - kFittedCut));
    }
    animation->setTopTwips(drawingArea->topTwips());
    animation->setLeftTwips(
        float(double(drawingArea->widthTwips()) + drawingArea->leftTwips() + kAnimationGap));
}

void ColouringWindow::onEndClicked() {
    emit ended();
}

} // namespace tamiro
