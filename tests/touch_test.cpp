// Touch screens and whiteboards: Qt turns the touches and pen strokes that no
// control takes into mouse events, so a finger or a pen works as the mouse.

#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTabletEvent>
#include <QTest>

using namespace tamiro;
using namespace tamiro::testing;

// Presses at the first point, moves through the others and lets go at the
// last, with the mouse or with a finger; one point is a click or a tap.
static void drag(QWindow* window, bool finger, const std::vector<QPoint>& points) {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    for (size_t i = 0; i < points.size(); ++i) {
        if (finger)
            i ? QTest::touchEvent(window, screen).move(0, points[i], window)
              : QTest::touchEvent(window, screen).press(0, points[i], window);
        else if (i)
            QTest::mouseMove(window, points[i]);
        else
            QTest::mousePress(window, Qt::LeftButton, {}, points[i]);
    }
    if (finger)
        QTest::touchEvent(window, screen).release(0, points.back(), window);
    else
        QTest::mouseRelease(window, Qt::LeftButton, {}, points.back());
}

// A drag over the drawing reveals the same rectangles as the mouse's drag
// along the same points, and each button of the bar takes one click or tap,
// also where a drawing taller than the band above the bar reaches below it.
// No control takes a pen's events, so Qt makes mouse events of them too.
TEST(Touch, ADragRevealsAsTheMouseDoesAndATapPressesOnce) {
    QImage byMouse;
    for (const bool finger : {false, true}) {
        SCOPED_TRACE(finger ? "finger" : "mouse");
        World w;
        w.content.basics();
        w.content.drawing(1, 1, 600, 1000);
        ColouringWindow& f = w.startedWindow();
        f.resize(1024, 768);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        drag(f.windowHandle(), finger, {f.nextButton->geometry().center()});
        ASSERT_GT(f.drawingArea->geometry().bottom(), f.previousButton->geometry().top());

        const QImage before = f.drawingArea->surface();
        std::vector<QPoint> path;
        for (int x = 40; x <= 260; x += 20)
            path.push_back(f.drawingArea->mapTo(&f, QPoint(x, 40 + x / 2)));
        drag(f.windowHandle(), finger, path);
        if (!finger)
            byMouse = f.drawingArea->surface();
        EXPECT_NE(before, byMouse) << "the mouse revealed nothing";
        EXPECT_EQ(byMouse, f.drawingArea->surface());

        QSignalSpy ended(&f, &ColouringWindow::ended);
        for (QAbstractButton* button : f.findChildren<QAbstractButton*>()) {
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            drag(f.windowHandle(), finger, {button->geometry().center()});
            EXPECT_EQ(1, clicked.size()) << qPrintable(button->accessibleName());
        }
        EXPECT_EQ(1, ended.size()) << "the end button ends the program";
        const QPointingDevice pen("pen", 2, QInputDevice::DeviceType::Stylus,
                                  QPointingDevice::PointerType::Pen,
                                  QInputDevice::Capability::Position, 1, 1);
        for (QWidget* control : f.findChildren<QWidget*>()) {
            QTabletEvent press(QEvent::TabletPress, &pen, {}, {}, 0.5, 0, 0, 0, 0, 0, {},
                               Qt::LeftButton, Qt::LeftButton);
            QApplication::sendEvent(control, &press);
            EXPECT_FALSE(press.isAccepted()) << qPrintable(control->objectName());
        }
    }
}
