// The directory query, content path resolution and the first-line reader on
// real folders.

#include "platform/disk_file_system.h"
#include "platform/errors.h"
#include "support/content_tree.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

// Makes a folder look as if it had last changed an hour ago, so that its
// listing can be kept.
void ageFolder(const QString& folder) {
    timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= 3600;
    times[1] = times[0];
    ASSERT_EQ(0, utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0));
}

} // namespace

TEST(DirectoryQuery, MatchesNamesWithoutRegardToCaseAndAnswersTheStoredName) {
    ContentTree tree;
    tree.gif("dibujos/3/si coloreado/3.GIF", 4, 4);
    tree.gif("dibujos/3/si coloreado/4.gif", 4, 4);
    DiskFileSystem files(tree.folder());
    const QString base = tree.folder() + "\\dibujos\\3\\si coloreado\\";

    EXPECT_EQ("3.GIF", files.dir(base + "3.gif"));
    EXPECT_EQ("4.gif", files.dir(base + "4.GIF"));
    EXPECT_EQ("3.GIF", files.dir((base + "3.gif").toUpper())) << "the whole path upper-cased";
    EXPECT_EQ("", files.dir(base + "5.gif"));
    EXPECT_EQ("", files.dir(tree.folder() + "\\nada\\3.gif"));
    EXPECT_EQ("", files.dir(base)) << "a path ending in a separator names no file";
}

TEST(DirectoryQuery, IgnoresFoldersHiddenFilesAndBrokenLinks) {
    ContentTree tree;
    tree.folderNamed("medida/3.gif");
    tree.gif("medida/.4.gif", 4, 4);
    tree.gif("medida/1.gif", 4, 4);
    ASSERT_EQ(0, symlink("nowhere.gif", QFile::encodeName(tree.path("medida/5.gif")).constData()));
    ASSERT_EQ(0, symlink("1.gif", QFile::encodeName(tree.path("medida/6.gif")).constData()));
    ASSERT_EQ(0, symlink("loop", QFile::encodeName(tree.path("medida/loop")).constData()));
    DiskFileSystem files(tree.folder());

    EXPECT_EQ("", files.dir(tree.folder() + "\\medida\\3.gif"));
    EXPECT_EQ("", files.dir(tree.folder() + "\\medida\\.4.gif"));
    EXPECT_EQ("", files.dir(tree.folder() + "\\medida\\5.gif"));
    EXPECT_EQ("6.gif", files.dir(tree.folder() + "\\medida\\6.gif")) << "a link to a file counts";
    EXPECT_EQ("", files.dir(tree.folder() + "\\medida\\loop\\1.gif"));
}

TEST(DirectoryQuery, PrefersTheExactSpellingWhenSeveralNamesMatch) {
    ContentTree tree;
    tree.gif("punteros/2.ICO", 4, 4);
    tree.gif("punteros/2.ico", 4, 4);
    DiskFileSystem files(tree.folder());
    EXPECT_EQ("2.ico", files.dir(tree.folder() + "\\punteros\\2.ico"));
    EXPECT_EQ("2.ICO", files.dir(tree.folder() + "\\punteros\\2.ICO"));
}

TEST(DirectoryQuery, WorksUnderAnApplicationFolderWithAccentsAndCapitals) {
    ContentTree tree;
    tree.gif(QStringLiteral("Colegio Ñandú/Tamiro/medida/2.gif"), 4, 4);
    const QString app = tree.path(QStringLiteral("Colegio Ñandú/Tamiro"));
    DiskFileSystem files(app);
    EXPECT_EQ("2.gif", files.dir((app + "\\medida\\2.gif").toUpper()));
    EXPECT_EQ(app + "/medida/2.gif", files.resolve((app + "\\MEDIDA\\2.GIF")));
}

TEST(DirectoryQuery, KeepsAFolderListingWhileTheFolderIsUnchangedAndSeesChanges) {
    ContentTree tree;
    for (int n = 1; n <= 50; ++n)
        tree.gif(QStringLiteral("animados/%1.gif").arg(n), 2, 2);
    ageFolder(tree.path("animados"));
    ageFolder(tree.folder());
    DiskFileSystem files(tree.folder());

    const auto askForAll = [&] {
        for (int n = 1; n <= 50; ++n) {
            ASSERT_FALSE(
                files.dir(tree.folder() + QStringLiteral("\\animados\\%1.gif").arg(n)).isEmpty());
            ASSERT_FALSE(
                files.dir(tree.folder() + QStringLiteral("\\ANIMADOS\\%1.GIF").arg(n)).isEmpty());
        }
    };
    askForAll();
    const auto reads = files.listingsRead();
    askForAll();
    EXPECT_EQ(reads, files.listingsRead()) << "an unchanged folder is not read again";

    tree.gif("animados/51.gif", 2, 2);
    EXPECT_EQ("51.gif", files.dir(tree.folder() + "\\animados\\51.gif"));
    tree.remove("animados/7.gif");
    EXPECT_EQ("", files.dir(tree.folder() + "\\animados\\7.gif"));
}

TEST(ContentPath, ResolvesBackslashesAndLetterCaseToTheFileOnDisk) {
    ContentTree tree;
    tree.gif("animados/5.GIF", 4, 4);
    DiskFileSystem files(tree.folder() + "/");
    EXPECT_EQ(tree.folder(), files.applicationFolder()) << "no trailing separator";
    EXPECT_EQ(tree.path("animados/5.GIF"), files.resolve(tree.folder() + "\\animados\\5.gif"));
    EXPECT_EQ(tree.path("animados/6.gif"), files.resolve(tree.folder() + "\\animados\\6.gif"))
        << "a path naming nothing comes back mapped";
}

TEST(FirstLine, EndsAtTheFirstCarriageReturnAndKeepsEverythingElse) {
    ContentTree tree;
    DiskFileSystem files(tree.folder());
    const auto firstLine = [&](const QByteArray& bytes) {
        tree.text("impresora.txt", bytes);
        return files.readFirstLine(tree.folder() + "\\impresora.txt");
    };
    EXPECT_EQ("SI", firstLine("SI\r\nNO\r\n"));
    EXPECT_EQ("SI", firstLine("SI\rNO"));
    EXPECT_EQ("SI\nNO\n", firstLine("SI\nNO\n")) << "a line feed alone ends no line";
    EXPECT_EQ(" SI ", firstLine(" SI \r\n"));
    EXPECT_EQ("", firstLine("\r\nSI\r\n"));
    EXPECT_EQ("", firstLine(""));
    EXPECT_EQ(QStringLiteral("SÍ"), firstLine("S\xc3\x8d\r\n")) << "UTF-8";
    EXPECT_EQ(QStringLiteral("SÍ"), firstLine("S\xcd\r\n")) << "Latin-1 from an older machine";
    EXPECT_EQ(100000, firstLine(QByteArray(100000, 'x')).size());
}

TEST(FirstLine, ReportsAMissingFileOrAFolderInSpanishNamingIt) {
    ContentTree tree;
    tree.folderNamed("carpeta.txt");
    DiskFileSystem files(tree.folder());
    try {
        files.readFirstLine(tree.folder() + "\\falta.txt");
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_TRUE(error.description().startsWith("no encuentro el archivo"));
        EXPECT_TRUE(error.description().contains(tree.path("falta.txt")));
    }
    try {
        files.readFirstLine(tree.folder() + "\\carpeta.txt");
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_TRUE(error.description().contains("es una carpeta"));
    }
}
