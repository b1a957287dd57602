// The pictures built into the program, read as the program reads them: each
// with its kind, size and colour depth, the animated buttons with their
// frames, and the icons and balls with a see-through surround.

#include "platform/disk_file_system.h"
#include "platform/qt_picture_loader.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace tamiro;

TEST(BuiltInPictures, KindSizeDepthAndFrames) {
    const struct {
        const char* name;
        int width, height, bits, frames;
        bool seeThrough;
    } rows[] = {
        {"I1.ico", 32, 32, 4, 1, true},    {"B1.gif", 67, 67, 8, 1, false},
        {"B2.ico", 32, 32, 4, 1, true},    {"B3.gif", 74, 67, 0, 9, true},
        {"B4.gif", 74, 67, 0, 9, true},    {"B5.bmp", 55, 66, 24, 1, false},
        {"F0.ico", 32, 32, 4, 1, true},    {"F1.ico", 32, 32, 24, 1, true},
        {"F2.ico", 32, 32, 4, 1, true},    {"F3.ico", 32, 32, 24, 1, true},
        {"F4.ico", 32, 32, 4, 1, true},    {"F5.ico", 32, 32, 4, 1, true},
        {"F6.ico", 32, 32, 4, 1, true},    {"F7.ico", 32, 32, 4, 1, true},
        {"F8.ico", 32, 32, 24, 1, true},   {"F9.ico", 32, 32, 24, 1, true},
        {"T1.gif", 679, 440, 8, 1, false},
    };
    DiskFileSystem files(QStringLiteral("."));
    QtPictureLoader loader(files);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = loader.builtIn(row.name).image();
        ASSERT_EQ(QSize(row.width, row.height), image.size());
        int clear = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                clear += qAlpha(image.pixel(x, y)) == 0;
        EXPECT_GE(clear, row.seeThrough ? 4 : 0) << "the button's colour shows around the subject";

        const QString path = QStringLiteral(":/pictures/") + row.name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray d = file.readAll();
        const auto at = [&d](qsizetype i) { return qFromLittleEndian<quint16>(d.constData() + i); };
        const int kind = d.startsWith("BM") ? at(28)
                         : d.startsWith("GIF")
                             ? (d[10] & 7) + 1
                             : at(qFromLittleEndian<quint32>(d.constData() + 18) + 14);
        EXPECT_EQ(row.bits ? row.bits : kind, kind) << "bits per pixel";
        QImageReader reader(path);
        ASSERT_EQ(row.frames, reader.imageCount());
        if (row.frames == 1)
            continue;
        EXPECT_EQ(-1, reader.loopCount()) << "loops for ever";
        std::vector<QImage> frames;
        for (int i = 0; i < row.frames; ++i) {
            frames.push_back(reader.read());
            EXPECT_EQ(i == 0 ? 3000 : 100, reader.nextImageDelay()) << "frame " << i;
        }
        EXPECT_NE(frames[0], frames[1]) << "the ball rolls";
        EXPECT_NE(frames[0], frames.back());
    }
}
