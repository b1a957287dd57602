// The brush image centred under the pointer (what it reveals: navigation_test).

#include "support/form_fixture.h"

using namespace tamiro;
using namespace tamiro::testing;

using Brush = FormTest;

// Moves over the drawing area (or over the brush image itself) -> the brush
// image's place, one after the other, with a brush of 615 x 495.
TEST_F(Brush, CentresOnThePointerWhileAButtonIsHeld) {
    content.basics();
    Form1& f = startedForm();
    const struct {
        bool overTheBrush;
        std::int16_t button, shift;
        float x, y, left, top;
    } rows[] = {
        {false, LeftButton, 0, 1000, 2000, 693, 1753}, // 1000 - Int(307.5), 2000 - Int(247.5)
        {true, 0, 0, 10, 20, 396, 1526},               // follows with or without a button
        {false, 0, ShiftKey, 5000, 5000, 396, 1526},   // no button: stays
        {false, RightButton, 0, 100, 50, -207, -197},  // any button; no clamping
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        if (row.overTheBrush)
            f.Image1_MouseMove(row.button, row.shift, row.x, row.y);
        else
            f.Picture1_Mousemove(row.button, row.shift, row.x, row.y);
        EXPECT_EQ(QPointF(row.left, row.top), QPointF(f.Image1->Left(), f.Image1->Top()));
        EXPECT_FALSE(f.Image1->Visible());
    }
}
