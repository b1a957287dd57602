// The built-in pictures in resources/: Qt must read each one as the program
// does, and the files must keep the kinds, sizes and colour depths the
// buttons and the window are drawn with.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Picture {
    const char* name;
    const char* format;
    int width;
    int height;
};

const Picture kPictures[] = {
    {"I1.ico", "ico", 32, 32}, {"B1.gif", "gif", 67, 67},   {"B2.ico", "ico", 32, 32},
    {"B3.gif", "gif", 74, 67}, {"B4.gif", "gif", 74, 67},   {"B5.bmp", "bmp", 55, 66},
    {"F0.ico", "ico", 32, 32}, {"F1.ico", "ico", 32, 32},   {"F2.ico", "ico", 32, 32},
    {"F3.ico", "ico", 32, 32}, {"F4.ico", "ico", 32, 32},   {"F5.ico", "ico", 32, 32},
    {"F6.ico", "ico", 32, 32}, {"F7.ico", "ico", 32, 32},   {"F8.ico", "ico", 32, 32},
    {"F9.ico", "ico", 32, 32}, {"T1.gif", "gif", 679, 440},
};

QString resourcePath(const QString& name) {
    return QStringLiteral(TAMIRO_SOURCE_DIR "/resources/") + name;
}

QByteArray readFile(const QString& name) {
    QFile file(resourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 le16(const QByteArray& d, int at) {
    return quint8(d[at]) | quint8(d[at + 1]) << 8;
}

quint32 le32(const QByteArray& d, int at) {
    return le16(d, at) | le16(d, at + 2) << 16;
}

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

TEST(BuiltInPictures, QtReadsEachPictureWithItsKindAndSize) {
    for (const Picture& p : kPictures) {
        SCOPED_TRACE(p.name);
        QImageReader reader(resourcePath(p.name));
        ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
        EXPECT_EQ(reader.format(), QByteArray(p.format));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), QSize(p.width, p.height));
        // A picture that rendered empty or lost its colours shows as a blot.
        EXPECT_GE(distinctColours(image), 4);
    }
}

struct Icon {
    const char* name;
    int bits;
};

const Icon kIcons[] = {{"I1.ico", 4}, {"B2.ico", 4},  {"F0.ico", 4},  {"F1.ico", 24},
                       {"F2.ico", 4}, {"F3.ico", 24}, {"F4.ico", 4},  {"F5.ico", 4},
                       {"F6.ico", 4}, {"F7.ico", 4},  {"F8.ico", 24}, {"F9.ico", 24}};

TEST(BuiltInPictures, IconsAreOne32x32BitmapEntryWithDepthAndMask) {
    for (const Icon& icon : kIcons) {
        SCOPED_TRACE(icon.name);
        const QByteArray d = readFile(icon.name);
        ASSERT_GE(d.size(), 22 + 40);
        EXPECT_EQ(le16(d, 0), 0u);
        EXPECT_EQ(le16(d, 2), 1u) << "type must be icon";
        ASSERT_EQ(le16(d, 4), 1u) << "one entry per file";
        EXPECT_EQ(quint8(d[6]), 32);
        EXPECT_EQ(quint8(d[7]), 32);
        EXPECT_EQ(quint8(d[8]), icon.bits == 4 ? 16 : 0) << "colour count in the directory";
        EXPECT_EQ(le16(d, 12), quint32(icon.bits));
        const int at = int(le32(d, 18));
        ASSERT_EQ(qsizetype(at) + le32(d, 14), d.size()) << "entry must reach the end of file";
        ASSERT_FALSE(d.mid(at, 4) == QByteArray("\x89PNG")) << "no PNG-compressed entries";

        // BITMAPINFOHEADER: the height counts the colour bitmap and the mask.
        EXPECT_EQ(le32(d, at), 40u);
        EXPECT_EQ(int(le32(d, at + 4)), 32);
        EXPECT_EQ(int(le32(d, at + 8)), 64);
        EXPECT_EQ(le16(d, at + 14), quint32(icon.bits));
        EXPECT_EQ(le32(d, at + 16), 0u) << "uncompressed";
        const quint32 used = le32(d, at + 32);
        const int paletteEntries = icon.bits == 4 ? (used ? int(used) : 16) : int(used);
        EXPECT_EQ(paletteEntries, icon.bits == 4 ? 16 : 0);

        const int colourRow = ((32 * icon.bits + 31) / 32) * 4;
        const int colours = at + 40 + 4 * paletteEntries;
        const int mask = colours + 32 * colourRow;
        ASSERT_EQ(qsizetype(mask + 32 * 4), d.size());

        // Rows are stored bottom-up; a mask bit of 1 lets the button show through.
        auto transparent = [&](int x, int y) {
            return (quint8(d[mask + (31 - y) * 4 + x / 8]) & (0x80 >> (x % 8))) != 0;
        };
        auto colourBytes = [&](int x, int y) {
            const int row = colours + (31 - y) * colourRow;
            if (icon.bits == 24)
                return d.mid(row + 3 * x, 3);
            const int index = (quint8(d[row + x / 2]) >> (x % 2 ? 0 : 4)) & 0x0f;
            return d.mid(at + 40 + 4 * index, 3);
        };
        int clear = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (transparent(x, y)) {
                    ++clear;
                    EXPECT_EQ(colourBytes(x, y), QByteArray(3, '\0'))
                        << "masked pixel " << x << "," << y << " must be black";
                }
        // Every subject has at least rounded corners that let the button show.
        EXPECT_GE(clear, 4) << "surroundings of the subject must be masked";
        EXPECT_LE(clear, 32 * 32 * 3 / 4) << "the subject must not vanish under the mask";

        QImage image = QImageReader(resourcePath(icon.name)).read();
        ASSERT_FALSE(image.isNull());
        image = image.convertToFormat(QImage::Format_ARGB32);
        if (icon.bits == 4) {
            EXPECT_LE(distinctColours(image), 17) << "16 colours plus transparent";
            // Qt applies the mask of palette icons: it must agree with ours.
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    ASSERT_EQ(qAlpha(image.pixel(x, y)) == 0, transparent(x, y))
                        << "pixel " << x << "," << y;
        }
    }
}

struct Gif {
    const char* name;
    int frames;
    int paletteEntries; // 0: any global colour table
};

const Gif kGifs[] = {{"B1.gif", 1, 256}, {"B3.gif", 9, 0}, {"B4.gif", 9, 0}, {"T1.gif", 1, 256}};

TEST(BuiltInPictures, GifsHaveTheirColourTableFramesDelaysAndLoop) {
    for (const Gif& gif : kGifs) {
        SCOPED_TRACE(gif.name);
        const QByteArray d = readFile(gif.name);
        ASSERT_GE(d.size(), 13);
        EXPECT_TRUE(d.startsWith("GIF89a") || d.startsWith("GIF87a"));
        const quint8 packed = quint8(d[10]);
        ASSERT_TRUE(packed & 0x80) << "global colour table expected";
        if (gif.paletteEntries) {
            EXPECT_EQ(2 << (packed & 7), gif.paletteEntries);
        }

        QImageReader reader(resourcePath(gif.name));
        ASSERT_EQ(reader.imageCount(), gif.frames);
        if (gif.frames > 1) {
            EXPECT_EQ(reader.loopCount(), -1) << "animations loop for ever";
        }
        const QSize size = reader.size();
        QList<QImage> frames;
        for (int i = 0; i < gif.frames; ++i) {
            const QImage frame = reader.read();
            ASSERT_FALSE(frame.isNull()) << "frame " << i;
            EXPECT_EQ(frame.size(), size) << "frame " << i;
            if (gif.frames > 1) {
                EXPECT_EQ(reader.nextImageDelay(), i == 0 ? 3000 : 100) << "frame " << i;
            }
            frames << frame.convertToFormat(QImage::Format_ARGB32);
        }
        if (gif.frames > 1) {
            // The ball must really roll: the arrow moves, then leaves sight.
            EXPECT_NE(frames[0], frames[1]);
            EXPECT_NE(frames[0], frames.last());
            EXPECT_EQ(qAlpha(frames[0].pixel(0, 0)), 0) << "button colour shows around the ball";
        }
    }
}

TEST(BuiltInPictures, EndButtonIsAnUncompressed24BitBitmap) {
    const QByteArray d = readFile("B5.bmp");
    ASSERT_GE(d.size(), 54);
    EXPECT_TRUE(d.startsWith("BM"));
    EXPECT_EQ(qsizetype(le32(d, 2)), d.size());
    EXPECT_EQ(le32(d, 14), 40u);
    EXPECT_EQ(int(le32(d, 18)), 55);
    EXPECT_EQ(std::abs(int(le32(d, 22))), 66);
    EXPECT_EQ(le16(d, 28), 24u);
    EXPECT_EQ(le32(d, 30), 0u);
    EXPECT_EQ(qsizetype(le32(d, 10)) + 66 * 168, d.size()) << "rows padded to 4 bytes";
}

TEST(BuiltInPictures, ResourceFileListsEveryPictureOnce) {
    QFile qrc(resourcePath("pictures.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(qrc.readAll());
    EXPECT_TRUE(text.contains(QRegularExpression(R"(<qresource\s+prefix="/pictures"\s*>)")));
    QStringList listed;
    for (const auto& match : QRegularExpression(R"(<file>\s*([^<]*?)\s*</file>)").globalMatch(text))
        listed << match.captured(1);
    QStringList expected;
    for (const Picture& p : kPictures)
        expected << p.name;
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);
    for (const QString& name : listed)
        EXPECT_TRUE(QFile::exists(resourcePath(name))) << name.toStdString();
}

} // namespace
