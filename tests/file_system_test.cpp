// The directory query and content path resolution on real folders, under
// application folders with any name (the switch file's line: printing test).

#include "platform/formats/content_file.h"
#include "platform/system/disk_file_system.h"

#include <QDir>
#include <QTemporaryDir>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tamiro;

namespace {

// Makes `relative` under `root`: a folder when it ends in '/', a link when
// it holds "->", else a file holding "SI\r\n". Names are bytes on disk.
void make(const QString& root, const QString& relative) {
    const QStringList link = relative.split(QStringLiteral("->"));
    const QByteArray path = encodePath(root + '/' + link.first());
    std::filesystem::create_directories(path.left(path.lastIndexOf('/')).constData());
    if (link.size() == 2)
        ASSERT_EQ(0, ::symlink(encodePath(link.last()).constData(), path.constData()));
    else if (!relative.endsWith(u'/'))
        std::ofstream(path.constData()) << "SI\r\n";
}

// Rows: the application folder, what is below it, the path asked (upper case
// upper-cases the folder too), and the query's answer, whose file is then read.
// An entry marked '!' is added or removed after a first query, in a folder
// dated a day ahead before and after the change.
TEST(DirectoryQuery, AnswersTheStoredNameOfAnOrdinaryFileBelowTheApplicationFolder) {
    const QString latin1 = decodePath("Tam\xff\xe9iro");
    const std::tuple<QString, QStringList, QString, QString> rows[] = {
        {"T", {"dibujos/3/si coloreado/3.GIF"}, "\\dibujos\\3\\si coloreado\\3.gif", "3.GIF"},
        {"T", {"dibujos/3/si coloreado/3.GIF"}, "\\DIBUJOS\\3\\SI COLOREADO\\3.GIF", "3.GIF"},
        {"T", {"medida/3.gif/"}, "\\medida\\3.gif", ""},
        {"T", {"medida/.4.gif"}, "\\medida\\.4.gif", ""},
        {"T", {"medida/7.gif->/dev/zero"}, "\\medida\\7.gif", ""},
        {"T", {"medida/1.gif", "medida/6.gif->1.gif"}, "\\MEDIDA\\6.GIF", "6.gif"},
        {"T", {"Größe.gif"}, "\\GRÖSSE.GIF", "Größe.gif"}, // UTF-8 literals
        {"Straße", {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {"Kadıköy", {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {"a\\b", {"medida/2.gif"}, "\\medida\\2.gif", "2.gif"},
        {"Tamiro", {"../TAMIRO/medida/", "medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {latin1, {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {"T", {"animados/1.gif", "!animados/2.gif"}, "\\animados\\2.gif", "2.gif"},
        {"T", {"animados/1.gif", "!animados/1.gif"}, "\\animados\\1.gif", ""},
    };
    for (const auto& [name, onDisk, asked, answer] : rows) {
        SCOPED_TRACE(qPrintable(name + " " + onDisk.join(' ') + " " + asked));
        QTemporaryDir temporary;
        const QString app = temporary.path() + "/escuela/" + name;
        make(temporary.path(), "escuela/" + name + "/");
        DiskFileSystem files(app + '/');
        const QString path = (asked == asked.toUpper() ? app.toUpper() : app) + asked;
        for (const QString& entry : onDisk) {
            if (!entry.startsWith(u'!')) {
                make(app, entry);
                continue;
            }
            const QByteArray file = encodePath(app + '/' + entry.mid(1));
            const QByteArray folder = file.left(file.lastIndexOf('/'));
            const timespec ahead[2]{{time(nullptr) + 86400, 0}, {time(nullptr) + 86400, 0}};
            ::utimensat(AT_FDCWD, folder.constData(), ahead, 0);
            files.dir(path);
            if (::unlink(file.constData()) != 0)
                make(app, entry.mid(1));
            ::utimensat(AT_FDCWD, folder.constData(), ahead, 0);
        }
        EXPECT_EQ(answer, files.dir(path));
        EXPECT_EQ(answer.isEmpty() ? "" : "SI", answer.isEmpty() ? "" : files.readFirstLine(path));
        EXPECT_EQ(app + "/nada/1.gif", files.resolve(app + "\\nada\\1.gif")) << "mapped";
        std::filesystem::remove_all(encodePath(temporary.path()).constData()); // not UTF-8
    }
}

} // namespace

// Two spellings made in either order on tmpfs (newest listed first) and in
// the temporary folder: the query answers, and the file read is, the exact
// spelling, else the first in code-point order, folders on the way included.
TEST(DirectoryQuery, ChoosesAmongSpellingsWhateverOrderTheFolderListsThem) {
    const struct {
        QString first, second, asked, chosen;
    } rows[] = {
        {"2.gif", "2.Gif", "2.GIF", "2.Gif"},
        {"2.Gif", "2.gif", "2.gif", "2.gif"},
        {"Si Coloreado/1.gif", "si coloreado/1.gif", "SI COLOREADO\\1.GIF", "Si Coloreado/1.gif"},
        {"si coloreado/1.gif", "Si Coloreado/1.gif", "si coloreado\\1.GIF", "si coloreado/1.gif"},
    };
    for (const QString& base : {QStringLiteral("/dev/shm"), QDir::tempPath()})
        for (const auto& row : rows)
            for (bool swapped : {false, true}) {
                SCOPED_TRACE(qPrintable(base + ": " + row.first + " " + row.second));
                QTemporaryDir temporary(base + "/tamiro-XXXXXX");
                const QString app = temporary.path();
                for (const QString& made : swapped ? QStringList{row.second, row.first}
                                                   : QStringList{row.first, row.second}) {
                    std::filesystem::create_directories(
                        encodePath(app + '/' + made.section(u'/', 0, -2)).constData());
                    std::ofstream(encodePath(app + '/' + made).constData()) << qPrintable(made);
                }
                DiskFileSystem files(app);
                const QString path = app + '\\' + row.asked;
                EXPECT_EQ(row.chosen.section(u'/', -1), files.dir(path));
                EXPECT_EQ(row.chosen, files.readFirstLine(path));
            }
}
