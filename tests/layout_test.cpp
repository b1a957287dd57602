// The button bar and the drawing area for screens of several sizes.

#include "support/form_fixture.h"

using namespace tamiro;
using namespace tamiro::testing;

using ScreenLayout = FormTest;

TEST_F(ScreenLayout, MatchesTheWorkedTableForA12000By9000Screen) {
    screen.w = 12000;
    screen.h = 9000;
    Form1& f = makeForm();
    f.ArrangeControls();

    const auto expectButton = [](const GraphicalButton& b, float left, float top, float w,
                                 float h) {
        EXPECT_FLOAT_EQ(left, b.Left());
        EXPECT_FLOAT_EQ(top, b.Top());
        EXPECT_FLOAT_EQ(w, b.Width());
        EXPECT_FLOAT_EQ(h, b.Height());
    };
    expectButton(*f.Command3, 1852, 7775, 975, 1125);
    expectButton(*f.Command4, 2877, 7775, 975, 1125);
    expectButton(f.Command6(1), 3902, 7775, 975, 1125);
    const float columns[5] = {4927, 5472, 6017, 6562, 7107};
    for (std::int16_t j = 0; j < 5; ++j) {
        expectButton(f.Command5(j), columns[j], 7775, 495, 495);
        expectButton(f.Command5(j + 5), columns[j], 8320, 495, 495);
    }
    expectButton(f.Command6(0), 7652, 7775, 975, 1125);
    expectButton(*f.Command1, 8677, 7775, 975, 1125);
    expectButton(*f.Command2, 9702, 7775, 975, 1125);
    EXPECT_FLOAT_EQ(907.5, f.Picture1->Left()) << "halves kept";
    EXPECT_FLOAT_EQ(840, f.Picture1->Top());
    EXPECT_FLOAT_EQ(11192.5, f.Tarambel1->Left()) << "beyond the right edge, not clamped";
    EXPECT_FLOAT_EQ(840, f.Tarambel1->Top());
    EXPECT_FLOAT_EQ(10677, f.Command2->Left() + f.Command2->Width())
        << "bar ends 1323 from the edge";
}

TEST_F(ScreenLayout, CentresOnTheDesignedSpanRoundingDownwards) {
    const auto barLeft = [&](float width) {
        screen.w = width;
        Form1& f = makeForm();
        f.ArrangeControls();
        return f.Command3->Left();
    };
    EXPECT_FLOAT_EQ(652, barLeft(9600)) << "652.5 rounded down";
    EXPECT_FLOAT_EQ(1852, barLeft(12000));
    EXPECT_FLOAT_EQ(3532, barLeft(15360));
    EXPECT_FLOAT_EQ(-148, barLeft(8000)) << "-147.5 rounded down";
    EXPECT_FLOAT_EQ(53452, barLeft(115200)) << "an 8K screen passes the 16-bit range";
}

TEST_F(ScreenLayout, PutsTheBarAHundredAboveTheBottomAndTheRowsInColumns) {
    screen.h = 16200; // 1080 pixels
    Form1& f = makeForm();
    f.ArrangeControls();
    EXPECT_FLOAT_EQ(16200 - 100, f.Command3->Top() + f.Command3->Height());
    EXPECT_FLOAT_EQ(f.Command3->Top() + 545, f.Command5(7).Top());
    EXPECT_FLOAT_EQ(f.Command3->Top() + 1125 - 85, f.Command5(7).Top() + f.Command5(7).Height());
    for (std::int16_t j = 0; j < 5; ++j)
        EXPECT_FLOAT_EQ(f.Command5(j).Left(), f.Command5(j + 5).Left());
}

TEST_F(ScreenLayout, PlacesWidgetsOnTheNearestPixels) {
    screen.w = 12000;
    screen.h = 9000;
    Form1& f = makeForm();
    f.ArrangeControls();
    EXPECT_EQ(QRect(123, 518, 65, 75), f.Command3->geometry()) << "1852 / 15 = 123.47";
    EXPECT_EQ(61, f.Picture1->geometry().left()) << "907.5 / 15 = 60.5";
}
