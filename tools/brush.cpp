// The brush: its size, and the brush image whose showing and hiding under the
// pointer reveals the coloured drawing.

#include "platform/errors.h"
#include "rules/content.h"
#include "rules/messages.h"
#include "ui/form1.h"

#include <cmath>

namespace tamiro {

void Form1::Command1_Click() {
    SizeNumber = nextInSeries(files_, AppFolder, kBrushSizes, SizeNumber);
    try {
        ShowBrushSize();
    } catch (const PlatformError& error) {
        services_.messages.show(messages::brushSizeNotChanged(error.description()));
        return;
    }
    Picture1->setMousePointer(kCustomPointer);
}

// Brush size SizeNumber on the button and as the brush image: one load of
// its picture serves both, so they never show different sizes.
void Form1::ShowBrushSize() {
    const Picture brush = pictures_.load(seriesPath(AppFolder, kBrushSizes, SizeNumber));
    Command1->setPicture(brush);
    Image1->setPicture(brush);
}

// With a button held, the brush image is centred on the pointer and shown;
// it is always hidden again, so only the rectangle it covered is repainted,
// from the coloured picture.
void Form1::Picture1_Mousemove(std::int16_t Button, std::int16_t, float X, float Y) {
    if (Button != 0) {
        Image1->setTop(float(Picture1->ScaleTop() + Y) - std::floor(Image1->Height() / 2));
        Image1->setLeft(float(Picture1->ScaleLeft() + X) - std::floor(Image1->Width() / 2));
        Image1->setVisible(true);
    }
    Image1->setVisible(false);
}

// The brush image follows the pointer over itself.
void Form1::Image1_MouseMove(std::int16_t, std::int16_t, float X, float Y) {
    const float left = Image1->Left(), width = Image1->Width();
    const float top = Image1->Top(), height = Image1->Height();
    const float newTop = float(Y + top) - std::floor(height / 2);
    const float newLeft = float(X + left) - std::floor(width / 2);
    Image1->Move(newLeft, newTop);
}

} // namespace tamiro
