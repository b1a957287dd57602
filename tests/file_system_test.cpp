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
        ASSERT_EQ(4, ::write(::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600),
                             "SI\r\n", 4));
    }
}

struct Row {
    QString app;           // the application folder, under a temporary folder
    QStringList onDisk;    // below it (see make)
    QString asked;         // appended to the application folder
    QString answer;        // of the directory query; its file is read too
    QString resolved = {}; // relative to the application folder; empty: not checked
};

TEST(DirectoryQuery, AnswersTheStoredNameOfAnOrdinaryFileBelowTheApplicationFolder) {
    const QString straße = QStringLiteral("Straße"), kadı = QStringLiteral("Kadıköy");
    const QString notUtf8 = decodePath("Tam\xff\xe9iro"); // Latin-1 bytes
    const Row rows[] = {
        {"T",
         {"dibujos/3/si coloreado/3.GIF"},
         "\\dibujos\\3\\si coloreado\\3.gif",
         "3.GIF",
         "dibujos/3/si coloreado/3.GIF"},
        {"T", {"dibujos/3/si coloreado/3.GIF"}, "\\DIBUJOS\\3\\SI COLOREADO\\3.GIF", "3.GIF"},
        {"T",
         {"dibujos/3/si coloreado/3.GIF"},
         "\\dibujos\\3\\si coloreado\\5.gif",
         "",
         "dibujos/3/si coloreado/5.gif"},
        {"T", {"medida/1.gif"}, "\\nada\\1.gif", "", "nada/1.gif"},
        {"T", {"medida/1.gif"}, "\\medida\\", ""},
        {"T", {"medida/3.gif/"}, "\\medida\\3.gif", ""},
        {"T", {"medida/.4.gif"}, "\\medida\\.4.gif", ""},
        {"T", {"medida/5.gif->nada.gif"}, "\\medida\\5.gif", ""},
        {"T", {"medida/1.gif", "medida/6.gif->1.gif"}, "\\MEDIDA\\6.GIF", "6.gif", "medida/6.gif"},
        {"T", {"medida/bucle->bucle"}, "\\medida\\bucle\\1.gif", ""},
        {"T", {"medida/7.gif->/dev/zero"}, "\\medida\\7.gif", ""},
        {"T", {"medida/1.gif"}, "\\medida" + QString(QChar(0)) + "\\1.gif", ""},
        {"T", {"punteros/2.ICO", "punteros/2.ico"}, "\\punteros\\2.ico", "2.ico"},
        {"T", {"punteros/2.ICO", "punteros/2.ico"}, "\\punteros\\2.ICO", "2.ICO"},
        {"T",
         {QStringLiteral("medida/Größe.gif")},
         QStringLiteral("\\MEDIDA\\GRÖSSE.GIF"),
         QStringLiteral("Größe.gif")},
        {straße, {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif", "medida/2.gif"},
        {kadı, {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif"},
        {"a\\b", {"medida/2.gif"}, "\\medida\\2.gif", "2.gif", "medida/2.gif"},
        {"Tamiro",
         {"../TAMIRO/medida/", "medida/2.gif"},
         "\\MEDIDA\\2.GIF",
         "2.gif",
         "medida/2.gif"},
        {notUtf8, {"medida/2.gif"}, "\\MEDIDA\\2.GIF", "2.gif", "medida/2.gif"},
        {notUtf8, {"medida/2.gif"}, "\\medida\\2.gif", "2.gif", "medida/2.gif"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(qPrintable(row.app + " " + row.onDisk.join(' ') + " " + row.asked));
        QTemporaryDir temporary;
        const QString app = temporary.path() + "/escuela/" + row.app;
        make(temporary.path(), "escuela/" + row.app + '/');
        for (const QString& entry : row.onDisk)
            make(app, entry);
        DiskFileSystem files(app + '/');
        ASSERT_EQ(app, files.applicationFolder());
        const QString path = (row.asked == row.asked.toUpper() ? app.toUpper() : app) + row.asked;
        EXPECT_EQ(row.answer, files.dir(path));
        if (!row.resolved.isEmpty()) {
            EXPECT_EQ(app + '/' + row.resolved, files.resolve(path));
        }
        if (!row.answer.isEmpty()) {
            EXPECT_EQ("SI", files.readFirstLine(path));
        }
        // Qt cannot remove a name that is not UTF-8.
        ::nftw(
            encodePath(temporary.path()).constData(),
            [](const char* name, const struct stat*, int, FTW*) { return ::remove(name); }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
}

// A folder dated long ago or a day ahead (an unpacked archive, a clock set
// back) is read once while it is unchanged; its changes are still seen.
TEST(DirectoryQuery, KeepsTheListingOfAnUnchangedFolderDatedAwayFromNow) {
    for (const int offset : {-3600, 86400}) {
        QTemporaryDir temporary;
        DiskFileSystem files(temporary.path());
        for (int n = 1; n <= 50; ++n)
            make(temporary.path(), QStringLiteral("animados/%1.gif").arg(n));
        const auto date = [&] {
            timespec times[2]{{time(nullptr) + offset, 0}, {time(nullptr) + offset, 0}};
            ASSERT_EQ(0,
                      ::utimensat(AT_FDCWD, encodePath(temporary.path() + "/animados").constData(),
                                  times, 0));
        };
        date();
        const QString folder = temporary.path() + "\\ANIMADOS\\";
        for (int pass = 0; pass < 2; ++pass) {
            const auto reads = files.listingsRead();
            for (int n = 1; n <= 50; ++n)
                ASSERT_EQ(QStringLiteral("%1.gif").arg(n),
                          files.dir(folder + QString::number(n) + ".GIF"));
            if (pass == 1) {
                EXPECT_EQ(reads, files.listingsRead()) << "offset " << offset;
            }
        }
        make(temporary.path(), "animados/51.gif");
        date();
        EXPECT_EQ("51.gif", files.dir(folder + "51.GIF"));
        ::unlink(encodePath(temporary.path() + "/animados/7.gif").constData());
        date();
        EXPECT_EQ("", files.dir(folder + "7.GIF"));
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
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
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
