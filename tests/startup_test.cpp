// The window: its layout on screens of several sizes, its tab order, names and
// focus, its tiled background painted in whole or in part, and the pictures
// built into it.

#include "support/window_fixture.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <set>

using namespace tamiro;
using namespace tamiro::testing;

// A control's place in twips.
static QRectF twips(QWidget* control) {
    const auto of = [](const auto* c) {
        return QRectF(c->leftTwips(), c->topTwips(), c->widthTwips(), c->heightTwips());
    };
    if (const auto* button = qobject_cast<GraphicalButton*>(control))
        return of(button);
    return of(dynamic_cast<Placed<QWidget>*>(control));
}

using Window = WindowTest;

// Start-up on screens of several sizes: the bar centred on the designed span
// (rounded down) 100 above the bottom, its folder buttons in two rows 545
// apart; the drawing area centred in the band above the bar (halves to even),
// or fitted with small margins when the margin is below 1; the animation 100
// to its right.
TEST_F(Window, LayoutForScreenSizes) {
    const struct {
        float width, height, barLeft, pictureLeft, pictureTop, pictureHeight;
    } rows[] = {
        {12000, 9000, 1852, 907.5, 588, 6600},        // 587.5 to even
        {9600, 7200, 652, -292.5, 5, 5950},           // 652.5 down; too tall: fitted
        {8000, 9000, -148, -1092.5, 588, 6600},       // -147.5 down
        {15360, 7830, 3532, 2587.5, 2, 6600},         // 2.5 to even
        {15360, 7827, 3532, 2587.5, 1, 6600},         // exactly 1: centred
        {15360, 7826, 3532, 2587.5, 5, 6576},         // 0.5 gives 0: fitted
        {115200, 64800, 53452, 52507.5, 28488, 6600}, // past 16 bits
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.height);
        screen.w = row.width;
        screen.h = row.height;
        ColouringWindow& f = startedWindow();
        // The bar from left to right, from its left edge and top.
        std::vector<std::pair<QWidget*, QRectF>> bar = {
            {f.previousButton, {0, 0, 975, 1125}},
            {f.nextButton, {1025, 0, 975, 1125}},
            {&f.pointerAndPrintButtons(ColouringWindow::kPrintButton), {2050, 0, 975, 1125}},
            {&f.pointerAndPrintButtons(ColouringWindow::kPointerButton), {5800, 0, 975, 1125}},
            {f.brushSizeButton, {6825, 0, 975, 1125}},
            {f.endButton, {7850, 0, 975, 1125}}};
        for (std::int16_t i = 0; i < 10; ++i)
            bar.push_back(
                {&f.folderButtons(i), {3075.0f + 545 * (i % 5), i < 5 ? 0 : 545.0f, 495, 495}});
        for (const auto& [control, place] : bar)
            EXPECT_EQ(place.translated(row.barLeft, row.height - 1225), twips(control))
                << qPrintable(control->accessibleName());
        EXPECT_EQ(QRectF(row.pictureLeft, row.pictureTop, 10185, row.pictureHeight),
                  twips(f.drawingArea));
        EXPECT_EQ(QPointF(row.pictureLeft + 10285, row.pictureTop), twips(f.animation).topLeft());
        if (row.width ==
            12000) { // widgets on the nearest pixels: 1852 / 15 = 123.47, 907.5 / 15 = 60.5
            EXPECT_EQ(QRect(123, 518, 65, 75), f.previousButton->geometry());
            EXPECT_EQ(61, f.drawingArea->geometry().left());
        }
    }
}

// The window has no title bar. Every control but the hidden holder takes the
// tab in the window's order, after the drawing area, which has the focus; each
// has a name of its own.
TEST_F(Window, TabOrderNamesAndFocus) {
    ColouringWindow& f = makeWindow();
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    std::vector<QWidget*> order = {f.endButton, f.brushSizeButton, f.animation, f.previousButton,
                                   f.nextButton};
    for (std::int16_t i = 0; i < 10; ++i)
        order.push_back(&f.folderButtons(i));
    order.push_back(&f.pointerAndPrintButtons(ColouringWindow::kPointerButton));
    order.push_back(&f.pointerAndPrintButtons(ColouringWindow::kPrintButton));
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.drawingArea, QApplication::focusWidget()) << "the drawing area has the focus";
    QWidget* tab = f.drawingArea;
    std::set<QString> names{f.drawingArea->accessibleName()};
    for (QWidget* control : order) {
        SCOPED_TRACE(control->accessibleName().toStdString());
        do
            tab = tab->nextInFocusChain();
        while (!(tab->focusPolicy() & Qt::TabFocus) || !tab->isVisible());
        EXPECT_EQ(control, tab) << "next in the tab order";
        EXPECT_TRUE(names.insert(control->accessibleName()).second) << "a name of its own";
    }
}

// The background, tiled from the window's corner and read once (a file gone
// later changes nothing); a missing one is told once per start, after the
// paint. A paint of part of the window leaves there the pixels of the whole
// tiling, and draws no tile far from the part.
TEST_F(Window, BackgroundTiledFromTheCornerInWholeOrInPart) {
    const auto paint = [this](const QRegion& part, bool clipped) {
        QImage shown(window->size(), QImage::Format_RGB32);
        shown.fill(Qt::black);
        QPainter painter(&shown);
        if (clipped)
            painter.setClipRegion(part);
        part.isEmpty() ? window->paintBackground(painter) : window->paintBackground(painter, part);
        EXPECT_TRUE(messages.shown.isEmpty()) << "never from inside a paint";
        QCoreApplication::processEvents();
        return shown;
    };
    makeWindow().resize(200, 150);
    QImage black(window->size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(black, paint({}, false));
    ASSERT_EQ(1, messages.shown.size());
    EXPECT_TRUE(messages.shown[0].startsWith("No encuentro la imagen de fondo \r\nERROR: "));
    EXPECT_TRUE(messages.shown[0].contains(content.path("fondo.gif")));
    messages.shown.clear();
    paint({}, false); // told once per start: this paint finds no message

    const std::pair<QSize, QRegion> rows[] = {
        {{100, 7}, QRect(101, 8, 50, 20)},                             // 1500 x 105 twips
        {{1, 1}, QRect(65, 70, 65, 75)},                               // a one-pixel background
        {{7, 5}, QRect(13, 9, 20, 11)},                                // edges inside tiles
        {{17, 13}, QRegion(34, 26, 17, 13) + QRect(150, 120, 50, 30)}, // on tile edges; two parts
        {{64, 48}, QRect(190, 140, 30, 30)},                           // reaching past the window
    };
    for (const auto& [tile, part] : rows) {
        SCOPED_TRACE(tile.width());
        QImage picture(tile, QImage::Format_RGB32), tiled = black, inPart = black;
        picture.fill(Qt::cyan);
        picture.setPixelColor(0, 0, Qt::red); // marks each tile's corner
        for (int y = 0; y < tiled.height(); ++y)
            for (int x = 0; x < tiled.width(); ++x)
                tiled.setPixelColor(x, y,
                                    x % tile.width() || y % tile.height() ? Qt::cyan : Qt::red);
        content.picture("fondo.gif", picture);
        makeWindow().resize(200, 150);
        EXPECT_EQ(tiled, paint({}, false));
        content.remove("fondo.gif");
        QPainter painter(&inPart);
        painter.setClipRegion(part);
        painter.drawImage(0, 0, tiled);
        painter.end();
        EXPECT_EQ(inPart, paint(part, true));
        QImage outside = paint(part, false);
        const QMargins near(tile.width(), tile.height(), tile.width(), tile.height());
        QPainter(&outside).fillRect(part.boundingRect() + near, Qt::black);
        EXPECT_EQ(black, outside) << "tiles drawn far from the part";
    }
}

// The built-in pictures as the program reads them: see-through surrounds where
// the button's colour shows, but for the printer, the door and the title.
using BuiltInPictures = WindowTest;
TEST_F(BuiltInPictures, SeeThroughAroundTheSubject) {
    for (const QString name :
         {"I1.ico", "B2.ico", "F0.ico", "F1.ico", "F2.ico", "F3.ico", "F4.ico", "F5.ico", "F6.ico",
          "F7.ico", "F8.ico", "F9.ico", "B3.gif", "B4.gif", "B1.gif", "B5.bmp", "T1.gif"}) {
        const QImage image = pictures.builtIn(name).image();
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        const bool opaque = QStringList{"B1.gif", "B5.bmp", "T1.gif"}.contains(name);
        EXPECT_EQ(!opaque, qAlpha(image.pixel(0, 0)) == 0) << name.toStdString();
    }
    GraphicalButton& folder = makeWindow().folderButtons(0);
    const QImage icon = pictures.builtIn("F0.ico").image(), shown = folder.grab().toImage();
    const QPoint corner =
        QPoint(folder.width() - icon.width(), folder.height() - icon.height()) / 2;
    ASSERT_EQ(0, qAlpha(icon.pixel(1, 1)));
    EXPECT_EQ(folder.backColor().rgb(), shown.pixel(corner + QPoint(1, 1)));
}
