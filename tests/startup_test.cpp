// The window as designed, its buttons, and start-up.

#include "support/form_fixture.h"

#include <QApplication>
#include <QTest>
#include <set>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

// The colour and picture of a button or a picture box.
std::pair<QColor, QImage> looks(QWidget* w) {
    if (auto* button = qobject_cast<GraphicalButton*>(w))
        return {button->backColor(), button->picture().image()};
    if (auto* box = qobject_cast<PictureBox*>(w))
        return {box->backColor(), box->picture().image()};
    return {};
}

} // namespace

using DesignedWindow = FormTest;

TEST_F(DesignedWindow, EveryControlAsDesigned) {
    Form1& f = makeForm();
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(f.windowIcon().isNull());
    const QColor face = f.palette().color(QPalette::Button), yellow(255, 255, 0);
    struct Row {
        QWidget* control;
        float left, top, width, height;
        QColor colour;
        QString picture; // built-in picture, or none
    };
    // In tab order; the hidden Picture2 is skipped.
    std::vector<Row> rows = {{f.Picture1, 720, 840, 10185, 6600, Qt::white, "T1.gif"},
                             {f.Command2, 8280, 5040, 975, 1155, face, "B5.bmp"},
                             {f.Command1, 9360, 5040, 975, 1125, face, ""},
                             {f.Tarambel1, 0, 3240, 1365, 1350, {}, ""},
                             {f.Command3, 960, 5040, 975, 1125, face, "B4.gif"},
                             {f.Command4, 2040, 5040, 975, 1125, face, "B3.gif"}};
    for (std::int16_t i = 0; i < 10; ++i)
        rows.push_back({&f.Command5(i), 4200.0f + 600 * (i % 5), i < 5 ? 5040.0f : 5640.0f, 495,
                        495, QColor(0, 255, 0), QStringLiteral("F%1.ico").arg(i)});
    rows.push_back({f.Picture2, 6480, 960, 10245, 6660, Qt::white, ""});
    rows.push_back({&f.Command6(0), 7200, 5040, 975, 1095, yellow, "B2.ico"});
    rows.push_back({&f.Command6(1), 3120, 5040, 975, 1095, yellow, "B1.gif"});

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
        const QRect g = row.control->geometry(); // in pixels of 15 twips
        EXPECT_EQ(QRectF(row.left, row.top, row.width, row.height),
                  QRectF(g.topLeft() * 15, g.size() * 15));
        const QImage designed =
            row.picture.isEmpty() ? QImage() : pictures.builtIn(row.picture).image();
        EXPECT_EQ(std::make_pair(row.colour, designed), looks(row.control));
        EXPECT_EQ(row.control == f.Picture2, row.control->isHidden());
        if (row.control->isHidden() || row.control == f.Picture1)
            continue;
        do
            tab = tab->nextInFocusChain();
        while (!(tab->focusPolicy() & Qt::TabFocus) || !tab->isVisible());
        EXPECT_EQ(row.control, tab) << "next in the tab order";
        EXPECT_TRUE(names.insert(row.control->accessibleName()).second) << "a name of its own";
    }
}

// Start-up: brush size 1 on its button and as the brush image, pointer 1
// over the drawing area. Where each series starts, the series table shows.
TEST_F(DesignedWindow, StartUpBrushPointerAndTheEnd) {
    content.basics();
    Form1& f = startedForm();
    EXPECT_EQ(41, f.Command1->picture().widthPixels()) << "brush size 1 on the button";
    EXPECT_EQ(f.Command1->picture().image(), f.Image1->picture().image()) << "and the brush";
    EXPECT_EQ(32, f.Picture1->mouseIcon().widthPixels());
    EXPECT_EQ(Qt::BitmapCursor, f.Picture1->cursor().shape()) << "pointer 1 over the drawing";
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
    bool ended = false;
    QObject::connect(&f, &Form1::ended, [&] { ended = true; });
    f.Command2->click();
    EXPECT_TRUE(ended) << "the end button ends the program";
}
