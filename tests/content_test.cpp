// Checks the shipped content tree (content/) the way the program reads it: numbered
// series without gaps (names matched without regard to case), pictures decoded with
// Qt's own readers, sizes the program relies on, sounds Qt's player can decode, and
// printing switched off.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Readable sizes in failure messages.
void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << "x" << size.height();
}

namespace {

const QString kContent = QStringLiteral(TAMIRO_SOURCE_DIR "/content");

std::string str(const QString& s) {
    return s.toStdString();
}

// The files of one numbered series, by number. Reports as failures every file the
// program would not take: a name that is not a number without leading zeros, an
// unexpected extension, or two files with the same number (1.gif and 1.JPG).
std::map<int, QString> numberedFiles(const QString& dir, const QStringList& suffixes) {
    static const QRegularExpression numbered(QStringLiteral("^([1-9][0-9]*)\\.([^.]+)$"));
    std::map<int, QString> files;
    const QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const auto match = numbered.match(name);
        if (!match.hasMatch() || !suffixes.contains(match.captured(2).toLower())) {
            ADD_FAILURE() << str(dir) << ": unexpected file " << str(name);
            continue;
        }
        const int number = match.captured(1).toInt();
        if (!files.emplace(number, dir + '/' + name).second)
            ADD_FAILURE() << str(dir) << ": two files numbered " << number;
    }
    return files;
}

// The numbers must be 1, 2, 3, ... : the program stops looking at the first gap.
void expectNoGaps(const std::map<int, QString>& files, const QString& dir) {
    EXPECT_FALSE(files.empty()) << str(dir) << " holds nothing";
    int expected = 1;
    for (const auto& [number, path] : files) {
        EXPECT_EQ(number, expected) << str(dir) << ": numbering has a gap before " << str(path);
        expected = number + 1;
    }
}

struct Picture {
    QByteArray format;
    QSize size;
    int frames = 0;
    int loops = 0;
    QImage first;
};

Picture readPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    Picture p;
    p.format = reader.format();
    p.size = reader.size();
    p.frames = reader.imageCount();
    p.loops = reader.loopCount();
    p.first = reader.read();
    EXPECT_FALSE(p.first.isNull()) << str(path) << ": " << str(reader.errorString());
    return p;
}

bool hasUpperCase(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name != name.toLower();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << str(path);
    return file.readAll();
}

uint32_t le(const QByteArray& data, qsizetype at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(data.at(at + i));
    return value;
}

// The AND mask of a one-entry icon (true = transparent), or nothing if the file is
// not a plain (non-PNG) icon. Qt applies the mask of 4-bit icons only; the program
// reads it itself for the others, so it must be right in every icon.
std::optional<std::vector<bool>> iconMask(const QByteArray& ico) {
    if (ico.size() < 22 || le(ico, 0, 2) != 0 || le(ico, 2, 2) != 1 || le(ico, 4, 2) < 1)
        return std::nullopt;
    const qsizetype dib = le(ico, 18, 4);
    if (dib + 40 > ico.size() || le(ico, dib, 4) != 40)
        return std::nullopt;
    const int w = static_cast<int>(le(ico, dib + 4, 4));
    const int h = static_cast<int>(le(ico, dib + 8, 4)) / 2;
    const int bits = static_cast<int>(le(ico, dib + 14, 2));
    uint32_t colours = le(ico, dib + 32, 4);
    if (colours == 0 && bits <= 8)
        colours = 1u << bits;
    const qsizetype xorStride = ((w * bits + 31) / 32) * 4;
    const qsizetype maskStride = ((w + 31) / 32) * 4;
    const qsizetype mask = dib + 40 + 4 * qsizetype(colours) + xorStride * h;
    if (mask + maskStride * h > ico.size())
        return std::nullopt;
    std::vector<bool> transparent(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const qsizetype row = mask + (h - 1 - y) * maskStride; // rows are stored bottom-up
        for (int x = 0; x < w; ++x)
            transparent[size_t(y) * w + x] = (uint8_t(ico.at(row + x / 8)) >> (7 - x % 8)) & 1;
    }
    return transparent;
}

} // namespace

TEST(ContentTree, AnimationsLoopForEverAndFitTheirBox) {
    const QString dir = kContent + "/animados";
    const auto files = numberedFiles(dir, {"gif"});
    expectNoGaps(files, dir);
    bool upperCase = false;
    for (const auto& [number, path] : files) {
        SCOPED_TRACE(str(path));
        const Picture p = readPicture(path);
        EXPECT_EQ(p.format, "gif");
        EXPECT_LE(p.size.width(), 91);
        EXPECT_LE(p.size.height(), 90);
        EXPECT_GE(p.frames, 3) << "an animation needs several frames";
        EXPECT_EQ(p.loops, -1) << "must loop for ever";
        upperCase = upperCase || hasUpperCase(path);
    }
    EXPECT_TRUE(upperCase) << "one animation is stored with an upper-case name on purpose";
}

TEST(ContentTree, BrushSizesAndPointers) {
    const QString sizes = kContent + "/medida";
    const auto brushes = numberedFiles(sizes, {"gif"});
    expectNoGaps(brushes, sizes);
    int previous = 0;
    for (const auto& [number, path] : brushes) {
        SCOPED_TRACE(str(path));
        const Picture p = readPicture(path);
        // The picture's size is the brush size: square, and growing with the number.
        EXPECT_EQ(p.size.width(), p.size.height());
        EXPECT_GT(p.size.width(), previous);
        previous = p.size.width();
    }
    EXPECT_EQ(brushes.size(), 4u);
    EXPECT_EQ(previous, 64);

    const QString pointers = kContent + "/punteros";
    const auto icons = numberedFiles(pointers, {"ico"});
    expectNoGaps(icons, pointers);
    for (const auto& [number, path] : icons) {
        SCOPED_TRACE(str(path));
        const Picture p = readPicture(path);
        EXPECT_EQ(p.size, QSize(32, 32));
        const auto mask = iconMask(readAll(path));
        ASSERT_TRUE(mask.has_value()) << "not a plain one-entry icon with an AND mask";
        ASSERT_EQ(mask->size(), 32u * 32u);
        // Transparent around the subject, and something drawn at the hot spot (the
        // centre), where the brush works.
        const auto clear = std::count(mask->begin(), mask->end(), true);
        EXPECT_GE(clear, 32 * 32 / 3) << "the surroundings should be transparent";
        bool drawnAtCentre = false;
        for (int y = 14; y <= 18; ++y)
            for (int x = 14; x <= 18; ++x)
                drawnAtCentre = drawnAtCentre || !(*mask)[size_t(y) * 32 + x];
        EXPECT_TRUE(drawnAtCentre) << "the working point belongs at the centre";
    }
}

TEST(ContentTree, DrawingsComeInMatchingPairs) {
    int drawings = 0;
    bool jpegFolder = false;
    bool upperCase = false;
    for (int folder = 1; folder <= 10; ++folder) {
        const QString base = kContent + "/dibujos/" + QString::number(folder);
        SCOPED_TRACE(str(base));
        const QString colouredDir = base + "/si coloreado";
        const QString plainDir = base + "/no coloreado";
        if (!QDir(colouredDir).exists() || !QDir(plainDir).exists()) {
            ADD_FAILURE() << "missing \"si coloreado\" or \"no coloreado\"";
            continue;
        }
        const auto coloured = numberedFiles(colouredDir, {"gif", "jpg", "jpeg"});
        const auto plain = numberedFiles(plainDir, {"gif"});
        expectNoGaps(coloured, colouredDir);
        EXPECT_EQ(plain.size(), coloured.size()) << "every drawing needs both variants";
        for (const auto& [number, path] : coloured) {
            SCOPED_TRACE(str(path));
            const Picture c = readPicture(path);
            EXPECT_TRUE(c.format == "gif" || c.format == "jpeg") << c.format.constData();
            EXPECT_LE(c.size.width(), 679);
            EXPECT_LE(c.size.height(), 440);
            jpegFolder = jpegFolder || c.format == "jpeg";
            upperCase = upperCase || hasUpperCase(path);
            const auto partner = plain.find(number);
            if (partner == plain.end()) {
                ADD_FAILURE() << "no uncoloured partner";
                continue;
            }
            const Picture u = readPicture(partner->second);
            EXPECT_EQ(u.format, "gif") << str(partner->second);
            // The child reveals the coloured picture through the uncoloured one in
            // rectangles: the two must line up exactly.
            EXPECT_EQ(u.size, c.size) << str(partner->second);
            EXPECT_EQ(c.first.size(), c.size);
            upperCase = upperCase || hasUpperCase(partner->second);
            ++drawings;
        }
    }
    EXPECT_GE(drawings, 30);
    EXPECT_TRUE(jpegFolder) << "one folder keeps its coloured drawings as JPEG";
    EXPECT_TRUE(upperCase) << "some drawing is stored with an upper-case name";
}

TEST(ContentTree, SoundsBackgroundAndPrinter) {
    for (const char* name : {"sonido1.wav", "sonido2.wav"}) {
        const QString path = kContent + '/' + name;
        SCOPED_TRACE(str(path));
        const QByteArray wav = readAll(path);
        ASSERT_GE(wav.size(), 44);
        ASSERT_TRUE(wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE");
        EXPECT_EQ(le(wav, 4, 4), uint32_t(wav.size() - 8)) << "RIFF size";
        // Walk the chunks: fmt must say plain 16-bit PCM (format 1, not float or
        // extensible), data must last under a second.
        uint32_t rate = 0, blockAlign = 0, dataBytes = 0;
        for (qsizetype at = 12; at + 8 <= wav.size();) {
            const QByteArray id = wav.mid(at, 4);
            const uint32_t size = le(wav, at + 4, 4);
            ASSERT_LE(at + 8 + qsizetype(size), wav.size()) << "chunk runs past the end";
            if (id == "fmt ") {
                ASSERT_GE(size, 16u);
                EXPECT_EQ(le(wav, at + 8, 2), 1u) << "format tag: PCM";
                const uint32_t channels = le(wav, at + 10, 2);
                EXPECT_TRUE(channels == 1 || channels == 2);
                rate = le(wav, at + 12, 4);
                blockAlign = le(wav, at + 20, 2);
                EXPECT_EQ(le(wav, at + 22, 2), 16u) << "bits per sample";
                EXPECT_EQ(blockAlign, channels * 2);
            } else if (id == "data") {
                dataBytes = size;
            }
            at += 8 + size + (size & 1);
        }
        ASSERT_GT(rate, 0u) << "no fmt chunk";
        ASSERT_GT(dataBytes, 0u) << "no sound data";
        const double seconds = double(dataBytes) / blockAlign / rate;
        EXPECT_LT(seconds, 1.0);
        EXPECT_GT(seconds, 0.1);
    }

    const Picture background = readPicture(kContent + "/fondo.gif");
    EXPECT_EQ(background.format, "gif");

    // Printing ships switched off: only "SI" on the first line switches it on.
    QFile printer(kContent + "/impresora.txt");
    ASSERT_TRUE(printer.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString first = QString::fromLatin1(printer.readLine()).trimmed();
    EXPECT_NE(first.toUpper(), "SI");
}
