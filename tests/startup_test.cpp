// The window: its controls as designed and arranged, its layout on screens of
// several sizes, its tiled background painted in whole or in part, and the
// pictures built into it.

#include "support/window_fixture.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QTest>
#include <set>
#include <tuple>

using namespace tamiro;
using namespace tamiro::testing;

template <class C> static QRectF twips(const C& c) {
    return QRectF(c.leftTwips(), c.topTwips(), c.widthTwips(), c.heightTwips());
}

// The place in twips, the colour and the picture of a control.
static std::tuple<QRectF, QColor, QImage> looks(QWidget* w) {
    if (auto* button = qobject_cast<GraphicalButton*>(w))
        return {twips(*button), button->backColor(), button->picture().image()};
    if (auto* box = qobject_cast<PictureBox*>(w))
        return {twips(*box), box->backColor(), box->picture().image()};
    return {twips(*qobject_cast<AnimationControl*>(w)), {}, {}};
}

using Window = WindowTest;

// Every control as designed, then arranged for a screen of 12000 x 9000 twips:
// the bar centred on the designed span (rounded down) 100 above the bottom,
// the folder buttons in two rows 545 apart, the drawing area centred above.
TEST_F(Window, EveryControlAsDesignedAndArranged) {
    screen.w = 12000;
    screen.h = 9000;
    ColouringWindow& f = makeWindow();
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    const QColor face = f.palette().color(QPalette::Button), yellow(255, 255, 0);
    struct Row {
        QWidget* control;
        float left, top, width, height;
        QColor colour;
        QString picture; // built-in picture, or none
        float arrangedLeft, arrangedTop;
    };
    // In tab order; the hidden uncolouredHolder is skipped.
    std::vector<Row> rows = {
        {f.drawingArea, 720, 840, 10185, 6600, Qt::white, "T1.gif", 907.5, 840},
        {f.endButton, 8280, 5040, 975, 1155, face, "B5.bmp", 9702, 7775},
        {f.brushSizeButton, 9360, 5040, 975, 1125, face, "", 8677, 7775},
        {f.animation, 0, 3240, 1365, 1350, {}, "", 11192.5, 840},
        {f.previousButton, 960, 5040, 975, 1125, face, "B4.gif", 1852, 7775},
        {f.nextButton, 2040, 5040, 975, 1125, face, "B3.gif", 2877, 7775}};
    for (std::int16_t i = 0; i < 10; ++i)
        rows.push_back({&f.folderButtons(i), 4200.0f + 600 * (i % 5), i < 5 ? 5040.0f : 5640.0f,
                        495, 495, QColor(0, 255, 0), QStringLiteral("F%1.ico").arg(i),
                        4927.0f + 545 * (i % 5), i < 5 ? 7775.0f : 8320.0f});
    rows.push_back({f.uncolouredHolder, 6480, 960, 10245, 6660, Qt::white, "", 6480, 960});
    rows.push_back({&f.pointerAndPrintButtons(ColouringWindow::kPointerButton), 7200, 5040, 975,
                    1095, yellow, "B2.ico", 7652, 7775});
    rows.push_back({&f.pointerAndPrintButtons(ColouringWindow::kPrintButton), 3120, 5040, 975, 1095,
                    yellow, "B1.gif", 3902, 7775});

    // The brush image: no picture yet, hidden, at its designed place and size.
    EXPECT_EQ(QRectF(3720, 2520, 615, 495), twips(*f.brushImage));
    EXPECT_TRUE(!f.brushImage->isVisible() && f.brushImage->picture().isNull());

    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.drawingArea, QApplication::focusWidget()) << "the drawing area has the focus";
    QWidget* tab = f.drawingArea;
    std::set<QString> names;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control->accessibleName().toStdString() + " " + row.picture.toStdString());
        const QImage designed =
            row.picture.isEmpty() ? QImage() : pictures.builtIn(row.picture).image();
        EXPECT_EQ(
            std::make_tuple(QRectF(row.left, row.top, row.width, row.height), row.colour, designed),
            looks(row.control));
        EXPECT_EQ(row.control == f.uncolouredHolder, row.control->isHidden());
        if (row.control->isHidden() || row.control == f.drawingArea)
            continue;
        do
            tab = tab->nextInFocusChain();
        while (!(tab->focusPolicy() & Qt::TabFocus) || !tab->isVisible());
        EXPECT_EQ(row.control, tab) << "next in the tab order";
        EXPECT_TRUE(names.insert(row.control->accessibleName()).second) << "a name of its own";
    }

    f.arrangeControls();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control->accessibleName().toStdString());
        const float height = row.width == 975 ? 1125 : row.height; // the bar's buttons alike
        EXPECT_EQ(QRectF(row.arrangedLeft, row.arrangedTop, row.width, height),
                  std::get<0>(looks(row.control)));
    }
    // Widgets stand on the nearest pixels: 1852 / 15 = 123.47, 907.5 / 15 = 60.5.
    EXPECT_EQ(QRect(123, 518, 65, 75), f.previousButton->geometry());
    EXPECT_EQ(61, f.drawingArea->geometry().left());
}

// Start-up on screens of several sizes: the bar's left edge (centred on the
// designed span, rounded down), its top, and the drawing area's place: centred
// in the band above the bar, halves to even, or fitted with small margins.
TEST_F(Window, LayoutForScreenSizes) {
    const struct {
        float width, height, barLeft, barTop, pictureLeft, pictureTop, pictureHeight;
    } rows[] = {
        {9600, 7200, 652, 5975, -292.5, 5, 5950},            // 652.5 down; too tall: fitted
        {8000, 9000, -148, 7775, -1092.5, 588, 6600},        // -147.5 down; 587.5 to even
        {15360, 7830, 3532, 6605, 2587.5, 2, 6600},          // 2.5 to even
        {15360, 7826, 3532, 6601, 2587.5, 5, 6576},          // 0.5 gives 0: fitted
        {115200, 64800, 53452, 63575, 52507.5, 28488, 6600}, // past 16 bits
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.height);
        screen.w = row.width;
        screen.h = row.height;
        ColouringWindow& f = startedWindow();
        EXPECT_EQ(QPointF(row.barLeft, row.barTop), twips(*f.previousButton).topLeft());
        EXPECT_EQ(QRectF(row.pictureLeft, row.pictureTop, 10185, row.pictureHeight),
                  twips(*f.drawingArea));
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
// the button's colour shows, and rolling balls.
TEST(BuiltInPictures, SeeThroughSurroundsAndRollingBalls) {
    World w;
    for (const QString name :
         {"I1.ico", "B2.ico", "F0.ico", "F1.ico", "F2.ico", "F3.ico", "F4.ico", "F5.ico", "F6.ico",
          "F7.ico", "F8.ico", "F9.ico", "B3.gif", "B4.gif", "B1.gif", "B5.bmp", "T1.gif"}) {
        const QImage image = w.pictures.builtIn(name).image();
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        const bool opaque = QStringList{"B1.gif", "B5.bmp", "T1.gif"}.contains(name);
        EXPECT_EQ(!opaque, qAlpha(image.pixel(0, 0)) == 0) << name.toStdString();
    }
    for (const char* ball : {"B3.gif", "B4.gif"}) {
        QImageReader reader(QStringLiteral(":/pictures/") + ball);
        ASSERT_EQ(9, reader.imageCount()) << ball;
        EXPECT_EQ(-1, reader.loopCount()) << "loops for ever";
        const QImage first = reader.read();
        EXPECT_EQ(3000, reader.nextImageDelay());
        for (int i = 1; i < 9; ++i) {
            EXPECT_NE(first, reader.read()) << "the ball rolls";
            EXPECT_EQ(100, reader.nextImageDelay()) << ball << " frame " << i;
        }
    }
}
