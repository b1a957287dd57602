// The numbered series: drawings, animations, brush sizes and pointers run 1,
// 2, ... up to the first number missing and back to 1, whatever the letter
// case of the names; a folder is no file.

#include "support/form_fixture.h"

#include <QFileInfo>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

struct Series {
    const char* folder;     // dibujos, animados, medida or punteros
    QStringList files;      // present, in that folder (drawings as "folder/name")
    const char* clicks;     // as World::click writes them
    QStringList shown;      // the file shown after each click ("" none)
    std::int16_t from = -1; // the series' number before the clicks, if set
};

const Series kSeries[] = {
    {"dibujos",
     {"1/1.gif", "1/2.gif", "1/3.gif", "1/4.gif", "1/5.gif"},
     "nnnnnn",
     {"1/1.gif", "1/2.gif", "1/3.gif", "1/4.gif", "1/5.gif", "1/1.gif"}},
    {"dibujos",
     {"1/1.gif", "1/2.gif", "1/3.gif", "1/4.gif", "1/5.gif"},
     "pppppp",
     {"1/5.gif", "1/4.gif", "1/3.gif", "1/2.gif", "1/1.gif", "1/5.gif"}},
    {"dibujos",
     {"1/1.gif", "1/2.gif", "1/3.gif", "1/5.gif"},
     "nnnnp",
     {"1/1.gif", "1/2.gif", "1/3.gif", "1/1.gif", "1/3.gif"}},
    {"dibujos",
     {"2/0.gif", "2/1.gif", "2/2.gif"},
     "2npp",
     {"2/0.gif", "2/1.gif", "2/0.gif", "2/2.gif"}},
    {"dibujos",
     {"1/1.jpg", "1/1.gif", "1/2.jpg", "1/3.GIF"},
     "nnnnp",
     {"1/1.gif", "1/2.jpg", "1/3.GIF", "1/1.gif", "1/3.GIF"}},
    {"dibujos",
     {"1/1.gif", "1/2.gif", "3/1.gif", "3/2.gif", "3/3.gif", "3/4.gif", "3/5.gif"},
     "3nnn133",
     {"3/1.gif", "3/2.gif", "3/3.gif", "3/4.gif", "1/1.gif", "3/4.gif", "3/4.gif"}},
    {"dibujos", {"1/1.gif", "1/2.gif"}, "n", {"1/1.gif"}, 32767},
    {"animados",
     {"1.gif", "2.gif", "3.gif"},
     "np1pn",
     {"1.gif", "2.gif", "3.gif", "1.gif", "2.gif"}},
    {"animados", {"1.gif", "2.gif", "4.gif"}, "nnnn", {"1.gif", "2.gif", "1.gif", "2.gif"}},
    {"animados", {}, "nnn", {"", "", ""}},
    {"animados", {"1.gif", "2.gif", "3.gif", "4.gif", "5.GIF"}, "nn", {"5.GIF", "1.gif"}, 4},
    {"animados", {"1.gif"}, "n", {"1.gif"}, 32767},
    {"medida", {"1.gif", "2.gif", "3.gif"}, "bbbb", {"2.gif", "3.gif", "1.gif", "2.gif"}},
    {"medida", {"1.gif", "2.gif", "4.gif"}, "bbb", {"2.gif", "1.gif", "2.gif"}},
    {"medida", {"1.gif", "2.gif", "3.gif/"}, "bbb", {"2.gif", "1.gif", "2.gif"}},
    {"medida", {"1.gif", "2.gif", "3.GIF"}, "bbb", {"2.gif", "3.GIF", "1.gif"}},
    {"punteros",
     {"1.ico", "2.ico", "3.ico", "4.ico"},
     "hhhhh",
     {"2.ico", "3.ico", "4.ico", "1.ico", "2.ico"}},
    {"punteros", {"1.ico"}, "hh", {"1.ico", "1.ico"}},
    {"punteros", {"1.ico", "2.ico", "4.ico"}, "hhh", {"2.ico", "1.ico", "2.ico"}},
    {"punteros", {"1.ico", "2.ico", "3.ICO", "4.ico"}, "hhh", {"2.ico", "3.ICO", "4.ico"}},
};

// File i of a row is coloured red 30 * (i + 1), so a picture tells which
// file it came from.
QColor colourOf(qsizetype i) {
    return QColor(int(30 * (i + 1)), 0, 0);
}
QString fileOf(const Series& row, const QImage& picture) {
    const qsizetype i = qRound(picture.pixelColor(10, 10).red() / 30.0) - 1;
    return i >= 0 && i < row.files.size() ? row.files[i] : QStringLiteral("?");
}

void put(ContentTree& content, const Series& row) {
    if (QString(row.folder) != "dibujos")
        content.drawing(1, 1);
    for (qsizetype i = 0; i < row.files.size(); ++i) {
        QString file = row.folder + QStringLiteral("/") + row.files[i];
        if (QString(row.folder) == "dibujos") {
            const QString folder = row.files[i].section('/', 0, 0);
            file = QStringLiteral("dibujos/%1/si coloreado/").arg(folder) +
                   row.files[i].section('/', 1);
            content.gif(QStringLiteral("dibujos/%1/no coloreado/%2.gif")
                            .arg(folder, QFileInfo(file).baseName()),
                        20, 20, Qt::white);
        }
        const QString type = QFileInfo(file).suffix().toLower();
        if (file.endsWith('/'))
            content.folderNamed(file);
        else if (type == "ico")
            content.icon(file, colourOf(i));
        else if (type == "jpg")
            content.jpeg(file, framedImage(20, 20, colourOf(i)));
        else
            content.gif(file, 20, 20, colourOf(i));
    }
}

// The series' number now, and the file it shows.
std::pair<int, QString> seen(const Series& row, Form1& f) {
    const QString folder = row.folder;
    if (folder == "dibujos")
        return {f.PictureNumber[f.FolderNumber], fileOf(row, f.Picture1->picture().image())};
    if (folder == "animados") {
        const QString path = f.Tarambel1->animationFile();
        const QString prefix = f.AppFolder + "\\animados\\";
        EXPECT_TRUE(path.startsWith(prefix) && path.endsWith(".gif")) << path.toStdString();
        const QImage frame = f.Tarambel1->currentFrame();
        return {path.mid(prefix.size()).chopped(4).toInt(),
                frame.isNull() ? QString() : fileOf(row, frame)};
    }
    if (folder == "medida") {
        EXPECT_EQ(f.Command1->picture().image(), f.Image1->picture().image());
        EXPECT_EQ(f.Image1->Width(), f.Image1->picture().widthTwips());
        EXPECT_EQ(kCustomPointer, f.Picture1->mousePointer());
        return {f.SizeNumber, fileOf(row, f.Command1->picture().image())};
    }
    EXPECT_EQ(f.Command6(0).picture().image(), f.Picture1->mouseIcon().image());
    EXPECT_EQ(kCustomPointer, f.Picture1->mousePointer());
    return {f.PointerNumber, fileOf(row, f.Command6(0).picture().image())};
}

} // namespace

TEST(NumberedSeries, FilesPresentClicksAndFilesShown) {
    for (const Series& row : kSeries) {
        SCOPED_TRACE(std::string(row.folder) + " " + row.files.join(',').toStdString() + " " +
                     row.clicks);
        World w;
        w.content.basics();
        put(w.content, row);
        Form1& f = w.startedForm();
        if (row.from >= 0) {
            f.PictureNumber[1] = row.from;
            f.AnimationNumber = row.from;
        }
        for (int i = 0; row.clicks[i]; ++i) {
            f.Picture1->setMousePointer(kDefaultPointer);
            w.click(row.clicks[i]);
            const QString expected = row.shown[i];
            const int number = expected.isEmpty() ? 1 : QFileInfo(expected).baseName().toInt();
            EXPECT_EQ(std::make_pair(number, expected), seen(row, f)) << "click " << i;
        }
        EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join('\n').toStdString();
    }
}
