// A paint of part of the window draws only the tiles near that part, and
// leaves exactly the pixels of a paint of the whole window.

#include "support/form_fixture.h"

#include <QPainter>

using namespace tamiro;
using namespace tamiro::testing;

using Paint = FormTest;

TEST_F(Paint, PartOfTheWindowLeavesThePixelsOfTheWholeTiling) {
    const struct {
        QSize tile;
        QRegion part;
    } rows[] = {
        {{1, 1}, QRect(65, 70, 65, 75)},                               // a one-pixel background
        {{7, 5}, QRect(13, 9, 20, 11)},                                // edges inside tiles
        {{17, 13}, QRegion(34, 26, 17, 13) + QRect(150, 120, 50, 30)}, // on tile edges; two parts
        {{64, 48}, QRect(190, 140, 30, 30)},                           // reaching past the window
    };
    for (const auto& row : rows) {
        QImage tile(row.tile, QImage::Format_RGB32);
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                tile.setPixel(x, y, qRgb(50 + x % 8 * 25, 50 + y % 8 * 25, 50 + (x + y) % 3 * 70));
        content.gif("fondo.gif", tile);
        makeForm().resize(200, 150);
        const auto paint = [&](bool whole, bool clipped) {
            QImage shown(form->size(), QImage::Format_RGB32);
            shown.fill(Qt::black);
            QPainter painter(&shown);
            if (clipped)
                painter.setClipRegion(row.part);
            whole ? form->Form_Paint(painter) : form->Form_Paint(painter, row.part);
            return shown;
        };
        EXPECT_EQ(paint(true, true), paint(false, true)) << row.tile.width();
        QImage outside = paint(false, false), black = outside;
        black.fill(Qt::black);
        const QMargins near(row.tile.width(), row.tile.height(), row.tile.width(),
                            row.tile.height());
        QPainter(&outside).fillRect(row.part.boundingRect() + near, Qt::black);
        EXPECT_EQ(black, outside) << "tiles drawn far from the part";
    }
}
