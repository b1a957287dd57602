// The drawing maker on small pictures of each kind, drawn here: the kind it
// chooses, the pair as the program's own loader reads it, and the files it
// refuses.

#include "maker/maker.h"
#include "maker/mask.h"
#include "platform/core/errors.h"
#include "platform/formats/picture_decoder.h"
#include "platform/formats/picture_file.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

using namespace tamiro;
using namespace tamiro::maker;

namespace {

constexpr QSize kDrawn(400, 300); // fitted into the drawing area at twice the size

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A red ellipse and a box, blue above and green below, with or without black outlines, on `paper`.
QImage shapes(bool outlined, bool filled = true, QColor paper = Qt::white) {
    QImage image(kDrawn, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(outlined ? QPen(Qt::black, 4) : QPen(Qt::NoPen));
    painter.setBrush(filled ? QColor(230, 40, 40) : QColor(paper));
    painter.drawEllipse(40, 60, 160, 120);
    painter.setBrush(filled ? QColor(40, 80, 230) : QColor(paper));
    painter.drawRect(230, 80, 120, 75);
    painter.setBrush(filled ? QColor(40, 180, 60) : QColor(paper));
    painter.drawRect(230, 155, 120, 75);
    return image;
}

// Gradients under noise: hardly any neighbourhood is flat.
QImage photo() {
    QImage image(kDrawn, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(40));
            image.setPixel(x, y, qRgb(60 + x / 3 + noise, 90 + y / 3 + noise / 2, 140 + noise));
        }
    return image;
}

// A colouring page printed and photographed: grey paper lit unevenly, the
// lines softened, noise, and a slight turn.
QImage scan() {
    QImage page = shapes(true, false, QColor(190, 188, 180));
    QImage turned(kDrawn, QImage::Format_RGB32);
    turned.fill(QColor(190, 188, 180));
    QPainter painter(&turned);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(200, 150);
    painter.rotate(1.5);
    painter.drawImage(-200, -150,
                      page.scaled(200, 150, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .scaled(kDrawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.end();
    QRandomGenerator random(3);
    for (int y = 0; y < turned.height(); ++y)
        for (int x = 0; x < turned.width(); ++x) {
            const QRgb c = turned.pixel(x, y);
            const int shade = -x / 8 + int(random.bounded(16));
            turned.setPixel(x, y,
                            qRgb(std::clamp(qRed(c) + shade, 0, 255),
                                 std::clamp(qGreen(c) + shade, 0, 255),
                                 std::clamp(qBlue(c) + shade, 0, 255)));
        }
    return turned;
}

bool blackNear(const QImage& image, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (image.pixel(x + dx, y + dy) == qRgb(0, 0, 0))
                return true;
    return false;
}

struct KindCase {
    const char* name;
    QImage picture;
    Kind kind;
    bool lines; // whether the shapes' outlines are known to be where they were drawn
};

std::vector<KindCase> kindCases() {
    return {
        {"outlined clip art", shapes(true), Kind::Outlined, true},
        {"flat colour", shapes(false), Kind::Flat, true},
        {"photo", photo(), Kind::Photo, false},
        {"colouring page", shapes(true, false), Kind::Page, true},
        {"scanned colouring page", scan(), Kind::Page, true},
    };
}

// The chosen kind, where the lines fall, and the pair as the program reads
// it: the same size within its limits, the uncoloured one a GIF of black and
// white only, without transparency; the coloured one a JPEG for a photo.
TEST(Maker, MakesEachKindIntoAPairTheProgramReads) {
    for (const KindCase& c : kindCases()) {
        SCOPED_TRACE(c.name);
        const Source source = loadSource(encoded(c.picture, "png"), "dibujo.png");
        ASSERT_EQ(source.image.size(), kDrawn * 2);
        const Drawing drawing = makeDrawing(source);
        EXPECT_EQ(drawing.kind, c.kind);
        EXPECT_EQ(drawing.warnings.join(' ').contains("demasiado detalle"), c.kind == Kind::Photo);
        if (c.lines) {
            // The ellipse's left edge, the box's middle line; inside both, paper.
            EXPECT_TRUE(blackNear(drawing.uncoloured, 80, 240));
            EXPECT_TRUE(blackNear(drawing.uncoloured, 580, 310));
            EXPECT_EQ(drawing.uncoloured.pixel(240, 240), qRgb(255, 255, 255));
            EXPECT_EQ(drawing.uncoloured.pixel(580, 240), qRgb(255, 255, 255));
        }
        const EncodedPair pair = encodeDrawing(drawing);
        EXPECT_EQ(pair.colouredIsJpeg, c.kind == Kind::Photo);
        const QImage coloured = decodePicture(pair.coloured, "1" + pair.colouredExtension());
        const QImage uncoloured = decodePicture(pair.uncoloured, "1.gif");
        EXPECT_EQ(coloured.size(), source.image.size());
        EXPECT_EQ(uncoloured.size(), source.image.size());
        EXPECT_FALSE(tooLargePicture(coloured.size()));
        EXPECT_FALSE(uncoloured.hasAlphaChannel());
        // A global palette of two entries, and no extension that could make
        // a colour transparent.
        EXPECT_EQ(pictureFormat(pair.uncoloured), PictureFormat::Gif);
        EXPECT_EQ(quint8(pair.uncoloured.at(10)) & 0x87, 0x80);
        EXPECT_FALSE(pair.uncoloured.contains("\x21\xf9"));
        QSet<QRgb> colours;
        for (int y = 0; y < uncoloured.height(); ++y)
            for (int x = 0; x < uncoloured.width(); ++x)
                colours.insert(uncoloured.pixel(x, y));
        EXPECT_EQ(colours, QSet<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    }
}

// A colouring page's regions are filled, neighbours (the box's two halves)
// in different colours; the space around the drawing stays white.
TEST(Maker, FillsAColouringPageWithNeighboursApart) {
    const Drawing drawing = makeDrawing(Source{shapes(true, false).scaled(kDrawn * 2), "p"});
    const QImage& c = drawing.coloured;
    EXPECT_EQ(c.pixel(10, 10), qRgb(255, 255, 255));
    for (const QPoint inside : {QPoint(240, 240), QPoint(580, 240), QPoint(580, 380)})
        EXPECT_NE(c.pixel(inside), qRgb(255, 255, 255));
    EXPECT_NE(c.pixel(580, 240), c.pixel(580, 380));
}

// Two scans, a coloured picture and its colouring page at another size: one
// size, the coloured one kept, the page cleaned.
TEST(Maker, BringsAColouringPageToItsColouredPicture) {
    const Source coloured{shapes(true).scaled(kDrawn * 2), "coloreado.png"};
    const Source page{scan().scaled(kDrawn * 3 / 2), "pagina.png"};
    const Drawing drawing = makeDrawing(coloured, page);
    EXPECT_EQ(drawing.coloured, coloured.image);
    EXPECT_EQ(drawing.uncoloured.size(), coloured.image.size());
    EXPECT_TRUE(blackNear(drawing.uncoloured, 580, 310));
    EXPECT_EQ(drawing.uncoloured.pixel(240, 240), qRgb(255, 255, 255));
}

// Transparent parts become paper; a JPEG's EXIF orientation turns it upright;
// sizes fit the smallest school screen, enlarged at most twice.
TEST(Maker, LoadsPicturesFlatUprightAndFitted) {
    QImage clear(100, 50, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QPainter(&clear).fillRect(40, 20, 20, 10, Qt::red);
    const QImage flat = loadSource(encoded(clear, "png"), "t.png").image;
    EXPECT_EQ(flat.size(), QSize(200, 100));
    EXPECT_EQ(flat.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(flat.pixel(100, 50), qRgb(255, 0, 0));

    // 80 x 40, the left half dark; orientation 6 turns it a quarter clockwise,
    // so it stands 40 x 80 with the dark half on top.
    QImage wide(80, 40, QImage::Format_RGB32);
    wide.fill(Qt::white);
    QPainter(&wide).fillRect(0, 0, 40, 40, Qt::black);
    const QByteArray exif = QByteArray::fromHex("ffe10022457869660000"
                                                "4d4d002a00000008000101120003000000010006"
                                                "000000000000");
    const QByteArray jpeg = encoded(wide, "jpeg");
    const QImage upright = loadSource(jpeg.left(2) + exif + jpeg.mid(2), "foto.jpg").image;
    EXPECT_EQ(upright.size(), QSize(80, 160));
    EXPECT_LT(qGray(upright.pixel(40, 20)), 60);
    EXPECT_GT(qGray(upright.pixel(40, 140)), 200);

    for (const auto& [size, fitted] : std::vector<std::pair<QSize, QSize>>{
             {{2000, 1000}, {828, 414}}, {{1, 5000}, {1, 686}}, {{300, 300}, {600, 600}}})
        EXPECT_EQ(
            loadSource(encoded(QImage(size, QImage::Format_RGB32), "png"), "s.png").image.size(),
            fitted);
}

// Every format read, in its odd forms, gives the colours drawn.
TEST(Maker, ReadsEachFormatInItsColours) {
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, 30, 40, QColor(200, 30, 30));
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const struct {
        const char* name;
        QByteArray bytes;
        QRgb left;
    } cases[] = {
        {"PNG", encoded(picture, "png"), qRgb(200, 30, 30)},
        {"grey PNG", encoded(grey, "png"), grey.pixel(0, 0)},
        {"indexed PNG", encoded(picture.convertToFormat(QImage::Format_Indexed8), "png"),
         qRgb(200, 30, 30)},
        {"16-bit PNG", encoded(picture.convertToFormat(QImage::Format_RGBA64), "png"),
         qRgb(200, 30, 30)},
        {"BMP", encoded(picture, "bmp"), qRgb(200, 30, 30)},
        {"WebP", encoded(picture, "webp"), qRgb(200, 30, 30)},
        {"JPEG", encoded(picture, "jpeg"), qRgb(200, 30, 30)},
        {"GIF", encodeDrawing(Drawing{Kind::Flat, picture, grey, 0, {}}).coloured,
         qRgb(200, 30, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = loadSource(c.bytes, "x").image;
        ASSERT_EQ(image.size(), QSize(120, 80));
        for (const auto& [at, colour] :
             {std::pair(QPoint(20, 40), c.left), std::pair(QPoint(100, 40), qRgb(255, 255, 255))}) {
            const QRgb got = image.pixel(at);
            EXPECT_LE(std::abs(qRed(got) - qRed(colour)) + std::abs(qGreen(got) - qGreen(colour)) +
                          std::abs(qBlue(got) - qBlue(colour)),
                      12);
        }
    }
}

// The teacher is told, in plain words, what to try when the drawing has too
// much black or too few or too many regions to colour.
TEST(Maker, WarnsWhatToTry) {
    QImage grid(kDrawn * 2, QImage::Format_RGB32);
    grid.fill(Qt::white);
    QPainter painter(&grid);
    painter.setPen(QPen(Qt::black, 3));
    for (int i = 0; i <= 20; ++i) {
        painter.drawLine(40 + i * 36, 20, 40 + i * 36, 580);
        painter.drawLine(40, 20 + i * 28, 760, 20 + i * 28);
    }
    painter.end();
    QImage dark = shapes(true).scaled(kDrawn * 2);
    QPainter(&dark).fillRect(0, 0, 800, 300, Qt::black);
    const struct {
        const char* name;
        QImage picture;
        QString warning;
    } cases[] = {
        {"400 cells", grid, "demasiadas zonas pequeñas"},
        {"two shapes", shapes(true).scaled(kDrawn * 2), "pocas zonas"},
        {"half black", dark, "mucho negro"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Drawing drawing = makeDrawing(Source{c.picture, "w"});
        EXPECT_TRUE(drawing.warnings.join('\n').contains(c.warning))
            << qPrintable(drawing.warnings.join('\n'));
        for (const QString& warning : drawing.warnings)
            EXPECT_TRUE(warning.contains("Pruebe"));
    }
}

// The artist's lines: a speck dropped, a gap of one pixel closed, a thin
// line thickened to the width asked for and a thick one left as drawn.
TEST(Maker, KeepsTheArtistsLinesCleanAndThickEnough) {
    QImage art(kDrawn * 2, QImage::Format_RGB32);
    art.fill(QColor(250, 220, 120));
    QPainter painter(&art);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(100, 100, 200, 200); // thin, with a gap
    painter.fillRect(QRect(200, 100, 1, 1), QColor(250, 220, 120));
    painter.fillRect(500, 100, 12, 300, Qt::black); // thick
    painter.fillRect(650, 450, 3, 3, Qt::black);    // a speck
    painter.end();
    for (const int width : {2, 3, 5, 7}) {
        SCOPED_TRACE(width);
        const Drawing drawing = makeDrawing(Source{art, "a"}, Settings{Kind::Outlined, width});
        const auto black = [&](int x, int y) {
            return drawing.uncoloured.pixel(x, y) == qRgb(0, 0, 0);
        };
        EXPECT_EQ(drawing.regions, 1); // the square, closed
        EXPECT_FALSE(black(651, 451));
        int across = 0; // the thin line's width, measured across it
        for (int y = 90; y < 110; ++y)
            across += black(150, y);
        EXPECT_GE(across, std::max(width, 3));
        EXPECT_LE(across, std::max(width, 3) + 2);
        EXPECT_FALSE(black(498, 250));
        EXPECT_FALSE(black(513, 250));
    }
}

// Distances to the nearest set pixel, against counting them out.
TEST(Maker, MeasuresDistancesExactly) {
    QRandomGenerator random(11);
    for (const QSize size : {QSize(1, 40), QSize(37, 23), QSize(64, 64)}) {
        Mask mask(size.width(), size.height());
        for (int k = 0; k < 6; ++k)
            mask[random.bounded(quint32(mask.size()))] = 1;
        std::vector<int> nearest;
        const std::vector<int> distances = squaredDistances(mask, &nearest);
        for (std::size_t i = 0; i < mask.size(); ++i) {
            int best = INT_MAX;
            for (std::size_t j = 0; j < mask.size(); ++j)
                if (mask[j]) {
                    const int dx =
                        int(i % std::size_t(size.width())) - int(j % std::size_t(size.width()));
                    const int dy =
                        int(i / std::size_t(size.width())) - int(j / std::size_t(size.width()));
                    best = std::min(best, dx * dx + dy * dy);
                }
            ASSERT_EQ(distances[i], best);
            ASSERT_TRUE(mask[std::size_t(nearest[i])]);
        }
    }
}

// Each refusal is a Spanish message naming the file, given before anything
// large is decoded and without waiting on a pipe.
TEST(Maker, RefusesWhatIsNoPictureOrReachesOutside) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("tubo");
    ASSERT_EQ(mkfifo(fifo.toUtf8().constData(), 0600), 0);
    QByteArray huge = encoded(QImage(1, 1, QImage::Format_RGB32), "png");
    huge.replace(16, 8, QByteArray::fromHex("00004e2000004e20")); // 20000 x 20000
    const quint32 crc =
        quint32(crc32(0, reinterpret_cast<const Bytef*>(huge.constData() + 12), 17));
    qToBigEndian(crc, huge.data() + 29);
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' "
                           "xmlns:xlink='http://www.w3.org/1999/xlink' width='10' height='10'>";
    QByteArray uses = svg + "<defs><rect id='a0' width='1' height='1'/>";
    for (int i = 1; i <= 8; ++i)
        uses += QString("<g id='a%1'>%2</g>")
                    .arg(i)
                    .arg(QString("<use href='#a%1'/>").arg(i - 1).repeated(10))
                    .toUtf8();
    const struct {
        const char* name;
        QByteArray bytes;
        QString problem;
    } cases[] = {
        {"text", "hola, no soy una imagen", "no es una imagen PNG"},
        {"20000 x 20000 PNG", huge, "demasiado grande"},
        {"SVG linking a file", svg + "<image xlink:href='gato.png' width='5' height='5'/></svg>",
         "enlaza con «gato.png»"},
        {"SVG linking a FIFO", svg + "<image href='" + fifo.toUtf8() + "'/></svg>", "enlaza con"},
        {"SVG with a style sheet outside",
         svg + "<rect style='fill:url(http://ejemplo.es/a.svg#b)' width='5' height='5'/></svg>",
         "enlaza con"},
        {"SVG entity bomb",
         "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b "
         "'&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>]>" +
             svg + "<text>&b;</text></svg>",
         "entidades"},
        {"SVG reusing its parts 10^8 times", uses + "</defs><use href='#a8'/></svg>",
         "demasiadas veces"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = dir.filePath("dibujo");
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.bytes);
        out.close();
        try {
            loadSource(file);
            ADD_FAILURE() << "accepted";
        } catch (const PlatformError& error) {
            EXPECT_TRUE(error.description().contains(file)) << qPrintable(error.description());
            EXPECT_TRUE(error.description().contains(c.problem)) << qPrintable(error.description());
        }
    }
    EXPECT_THROW(loadSource(fifo), PlatformError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 2);
}

} // namespace
