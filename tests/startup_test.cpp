// The window as designed, its buttons, and start-up.

#include "support/form_fixture.h"

#include <QApplication>
#include <QTest>
#include <set>
#include <tuple>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

template <class C> QRectF twips(const C& c) {
    return QRectF(c.Left(), c.Top(), c.Width(), c.Height());
}

// The place in twips, the colour and the picture of a control.
std::tuple<QRectF, QColor, QImage> looks(QWidget* w) {
    if (auto* button = qobject_cast<GraphicalButton*>(w))
        return {twips(*button), button->backColor(), button->picture().image()};
    if (auto* box = qobject_cast<PictureBox*>(w))
        return {twips(*box), box->backColor(), box->picture().image()};
    return {twips(*qobject_cast<AnimationControl*>(w)), {}, {}};
}

} // namespace

using DesignedWindow = FormTest;

// Every control as designed, then arranged for a screen of 12000 x 9000 twips:
// the bar centred on the designed span (rounded down) 100 above the bottom,
// the folder buttons in two rows 545 apart, the drawing area centred above.
TEST_F(DesignedWindow, EveryControlAsDesignedAndArranged) {
    screen.w = 12000;
    screen.h = 9000;
    Form1& f = makeForm();
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(f.windowIcon().isNull());
    const QColor face = f.palette().color(QPalette::Button), yellow(255, 255, 0);
    struct Row {
        QWidget* control;
        float left, top, width, height;
        QColor colour;
        QString picture; // built-in picture, or none
        float arrangedLeft, arrangedTop;
    };
    // In tab order; the hidden Picture2 is skipped.
    std::vector<Row> rows = {{f.Picture1, 720, 840, 10185, 6600, Qt::white, "T1.gif", 907.5, 840},
                             {f.Command2, 8280, 5040, 975, 1155, face, "B5.bmp", 9702, 7775},
                             {f.Command1, 9360, 5040, 975, 1125, face, "", 8677, 7775},
                             {f.Tarambel1, 0, 3240, 1365, 1350, {}, "", 11192.5, 840},
                             {f.Command3, 960, 5040, 975, 1125, face, "B4.gif", 1852, 7775},
                             {f.Command4, 2040, 5040, 975, 1125, face, "B3.gif", 2877, 7775}};
    for (std::int16_t i = 0; i < 10; ++i)
        rows.push_back({&f.Command5(i), 4200.0f + 600 * (i % 5), i < 5 ? 5040.0f : 5640.0f, 495,
                        495, QColor(0, 255, 0), QStringLiteral("F%1.ico").arg(i),
                        4927.0f + 545 * (i % 5), i < 5 ? 7775.0f : 8320.0f});
    rows.push_back({f.Picture2, 6480, 960, 10245, 6660, Qt::white, "", 6480, 960});
    rows.push_back({&f.Command6(0), 7200, 5040, 975, 1095, yellow, "B2.ico", 7652, 7775});
    rows.push_back({&f.Command6(1), 3120, 5040, 975, 1095, yellow, "B1.gif", 3902, 7775});

    // The brush image: no picture yet, hidden, at its designed place and size.
    EXPECT_EQ(QRectF(3720, 2520, 615, 495),
              QRectF(f.Image1->Left(), f.Image1->Top(), f.Image1->Width(), f.Image1->Height()));
    EXPECT_FALSE(f.Image1->Visible());
    EXPECT_TRUE(f.Image1->picture().isNull());

    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.Picture1, QApplication::focusWidget()) << "the drawing area has the focus";
    QWidget* tab = f.Picture1;
    std::set<QString> names;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control->accessibleName().toStdString() + " " + row.picture.toStdString());
        const QImage designed =
            row.picture.isEmpty() ? QImage() : pictures.builtIn(row.picture).image();
        EXPECT_EQ(
            std::make_tuple(QRectF(row.left, row.top, row.width, row.height), row.colour, designed),
            looks(row.control));
        EXPECT_EQ(row.control == f.Picture2, row.control->isHidden());
        if (row.control->isHidden() || row.control == f.Picture1)
            continue;
        do
            tab = tab->nextInFocusChain();
        while (!(tab->focusPolicy() & Qt::TabFocus) || !tab->isVisible());
        EXPECT_EQ(row.control, tab) << "next in the tab order";
        EXPECT_TRUE(names.insert(row.control->accessibleName()).second) << "a name of its own";
    }

    f.ArrangeControls();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control->accessibleName().toStdString());
        const float height = row.width == 975 ? 1125 : row.height; // the bar's buttons alike
        EXPECT_EQ(QRectF(row.arrangedLeft, row.arrangedTop, row.width, height),
                  std::get<0>(looks(row.control)));
    }
    // Widgets stand on the nearest pixels: 1852 / 15 = 123.47, 907.5 / 15 = 60.5.
    EXPECT_EQ(QRect(123, 518, 65, 75), f.Command3->geometry());
    EXPECT_EQ(61, f.Picture1->geometry().left());

    bool ended = false;
    QObject::connect(&f, &Form1::ended, [&] { ended = true; });
    f.Command2->click();
    EXPECT_TRUE(ended) << "the end button ends the program";
}
