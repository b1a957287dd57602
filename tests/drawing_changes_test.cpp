// Changes to a folder's drawings, on real folders: where a new drawing goes,
// the series after a move or a removal and what the trash holds, that a
// failure at any step leaves the folder as it was, and that a running program
// looking after every single file step meets no gap and no half file.

#include "platform/system/disk_file_system.h"
#include "platform/system/posix_content_writer.h"
#include "platform/system/qt_picture_loader.h"
#include "rules/drawing_changes.h"
#include "rules/drawings.h"
#include "support/content_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

// This machine's writer, which can also act as a file system without swaps
// in one step, fail at its n-th step, and let a probe look after each step.
class Writer : public PosixContentWriter {
public:
    bool swaps = true;
    int failAt = 0, steps = 0;
    std::function<void()> probe = [] {};
    template <typename Work> auto step(Work work) {
        if (++steps == failAt)
            throw PlatformError(QStringLiteral("falla a propósito"));
        auto result = work();
        probe();
        return result;
    }

    bool makeFolder(const QString& f) override {
        return step([&] { return PosixContentWriter::makeFolder(f); });
    }
    QString writeTemporary(const QString& f, const QByteArray& b) override {
        return step([&] { return PosixContentWriter::writeTemporary(f, b); });
    }
    QString copyTemporary(const QString& f) override {
        return step([&] { return PosixContentWriter::copyTemporary(f); });
    }
    void rename(const QString& a, const QString& b) override {
        step([&] { return PosixContentWriter::rename(a, b), 0; });
    }
    void replace(const QString& a, const QString& b) override {
        step([&] { return PosixContentWriter::replace(a, b), 0; });
    }
    bool exchange(const QString& a, const QString& b) override {
        return step([&] { return swaps && PosixContentWriter::exchange(a, b); });
    }
    void trash(const QStringList& files) override {
        step([&] { return PosixContentWriter::trash(files), 0; });
    }
    void remove(const QString& file) noexcept override {
        PosixContentWriter::remove(file);
        probe();
    }
};

// Drawing x is a picture 16 + 3x pixels wide (a = 0), its lines as wide.
QImage picture(QChar letter, bool lines = false) {
    return framedImage(16 + 3 * (letter.toLower().unicode() - 'a'), 12,
                       lines ? Qt::white : Qt::red);
}
QString letterOf(const QString& file) {
    const QChar letter(char16_t('a' + (QImage(file).width() - 16) / 3));
    return file.endsWith(".jpg", Qt::CaseInsensitive) ? letter.toUpper() : letter;
}

// A content tree whose folder 2 holds a series: "a B c- _ d" is drawings
// 1 to 5, 2 a JPEG, 3 without its lines, 4 missing.
struct Content {
    ContentTree tree;
    QString coloured = "dibujos/2/si coloreado/", uncoloured = "dibujos/2/no coloreado/";
    DiskFileSystem files{tree.folder()};
    Writer writer;
    DrawingChanges changes{files, writer};

    void lay(const QString& series) {
        int n = 0;
        for (const QString& token : series.split(' ', Qt::SkipEmptyParts)) {
            if (++n, token == "_")
                continue;
            const bool jpeg = token[0].isUpper();
            tree.picture(coloured + QString::number(n) + (jpeg ? ".jpg" : ".gif"),
                         picture(token[0]));
            if (!token.endsWith('-'))
                tree.picture(uncoloured + QString::number(n) + ".gif", picture(token[0], true));
        }
    }
    // The series as laid, then " + " and each other entry of both folders.
    QString look() const {
        const auto entries = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QStringList inColoured = QDir(tree.path(coloured)).entryList(entries);
        QStringList inLines = QDir(tree.path(uncoloured)).entryList(entries);
        // The file of that name in any letter case, the exact one first.
        const auto take = [this](QStringList& names, const QString& folder, const QString& name) {
            names.sort();
            for (qsizetype j = 0; j < names.size(); ++j)
                if (names[j].compare(name, Qt::CaseInsensitive) == 0 &&
                    QFileInfo(tree.path(folder + names[j])).isFile())
                    return names.takeAt(j);
            return QString();
        };
        QStringList series;
        for (int n = 1;; ++n) {
            QString file = take(inColoured, coloured, QString::number(n) + ".gif");
            if (file.isEmpty())
                file = take(inColoured, coloured, QString::number(n) + ".jpg");
            if (file.isEmpty())
                break;
            QString shown = letterOf(tree.path(coloured + file));
            const QString lines = take(inLines, uncoloured, QString::number(n) + ".gif");
            if (lines.isEmpty())
                shown += '-';
            else if (letterOf(tree.path(uncoloured + lines)) != shown.toLower())
                shown += '?' + letterOf(tree.path(uncoloured + lines));
            series << shown;
        }
        const QStringList others = inColoured + inLines;
        return series.join(' ') + (others.isEmpty() ? "" : " + " + others.join(' '));
    }
    // Every file below the content folder, hidden ones too, with its bytes.
    QMap<QString, QByteArray> snapshot() const {
        QMap<QString, QByteArray> all;
        QDirIterator it(tree.folder(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            all[it.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "folder";
        }
        return all;
    }
};

NewDrawing newDrawing(QChar letter) {
    QTemporaryDir dir;
    writeGif(dir.filePath("c.gif"), picture(letter));
    writeGif(dir.filePath("u.gif"), picture(letter, true));
    const auto bytes = [&](const char* name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    return letter.isUpper() ? NewDrawing{encoded(picture(letter), "JPEG"), bytes("u.gif"), ".jpg"}
                            : NewDrawing{bytes("c.gif"), bytes("u.gif"), ".gif"};
}

// The trash of a home of the test's own, on the content's mount.
struct Home {
    QTemporaryDir dir;
    QByteArray before = qgetenv("XDG_DATA_HOME");
    mode_t umaskBefore = ::umask(022);
    Home() { qputenv("XDG_DATA_HOME", dir.path().toUtf8()); }
    ~Home() {
        qputenv("XDG_DATA_HOME", before);
        ::umask(umaskBefore);
    }
    // "name=letter" for each file in the trash.
    QString trash() const {
        QStringList files;
        const QString folder = dir.path() + "/Trash/files/";
        for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
            files << name + '=' + letterOf(folder + name);
        return files.join(' ');
    }
};

mode_t modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// The changes two tests below make.
const struct Change {
    const char* name;
    QString before;
    std::function<void(DrawingChanges&)> make;
    QString after;
} kChanges[] = {
    {"add", "a B c D", [](DrawingChanges& c) { c.add(2, newDrawing('E')); }, "a B c D E"},
    {"move forward", "a B c D", [](DrawingChanges& c) { c.move(2, 1, 4); }, "B c D a"},
    {"move back", "a B c D", [](DrawingChanges& c) { c.move(2, 4, 2); }, "a D B c"},
    {"remove", "a B c D", [](DrawingChanges& c) { c.remove(2, 2); }, "a c D"},
    {"remove the last", "a B c D", [](DrawingChanges& c) { c.remove(2, 4); }, "a B c"},
};

} // namespace

TEST(DrawingChanges, AddsAtTheNumberAfterTheLastDrawingReached) {
    const struct {
        const char* name;
        QString before;
        QStringList extras; // a folder when it ends in '/', else a stray GIF
        bool shared;        // every folder group-writable and set-group-id
        QString after;
        const char* error = nullptr; // in the message; nothing changes
    } rows[] = {
        {"an unbroken series", "a b c", {}, false, "a b c x"},
        {"no folder yet, shared", "", {}, true, "x"},
        {"no si coloreado", "", {"dibujos/2/no coloreado/"}, false, "x"},
        {"a gap", "a b _ d", {}, true, "a b x d"},
        {"a stray in the way",
         "a b",
         {"dibujos/2/no coloreado/3.GIF"},
         false,
         "a b + 3.GIF",
         "«3.GIF»"},
        {"a folder in the way",
         "a",
         {"dibujos/2/si coloreado/2.jpg/"},
         false,
         "a + 2.jpg",
         "«2.jpg»"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Home home;
        Content c;
        c.lay(row.before);
        for (const QString& extra : row.extras)
            if (extra.endsWith('/'))
                c.tree.folderNamed(extra);
            else
                c.tree.gif(extra, 40, 12);
        if (row.shared) {
            ::chmod(QFile::encodeName(c.tree.folder()).constData(), 02775);
            QDirIterator it(c.tree.folder(), QDir::Dirs | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                ::chmod(QFile::encodeName(it.next()).constData(), 02775);
        }
        if (row.error) {
            try {
                c.changes.add(2, newDrawing('x'));
                ADD_FAILURE() << "added";
            } catch (const PlatformError& error) {
                EXPECT_TRUE(error.description().contains(row.error))
                    << error.description().toStdString();
            }
        } else {
            const int n = c.changes.add(2, newDrawing('x'));
            EXPECT_EQ(n, row.after.split(' ').indexOf("x") + 1);
            // Whatever the umask, group-writable where the folder is.
            const mode_t file = row.shared ? 0664 : 0644;
            EXPECT_EQ(modeOf(c.tree.path(c.coloured + QString::number(n) + ".gif")), file);
            EXPECT_EQ(modeOf(c.tree.path(c.uncoloured + QString::number(n) + ".gif")), file);
            if (row.before.isEmpty() && row.shared) {
                EXPECT_EQ(modeOf(c.tree.path("dibujos/2/si coloreado")), 02775u);
            }
        }
        EXPECT_EQ(c.look(), row.after);
    }
}

TEST(DrawingChanges, MovesAndRemovesKeepTheSeriesWhole) {
    const struct {
        QString before;
        char action; // m: move from to; r: remove from
        std::int16_t from, to;
        QString after, trash = {};
        const char* error = nullptr;
    } rows[] = {
        {"a b c d", 'm', 1, 3, "b c a d"},
        {"a b c d", 'm', 4, 1, "d a b c"},
        {"a B c D", 'm', 1, 4, "B c D a"},
        {"B a", 'm', 2, 1, "a B"},
        {"a b- c", 'm', 3, 1, "c a b-"},
        {"a b c", 'm', 2, 2, "a b c"},
        {"a b c", 'm', 1, 4, "a b c", "", "no tiene dibujo 4"},
        {"a B c", 'r', 2, 0, "a c", "3.gif=b 3.jpg=B"},
        {"a b c", 'r', 3, 0, "a b", "3 (2).gif=c 3.gif=c"},
        {"a b- c", 'r', 1, 0, "b- c", "3 (2).gif=a 3.gif=a"},
        {"a", 'r', 1, 0, "", "1 (2).gif=a 1.gif=a"},
        {"a", 'r', 2, 0, "a", "", "no tiene dibujo 2"},
    };
    for (const bool swaps : {true, false})
        for (const auto& row : rows) {
            SCOPED_TRACE(QString("%1 %2 %3 %4, swaps %5")
                             .arg(row.before)
                             .arg(row.action)
                             .arg(row.from)
                             .arg(row.to)
                             .arg(swaps)
                             .toStdString());
            Home home;
            Content c;
            c.writer.swaps = swaps;
            c.lay(row.before);
            try {
                row.action == 'm' ? c.changes.move(2, row.from, row.to)
                                  : c.changes.remove(2, row.from);
                EXPECT_FALSE(row.error);
            } catch (const PlatformError& error) {
                EXPECT_TRUE(row.error && error.description().contains(row.error))
                    << error.description().toStdString();
            }
            EXPECT_EQ(c.look(), row.after);
            EXPECT_EQ(home.trash(), row.trash);
        }
}

TEST(DrawingChanges, AFailureAtAnyStepLeavesTheFolderAsItWas) {
    for (const bool swaps : {true, false})
        for (const Change& change : kChanges) {
            SCOPED_TRACE(QString("%1, swaps %2").arg(change.name).arg(swaps).toStdString());
            for (int failAt = 1;; ++failAt) {
                Home home;
                Content c;
                c.lay(change.before);
                c.writer.swaps = swaps;
                c.writer.failAt = failAt;
                const auto before = c.snapshot();
                try {
                    change.make(c.changes);
                } catch (const PlatformError&) {
                    EXPECT_EQ(c.snapshot(), before) << "failing at step " << failAt;
                    EXPECT_EQ(home.trash(), "");
                    continue;
                }
                EXPECT_EQ(c.look(), change.after);
                break;
            }
        }
}

TEST(DrawingChanges, ARunningProgramMeetsNoGapAndNoHalfFile) {
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.name);
        Home home;
        Content c;
        c.lay(change.before);
        // The program's own rules, files and pictures, kept from step to step
        // as a running program keeps them.
        DiskFileSystem files(c.tree.folder());
        QtPictureLoader pictures(files);
        Drawings drawings(files, pictures);
        const auto least = std::min(change.before.count(' '), change.after.count(' ')) + 1;
        int looks = 0;
        c.writer.probe = [&] {
            ++looks;
            const int last = drawings.last(2);
            EXPECT_GE(last, least) << "a gap after step " << c.writer.steps;
            // Between the two variants' swaps of a move, two drawings may
            // show each other's lines for a moment.
            int mismatched = 0;
            for (int n = 1; n <= last; ++n) {
                const DrawingStep step = drawings.show(2, std::int16_t(n));
                ASSERT_TRUE(step.shown()) << step.message.toStdString();
                mismatched += step.coloured.widthPixels() != step.uncoloured.widthPixels();
            }
            EXPECT_LE(mismatched, 2) << "after step " << c.writer.steps;
        };
        change.make(c.changes);
        EXPECT_EQ(c.look(), change.after);
        EXPECT_GT(looks, 0);
    }
}

// On a mount of its own, away from the home, a removed drawing goes to the
// trash at the top of that mount, which records where it was, relative to
// that top, for a file manager to put it back.
TEST(DrawingChanges, RemovesToTheTrashOfTheDrawingsOwnMount) {
    struct stat shm {
    }, home{};
    if (::stat("/dev/shm", &shm) != 0 || ::stat(QFile::encodeName(QDir::tempPath()), &home) != 0 ||
        shm.st_dev == home.st_dev)
        GTEST_SKIP() << "no /dev/shm apart from the temporary folder";
    const QString trash = QStringLiteral("/dev/shm/.Trash-%1").arg(::getuid());
    const bool trashWasThere = QFileInfo::exists(trash);
    Home away;
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/dev/shm");
    auto c = std::make_unique<Content>();
    qputenv("TMPDIR", tmp);
    c->lay("a b");
    c->changes.remove(2, 2);
    EXPECT_EQ(c->look(), "a");
    const QString top = c->tree.folder().section('/', 3);
    QFile info(trash + "/info/2.gif.trashinfo");
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        info.readAll().contains("\nPath=" + top.toUtf8() + "/dibujos/2/si%20coloreado/2.gif\n"));
    EXPECT_EQ(letterOf(trash + "/files/2.gif"), "b");
    EXPECT_EQ(away.trash(), "");
    for (const QString name : {"2.gif", "2 (2).gif"}) {
        QFile::remove(trash + "/files/" + name);
        QFile::remove(trash + "/info/" + name + ".trashinfo");
    }
    if (!trashWasThere)
        QDir(trash).removeRecursively();
}
