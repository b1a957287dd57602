// The numbered series: drawings, animations, brush sizes and pointers run 1,
// 2, ... up to the first number missing and back to 1, whatever the letter
// case of the names; a folder is no file.

#include "support/window_fixture.h"
#include "support/window_state_access.h"

#include <QFileInfo>

using namespace tamiro;
using namespace tamiro::testing;

TEST(NumberedSeries, FilesPresentClicksAndFilesShown) {
    struct Series {
        QString folder;         // dibujos, animados, medida or punteros
        QString files;          // present in that folder (drawings as folder/name)
        const char* clicks;     // as World::click writes them; - none, after start-up
        QString shown;          // the file shown after each click (- none)
        std::int16_t from = -1; // the series' number before the clicks, if set
    };

    const Series rows[] = {
        {"dibujos", "1/1.gif 1/2.gif 1/3.gif 1/4.gif 1/5.gif", "ppppppnn",
         "1/5.gif 1/4.gif 1/3.gif 1/2.gif 1/1.gif 1/5.gif 1/1.gif 1/2.gif"},
        {"dibujos", "1/1.gif 1/2.gif 1/3.gif 1/5.gif", "nnnnp",
         "1/1.gif 1/2.gif 1/3.gif 1/1.gif 1/3.gif"},
        {"dibujos", "2/0.gif 2/1.gif 2/2.gif", "2npp", "2/0.gif 2/1.gif 2/0.gif 2/2.gif"},
        {"dibujos", "1/1.jpg 1/1.gif 1/2.jpg 1/3.GIF", "nnnnp",
         "1/1.gif 1/2.jpg 1/3.GIF 1/1.gif 1/3.GIF"},
        {"dibujos", "1/1.gif 1/2.gif 3/1.gif 3/2.gif 3/3.gif 3/4.gif", "3nnn133",
         "3/1.gif 3/2.gif 3/3.gif 3/4.gif 1/1.gif 3/4.gif 3/4.gif"},
        {"dibujos", "1/1.gif 1/2.gif", "n", "1/1.gif", 32767},
        {"animados", "1.gif 2.gif 3.GIF 5.gif", "np1pn", "1.gif 2.gif 3.GIF 1.gif 2.gif"},
        {"animados", "", "nnn", "- - -"},
        {"animados", "1.gif", "n", "1.gif", 32767},
        {"medida", "1.gif 2.gif 3.GIF 4.gif/ 5.gif", "-bbbb", "1.gif 2.gif 3.GIF 1.gif 2.gif"},
        {"punteros", "1.ico 2.ico 3.ICO 5.ico", "-hhhh", "1.ico 2.ico 3.ICO 1.ico 2.ico"},
        {"punteros", "1.ico", "hh", "1.ico 1.ico"},
    };

    for (const Series& row : rows) {
        SCOPED_TRACE((row.folder + ": " + row.files + ": " + row.clicks).toStdString());
        World w;
        w.content.basics();
        w.content.drawing(1, 1);
        // File i is red 30 * (i + 1), so a picture tells which file it came from.
        const QStringList files = row.files.split(' ', Qt::SkipEmptyParts);
        const auto fileOf = [&files](const QImage& picture) {
            const qsizetype i = qRound(picture.pixelColor(10, 10).red() / 30.0) - 1;
            return picture.isNull() ? "-" : i >= 0 && i < files.size() ? files[i] : "?";
        };
        for (qsizetype i = 0; i < files.size(); ++i) {
            QString file = row.folder + '/' + files[i];
            if (row.folder == "dibujos") { // with a white uncoloured variant
                const QString folder = "dibujos/" + files[i].section('/', 0, 0) + "/%1 coloreado/";
                file = folder.arg("si") + files[i].section('/', 1);
                w.content.gif(folder.arg("no") + QFileInfo(file).baseName() + ".gif", 20, 20,
                              Qt::white);
            }
            if (file.endsWith('/'))
                w.content.folderNamed(file);
            else
                w.content.picture(file, framedImage(20, 20, QColor(int(30 * (i + 1)), 0, 0)));
        }
        ColouringWindow& f = w.startedWindow();
        if (row.from >= 0) {
            WindowState& state = WindowStateAccess::of(f);
            state.pictureNumbers[1] = state.animationNumber = row.from;
        }
        const QStringList shown = row.shown.split(' ');
        for (int i = 0; row.clicks[i]; ++i) {
            SCOPED_TRACE(i);
            if (row.clicks[i] != '-') {
                f.drawingArea->setMousePointer(kDefaultPointer);
                w.click(row.clicks[i]);
            }
            const int number = shown[i] == "-" ? 1 : QFileInfo(shown[i]).baseName().toInt();
            if (row.folder == "dibujos") {
                EXPECT_EQ(shown[i], fileOf(f.drawingArea->picture().image()));
            } else if (row.folder == "animados") {
                EXPECT_EQ(
                    QStringLiteral("%1\\animados\\%2.gif").arg(f.state().appFolder).arg(number),
                    f.animation->animationFile());
                EXPECT_EQ(shown[i], fileOf(f.animation->currentFrame()));
            } else if (row.folder == "medida") {
                EXPECT_EQ(shown[i], fileOf(f.brushSizeButton->picture().image()));
                EXPECT_EQ(shown[i], fileOf(f.brushImage->picture().image()));
                EXPECT_EQ(f.brushImage->widthTwips(), f.brushImage->picture().widthTwips());
            } else {
                if (row.clicks[i] != '-') { // the button shows its own picture until then
                    EXPECT_EQ(shown[i],
                              fileOf(f.pointerAndPrintButtons(ColouringWindow::kPointerButton)
                                         .picture()
                                         .image()));
                }
                EXPECT_EQ(shown[i], fileOf(f.drawingArea->mouseIcon().image()));
            }
            EXPECT_EQ(QString("-bh").contains(row.clicks[i]),
                      f.drawingArea->cursor().shape() == Qt::BitmapCursor)
                << "the pointer over the drawing area";
        }
        EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join('\n').toStdString();
    }
}
