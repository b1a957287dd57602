// The button bar and the drawing area for screens of several sizes (the
// worked table for one screen is in startup_test).

#include "support/form_fixture.h"

using namespace tamiro;
using namespace tamiro::testing;

using Layout = FormTest;

// Start-up on screens of several sizes: the bar's left edge (centred on the
// designed span, rounded down), its top, and the drawing area's place: centred
// in the band above the bar, halves to even, or fitted with small margins.
TEST_F(Layout, ScreenSizes) {
    const struct {
        float width, height, barLeft, barTop, pictureLeft, pictureTop, pictureHeight;
    } rows[] = {
        {9600, 7200, 652, 5975, -292.5, 5, 5950},     // 652.5 down; too tall: fitted
        {8000, 9000, -148, 7775, -1092.5, 588, 6600}, // -147.5 down; 587.5 to even
        {15360, 8425, 3532, 7200, 2587.5, 300, 6600},
        {15360, 7830, 3532, 6605, 2587.5, 2, 6600}, // 2.5 to even
        {15360, 7832, 3532, 6607, 2587.5, 4, 6600}, // 3.5 to even
        {15360, 7826, 3532, 6601, 2587.5, 5, 6576}, // 0.5 gives 0: fitted
        {28800, 16200, 10252, 14975, 9307.5, 4188, 6600},
        {115200, 64800, 53452, 63575, 52507.5, 28488, 6600}, // past 16 bits
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.height);
        screen.w = row.width;
        screen.h = row.height;
        Form1& f = startedForm();
        EXPECT_EQ(QPointF(row.barLeft, row.barTop), QPointF(f.Command3->Left(), f.Command3->Top()));
        EXPECT_EQ(QRectF(row.pictureLeft, row.pictureTop, 10185, row.pictureHeight),
                  QRectF(f.Picture1->Left(), f.Picture1->Top(), f.Picture1->Width(),
                         f.Picture1->Height()));
        EXPECT_EQ(QPointF(row.pictureLeft + 10185 + 100, row.pictureTop),
                  QPointF(f.Tarambel1->Left(), f.Tarambel1->Top()));
    }
}
