// A paint of part of the window draws only the tiles near that part, and
// leaves exactly the pixels of a paint of the whole window.

#include "support/form_fixture.h"

#include <QPainter>

using namespace tamiro;
using namespace tamiro::testing;

using Paint = FormTest;

TEST_F(Paint, PartOfTheWindowLeavesThePixelsOfTheWholeTiling) {
    const std::pair<QSize, QRegion> rows[] = {
        {{1, 1}, QRect(65, 70, 65, 75)},                               // a one-pixel background
        {{7, 5}, QRect(13, 9, 20, 11)},                                // edges inside tiles
        {{17, 13}, QRegion(34, 26, 17, 13) + QRect(150, 120, 50, 30)}, // on tile edges; two parts
        {{64, 48}, QRect(190, 140, 30, 30)},                           // reaching past the window
    };
    for (const auto& [tile, part] : rows) {
        content.gif("fondo.gif", framedImage(tile.width(), tile.height(), Qt::cyan));
        makeForm().resize(200, 150);
        const auto paint = [&](bool whole, bool clipped) {
            QImage shown(form->size(), QImage::Format_RGB32);
            shown.fill(Qt::black);
            QPainter painter(&shown);
            if (clipped)
                painter.setClipRegion(part);
            whole ? form->Form_Paint(painter) : form->Form_Paint(painter, part);
            return shown;
        };
        EXPECT_EQ(paint(true, true), paint(false, true)) << tile.width();
        QImage outside = paint(false, false), black = outside;
        black.fill(Qt::black);
        const QMargins near(tile.width(), tile.height(), tile.width(), tile.height());
        QPainter(&outside).fillRect(part.boundingRect() + near, Qt::black);
        EXPECT_EQ(black, outside) << "tiles drawn far from the part";
    }
}
