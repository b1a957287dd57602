// The teacher's window: a folder's drawings in the order the child meets
// them, each problem on the drawing whose file it names, the rest listed
// apart; where a dragged thumbnail goes.

#include "platform/system/disk_file_system.h"
#include "platform/system/posix_content_writer.h"
#include "platform/system/qt_picture_loader.h"
#include "rules/drawing_changes.h"
#include "support/content_tree.h"
#include "teacher/drawing_list.h"
#include "teacher/folder_contents.h"
#include "teacher/preview_dialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace tamiro::testing {
namespace {

using teacher::FolderContents;

FolderContents contentsOf(const ContentTree& tree, int f) {
    DiskFileSystem files(tree.folder());
    QtPictureLoader pictures(files);
    return teacher::folderContents(reviewContent(files, pictures), f, files, pictures);
}

// The drawings as "number[mark]", a space apart: "!" for a failure, "?" for a
// warning, "-" after one that cannot move.
QString drawingsLine(const FolderContents& contents) {
    QStringList shown;
    for (const teacher::MetDrawing& drawing : contents.drawings) {
        QString text = QString::number(drawing.number);
        if (drawing.worst() == Finding::Severity::Fails)
            text += u'!';
        else if (drawing.worst() == Finding::Severity::Warning)
            text += u'?';
        if (!drawing.movable)
            text += u'-';
        shown << text;
    }
    return shown.join(u' ');
}

QString neverMetLine(const FolderContents& contents) {
    QStringList names;
    for (const Finding& finding : contents.neverMet)
        names << QFileInfo(finding.file).fileName();
    return names.join(u' ');
}

TEST(TeacherWindow, FolderShowsDrawingsAsTheChildMeetsThem) {
    using Make = std::function<void(ContentTree&)>;
    const auto drawings = [](int f, std::vector<int> numbers) {
        return [=](ContentTree& tree) {
            for (int n : numbers)
                tree.drawing(f, n);
        };
    };
    const struct {
        const char* what;
        int folder;
        Make make;
        const char* drawings; // in the order met
        const char* neverMet;
        bool folderFails; // the checker says the folder itself fails
    } rows[] = {
        // The start-up folder: its previous arrow reaches the last first.
        {"series", 1, drawings(1, {1, 2, 3}), "1 2 3", "", false},
        {"gap", 2, drawings(2, {1, 2, 4}), "1 2", "4.gif 4.gif", false},
        {"drawing 0 first", 3, drawings(3, {0, 1, 2}), "0- 1 2", "", false},
        {"no drawing 1", 4, drawings(4, {2, 3}), "2- 3-", "", true},
        {"no lines for 2", 5,
         [](ContentTree& tree) {
             tree.drawing(5, 1), tree.drawing(5, 3);
             tree.gif("dibujos/5/si coloreado/2.gif", 40, 30);
         },
         "1 2! 3", "", false},
        {"lines of another size", 6,
         [](ContentTree& tree) {
             tree.drawing(6, 1);
             tree.gif("dibujos/6/si coloreado/2.gif", 40, 30);
             tree.gif("dibujos/6/no coloreado/2.gif", 30, 40);
         },
         "1 2?", "", false},
        {"JPEG beside a GIF", 7,
         [](ContentTree& tree) {
             tree.drawing(7, 1);
             tree.picture("dibujos/7/si coloreado/1.jpg", framedImage(40, 30, Qt::blue));
         },
         "1", "1.jpg", false},
        {"empty", 8, [](ContentTree&) {}, "", "", true},
    };
    for (const auto& row : rows) {
        ContentTree tree;
        tree.basics();
        row.make(tree);
        const FolderContents contents = contentsOf(tree, row.folder);
        EXPECT_EQ(drawingsLine(contents).toStdString(), row.drawings) << row.what;
        EXPECT_EQ(neverMetLine(contents).toStdString(), row.neverMet) << row.what;
        EXPECT_EQ(std::any_of(contents.aboutFolder.begin(), contents.aboutFolder.end(),
                              [](const Finding& finding) {
                                  return finding.severity == Finding::Severity::Fails;
                              }),
                  row.folderFails)
            << row.what;
        EXPECT_TRUE(contents.summary.contains(QStringLiteral("carpeta %1").arg(row.folder)))
            << row.what;
        for (const teacher::MetDrawing& drawing : contents.drawings)
            EXPECT_FALSE(drawing.thumbnail.isNull()) << row.what << " " << drawing.number;
    }
}

TEST(TeacherWindow, DraggedThumbnailTakesThePlaceItIsDroppedAt) {
    ContentTree tree;
    tree.basics();
    for (int n : {0, 1, 2, 3, 4})
        tree.drawing(2, n);
    teacher::DrawingList list;
    list.showFolder(contentsOf(tree, 2)); // rows: 0 (cannot move), 1, 2, 3, 4
    const struct {
        int fromRow, insertRow;
        int to; // 0: no move
    } rows[] = {
        {1, 3, 2}, // drawing 1 dropped before drawing 3: it becomes 2
        {1, 5, 4}, // after the last
        {4, 1, 1}, // drawing 4 before drawing 1
        {4, 0, 1}, // before drawing 0, which stays first
        {2, 2, 0}, // just before itself
        {2, 3, 0}, // just after itself
        {0, 3, 0}, // drawing 0 does not move
    };
    for (const auto& row : rows) {
        const auto to = list.placeFor(row.fromRow, row.insertRow);
        EXPECT_EQ(to.value_or(0), row.to) << row.fromRow << " before " << row.insertRow;
    }
}

TEST(TeacherWindow, SaveButtonNamesTheNumberTheDrawingWillTake) {
    const struct {
        const char* what;
        int folder;
        std::vector<int> drawings;
        const char* stray; // a file in the way, if any
        const char* button;
    } rows[] = {
        {"after the series", 2, {1, 2, 3}, nullptr, "Guardar como dibujo n.º 4 de la carpeta 2"},
        {"empty folder", 5, {}, nullptr, "Guardar como dibujo n.º 1 de la carpeta 5"},
        {"after a gap", 3, {1, 2, 4}, nullptr, "Guardar como dibujo n.º 3 de la carpeta 3"},
        {"lines in the way", 4, {1, 2}, "dibujos/4/no coloreado/3.gif", "Guardar en la carpeta 4"},
    };
    for (const auto& row : rows) {
        ContentTree tree;
        tree.basics();
        for (int n : row.drawings)
            tree.drawing(row.folder, n);
        if (row.stray)
            tree.gif(QString::fromUtf8(row.stray), 40, 30);
        tree.picture("nuevo.png", framedImage(60, 40, Qt::green));
        DiskFileSystem files(tree.folder());
        PosixContentWriter writer;
        const teacher::Placing placing{
            [&](int f) { return DrawingChanges(files, writer).nextNumber(f); }, {}};
        // Opened on folder 1, then moved to the row's folder: the number follows.
        teacher::PreviewDialog preview(tree.path("nuevo.png"), 1, placing);
        preview.findChild<QComboBox*>()->setCurrentIndex(row.folder - 1);
        EXPECT_EQ(preview.saveButton()->text().remove(u'&').toStdString(), row.button) << row.what;
    }
}

} // namespace
} // namespace tamiro::testing
