// Choosing a drawing folder and stepping through its numbered drawings. Where
// each step leads and what it shows are the content's rules (rules/drawings).

#include "rules/content.h"
#include "rules/drawing_area.h"
#include "window/colouring_window.h"

namespace tamiro {

void ColouringWindow::onFolderClicked(std::int16_t index) {
    if (index < 0 || index > 9)
        return; // the group has ten buttons
    state_.folderNumber = static_cast<std::uint8_t>(index + 1);
    clearAnimation();
    drawingArea->hide();
    std::int16_t& n = currentPictureNumber();
    n = drawings_.afterFolderButton(state_.folderNumber, n);
    showDrawing(SourceSize::OfDrawingArea, kNextSound);
}

void ColouringWindow::onNextClicked() {
    clearAnimation();
    drawingArea->hide();
    std::int16_t& n = currentPictureNumber();
    n = drawings_.afterNext(state_.folderNumber, n);
    showDrawing(SourceSize::OfDrawingArea, kNextSound);
}

void ColouringWindow::onPreviousClicked() {
    clearAnimation();
    drawingArea->hide(); // hidden before the number moves: nothing it does reads the other
    std::int16_t& n = currentPictureNumber();
    n = drawings_.afterPrevious(state_.folderNumber, n);
    showDrawing(SourceSize::OfUncolouredHolder, kPreviousSound);
}

std::int16_t& ColouringWindow::currentPictureNumber() {
    return state_.pictureNumbers.at(state_.folderNumber);
}

// Shows the drawing now chosen in the folder: the coloured variant as the
// picture of the drawing area, the uncoloured one drawn over it; then the
// sound and the next animation. Both variants are read before the drawing
// area changes: a missing or damaged file leaves the drawing shown before as
// it was, and the child is told.
//
// The coloured picture is given again once the holder has the uncoloured
// one. Stepping back, the uncoloured drawing is scaled from the holder's size
// rather than the area's, so variants of different sizes come out
// differently by direction.
void ColouringWindow::showDrawing(SourceSize source, const QString& sound) {
    const DrawingStep step = drawings_.show(state_.folderNumber, currentPictureNumber());
    if (!step.shown()) {
        drawingArea->show();
        tell(step.message);
        return;
    }

    drawingArea->setPicture(step.coloured);
    drawingArea->setLeftTwips(centredLeft(services_.screen.width(), drawingArea->widthTwips()));
    placeDrawingArea();
    drawingArea->clearDrawing();
    drawingArea->show();
    uncolouredHolder->setPicture(step.uncoloured);
    drawingArea->setPicture(step.coloured);
    const bool ofHolder = source == SourceSize::OfUncolouredHolder;
    drawingArea->paintPictureTwips(
        uncolouredHolder->picture(), 0, 0, drawingArea->widthTwips(), drawingArea->heightTwips(), 0,
        0, ofHolder ? uncolouredHolder->widthTwips() : drawingArea->widthTwips(),
        ofHolder ? uncolouredHolder->heightTwips() : drawingArea->heightTwips());
    playNavigationSound(sound);
    showNextAnimation();
}

} // namespace tamiro
