// The background picture tiled over the window.

#include "support/form_fixture.h"
#include "ui/tiling.h"

#include <QCoreApplication>
#include <QPainter>
#include <vector>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

std::vector<std::pair<std::int64_t, std::int64_t>> tiles(std::int64_t limitX, std::int64_t limitY,
                                                         std::int64_t w, std::int64_t h) {
    std::vector<std::pair<std::int64_t, std::int64_t>> drawn;
    forEachTile(
        limitY, [&] { return limitX; }, w, h,
        [&](std::int64_t x, std::int64_t y) { drawn.emplace_back(x, y); });
    return drawn;
}

} // namespace

TEST(Tiling, BoundsAreInclusive) {
    const auto threeWide = tiles(4500, 1000, 1500, 1500);
    ASSERT_EQ(4u, threeWide.size()) << "the fourth column starts exactly at the right edge";
    const std::pair<std::int64_t, std::int64_t> lastColumn(4500, 0);
    EXPECT_EQ(lastColumn, threeWide.back());
    EXPECT_EQ(1u, tiles(1000, 1000, 1500, 1500).size()) << "smaller than a tile";
    EXPECT_EQ(1u, tiles(0, 0, 1500, 1500).size()) << "an empty client area still gets one";
    EXPECT_EQ(4u * 3u, tiles(4500, 3000, 1500, 1500).size());
    EXPECT_TRUE(tiles(100, 100, 0, 1500).empty()) << "a step of 0 tiles nothing";
}

class Background : public FormTest {
protected:
    // What one paint event of the window draws, over black.
    QImage painted(QSize size) {
        form->resize(size);
        QImage shown(size, QImage::Format_RGB32);
        shown.fill(Qt::black);
        QPainter painter(&shown);
        form->Form_Paint(painter);
        return shown;
    }
};

TEST_F(Background, TilesTheWholeWindowFromTheTopLeftCorner) {
    QImage tile(100, 7, QImage::Format_RGB32);
    tile.fill(Qt::cyan);
    tile.setPixelColor(0, 0, Qt::red); // marks each tile's corner
    content.gif("fondo.gif", tile);
    makeForm();
    const QImage shown = painted({250, 20});
    for (int x : {0, 100, 200})
        for (int y : {0, 7, 14})
            EXPECT_EQ(QColor(Qt::red), shown.pixelColor(x, y)) << x << "," << y;
    EXPECT_EQ(QColor(Qt::cyan), shown.pixelColor(249, 19));
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Background, TellsOnceWhenMissingAndUsesItOnceItAppears) {
    makeForm();
    EXPECT_EQ(QColor(Qt::black), painted({50, 50}).pixelColor(5, 5));
    EXPECT_TRUE(messages.shown.isEmpty()) << "never from inside a paint";
    QCoreApplication::processEvents();
    ASSERT_EQ(1, messages.shown.size());
    const QStringList lines = messages.shown[0].split("\r\n");
    ASSERT_EQ(2, lines.size());
    EXPECT_EQ("No encuentro la imagen de fondo ", lines[0]);
    EXPECT_TRUE(lines[1].startsWith("ERROR: no encuentro el archivo")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(content.path("fondo.gif")));

    painted({50, 50});
    QCoreApplication::processEvents();
    EXPECT_EQ(1, messages.shown.size()) << "once per start";

    content.gif("fondo.gif", 10, 10, Qt::green);
    EXPECT_EQ(QColor(Qt::green), painted({50, 50}).pixelColor(5, 5));
}

TEST_F(Background, KeepsThePictureOnceLoaded) {
    content.gif("fondo.gif", 10, 10, Qt::green);
    makeForm();
    painted({30, 30});
    content.remove("fondo.gif");
    EXPECT_EQ(QColor(Qt::green), painted({30, 30}).pixelColor(15, 15));
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown.isEmpty());
}
