// Long random but repeatable sequences of clicks and mouse moves against
// damaged copies of the sample content: the program must keep running, answer
// every event within a second, and tell the user in Spanish which file is at
// fault.
//
// TAMIRO_ROBUSTNESS_EVENTS sets the number of events per run (20000 by
// default), TAMIRO_ROBUSTNESS_SEED the seed of the random sequence.

#include "platform/errors.h"
#include "support/form_fixture.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPixmap>
#include <QtEndian>
#include <random>
#include <unistd.h>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// A GIF header and screen descriptor that claim a picture of width x height,
// followed by an image descriptor of the same size and a few bytes of data.
QByteArray enormousGif(quint16 width, quint16 height) {
    QByteArray data("GIF89a");
    const auto put16 = [&data](quint16 value) {
        data.append(char(value & 0xff)).append(char(value >> 8));
    };
    put16(width), put16(height);
    data.append(char(0x80)).append(char(0)).append(char(0)); // two-colour palette
    data.append(QByteArray("\x00\x00\x00\xff\xff\xff", 6));
    data.append(',');
    put16(0), put16(0), put16(width), put16(height);
    data.append(char(0)).append(char(2)).append(QByteArray("\x02\x4c\x01\x00\x3b", 5));
    return data;
}

// A JPEG start and frame header that claim width x height, then nothing.
QByteArray enormousJpeg(quint16 width, quint16 height) {
    QByteArray data("\xff\xd8\xff\xc0\x00\x11\x08", 7);
    data.append(char(height >> 8)).append(char(height & 0xff));
    data.append(char(width >> 8)).append(char(width & 0xff));
    data.append(QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xff\xd9", 12));
    return data;
}

class Robustness : public FormTest {
protected:
    static constexpr int kSwitchLength = 1000000;
    std::mt19937 random{std::uint32_t(fromEnvironment("TAMIRO_ROBUSTNESS_SEED", 20261206))};
    QStringList damaged; // what was done to the copy, for the failure messages

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }

    // The sample content as shipped, without its sources and scripts.
    void copySampleContent() {
        const QString from = QStringLiteral(TAMIRO_SOURCE_DIR "/content");
        QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = QDir(from).relativeFilePath(file);
            if (relative.startsWith(u"src/") || relative.endsWith(u".sh"))
                continue;
            QDir().mkpath(QFileInfo(content.path(relative)).path());
            ASSERT_TRUE(QFile::copy(file, content.path(relative))) << qPrintable(relative);
        }
    }

    void replace(const QString& relative, const QByteArray& bytes) {
        content.remove(relative);
        content.text(relative, bytes);
        damaged << relative;
    }
    void truncate(const QString& relative) {
        QFile file(content.path(relative));
        ASSERT_TRUE(file.resize(file.size() / 2)) << qPrintable(relative);
        damaged << relative + " (truncated)";
    }
    void asFolder(const QString& relative) {
        content.remove(relative);
        content.folderNamed(relative);
        damaged << relative + " (folder)";
    }
    void rename(const QString& from, const QString& to) {
        ASSERT_TRUE(QDir(content.folder()).rename(from, to)) << qPrintable(from);
        damaged << from + " -> " + to;
    }
    void symlink(const QString& relative, const char* target) {
        content.remove(relative);
        ASSERT_EQ(0, ::symlink(target, QFile::encodeName(content.path(relative)).constData()));
        damaged << relative + " -> " + target;
    }
    QByteArray randomBytes(int size) {
        QByteArray bytes(size, '\0');
        for (char& byte : bytes)
            byte = char(below(256));
        return bytes;
    }

    // Damage common to every run: each kind of fault at least once, in the
    // drawings, the brush sizes, the pointers, the animations and the
    // background.
    void damageEverywhere() {
        content.remove("dibujos/1/si coloreado/2.gif");
        asFolder("dibujos/1/si coloreado/3.gif");
        replace("dibujos/2/no coloreado/1.gif", {});
        replace("dibujos/2/si coloreado/3.gif", enormousGif(60000, 60000));
        truncate("dibujos/4/si coloreado/1.gif");
        replace("dibujos/4/no coloreado/2.gif", randomBytes(5000));
        content.remove("dibujos/5/si coloreado/4.gif");
        replace("dibujos/5/si coloreado/4.jpg", enormousJpeg(60000, 60000));
        rename("dibujos/6/si coloreado", "dibujos/6/SI Coloreado");
        rename("dibujos/2/si coloreado/1.gif", "dibujos/2/si coloreado/1.gIF");
        symlink("dibujos/7", "7");
        symlink("dibujos/5/si coloreado/vuelta", ".");
        symlink("animados/3.gif", "3.gif");
        truncate("animados/2.gif");
        replace("animados/4.gif", enormousGif(60000, 60000));
        replace("punteros/2.ico", randomBytes(700));
        replace("punteros/3.ico", {});
        rename("punteros/4.ico", "punteros/4.ICO");
        // A few more faults where the seed says.
        QStringList files;
        QDirIterator it(content.folder(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(content.folder()).relativeFilePath(it.next());
        files.sort();
        for (int i = 0; i < 6; ++i) {
            const QString victim = files.at(below(int(files.size())));
            if (!QFileInfo(content.path(victim)).isFile() || victim.startsWith(u"medida/1"))
                continue;
            switch (below(4)) {
            case 0:
                content.remove(victim);
                damaged << victim + " (deleted)";
                break;
            case 1:
                replace(victim, {});
                break;
            case 2:
                truncate(victim);
                break;
            default:
                replace(victim, randomBytes(1 + below(3000)));
            }
        }
        // The printing switch: a million characters and no line end.
        QByteArray endless;
        while (endless.size() < kSwitchLength)
            endless.append("SI si ");
        replace("impresora.txt", endless.left(kSwitchLength));
    }

    // Sends a real mouse move over the drawing area.
    void realMove(float x, float y, Qt::MouseButtons buttons) {
        const QPointF at(x / kTwipsPerPixel, y / kTwipsPerPixel);
        QMouseEvent move(QEvent::MouseMove, at, form->Picture1->mapToGlobal(at), Qt::NoButton,
                         buttons, Qt::NoModifier);
        QApplication::sendEvent(form->Picture1, &move);
    }

    // One random event, through a handler or as Qt would deliver it.
    void randomEvent() {
        Form1& f = *form;
        const float width = f.Picture1->Width(), height = f.Picture1->Height();
        const auto x = [&] { return float(below(int(width) + 4000) - 2000); };
        const auto y = [&] { return float(below(int(height) + 4000) - 2000); };
        const std::int16_t buttons[] = {0, LeftButton, RightButton, MiddleButton,
                                        LeftButton | RightButton};
        const int kind = below(100);
        if (kind < 4)
            f.command4_Click();
        else if (kind < 7)
            f.Command3_Click();
        else if (kind < 10)
            f.Command5_Click(std::int16_t(below(12) - 1)); // a few indexes out of range
        else if (kind < 12)
            f.Command1_Click();
        else if (kind < 14)
            f.Command6_Click(std::int16_t(below(2)));
        else if (kind < 15)
            (below(2) ? f.Command4 : f.Command3)->click();
        else if (kind < 16)
            f.Command5(std::int16_t(below(10))).click();
        else if (kind < 17)
            f.Command2_Click();
        else if (kind < 18)
            f.grab(); // a full paint of the window, background included
        else if (kind < 55)
            f.Picture1_Mousemove(buttons[below(5)], std::int16_t(below(8)), x(), y());
        else if (kind < 75)
            f.Image1_MouseMove(buttons[below(5)], std::int16_t(below(8)), float(below(2000) - 1000),
                               float(below(2000) - 1000));
        else
            realMove(x(), y(), below(3) ? Qt::LeftButton : Qt::NoButton);
    }

    // Runs the events and checks every answer of the program.
    void survives(int events) {
        QElapsedTimer clock;
        qint64 slowest = 0;
        int slowestEvent = -1;
        // Damaged JPEG files make Qt's reader warn at every attempt.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
        startedForm();
        ASSERT_EQ(kSwitchLength, form->PrinterSwitch.size()) << "the whole first line is read";
        for (int event = 0; event < events; ++event) {
            clock.start();
            randomEvent();
            QApplication::sendPostedEvents(); // queued messages and paints
            const qint64 took = clock.elapsed();
            if (took > slowest)
                slowest = took, slowestEvent = event;
            ASSERT_FALSE(form->Image1->Visible()) << "event " << event;
            ASSERT_GE(form->FolderNumber, 1);
            ASSERT_LE(form->FolderNumber, 10);
            ASSERT_GE(form->SizeNumber, 1);
            ASSERT_GE(form->PointerNumber, 1);
        }
        EXPECT_LT(slowest, 1000) << "event " << slowestEvent << " took " << slowest << " ms";

        const QString folder = QDir(content.folder()).absolutePath();
        for (const QString& text : std::as_const(messages.shown)) {
            EXPECT_TRUE(text.startsWith(u"No puedo") || text.startsWith(u"No encuentro") ||
                        text.startsWith(u"Atención: "))
                << "not a message of the program: " << qPrintable(text.left(300));
            EXPECT_TRUE(text.contains(folder))
                << "does not name the file: " << qPrintable(text.left(300));
        }
        EXPECT_FALSE(messages.shown.isEmpty()) << "the damage went unnoticed";
        if (qEnvironmentVariableIsSet("TAMIRO_ROBUSTNESS_VERBOSE")) {
            QStringList distinct = messages.shown;
            distinct.removeDuplicates();
            for (const QString& text : std::as_const(distinct))
                std::printf("%s\n", qPrintable(text.left(300)));
        }
        EXPECT_TRUE(printer.drawn.empty()) << "printing needs a switch of exactly SI";
    }

    void TearDown() override {
        if (HasFailure())
            ADD_FAILURE() << "damaged: " << qPrintable(damaged.join(", "));
    }
};

TEST_F(Robustness, DamagedContentWithBrokenBrushSizes) {
    copySampleContent();
    damageEverywhere();
    asFolder("medida/2.gif");
    survives(fromEnvironment("TAMIRO_ROBUSTNESS_EVENTS", 20000));
}

TEST_F(Robustness, DamagedContentWithHugeBrushAndMissingBackground) {
    random.seed(random() + 1);
    copySampleContent();
    damageEverywhere();
    replace("medida/2.gif", enormousGif(60000, 60000));
    truncate("medida/3.gif");
    rename("medida/4.gif", "medida/4.GiF");
    content.remove("fondo.gif");
    survives(fromEnvironment("TAMIRO_ROBUSTNESS_EVENTS", 20000));
}

} // namespace

// Found by fuzzing: the system reads a path only up to a NUL character, so a
// folder name with one inside must not stand for the folder before it.
TEST(DirectoryQueryRobustness, PathWithNulCharacterNamesNothing) {
    ContentTree tree;
    tree.gif("dibujos/1/si coloreado/2.gif", 4, 4);
    DiskFileSystem files(tree.folder());
    const QString folder = tree.folder() + "\\dibujos\\1\\si coloreado";
    ASSERT_EQ("2.gif", files.dir(folder + "\\2.gif"));
    const QString withNul = folder + QChar(0) + QChar(0) + "\\2.gif";
    EXPECT_EQ("", files.dir(withNul));
    EXPECT_FALSE(QFileInfo(files.resolve(withNul)).exists());
    EXPECT_THROW(files.readFirstLine(withNul), PlatformError);
}
