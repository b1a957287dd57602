// The directory query, content path resolution and the first-line reader on
// real folders, under application folders with any name.

#include "platform/content_file.h"
#include "platform/disk_file_system.h"
#include "platform/errors.h"

#include <QTemporaryDir>
#include <fcntl.h>
#include <ftw.h>
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
    for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1))
        ::mkdir(path.left(slash).constData(), 0700);
    if (link.size() == 2) {
        ASSERT_EQ(0, ::symlink(encodePath(link.last()).constData(), path.constData()));
    } else if (!relative.endsWith(u'/')) {
        const int file = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        ASSERT_EQ(4, ::write(file, "SI\r\n", 4));
        ::close(file);
    }
}

// Rows: the application folder (under a temporary one), what is below it,
// the path asked for after it (upper-cased paths upper-case the folder too),
// and the answer of the directory query, whose file is then read.
TEST(DirectoryQuery, AnswersTheStoredNameOfAnOrdinaryFileBelowTheApplicationFolder) {
    const QString nul(QChar(0)), latin1 = decodePath("Tam\xff\xe9iro");
    const std::tuple<QString, QStringList, QString, QString> rows[] = {
        {"T", {"dibujos/3/si coloreado/3.GIF"}, "\\dibujos\\3\\si coloreado\\3.gif", "3.GIF"},
        {"T", {"dibujos/3/si coloreado/3.GIF"}, "\\DIBUJOS\\3\\SI COLOREADO\\3.GIF", "3.GIF"},
        {"T", {"medida/1.gif"}, "\\medida\\5.gif", ""},
        {"T", {"medida/1.gif"}, "\\medida\\", ""},
        {"T", {"medida/3.gif/"}, "\\medida\\3.gif", ""},
        {"T", {"medida/.4.gif"}, "\\medida\\.4.gif", ""},
        {"T", {"medida/5.gif->nada.gif"}, "\\medida\\5.gif", ""},
        {"T", {"medida/1.gif", "medida/6.gif->1.gif"}, "\\MEDIDA\\6.GIF", "6.gif"},
        {"T", {"medida/bucle->bucle"}, "\\medida\\bucle\\1.gif", ""},
        {"T", {"medida/7.gif->/dev/zero"}, "\\medida\\7.gif", ""},
        {"T", {"medida/1.gif"}, "\\medida" + nul + "\\1.gif", ""},
        {"T", {"punteros/2.ICO", "punteros/2.ico"}, "\\punteros\\2.ico", "2.ico"},
        {"T", {"punteros/2.ICO", "punteros/2.ico"}, "\\punteros\\2.ICO", "2.ICO"},
        {"T",
         {QStringLiteral("Größe.gif")},
         QStringLiteral("\\GRÖSSE.GIF"),
         QStringLiteral("Größe.gif")},
        {QStringLiteral("Straße"), {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {QStringLiteral("Kadıköy"), {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {"a\\b", {"medida/2.gif"}, "\\medida\\2.gif", "2.gif"},
        {"Tamiro", {"../TAMIRO/medida/", "medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {latin1, {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {latin1, {"medida/2.gif"}, "\\medida\\2.gif", "2.gif"},
    };
    for (const auto& [name, onDisk, asked, answer] : rows) {
        SCOPED_TRACE(qPrintable(name + " " + onDisk.join(' ') + " " + asked));
        QTemporaryDir temporary;
        const QString app = temporary.path() + "/escuela/" + name;
        make(temporary.path(), "escuela/" + name + "/");
        for (const QString& entry : onDisk)
            make(app, entry);
        DiskFileSystem files(app + '/');
        EXPECT_EQ(app, files.applicationFolder());
        const QString path = (asked == asked.toUpper() ? app.toUpper() : app) + asked;
        EXPECT_EQ(answer, files.dir(path));
        EXPECT_EQ(answer.isEmpty() ? "" : "SI", answer.isEmpty() ? "" : files.readFirstLine(path));
        EXPECT_EQ(app + "/nada/1.gif", files.resolve(app + "\\nada\\1.gif")) << "mapped";
        // Qt cannot remove a name that is not UTF-8.
        ::nftw(
            encodePath(temporary.path()).constData(),
            [](const char* entry, const struct stat*, int, FTW*) { return ::remove(entry); }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
}

// A folder dated long ago or a day ahead (an unpacked archive, a clock set
// back) is read once while it is unchanged; its changes are still seen.
TEST(DirectoryQuery, KeepsTheListingOfAnUnchangedFolderDatedAwayFromNow) {
    for (const int offset : {-3600, 86400}) {
        QTemporaryDir temporary;
        DiskFileSystem files(temporary.path());
        const auto change = [&](const QString& name, bool add) {
            add ? make(temporary.path(), "animados/" + name)
                : void(::unlink(encodePath(temporary.path() + "/animados/" + name).constData()));
            const timespec times[2]{{time(nullptr) + offset, 0}, {time(nullptr) + offset, 0}};
            ::utimensat(AT_FDCWD, encodePath(temporary.path() + "/animados").constData(), times, 0);
        };
        for (int n = 50; n >= 1; --n)
            change(QStringLiteral("%1.gif").arg(n), true);
        std::uint64_t reads = 0;
        for (int pass = 0; pass < 2; ++pass, reads = files.listingsRead())
            for (int n = 1; n <= 50; ++n)
                ASSERT_EQ(
                    QStringLiteral("%1.gif").arg(n),
                    files.dir(QStringLiteral("%1\\ANIMADOS\\%2.GIF").arg(temporary.path()).arg(n)));
        EXPECT_EQ(reads, files.listingsRead()) << "offset " << offset;
        change("51.gif", true);
        change("7.gif", false);
        EXPECT_EQ("51.gif", files.dir(temporary.path() + "\\animados\\51.GIF"));
        EXPECT_EQ("", files.dir(temporary.path() + "\\animados\\7.GIF"));
    }
}

TEST(FirstLine, EndsAtTheFirstCarriageReturnAndKeepsEverythingElse) {
    QTemporaryDir temporary;
    DiskFileSystem files(temporary.path());
    const std::pair<QByteArray, QString> rows[] = {
        {"SI\r\nNO\r\n", "SI"},
        {"SI\rNO", "SI"},
        {"SI\nNO\n", "SI\nNO\n"}, // a line feed alone ends no line
        {" SI \r\n", " SI "},
        {"\r\nSI\r\n", ""},
        {"", ""},
        {"S\xc3\x8d\r\n", QStringLiteral("SÍ")}, // UTF-8
        {"S\xcd\r\n", QStringLiteral("SÍ")},     // Latin-1 from an older machine
        {QByteArray(100000, 'x'), QString(100000, u'x')},
    };
    for (const auto& [bytes, line] : rows) {
        QFile file(temporary.path() + "/impresora.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(bytes) == bytes.size());
        file.close();
        EXPECT_EQ(line, files.readFirstLine(temporary.path() + "\\IMPRESORA.TXT"))
            << bytes.left(20).data();
    }
    try {
        files.readFirstLine(temporary.path() + "\\falta.txt");
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_EQ("no encuentro el archivo «" + temporary.path() + "/falta.txt»",
                  error.description());
    }
}

} // namespace
