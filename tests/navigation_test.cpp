// The buttons: a navigation step (what the drawing area shows, the sound, the
// animation, what a drag with the mouse, a finger or a pen then reveals), each
// button pressed once by a click or a tap, broken content, the brush image's
// place, and printing with its switch file.

#include "support/window_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTabletEvent>
#include <QTest>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

enum class Input { Hover, Left, Right, Finger, Pen }; // a mouse button, a finger, a pen

// Presses at the first point, moves through the others and lets go at the
// last (one point: a click or a tap); a hover only moves. No control takes a
// pen's events, so Qt makes mouse events of them.
void drag(QWindow* window, Input input, const std::vector<QPoint>& points) {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    static const QPointingDevice pen("pen", 2, QInputDevice::DeviceType::Stylus,
                                     QPointingDevice::PointerType::Pen,
                                     QInputDevice::Capability::Position, 1, 1);
    for (size_t i = 0; i <= points.size(); ++i) {
        const QPoint at = points[std::min(i, points.size() - 1)];
        const int phase = i == 0 ? 0 : i < points.size() ? 1 : 2; // press, move, release
        if (input == Input::Finger) {
            auto touch = QTest::touchEvent(window, screen);
            phase == 0 ? touch.press(0, at, window)
                       : (phase == 1 ? touch.move(0, at, window) : touch.release(0, at, window));
            continue;
        }
        if (input == Input::Pen) {
            const QEvent::Type type[] = {QEvent::TabletPress, QEvent::TabletMove,
                                         QEvent::TabletRelease};
            QTabletEvent stroke(type[phase], &pen, at, window->mapToGlobal(at), 0.5, 0, 0, 0, 0, 0,
                                {}, Qt::LeftButton, phase < 2 ? Qt::LeftButton : Qt::NoButton);
            QApplication::sendEvent(window, &stroke);
            EXPECT_FALSE(stroke.isAccepted()) << "a control took the pen";
        }
        const auto button = input == Input::Right ? Qt::RightButton : Qt::LeftButton;
        if (input == Input::Hover || phase == 1)
            QTest::mouseMove(window, at);
        else
            phase == 0 ? QTest::mousePress(window, button, {}, at)
                       : QTest::mouseRelease(window, button, {}, at);
    }
}

// A window started on the tree, shown on a screen of 1024 x 768.
ColouringWindow& shown(World& w) {
    ColouringWindow& f = w.startedWindow();
    f.resize(1024, 768);
    f.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
    return f;
}

} // namespace

// After a step the drawing area shows the uncoloured drawing (white) over its
// picture, the coloured one (red); "previous" stretches from the hidden box, 2
// pixels of border wider a side, leaving a red strip right and bottom. A drag
// then reveals brush-sized rectangles around the points it moves through, with
// either mouse button, a finger or a pen alike, not clamped to the drawing; a
// hover reveals nothing.
TEST(Step, ShowsTheUncolouredOverTheColouredAndADragRevealsIt) {
    const struct {
        const char* clicks; // the last one a step; none: the title stays
        const char* sound;
        Input input;
        int brushWidth; // of the rectangles revealed, 0: none
    } rows[] = {
        {"n", "\\sonido1.wav", Input::Hover, 0},
        {"p", "\\sonido2.wav", Input::Hover, 0},
        {"1", "\\sonido1.wav", Input::Left, 41},
        {"bn", "\\sonido1.wav", Input::Finger, 81},
        {"1", "\\sonido1.wav", Input::Pen, 41},
        {"1", "\\sonido1.wav", Input::Right, 41},
        {"", "", Input::Left, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.clicks) + " " + std::to_string(int(row.input)));
        World w;
        w.content.basics(); // brush 1: 41 x 33 pixels
        w.content.drawing(1, 1, 301, 200);
        w.content.gif("medida/2.gif", 81, 33);
        w.content.gif("animados/1.gif", 20, 20);
        ColouringWindow& f = shown(w);
        QStringList animationWhileSounding;
        w.sound.onPlay = [&] { animationWhileSounding << f.animation->animationFile(); };
        for (const char* c = row.clicks; *c; ++c)
            w.click(*c);
        QImage expected = f.drawingArea->surface(); // the title, before any step
        if (*row.sound) {
            EXPECT_EQ(QStringList{""}, animationWhileSounding)
                << "no animation until the end of the step";
            EXPECT_EQ(f.state().appFolder + "\\animados\\1.gif", f.animation->animationFile());
            EXPECT_EQ(QStringList{w.files.applicationFolder() + row.sound}, w.sound.played);
            EXPECT_TRUE(f.drawingArea->isVisibleTo(&f));
            EXPECT_EQ(QColor(Qt::red), f.drawingArea->picture().image().pixelColor(20, 15));
            EXPECT_EQ(5422.5f, f.drawingArea->leftTwips()) << "centred, halves kept";
            expected = framedImage(301, 200, Qt::white);
        }
        if (row.clicks[0] == 'p') {
            const QImage shown = f.drawingArea->surface().convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(QColor(Qt::white), shown.pixelColor(150, 100));
            EXPECT_EQ(QColor(Qt::red), shown.pixelColor(298, 100)); // beyond 301 * 301 / (301 + 4)
            EXPECT_EQ(QColor(Qt::red), shown.pixelColor(150, 198)); // beyond 200 * 200 / (200 + 4)
            continue;
        }
        const QPoint from = f.drawingArea->mapTo(&f, QPoint(0, 0));
        drag(f.windowHandle(), row.input,
             {from + QPoint(60, 50), from + QPoint(120, 50), from + QPoint(180, 50),
              from + QPoint(240, 120), from + QPoint(4, 3)});
        EXPECT_FALSE(f.brushImage->isVisible());
        QPainter painter(&expected); // after the press, the brush centred, rounded to pixels
        for (const QPoint& at :
             {QPoint(120, 50), QPoint(180, 50), QPoint(240, 120), QPoint(4, 3)}) {
            painter.setClipRect(at.x() - row.brushWidth / 2, at.y() - 16, row.brushWidth, 33);
            painter.drawImage(0, 0, framedImage(301, 200, Qt::red)); // the coloured drawing
        }
        painter.end();
        EXPECT_EQ(expected, f.drawingArea->surface().convertToFormat(QImage::Format_RGB32));
    }
}

// Each button takes one click or tap, also where a drawing taller than the
// band above the bar reaches below it; the end button ends the program.
TEST(Step, EachButtonTakesOneClickOrTap) {
    for (const Input input : {Input::Left, Input::Finger, Input::Pen}) {
        SCOPED_TRACE(int(input));
        World w;
        w.content.basics();
        w.content.drawing(1, 1, 600, 1000);
        ColouringWindow& f = shown(w);
        w.click('n');
        ASSERT_GT(f.drawingArea->geometry().bottom(), f.previousButton->geometry().top());
        QSignalSpy ended(&f, &ColouringWindow::ended);
        for (QAbstractButton* button : f.findChildren<QAbstractButton*>()) {
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            drag(f.windowHandle(), input, {button->geometry().center()});
            EXPECT_EQ(1, clicked.size()) << qPrintable(button->accessibleName());
        }
        EXPECT_EQ(1, ended.size()) << "the end button ends the program";
    }
}

// Broken content: the message names the file at fault, and what the window
// showed stays; the series' number moves on, so the next click gets past.
TEST(BrokenContent, NamedInAMessageAndTheWindowGoesOn) {
    const struct {
        const char* damaged; // made of these bytes, or removed
        const char* bytes;
        const char* clicks; // the last one fails
        const char* named;  // in the message, in any letter case
        int number;         // the series' number afterwards
    } rows[] = {
        {"dibujos/5/si coloreado/leeme.txt", "", "5", "dibujos/5/si coloreado/1.", 1},
        {"dibujos/5/si coloreado/leeme.txt", "", "5p", "dibujos/5/si coloreado/0.", 0},
        {"dibujos/1/no coloreado/2.gif", nullptr, "nn", "dibujos/1/no coloreado/2.gif", 2},
        {"dibujos/1/si coloreado/2.gif", "GIF89a", "nn", "dibujos/1/si coloreado/2.gif", 2},
        {"medida/2.gif", "GIF89a broken", "b", "medida/2.gif", 2},
        {"punteros/3.ico", "no icon", "hh", "punteros/3.ico", 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.named) + " " + row.clicks);
        World w;
        w.content.basics();
        w.content.drawing(1, 1);
        w.content.drawing(1, 2);
        w.content.picture("punteros/2.ico", framedImage(32, 32, Qt::red));
        w.content.remove(row.damaged);
        if (row.bytes)
            w.content.text(row.damaged, row.bytes);
        ColouringWindow& f = w.startedWindow();
        const std::string clicks = row.clicks;
        for (size_t i = 0; i + 1 < clicks.size(); ++i)
            w.click(clicks[i]);
        // What the window shows, and what has been heard.
        const auto state = [&] {
            return std::make_tuple(
                f.drawingArea->surface(), f.drawingArea->picture().image(),
                f.drawingArea->leftTwips(), f.brushImage->picture().image(),
                f.brushImage->widthTwips(),
                f.pointerAndPrintButtons(ColouringWindow::kPointerButton).picture().image(),
                f.drawingArea->mouseIcon().image(), w.sound.played.size(),
                f.state().animationNumber);
        };
        const auto before = state();
        const qsizetype messagesBefore = w.messages.shown.size();
        w.click(clicks.back());
        ASSERT_EQ(messagesBefore + 1, w.messages.shown.size());
        const QString message = w.messages.shown.back();
        EXPECT_TRUE(message.contains(row.named, Qt::CaseInsensitive)) << message.toStdString();
        EXPECT_TRUE(!clicks.ends_with('h') || message.startsWith("Atención: "));
        EXPECT_EQ(before, state());
        EXPECT_TRUE(f.drawingArea->isVisibleTo(&f));
        const char last = clicks.back();
        EXPECT_EQ(row.number, last == 'b'   ? f.state().brushSizeNumber
                              : last == 'h' ? f.state().pointerNumber
                                            : f.state().pictureNumbers[f.state().folderNumber]);
    }
}

using Brush = WindowTest;

// A move over the brush image itself centres it on the pointer, with or
// without a button held: the move is read from the image's corner.
TEST_F(Brush, FollowsThePointerOverItself) {
    content.basics(); // a brush of 615 x 495
    ColouringWindow& f = startedWindow();
    f.onDrawingAreaMouseMove(LeftButton, 0, 1000, 2000); // 1000 - Int(307.5), 2000 - Int(247.5)
    f.onBrushImageMouseMove(0, 0, 10, 20);
    EXPECT_EQ(QPointF(396, 1526), QPointF(f.brushImage->leftTwips(), f.brushImage->topTwips()));
    EXPECT_FALSE(f.brushImage->isVisible());
}

using Printing = WindowTest;

// The switch file, read at start-up: only a first line (up to a carriage
// return) of SI in any letter case prints, nothing trimmed. A print puts the
// drawing area's picture at (0, 0) at its size in twips, one document a click;
// a printer failure is told and ends no document.
TEST_F(Printing, SwitchWhatWhereAndFailure) {
    content.basics();
    content.drawing(1, 1, 40, 30);
    content.picture("punteros/2.ico", framedImage(32, 32, Qt::red));
    const struct {
        QByteArray bytes;
        bool prints;
        const char* name = "impresora.txt"; // none: no file
    } rows[] = {
        {"si", true},   {"sI", true},          {"SI\r\nNO", true},
        {" SI", false}, {"SI ", false},        {"S\xc3\x8d", false},
        {"NO", false},  {"\r\nSI\r\n", false}, {"SI\nNO", false},
        {"", false},    {"", false, nullptr},  {"SI", false, "Impresora.txt"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        content.remove("impresora.txt");
        content.remove("Impresora.txt");
        if (row.name)
            content.text(row.name, row.bytes);
        printer = {};
        startedWindow();
        click('r');
        EXPECT_EQ(row.prints ? 1 : 0, printer.documents);
        EXPECT_TRUE(messages.shown.isEmpty());
    }
    content.text("impresora.txt", "SI"); // read only at start-up
    click('r');
    EXPECT_EQ(0, printer.documents);

    ColouringWindow& f = startedWindow();
    for (char button : std::string("rnrr")) // the title, then the drawing twice
        click(button);
    ASSERT_EQ(3u, printer.drawn.size());
    EXPECT_EQ(3, printer.documents);
    EXPECT_EQ(pictures.builtIn("T1.gif").image(), printer.drawn[0].first.image());
    EXPECT_EQ(QRectF(0, 0, 10185, 6600), printer.drawn[0].second);
    EXPECT_TRUE(printer.drawn[2].first.sameAs(f.drawingArea->picture()));
    EXPECT_EQ(QRectF(0, 0, 600, 450), printer.drawn[2].second);
    EXPECT_EQ(1, f.state().pointerNumber);
    EXPECT_TRUE(messages.shown.isEmpty());

    printer.failure = "la impresora no responde";
    click('r');
    EXPECT_EQ(QStringList{"Atención: la impresora no responde"}, messages.shown);
    EXPECT_EQ(3, printer.documents);
}
