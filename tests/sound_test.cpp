// The player's check against the real sound library: WAV files of many kinds,
// played by the program's player into a PulseAudio null sink of the test's
// own and recorded from it. A file is heard exactly when the check accepts it.

#include "platform/formats/sound_format.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/event_sound_player.h"
#include "support/content_tree.h"

#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace tamiro;
using tamiro::testing::Wav;

TEST(SoundPlayer, PlaysExactlyWhatItsCheckAccepts) {
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
        GTEST_SKIP() << "no sound server to play into";
    tamiro::testing::ContentTree home; // the server's home, and the sound played
    const QString socket = home.folder() + "/pulse-socket";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.folder());
    env.insert("XDG_RUNTIME_DIR", home.folder());
    env.insert("PULSE_SERVER", "unix:" + socket);
    qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
    QProcess server;
    server.setProcessEnvironment(env);
    server.start("pulseaudio", {"-n", "--exit-idle-time=-1", "--disable-shm=true", "-L",
                                "module-null-sink sink_name=rec", "-L",
                                "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
    for (int i = 0; i < 100 && QProcess::execute("pactl", {"-s", "unix:" + socket, "info"}); ++i)
        QThread::msleep(100);

    const struct {
        const char* what;
        Wav wav;
        bool heard;
    } rows[] = {
        {"16-bit mono", {}, true},
        {"8-bit", {.bits = 8}, true},
        {"six channels", {.channels = 6}, true},
        {"eight channels", {.channels = 8}, false},
        {"extensible PCM", {.channels = 2, .tag = 0xfffe, .fmtSize = 40, .mask = 3}, true},
        {"extensible, eight placed channels",
         {.channels = 8, .tag = 0xfffe, .fmtSize = 40, .mask = 0x63f},
         true},
        {"extensible float", {.bits = 32, .tag = 0xfffe, .fmtSize = 40, .mask = 4}, false},
        {"format chunk of 18", {.fmtSize = 18}, true},
        {"float", {.bits = 32, .tag = 3}, false},
        {"24-bit", {.bits = 24}, false},
        {"384 kHz", {.rate = 384000}, true},
        {"768 kHz", {.rate = 768000}, false},
        {"data size 0xFFFFFFFF", {.dataSize = 0xffffffff}, false},
        {"odd LIST chunk, padded", {.before = QByteArray("LIST\5\0\0\0INFO\0\0", 14)}, false},
        {"odd LIST chunk, unpadded", {.before = QByteArray("LIST\5\0\0\0INFO\0", 13)}, true},
        {"LIST chunk size one too many", {.before = QByteArray("LIST\5\0\0\0INFO", 12)}, false},
        {"even LIST chunk", {.before = QByteArray("LIST\6\0\0\0INFOab", 14)}, true},
        {"cut in mid-sample", {.dataSize = 4411}, false},
        {"no sample", {.cut = 4410}, false},
        {"over 16 MiB", {.after = QByteArray("JUNK\0\0\0\1", 8) + QByteArray(1 << 24, 0)}, false},
    };
    DiskFileSystem files(home.folder());
    EventSoundPlayer player(files);
    QProcess recorder; // from the sink's monitor, all along
    recorder.setProcessEnvironment(env);
    recorder.start("parec", {"--device=rec.monitor", "--raw", "--format=s16le", "--channels=1",
                             "--rate=8000", "--latency-msec=20"});
    ASSERT_TRUE(recorder.waitForReadyRead(10000));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        home.text("sonido.wav", row.wav.bytes());
        const SoundFormat checked = soundFormatOf(home.folder() + "/sonido.wav");
        EXPECT_EQ(row.heard, checked.plays()) << qPrintable(checked.problem);
        recorder.readAllStandardOutput(); // what came before
        player.play(home.folder() + "/sonido.wav");
        QThread::msleep(800);
        recorder.waitForReadyRead(100);
        const QByteArray heard = recorder.readAllStandardOutput();
        int loudest = 0;
        for (qsizetype i = 0; i + 1 < heard.size(); i += 2)
            loudest = std::max(loudest, std::abs(qFromLittleEndian<qint16>(heard.constData() + i)));
        EXPECT_EQ(row.heard, loudest > 2000) << "loudest sample " << loudest;
    } // the recorder and the server are killed as they go
}
