// The buttons: a navigation step (what the drawing area shows, the sound, the
// animation, what the brush then reveals), broken content, the brush image's
// place, and printing with its switch file.

#include "support/window_fixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

using namespace tamiro;
using namespace tamiro::testing;

// After a step the drawing area shows the uncoloured drawing (white) over its
// picture, the coloured one (red); "previous" stretches from the hidden box, 2
// pixels of border wider a side, leaving a red strip right and bottom. Mouse
// moves with a button held reveal brush-sized rectangles around the pointer.
TEST(Step, ShowsTheUncolouredOverTheColouredAndTheBrushRevealsIt) {
    const struct {
        const char* clicks; // the last one a step; none: the title stays
        const char* sound;
        Qt::MouseButtons held;
        int brushWidth; // of the rectangles revealed, 0: none
    } rows[] = {
        {"n", "\\sonido1.wav", Qt::NoButton, 0},
        {"p", "\\sonido2.wav", Qt::NoButton, 0},
        {"1", "\\sonido1.wav", Qt::LeftButton, 41},
        {"bn", "\\sonido1.wav", Qt::LeftButton, 81},
        {"", "", Qt::LeftButton, 0},
    };
    const std::vector<QPoint> path{{60, 50}, {120, 50}, {180, 50}, {240, 120}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.clicks);
        World w;
        w.content.basics(); // brush 1: 41 x 33 pixels
        w.content.drawing(1, 1, 301, 200);
        w.content.gif("medida/2.gif", 81, 33);
        w.content.gif("animados/1.gif", 20, 20);
        ColouringWindow& f = w.startedWindow();
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
        for (const QPoint& at : path) {
            QMouseEvent move(QEvent::MouseMove, QPointF(at),
                             f.drawingArea->mapToGlobal(QPointF(at)), Qt::NoButton, row.held,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(f.drawingArea, &move);
        }
        EXPECT_FALSE(f.brushImage->isVisible());
        QPainter painter(&expected);
        for (const QPoint& at : path) // the brush centred, rounded to pixels
            painter.fillRect(at.x() - row.brushWidth / 2, at.y() - 16, row.brushWidth, 33, Qt::red);
        painter.end();
        EXPECT_EQ(expected, f.drawingArea->surface().convertToFormat(QImage::Format_RGB32));
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

// Moves over the drawing area (or over the brush image itself) -> the brush
// image's place, one after the other, with a brush of 615 x 495.
TEST_F(Brush, CentresOnThePointerWhileAButtonIsHeld) {
    content.basics();
    ColouringWindow& f = startedWindow();
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
            f.onBrushImageMouseMove(row.button, row.shift, row.x, row.y);
        else
            f.onDrawingAreaMouseMove(row.button, row.shift, row.x, row.y);
        EXPECT_EQ(QPointF(row.left, row.top),
                  QPointF(f.brushImage->leftTwips(), f.brushImage->topTwips()));
        EXPECT_FALSE(f.brushImage->isVisible());
    }
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
