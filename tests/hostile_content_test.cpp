// Entries of the content folder that are no picture at all, or pictures that
// promise far more than they hold, at every place the program reads: each
// ends like a missing or damaged file, at once, with bounded memory.

#include "hostile_entries.h"
#include "platform/event_sound_player.h"
#include "support/form_fixture.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTest>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

QByteArray encoded(int side, const char* format, bool progressive) {
    QImage image(side, side * 2 / 3, QImage::Format_ARGB32);
    image.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}

// A GIF of 35 bytes whose logical screen is 5792 x 5792 and whose one frame
// is 1 x 1: the decoder makes an image of the whole screen.
const QByteArray
    kScreenGif("GIF89a\xa0\x16\xa0\x16\x80\0\0\0\0\0\xff\xff\xff,\0\0\0\0\1\0\1\0\0\2\2\x4c\1\0;",
               35);

// A WAV whose header promises 4 GB of samples and holds 4,000 bytes.
const QByteArray kLyingWav =
    QByteArray("RIFF\xff\xff\xff\xffWAVEfmt \x10\0\0\0\1\0\1\0\x44\xac\0\0\x88\x58\1\0\2\0\x10\0"
               "data\xf0\xff\xff\xff",
               44) +
    QByteArray(4000, '\x20');

// A progressive JPEG whose last scan comes 20,000 times: each is decoded
// over the whole picture.
QByteArray manyScanJpeg() {
    const QByteArray jpeg = encoded(679, "jpeg", true);
    const qsizetype last = jpeg.lastIndexOf("\xff\xda"), end = jpeg.lastIndexOf("\xff\xd9");
    return jpeg.left(end) + jpeg.mid(last, end - last).repeated(20000) + "\xff\xd9";
}

// An icon file whose one picture is a PNG of 2048 x 1365 pixels.
QByteArray hugeIcon() {
    const QByteArray png = encoded(2048, "png", false);
    const quint32 sizeAndOffset[2] = {quint32(png.size()), 22};
    return QByteArray("\0\0\1\0\1\0\0\0\0\0\1\0\x20\0", 14) +
           QByteArray(reinterpret_cast<const char*>(sizeAndOffset), 8) + png;
}

} // namespace

void tamiro::testing::makeHostile(Hostile kind, const QString& file) {
    static const QByteArray bytes[] = {kScreenGif, manyScanJpeg(), hugeIcon(), kLyingWav};
    const QByteArray path = QFile::encodeName(file);
    ::unlink(path.constData());
    const char* const linked[] = {"/dev/zero", "/dev/urandom", "", "", "nada"};
    sockaddr_un address{AF_UNIX, {}};
    std::copy(path.begin(), path.begin() + std::min<qsizetype>(path.size(), 100), address.sun_path);
    const int fd = kind == Hostile::Socket ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
    if (kind == Hostile::Fifo)
        ::mkfifo(path.constData(), 0600);
    else if (kind == Hostile::Socket)
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    else if (kind <= Hostile::Broken)
        ::symlink(linked[int(kind)], path.constData());
    else
        std::ofstream(path.constData(), std::ios::binary)
            << bytes[int(kind) - int(Hostile::ScreenGif)].toStdString();
    ::close(fd);
}

namespace {

// Where an entry stands, and whether the program tells the user about it
// there (a missing animation, switch file or sound is no fault worth a word).
const std::pair<const char*, bool> kPlaces[] = {{"dibujos/1/si coloreado/1.gif", true},
                                                {"dibujos/1/no coloreado/1.gif", true},
                                                {"animados/1.gif", false},
                                                {"medida/1.gif", true},
                                                {"punteros/1.ico", true},
                                                {"fondo.gif", true},
                                                {"impresora.txt", false},
                                                {"sonido1.wav", false}};

qint64 statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line) && line.rfind(field, 0) != 0)
        ;
    return std::atoll(line.c_str() + std::strlen(field));
}

// Start-up, a step to drawing 1 with its sound, and a paint read every place
// of the table; the sound goes to the real player.
TEST(HostileContent, EveryEntryEverywhereEndsLikeAMissingOrDamagedFile) {
    for (int kind = 0; kind <= int(Hostile::LyingWav); ++kind)
        for (const auto& [file, told] : kPlaces) {
            SCOPED_TRACE(::testing::Message() << "kind " << kind << " at " << file);
            World world;
            ContentTree& content = world.content;
            content.basics();
            content.drawing(1, 1);
            content.gif("animados/2.gif", 8, 8);
            content.text("impresora.txt", "SI\r\n");
            makeHostile(Hostile(kind), content.path(file));
            EventSoundPlayer player(world.files);
            world.sound.onPlay = [&] { player.play(world.sound.played.last()); };
            std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
            const qint64 before = statusKb("VmRSS:");
            alarm(20); // a hang ends the run instead of blocking it for ever
            world.startedForm().command4_Click();
            world.form->grab();
            QApplication::sendPostedEvents();
            alarm(0);
            EXPECT_LT(statusKb("VmHWM:") - before, 100 * 1024) << "kB more at the peak";
            EXPECT_FALSE(world.form->Tarambel1->isPlaying());
            const QStringList& shown = world.messages.shown;
            const QString stem = content.path(file).section(u'.', 0, -2);
            EXPECT_EQ(told, !shown.filter(stem).isEmpty()) << qPrintable(shown.join('\n'));
            for (const QString& text : shown)
                EXPECT_TRUE(text.contains(content.folder()))
                    << "names no file: " << qPrintable(text);
        }
}

// A drawing taller than the band above the bar keeps its height; the buttons
// of the bar still stand above it and take the clicks.
using TallDrawing = FormTest;
TEST_F(TallDrawing, LeavesEveryBarButtonClickable) {
    content.basics();
    content.drawing(1, 1, 600, 1000);
    startedForm().resize(1024, 768);
    form->show();
    form->command4_Click();
    ASSERT_GT(form->Picture1->geometry().bottom(), form->Command3->geometry().top());
    int ended = 0;
    QObject::connect(form.get(), &Form1::ended, [&] { ++ended; });
    std::vector<QAbstractButton*> bar{form->Command1, form->Command2,     form->Command3,
                                      form->Command4, &form->Command6(0), &form->Command6(1)};
    for (std::int16_t i = 0; i < 10; ++i)
        bar.push_back(&form->Command5(i));
    for (QAbstractButton* button : bar) {
        int clicks = 0;
        const auto counted = QObject::connect(button, &QAbstractButton::clicked, [&] { ++clicks; });
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, button->geometry().center());
        EXPECT_EQ(1, clicks) << qPrintable(button->accessibleName());
        QObject::disconnect(counted);
    }
    EXPECT_EQ(1, ended) << "the end button ends the program";
}

} // namespace
