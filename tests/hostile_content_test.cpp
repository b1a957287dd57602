// Entries that are no file, promise more than they hold or are in formats the
// program never reads; large drawings; random events on damaged content.

#include "checker/revision.h"
#include "platform/system/event_sound_player.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtEndian>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <zlib.h>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

// A progressive JPEG whose last scan, decoded over the whole picture, comes 20,000 times.
QByteArray manyScanJpeg() {
    const QByteArray jpeg = encoded(framedImage(679, 452, Qt::darkCyan), "jpeg");
    const qsizetype last = jpeg.lastIndexOf("\xff\xda"), end = jpeg.lastIndexOf("\xff\xd9");
    return jpeg.left(end) + jpeg.mid(last, end - last).repeated(20000) + "\xff\xd9";
}

// An icon file whose one picture is the PNG given.
QByteArray iconOf(const QByteArray& png) {
    const quint32 sizeAndOffset[2] = {quint32(png.size()), 22};
    return QByteArray("\0\0\1\0\1\0\0\0\0\0\1\0\x20\0", 14) +
           QByteArray(reinterpret_cast<const char*>(sizeAndOffset), 8) + png;
}

QByteArray pngChunk(const QByteArray& typeAndData) {
    QByteArray chunk = QByteArray(4, '\0') + typeAndData + QByteArray(4, '\0');
    const auto* bytes = reinterpret_cast<const Bytef*>(typeAndData.constData());
    qToBigEndian(quint32(typeAndData.size() - 4), chunk.data());
    qToBigEndian(quint32(crc32(0, bytes, uInt(typeAndData.size()))), chunk.end() - 4);
    return chunk;
}

// A PNG of a paletted picture with see-through pixels.
QByteArray palettedPng() {
    QImage image(48, 32, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(200, 30, 30)});
    image.fill(0);
    for (int i = 0; i < 32; ++i)
        image.setPixel(i, i, 1);
    return encoded(image, "png");
}

// The same with 40 text chunks, each inflating to 7.9 MB, the PNG library's most.
QByteArray pngWithTexts() {
    const QByteArray png = palettedPng();
    const QByteArray text = qCompress(QByteArray(7900000, 'a')).mid(4); // a zlib stream
    return png.left(33) + pngChunk("zTXtComentario" + QByteArray(2, '\0') + text).repeated(40) +
           png.mid(33); // after the signature and IHDR
}

// Frames of one pixel, 100 ms each, on a logical screen of the size given.
QByteArray animation(quint16 width, quint16 height, int frames) {
    QByteArray gif("GIF89a\0\0\0\0\x80\0\0\0\0\0\xff\xff\xff", 19);
    qToLittleEndian(width, gif.data() + 6);
    qToLittleEndian(height, gif.data() + 8);
    return gif +
           QByteArray("!\xf9\4\0\x0a\0\0\0,\0\0\0\0\1\0\1\0\0\2\2\x4c\1\0", 23).repeated(frames) +
           ";";
}

enum Hostile {
    Zero,
    Random,
    Fifo,
    Socket,
    Broken,
    ScreenGif,
    ManyScans,
    HugeIcon,
    LyingWav,
    IconPngTexts,
    WideAnimation, // wider than any screen of the tests
    LongAnimation,
    NulLine,
    ControlName
};
// Puts the entry at `file`, replacing what was there.
void makeHostile(Hostile kind, const QString& file) {
    static const QByteArray bytes[] = {
        // A GIF of one 1 x 1 frame on a logical screen of 5792 x 5792.
        QByteArray(
            "GIF89a\xa0\x16\xa0\x16\x80\0\0\0\0\0\xff\xff\xff,\0\0\0\0\1\0\1\0\0\2\2\x4c\1\0;", 35),
        manyScanJpeg(), iconOf(encoded(framedImage(2048, 1365, Qt::darkCyan), "png")),
        // A WAV whose header promises 4 GB of samples and holds none.
        QByteArray("RIFF\xff\xff\xff\xffWAVEfmt "
                   "\x10\0\0\0\1\0\1\0\x44\xac\0\0\x88\x58\1\0\2\0\x10\0data\xf0\xff\xff\xff",
                   44),
        iconOf(pngWithTexts()), animation(2000, 100, 2), animation(1, 1, 501),
        QByteArray("SI\0\r\n", 5)};
    QByteArray path = QFile::encodeName(file);
    ::unlink(path.constData());
    if (kind == ControlName) // a good picture, by a name that clears a terminal
        path.insert(path.lastIndexOf('/') + 1, "\x1b]0;Tamiro\x07\x1b[2J\x1b[H");
    const char* const linked[] = {"/dev/zero", "/dev/urandom", "", "", "nada"};
    sockaddr_un address{AF_UNIX, {}};
    std::copy(path.begin(), path.begin() + std::min<qsizetype>(path.size(), 100), address.sun_path);
    const int fd = kind == Socket ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
    if (kind == Fifo)
        ::mkfifo(path.constData(), 0600);
    else if (kind == Socket)
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    else if (kind <= Broken)
        ::symlink(linked[int(kind)], path.constData());
    else
        std::ofstream(path.constData(), std::ios::binary)
            << bytes[kind == ControlName ? int(LongAnimation) - int(ScreenGif)
                                         : int(kind) - int(ScreenGif)]
                   .toStdString();
    ::close(fd);
}

// Where an entry stands; a missing animation, switch file or sound is told to no one.
const char* const kPlaces[] = {"dibujos/1/si coloreado/1.gif",
                               "dibujos/1/no coloreado/1.gif",
                               "medida/1.gif",
                               "punteros/1.ico",
                               "fondo.gif",
                               "animados/1.gif",
                               "impresora.txt",
                               "sonido1.wav"};

qint64 statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line) && line.rfind(field, 0) != 0) {
    }
    return std::atoll(line.c_str() + std::strlen(field));
}

// Start-up, a step with its sound (real player) and animation, and a paint read
// every place; the checker then reviews the same tree.
TEST(HostileContent, EveryEntryEverywhereEndsLikeAMissingOrDamagedFile) {
    for (int kind = 0; kind <= int(ControlName); ++kind)
        for (int place = 0; place < 8; ++place) {
            SCOPED_TRACE(::testing::Message() << "kind " << kind << " at " << kPlaces[place]);
            World world;
            ContentTree& content = world.content;
            content.basics();
            content.drawing(1, 1);
            content.gif("animados/2.gif", 8, 8);
            makeHostile(Hostile(kind), content.path(kPlaces[place]));
            EventSoundPlayer player(world.files);
            world.sound.onPlay = [&] { player.play(world.sound.played.last()); };
            std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
            const qint64 before = statusKb("VmRSS:");
            alarm(20); // a hang ends the run instead of blocking it for ever
            world.startedWindow().onNextClicked();
            world.window->grab();
            QApplication::sendPostedEvents();
            const Review review = reviewContent(world.files, world.pictures);
            alarm(0);
            EXPECT_LT(statusKb("VmHWM:") - before, 100 * 1024) << "kB more at the peak";
            EXPECT_FALSE(world.window->animation->isPlaying());
            EXPECT_EQ(11520 - 1225, world.window->previousButton->topTwips())
                << "the bar is laid out";
            if (place == 5) { // the child is told nothing, the teacher is warned
                EXPECT_TRUE(world.window->animation->problem().contains(content.path(kPlaces[5])))
                    << qPrintable(world.window->animation->problem());
                EXPECT_TRUE(
                    std::any_of(review.findings.begin(), review.findings.end(), [](auto& f) {
                        return f.severity == Finding::Severity::Warning &&
                               f.file.startsWith("animados");
                    }));
            }
            if (kind == IconPngTexts && place == 3) { // the text goes, the picture stays
                EXPECT_EQ(
                    QImage::fromData(palettedPng(), "png").convertToFormat(QImage::Format_ARGB32),
                    world.window->drawingArea->mouseIcon().image().convertToFormat(
                        QImage::Format_ARGB32));
            }
            if (kind <= Broken) { // no file at all, even where no listing comes first
                EXPECT_ANY_THROW(world.files.readFirstLine(content.path(kPlaces[place])));
            }
            const QStringList& shown = world.messages.shown;
            const QString stem = content.path(kPlaces[place]).section(u'.', 0, -2);
            const bool told = !shown.filter(stem).isEmpty();
            // Where the program tells of each kind: one-pixel animations are good
            // pictures, and an icon's PNG loses its text and stays good.
            const char* toldAt = kind == IconPngTexts                             ? "11101000"
                                 : kind == WideAnimation || kind == LongAnimation ? "00010000"
                                                                                  : "11111000";
            EXPECT_EQ(toldAt[place] == '1', told) << qPrintable(shown.join('\n'));
            EXPECT_FALSE(told && review.passes()) << "the checker foresees no failure";
        }
}

// Drawings of 4096 x 1024 pixels, the largest taken, clicked in turn: each is
// shown, and the pictures kept for speed stay within their budget.
using LargeDrawings = WindowTest;
TEST_F(LargeDrawings, ClickedInTurnKeepTheLoaderWithinItsBudget) {
    content.basics();
    const QByteArray jpeg = encoded(framedImage(4096, 1024, Qt::darkGreen), "jpeg"); // as .gif
    for (int n = 1; n <= 4; ++n)
        for (const char* variant : {"si", "no"})
            content.text(QStringLiteral("dibujos/1/%1 coloreado/%2.gif").arg(variant).arg(n), jpeg);
    ColouringWindow& f = startedWindow();
    for (int n = 1; n <= 4; ++n) {
        click('n');
        EXPECT_EQ(4096 * kTwipsPerPixel, f.drawingArea->widthTwips()) << "drawing " << n;
        EXPECT_LE(pictures.keptBytes(), QtPictureLoader::kKeptBytes) << "drawing " << n;
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << qPrintable(messages.shown.join('\n'));
}

// TAMIRO_ROBUSTNESS_EVENTS: events (20000 by default); TAMIRO_ROBUSTNESS_SEED.
using Robustness = WindowTest;
TEST_F(Robustness, DamagedContentSurvivesRandomEvents) {
    std::filesystem::copy(TAMIRO_SOURCE_DIR "/content", content.folder().toStdString(),
                          std::filesystem::copy_options::recursive); // the sample, then damage
    const char* hostile[] = {
        "dibujos/3/no coloreado/1.gif", "medida/3.gif",   "dibujos/8/si coloreado/2.gif",
        "dibujos/5/si coloreado/4.gif", "animados/3.gif", "dibujos/2/si coloreado/3.gif",
        "dibujos/9/si coloreado/1.gif", "punteros/2.ico", "sonido2.wav"};
    for (int kind = Zero; kind <= LyingWav; ++kind)
        makeHostile(Hostile(kind), content.path(hostile[kind]));
    content.remove("dibujos/1/si coloreado/2.gif");
    content.remove("dibujos/1/si coloreado/3.gif");
    content.folderNamed("dibujos/1/si coloreado/3.gif");
    content.text("dibujos/2/no coloreado/1.gif", {});
    QFile(content.path("dibujos/4/si coloreado/1.gif")).resize(300); // truncated
    ASSERT_TRUE(QDir(content.folder()).rename("dibujos/6/si coloreado", "dibujos/6/SI Coloreado"));
    content.remove("dibujos/7");
    ::symlink("7", QFile::encodeName(content.path("dibujos/7")).constData()); // a loop
    content.text("punteros/3.ico", {});
    content.remove("fondo.gif");
    content.text("impresora.txt", QByteArray("SI si ").repeated(200000)); // and no line end

    std::mt19937 random{std::uint32_t(qEnvironmentVariableIntValue("TAMIRO_ROBUSTNESS_SEED"))};
    const int events = qEnvironmentVariableIntValue("TAMIRO_ROBUSTNESS_EVENTS");
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    ColouringWindow& f = startedWindow();
    for (int event = 0; event < (events > 0 ? events : 20000); ++event) {
        const float x = float(below(int(f.drawingArea->widthTwips()) + 4000) - 2000);
        const float y = float(below(int(f.drawingArea->heightTwips()) + 4000) - 2000);
        const int kind = below(100);
        if (kind < 20)
            click("nnnnnpppbbhhr1234567890"[below(23)]);
        else if (kind < 21)
            f.onEndClicked();
        else if (kind < 22)
            f.grab(); // a full paint of the window, background included
        else if (kind < 45)
            f.onBrushImageMouseMove(std::int16_t(below(4)), 0, x / 10, y / 10); // either button
        else {
            const QPointF at(x / kTwipsPerPixel, y / kTwipsPerPixel);
            QMouseEvent move(QEvent::MouseMove, at, f.drawingArea->mapToGlobal(at), Qt::NoButton,
                             Qt::MouseButtons(below(4)), Qt::KeyboardModifiers(below(8) << 25));
            QApplication::sendEvent(f.drawingArea, &move);
        }
        QApplication::sendPostedEvents(); // queued messages and paints
        ASSERT_TRUE(!f.brushImage->isVisible() && f.state().folderNumber >= 1 &&
                    f.state().folderNumber <= 10 && f.state().brushSizeNumber >= 1 &&
                    f.state().pointerNumber >= 1)
            << "event " << event;
    }
    EXPECT_FALSE(messages.shown.isEmpty()) << "the damage went unnoticed";
    for (const QString& text : std::as_const(messages.shown))
        EXPECT_TRUE(text.contains(content.folder())) << "names no file: " << qPrintable(text);
    EXPECT_TRUE(printer.drawn.empty()) << "printing needs a switch of exactly SI";
}

} // namespace
