// Touch screens and interactive whiteboards: a finger or a pen works the window
// as the mouse does, because Qt turns the touches and pen strokes that no
// control takes into mouse events. Nothing of the window may take them.

#include "support/form_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTabletEvent>
#include <QTest>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

// Presses at the first point, moves through the others and lets go at the
// last, with the mouse or with a finger; one point is a click or a tap.
void drag(QWindow* window, bool finger, const std::vector<QPoint>& points) {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    for (size_t i = 0; i < points.size(); ++i) {
        if (finger && i == 0)
            QTest::touchEvent(window, screen).press(0, points[i], window);
        else if (finger)
            QTest::touchEvent(window, screen).move(0, points[i], window);
        else if (i == 0)
            QTest::mousePress(window, Qt::LeftButton, {}, points[i]);
        else
            QTest::mouseMove(window, points[i]);
    }
    if (finger)
        QTest::touchEvent(window, screen).release(0, points.back(), window);
    else
        QTest::mouseRelease(window, Qt::LeftButton, {}, points.back());
}

} // namespace

// A tap on a button presses it once, and a drag over the drawing reveals the
// same rectangles as the mouse's drag along the same points. A pen's events
// are left to Qt by every control, so that they too become mouse events.
TEST(Touch, ATapPressesOnceAndADragRevealsAsTheMouseDoes) {
    QImage byMouse;
    for (const bool finger : {false, true}) {
        SCOPED_TRACE(finger ? "finger" : "mouse");
        World w;
        w.content.basics();
        w.content.drawing(1, 1, 301, 200);
        Form1& f = w.startedForm();
        f.resize(1024, 768);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        drag(f.windowHandle(), finger, {f.Command4->geometry().center()});
        ASSERT_EQ(1, w.sound.played.size()) << "one step";

        const QImage before = f.Picture1->surface();
        std::vector<QPoint> path;
        for (int x = 40; x <= 260; x += 20)
            path.push_back(f.Picture1->mapTo(&f, QPoint(x, 40 + x / 2)));
        drag(f.windowHandle(), finger, path);
        if (!finger)
            byMouse = f.Picture1->surface();
        EXPECT_NE(before, byMouse) << "the mouse revealed nothing";
        EXPECT_EQ(byMouse, f.Picture1->surface());

        for (QAbstractButton* button : f.findChildren<QAbstractButton*>()) {
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            drag(f.windowHandle(), finger, {button->geometry().center()});
            EXPECT_EQ(1, clicked.size()) << qPrintable(button->accessibleName());
        }
        const QPointingDevice stylus("pen", 2, QInputDevice::DeviceType::Stylus,
                                     QPointingDevice::PointerType::Pen,
                                     QInputDevice::Capability::Position, 1, 1);
        for (QWidget* control : f.findChildren<QWidget*>()) {
            const QPointF at = control->rect().center();
            QTabletEvent pen(QEvent::TabletPress, &stylus, at, control->mapToGlobal(at), 0.5, 0, 0,
                             0, 0, 0, {}, Qt::LeftButton, Qt::LeftButton);
            QApplication::sendEvent(control, &pen);
            EXPECT_FALSE(pen.isAccepted()) << qPrintable(control->objectName());
        }
    }
}
