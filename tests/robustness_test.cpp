// A long random but repeatable sequence of clicks and mouse moves against a
// damaged copy of the sample content: the program must keep running, answer
// every event, and tell the user in Spanish which file is at fault.
//
// TAMIRO_ROBUSTNESS_EVENTS sets the number of events (20000 by default),
// TAMIRO_ROBUSTNESS_SEED the seed of the random sequence.

#include "hostile_entries.h"
#include "platform/event_sound_player.h"
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

int setting(const char* name, int fallback) {
    const int value = qEnvironmentVariableIntValue(name);
    return value > 0 ? value : fallback;
}

using Robustness = FormTest;

TEST_F(Robustness, DamagedContentSurvivesRandomEvents) {
    // The sample content as shipped, then each kind of damage at least once.
    const QString from = QStringLiteral(TAMIRO_SOURCE_DIR "/content");
    for (QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString relative = QDir(from).relativeFilePath(it.next());
        QDir().mkpath(QFileInfo(content.path(relative)).path());
        ASSERT_TRUE(QFile::copy(from + '/' + relative, content.path(relative)));
    }
    const auto replace = [&](const QString& file, const QByteArray& bytes) {
        content.remove(file);
        content.text(file, bytes);
    };
    content.remove("dibujos/1/si coloreado/2.gif");
    content.remove("dibujos/1/si coloreado/3.gif");
    content.folderNamed("dibujos/1/si coloreado/3.gif");
    replace("dibujos/2/no coloreado/1.gif", {});
    makeHostile(Hostile::ScreenGif, content.path("dibujos/2/si coloreado/3.gif"));
    QFile(content.path("dibujos/4/si coloreado/1.gif")).resize(300); // truncated
    makeHostile(Hostile::Socket, content.path("dibujos/5/si coloreado/4.gif"));
    ASSERT_TRUE(QDir(content.folder()).rename("dibujos/6/si coloreado", "dibujos/6/SI Coloreado"));
    content.remove("dibujos/7");
    ::symlink("7", QFile::encodeName(content.path("dibujos/7")).constData()); // a loop
    makeHostile(Hostile::Broken, content.path("animados/3.gif"));
    replace("punteros/3.ico", {});
    makeHostile(Hostile::Zero, content.path("dibujos/3/no coloreado/1.gif"));
    makeHostile(Hostile::Fifo, content.path("dibujos/8/si coloreado/2.gif"));
    makeHostile(Hostile::ScreenGif, content.path("animados/2.gif"));
    makeHostile(Hostile::ManyScans, content.path("dibujos/9/si coloreado/1.gif"));
    makeHostile(Hostile::HugeIcon, content.path("punteros/2.ico"));
    makeHostile(Hostile::Random, content.path("medida/3.gif"));
    makeHostile(Hostile::ScreenGif, content.path("medida/2.gif"));
    makeHostile(Hostile::LyingWav, content.path("sonido2.wav"));
    content.remove("fondo.gif");
    replace("impresora.txt", QByteArray("SI si ").repeated(200000)); // and no line end

    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
    EventSoundPlayer player(files);
    sound.onPlay = [&] { player.play(sound.played.last()); };
    std::mt19937 random{std::uint32_t(setting("TAMIRO_ROBUSTNESS_SEED", 20261206))};
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    Form1& f = startedForm();
    for (int event = 0, events = setting("TAMIRO_ROBUSTNESS_EVENTS", 20000); event < events;
         ++event) {
        const float x = float(below(int(f.Picture1->Width()) + 4000) - 2000);
        const float y = float(below(int(f.Picture1->Height()) + 4000) - 2000);
        const std::int16_t buttons[] = {0, LeftButton, RightButton, LeftButton | RightButton};
        const int kind = below(100);
        if (kind < 20)
            click("nnnnnpppbbhhr1234567890"[below(23)]);
        else if (kind < 21)
            f.Command2_Click();
        else if (kind < 22)
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
        QApplication::sendPostedEvents(); // queued messages and paints
        ASSERT_FALSE(f.Image1->Visible()) << "event " << event;
        ASSERT_TRUE(f.FolderNumber >= 1 && f.FolderNumber <= 10);
        ASSERT_TRUE(f.SizeNumber >= 1 && f.PointerNumber >= 1);
    }
    EXPECT_FALSE(messages.shown.isEmpty()) << "the damage went unnoticed";
    for (const QString& text : std::as_const(messages.shown))
        EXPECT_TRUE(text.contains(content.folder())) << "names no file: " << qPrintable(text);
    EXPECT_TRUE(printer.drawn.empty()) << "printing needs a switch of exactly SI";
}

} // namespace
