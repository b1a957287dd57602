// The button bar along the bottom of the screen, whatever its size.

#include "rules/drawing_area.h"
#include "ui/form1.h"

#include <cmath>

namespace tamiro {

void Form1::ArrangeControls() {
    const double screenWidth = services_.screen.width();
    const double screenHeight = services_.screen.height();

    // Centred on the span from Command3 to Command2 as designed. Rounded
    // downwards; a 32-bit edge leaves room for the widest screens.
    const auto barLeft = static_cast<std::int32_t>(std::floor(
        (screenWidth - (double(Command2->Width()) + Command2->Left() - Command3->Left())) / 2));

    for (GraphicalButton* large :
         {Command3, Command4, Command1, Command2, &Command6(0), &Command6(1)}) {
        large->setWidth(kBarButtonWidth);
        large->setHeight(kBarButtonHeight);
    }
    for (std::int16_t i = 0; i <= 9; ++i) {
        Command5(i).setWidth(495);
        Command5(i).setHeight(495);
    }

    Command3->setTop(float(screenHeight - Command3->Height() - kBelowBar));
    for (GraphicalButton* level :
         {Command4, &Command6(0), &Command6(1), Command1, Command2, &Command5(0)})
        level->setTop(Command3->Top());
    Command5(5).setTop(float(double(Command5(0).Height()) + Command5(0).Top() + 50));

    const auto rightOf = [](const GraphicalButton& button) {
        return float(double(button.Width()) + button.Left() + 50);
    };
    Command3->setLeft(float(barLeft));
    Command4->setLeft(rightOf(*Command3));
    Command6(1).setLeft(rightOf(*Command4));
    Command5(0).setLeft(rightOf(Command6(1)));
    Command5(5).setLeft(rightOf(Command6(1)));
    for (std::int16_t j = 1; j <= 4; ++j) {
        Command5(j).setLeft(rightOf(Command5(j - 1)));
        Command5(j + 5).setLeft(rightOf(Command5(j - 1)));
        Command5(j).setTop(Command5(0).Top());
        Command5(j + 5).setTop(Command5(5).Top());
    }
    Command6(0).setLeft(rightOf(Command5(4)));
    Command1->setLeft(rightOf(Command6(0)));
    Command2->setLeft(rightOf(*Command1));

    Picture1->setLeft(centredLeft(screenWidth, Picture1->Width()));
    Tarambel1->setTop(Picture1->Top());
    Tarambel1->setLeft(float(double(Picture1->Width()) + Picture1->Left() + kAnimationGap));
}

} // namespace tamiro
