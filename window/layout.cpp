// The button bar along the bottom of the screen, whatever its size.

#include "rules/drawing_area.h"
#include "window/colouring_window.h"

#include <cmath>

namespace tamiro {

void ColouringWindow::arrangeControls() {
    const double screenWidth = services_.screen.width();
    const double screenHeight = services_.screen.height();

    // Centred on the span from previousButton to endButton as designed. Rounded
    // downwards; a 32-bit edge leaves room for the widest screens.
    const auto barLeft = static_cast<std::int32_t>(
        std::floor((screenWidth - (double(endButton->widthTwips()) + endButton->leftTwips() -
                                   previousButton->leftTwips())) /
                   2));

    for (GraphicalButton* large :
         {previousButton, nextButton, brushSizeButton, endButton,
          &pointerAndPrintButtons(kPointerButton), &pointerAndPrintButtons(kPrintButton)}) {
        large->setWidthTwips(kBarButtonWidth);
        large->setHeightTwips(kBarButtonHeight);
    }
    for (std::int16_t i = 0; i <= 9; ++i) {
        folderButtons(i).setWidthTwips(495);
        folderButtons(i).setHeightTwips(495);
    }

    previousButton->setTopTwips(float(screenHeight - previousButton->heightTwips() - kBelowBar));
    for (GraphicalButton* level :
         {nextButton, &pointerAndPrintButtons(kPointerButton),
          &pointerAndPrintButtons(kPrintButton), brushSizeButton, endButton, &folderButtons(0)})
        level->setTopTwips(previousButton->topTwips());
    folderButtons(5).setTopTwips(
        float(double(folderButtons(0).heightTwips()) + folderButtons(0).topTwips() + 50));

    const auto rightOf = [](const GraphicalButton& button) {
        return float(double(button.widthTwips()) + button.leftTwips() + 50);
    };
    previousButton->setLeftTwips(float(barLeft));
    nextButton->setLeftTwips(rightOf(*previousButton));
    pointerAndPrintButtons(kPrintButton).setLeftTwips(rightOf(*nextButton));
    folderButtons(0).setLeftTwips(rightOf(pointerAndPrintButtons(kPrintButton)));
    folderButtons(5).setLeftTwips(rightOf(pointerAndPrintButtons(kPrintButton)));
    for (std::int16_t j = 1; j <= 4; ++j) {
        const auto before = static_cast<std::int16_t>(j - 1),
                   below = static_cast<std::int16_t>(j + 5);
        folderButtons(j).setLeftTwips(rightOf(folderButtons(before)));
        folderButtons(below).setLeftTwips(rightOf(folderButtons(before)));
        folderButtons(j).setTopTwips(folderButtons(0).topTwips());
        folderButtons(below).setTopTwips(folderButtons(5).topTwips());
    }
    pointerAndPrintButtons(kPointerButton).setLeftTwips(rightOf(folderButtons(4)));
    brushSizeButton->setLeftTwips(rightOf(pointerAndPrintButtons(kPointerButton)));
    endButton->setLeftTwips(rightOf(*brushSizeButton));

    drawingArea->setLeftTwips(centredLeft(screenWidth, drawingArea->widthTwips()));
    animation->setTopTwips(drawingArea->topTwips());
    animation->setLeftTwips(
        float(double(drawingArea->widthTwips()) + drawingArea->leftTwips() + kAnimationGap));
}

} // namespace tamiro
