// The brush: the brush image centred under the pointer, and the coloured
// drawing it reveals when dragged over the drawing area.

#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

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

// Real mouse moves dragged across the drawing area -> red (the coloured
// drawing) inside brush-sized rectangles centred on the pointer positions,
// white (the uncoloured one) elsewhere.
TEST(BrushDrag, RevealsTheColouredDrawingInBrushRectangles) {
    const struct {
        const char* what;
        bool stepped;       // a navigation step has put the drawing there
        const char* clicks; // of the brush button
        Qt::MouseButtons held;
        int brushWidth; // of the rectangles revealed, 0: none
    } rows[] = {
        {"brush 1", true, "", Qt::LeftButton, 41},
        {"no button", true, "", Qt::NoButton, 0},
        {"brush 2", true, "b", Qt::LeftButton, 81},
        {"before any drawing", false, "", Qt::LeftButton, 0}, // the title shows unchanged
    };
    const std::vector<QPoint> path{{60, 50}, {120, 50}, {180, 50}, {240, 120}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        World w;
        w.content.basics(); // brush 1: 41 x 33 pixels
        w.content.drawing(1, 1, 300, 200);
        w.content.gif("medida/2.gif", 81, 33);
        Form1& f = w.startedForm();
        if (row.stepped)
            f.command4_Click();
        for (const char* c = row.clicks; *c; ++c)
            w.click(*c);
        const QImage before = f.Picture1->surface();
        for (const QPoint& at : path) {
            QMouseEvent move(QEvent::MouseMove, QPointF(at), f.Picture1->mapToGlobal(QPointF(at)),
                             Qt::NoButton, row.held, Qt::NoModifier);
            QCoreApplication::sendEvent(f.Picture1, &move);
        }
        EXPECT_FALSE(f.Image1->Visible());
        QImage expected = row.stepped ? framedImage(300, 200, Qt::white) : before;
        QPainter painter(&expected);
        for (const QPoint& at : path) // the brush centred, rounded to pixels
            painter.fillRect(at.x() - row.brushWidth / 2, at.y() - 16, row.brushWidth, 33, Qt::red);
        painter.end();
        EXPECT_EQ(expected, f.Picture1->surface().convertToFormat(QImage::Format_RGB32));
    }
}
