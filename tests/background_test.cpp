// The background picture tiled over the window.

#include "support/form_fixture.h"
#include "ui/tiling.h"

#include <QCoreApplication>
#include <QPainter>

using namespace tamiro;
using namespace tamiro::testing;

// The client area's limits and the tile's size -> the tiles drawn, both
// bounds inclusive.
TEST(Background, Tiling) {
    const struct {
        int limitX, limitY, width, height, count, lastX, lastY;
    } rows[] = {
        {4500, 1000, 1500, 1500, 4, 4500, 0}, // three tiles wide: a fourth at the edge
        {4500, 3000, 1500, 1500, 12, 4500, 3000},
        {1000, 1000, 1500, 1500, 1, 0, 0}, // smaller than a tile
        {0, 0, 1500, 1500, 1, 0, 0},       // an empty client area
        {100, 100, 0, 1500, 0, 0, 0},      // a step of 0 tiles nothing
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.limitX);
        std::vector<QPoint> drawn;
        forEachTile(
            row.limitY, [&] { return row.limitX; }, row.width, row.height,
            [&](std::int64_t x, std::int64_t y) { drawn.emplace_back(int(x), int(y)); });
        ASSERT_EQ(size_t(row.count), drawn.size());
        EXPECT_EQ(QPoint(row.lastX, row.lastY), drawn.empty() ? QPoint() : drawn.back());
    }
}

class BackgroundPaint : public FormTest {
protected:
    // What one paint event of the window draws over black, and the messages
    // shown once it has finished.
    QImage painted() {
        QImage shown(form->size(), QImage::Format_RGB32);
        shown.fill(Qt::black);
        QPainter painter(&shown);
        form->Form_Paint(painter);
        EXPECT_TRUE(messages.shown.isEmpty()) << "never from inside a paint";
        QCoreApplication::processEvents();
        return shown;
    }
};

TEST_F(BackgroundPaint, TilesFromTheCornerAndTellsOnceWhenMissing) {
    makeForm().resize(250, 20);
    EXPECT_EQ(QColor(Qt::black), painted().pixelColor(5, 5));
    ASSERT_EQ(1, messages.shown.size());
    EXPECT_TRUE(messages.shown[0].startsWith("No encuentro la imagen de fondo \r\nERROR: "));
    EXPECT_TRUE(messages.shown[0].contains(content.path("fondo.gif")));
    messages.shown.clear();
    painted();
    EXPECT_TRUE(messages.shown.isEmpty()) << "once per start";

    QImage tile(100, 7, QImage::Format_RGB32); // 1500 x 105 twips
    tile.fill(Qt::cyan);
    tile.setPixelColor(0, 0, Qt::red); // marks each tile's corner
    content.gif("fondo.gif", tile);
    for (int pass = 0; pass < 2; ++pass) { // the second after the file has gone
        const QImage shown = painted();
        for (int x : {0, 100, 200})
            for (int y : {0, 7, 14})
                EXPECT_EQ(QColor(Qt::red), shown.pixelColor(x, y)) << x << "," << y;
        EXPECT_EQ(QColor(Qt::cyan), shown.pixelColor(249, 19));
        content.remove("fondo.gif");
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}
