// The pictures built into the program, read as the program reads them: see-
// through surrounds where the button's colour shows, and rolling balls.

#include "platform/disk_file_system.h"
#include "platform/qt_picture_loader.h"

#include <QImageReader>
#include <gtest/gtest.h>

using namespace tamiro;

TEST(BuiltInPictures, SeeThroughSurroundsAndRollingBalls) {
    DiskFileSystem files(QStringLiteral("."));
    QtPictureLoader loader(files);
    for (const QString name :
         {"I1.ico", "B2.ico", "F0.ico", "F1.ico", "F2.ico", "F3.ico", "F4.ico", "F5.ico", "F6.ico",
          "F7.ico", "F8.ico", "F9.ico", "B3.gif", "B4.gif", "B1.gif", "B5.bmp", "T1.gif"}) {
        const QImage image = loader.builtIn(name).image();
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
