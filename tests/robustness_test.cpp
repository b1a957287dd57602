// Long random but repeatable sequences of clicks and mouse moves against
// damaged copies of the sample content: the program must keep running, answer
// every event, and tell the user in Spanish which file is at fault.
//
// TAMIRO_ROBUSTNESS_EVENTS sets the number of events per run (20000 by
// default), TAMIRO_ROBUSTNESS_SEED the seed of the random sequence.

#include "hostile_entries.h"
#include "support/form_fixture.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLoggingCategory>
#include <QMouseEvent>
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

// A GIF or JPEG header that claims a picture of 60000 x 60000, then nothing.
const QByteArray
    kEnormousGif("GIF89a\x60\xea\x60\xea\x80\0\0\0\0\0\xff\xff\xff,\0\0\0\0\x60\xea\x60"
                 "\xea\0\2\2\x4c\1\0;",
                 35);
const QByteArray kEnormousJpeg("\xff\xd8\xff\xc0\0\x11\x08\xea\x60\xea\x60\x03\x01\x22\0\x02\x11"
                               "\x01\x03\x11\x01\xff\xd9",
                               23);

class Robustness : public FormTest {
protected:
    std::mt19937 random{std::uint32_t(fromEnvironment("TAMIRO_ROBUSTNESS_SEED", 20261206))};

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }

    // The sample content as shipped, then each kind of damage at least once.
    void damagedSampleContent() {
        const QString from = QStringLiteral(TAMIRO_SOURCE_DIR "/content");
        for (QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString relative = QDir(from).relativeFilePath(it.next());
            if (relative.startsWith(u"src/") || relative.endsWith(u".sh"))
                continue;
            QDir().mkpath(QFileInfo(content.path(relative)).path());
            ASSERT_TRUE(QFile::copy(from + '/' + relative, content.path(relative)));
        }
        const auto replace = [&](const QString& file, const QByteArray& bytes) {
            content.remove(file);
            content.text(file, bytes);
        };
        const auto truncate = [&](const QString& file) {
            QFile(content.path(file)).resize(QFileInfo(content.path(file)).size() / 2);
        };
        const auto link = [&](const QString& file, const char* target) {
            content.remove(file);
            ASSERT_EQ(0, ::symlink(target, QFile::encodeName(content.path(file)).constData()));
        };
        content.remove("dibujos/1/si coloreado/2.gif");
        content.remove("dibujos/1/si coloreado/3.gif");
        content.folderNamed("dibujos/1/si coloreado/3.gif");
        replace("dibujos/2/no coloreado/1.gif", {});
        replace("dibujos/2/si coloreado/3.gif", kEnormousGif);
        truncate("dibujos/4/si coloreado/1.gif");
        replace("dibujos/5/si coloreado/4.jpg", kEnormousJpeg);
        content.remove("dibujos/5/si coloreado/4.gif");
        ASSERT_TRUE(
            QDir(content.folder()).rename("dibujos/6/si coloreado", "dibujos/6/SI Coloreado"));
        link("dibujos/7", "7");
        link("animados/3.gif", "3.gif");
        replace("punteros/3.ico", {});
        makeHostile(Hostile::Zero, content.path("dibujos/3/no coloreado/1.gif"));
        makeHostile(Hostile::Fifo, content.path("dibujos/8/si coloreado/2.gif"));
        makeHostile(Hostile::ScreenGif, content.path("animados/2.gif"));
        makeHostile(Hostile::ManyScanJpeg, content.path("dibujos/9/si coloreado/1.gif"));
        makeHostile(Hostile::HugePointer, content.path("punteros/2.ico"));
        makeHostile(Hostile::Urandom, content.path("medida/3.gif"));
        replace("medida/2.gif", kEnormousGif);
        content.remove("fondo.gif");
        replace("impresora.txt", QByteArray("SI si ").repeated(200000)); // and no line end
    }

    // One random event, through a handler or as Qt would deliver it.
    void randomEvent() {
        Form1& f = *form;
        const float x = float(below(int(f.Picture1->Width()) + 4000) - 2000);
        const float y = float(below(int(f.Picture1->Height()) + 4000) - 2000);
        const std::int16_t buttons[] = {0, LeftButton, RightButton, LeftButton | RightButton};
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
            f.Command2_Click();
        else if (kind < 16)
            f.grab(); // a full paint of the window, background included
        else if (kind < 55)
            f.Picture1_Mousemove(buttons[below(4)], std::int16_t(below(8)), x, y);
        else if (kind < 75)
            f.Image1_MouseMove(buttons[below(4)], 0, float(below(2000) - 1000),
                               float(below(2000) - 1000));
        else {
            const QPointF at(x / kTwipsPerPixel, y / kTwipsPerPixel);
            QMouseEvent move(QEvent::MouseMove, at, f.Picture1->mapToGlobal(at), Qt::NoButton,
                             below(3) ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(f.Picture1, &move);
        }
    }

    void survives(int events) {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
        startedForm();
        alarm(600); // a hang ends the run instead of blocking it for ever
        for (int event = 0; event < events; ++event) {
            randomEvent();
            QApplication::sendPostedEvents(); // queued messages and paints
            ASSERT_FALSE(form->Image1->Visible()) << "event " << event;
            ASSERT_TRUE(form->FolderNumber >= 1 && form->FolderNumber <= 10);
            ASSERT_TRUE(form->SizeNumber >= 1 && form->PointerNumber >= 1);
        }
        alarm(0);
        EXPECT_FALSE(messages.shown.isEmpty()) << "the damage went unnoticed";
        for (const QString& text : std::as_const(messages.shown))
            EXPECT_TRUE(text.contains(content.folder())) << "names no file: " << qPrintable(text);
        EXPECT_TRUE(printer.drawn.empty()) << "printing needs a switch of exactly SI";
    }
};

TEST_F(Robustness, DamagedContentSurvivesRandomEvents) {
    damagedSampleContent();
    survives(fromEnvironment("TAMIRO_ROBUSTNESS_EVENTS", 20000));
}

} // namespace
