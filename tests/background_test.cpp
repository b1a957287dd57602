// The background picture tiled over the window from its top left corner.

#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QPainter>

using namespace tamiro;
using namespace tamiro::testing;

using BackgroundPaint = FormTest;

TEST_F(BackgroundPaint, TilesFromTheCornerAndTellsOnceWhenMissing) {
    makeForm().resize(250, 20);
    // What one paint event draws over black; the messages come after it.
    const auto painted = [this] {
        QImage shown(form->size(), QImage::Format_RGB32);
        shown.fill(Qt::black);
        QPainter painter(&shown);
        form->Form_Paint(painter);
        EXPECT_TRUE(messages.shown.isEmpty()) << "never from inside a paint";
        QCoreApplication::processEvents();
        return shown;
    };
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
