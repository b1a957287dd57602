// The pictures built into the program, read as the program reads them: each
// with its size, the animated buttons with their frames, and the icons and
// balls with a see-through surround where the button's colour shows.

#include "platform/disk_file_system.h"
#include "platform/qt_picture_loader.h"

#include <QImageReader>
#include <gtest/gtest.h>

using namespace tamiro;

TEST(BuiltInPictures, SizeFramesAndSeeThroughSurround) {
    struct Row {
        QString name;
        int width, height, frames;
        bool seeThrough;
    };
    std::vector<Row> rows = {{"B1.gif", 67, 67, 1, false},
                             {"B3.gif", 74, 67, 9, true},
                             {"B4.gif", 74, 67, 9, true},
                             {"B5.bmp", 55, 66, 1, false},
                             {"T1.gif", 679, 440, 1, false}};
    for (const char* icon :
         {"I1", "B2", "F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9"})
        rows.push_back({QString(icon) + ".ico", 32, 32, 1, true});
    DiskFileSystem files(QStringLiteral("."));
    QtPictureLoader loader(files);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        const QImage image = loader.builtIn(row.name).image();
        ASSERT_EQ(QSize(row.width, row.height), image.size());
        EXPECT_EQ(row.seeThrough, qAlpha(image.pixel(0, 0)) == 0) << "the corner";
        QImageReader reader(":/pictures/" + row.name);
        ASSERT_EQ(row.frames, reader.imageCount());
        if (row.frames == 1)
            continue;
        EXPECT_EQ(-1, reader.loopCount()) << "loops for ever";
        const QImage first = reader.read();
        EXPECT_EQ(3000, reader.nextImageDelay());
        for (int i = 1; i < row.frames; ++i) {
            EXPECT_NE(first, reader.read()) << "the ball rolls";
            EXPECT_EQ(100, reader.nextImageDelay()) << "frame " << i;
        }
    }
}
