// Fuzzes the content path resolution, the directory query and the reading of
// content files with arbitrary path text (backslashes, dots, "..", long
// names, odd Unicode, letter cases) on a small fixed tree that holds a pipe
// and a link to a device, and checks what every answer promises.

#include "platform/disk_file_system.h"
#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

using tamiro::DiskFileSystem;

namespace {

void fail(const char* what, const QString& path, const QString& answer) {
    std::fprintf(stderr, "%s\n  path:   %s\n  answer: %s\n", what, qUtf8Printable(path),
                 qUtf8Printable(answer));
    std::abort();
}

void touch(const QString& file, const QByteArray& bytes = "x") {
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        std::abort();
}

// The tree: drawings with names in several letter cases, a folder named like
// a drawing, a hidden file, a link loop, a link to a file, non-ASCII names.
const QString& tree() {
    static QTemporaryDir dir;
    static const QString root = [] {
        const QString r = dir.path();
        // Qt warns about every file name holding a NUL character; millions of
        // such lines would only slow the run down.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        touch(r + "/dibujos/1/si coloreado/1.gif");
        touch(r + "/dibujos/1/si coloreado/2.GIF");
        touch(r + "/dibujos/1/si coloreado/2.gif");
        touch(r + "/dibujos/1/si coloreado/3.Jpg");
        touch(r + "/dibujos/1/no coloreado/1.gif");
        QDir().mkpath(r + "/dibujos/1/si coloreado/4.gif");
        QDir().mkpath(r + "/dibujos/2/SI COLOREADO");
        touch(r + "/dibujos/2/SI COLOREADO/1.gif");
        touch(r + "/medida/.1.gif");
        QDir().mkpath(r + "/medida/2.gif");
        touch(r + "/Ñandú/Árbol ß.gif");
        touch(r + "/impresora.txt", "SI\r\n");
        touch(r + "/IMPRESORA.TXT", "NO\r\n");
        ::mkfifo(QFile::encodeName(r + "/medida/4.gif").constData(), 0600);
        ::symlink("/dev/zero", QFile::encodeName(r + "/medida/5.gif").constData());
        ::symlink("bucle", QFile::encodeName(r + "/bucle").constData());
        ::symlink(".", QFile::encodeName(r + "/dibujos/aquí").constData());
        ::symlink("../impresora.txt", QFile::encodeName(r + "/medida/3.gif").constData());
        if (::chdir(QFile::encodeName(r).constData()) != 0)
            std::abort();
        return r;
    }();
    return root;
}

QString lastName(const QString& path) {
    QString native = path;
    native.replace(u'\\', u'/');
    return native.mid(native.lastIndexOf(u'/') + 1);
}

void check(DiskFileSystem& files, const QString& path) {
    const QString name = files.dir(path);
    if (!name.isEmpty()) {
        if (name.contains(u'/') || name.contains(u'\\'))
            fail("the directory query answered more than a bare name", path, name);
        if (name.startsWith(u'.'))
            fail("the directory query answered a hidden file", path, name);
        if (name.toUpper().toCaseFolded() != lastName(path).toUpper().toCaseFolded())
            fail("the directory query answered another name", path, name);
        const QString file = files.resolve(path);
        if (!QFileInfo(file).isFile())
            fail("a name the query found does not resolve to a file", path, file);
    }
    // Reading never waits for a writer nor reads a device; a found file reads.
    try {
        files.readFirstLine(path);
    } catch (const tamiro::PlatformError& error) {
        if (!name.isEmpty())
            fail("a file the query found cannot be read", path, error.description());
    }
    const QString resolved = files.resolve(path);
    if (resolved.contains(u'\\') && !path.contains(u'\\'))
        fail("resolving added a backslash", path, resolved);
    if (QFileInfo::exists(resolved) && files.resolve(resolved) != resolved)
        fail("an existing path does not resolve to itself", path, resolved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static DiskFileSystem files(tree());
    if (size == 0 || size > 4096)
        return 0;
    // The first byte says how the text is used: after the application folder
    // and a backslash, as it stands (relative or absolute), or as UTF-16.
    const auto* text = reinterpret_cast<const char*>(data + 1);
    const auto length = qsizetype(size - 1);
    QString path;
    switch (data[0] % 3) {
    case 0:
        path = tree() + u'\\' + QString::fromUtf8(text, length);
        break;
    case 1: // relative to the tree, which is the working folder
        path = QString::fromUtf8(text, length);
        while (path.startsWith(u'/'))
            path.remove(0, 1);
        break;
    default:
        path =
            tree() + u'/' + QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length / 2);
    }
    check(files, path);
    check(files, path.toUpper());
    // A fresh file system knows nothing yet and must answer the same, inside
    // the tree (folders elsewhere, such as /tmp, may change between the two).
    QString native = path;
    native.replace(u'\\', u'/');
    if (QDir::cleanPath(QDir(tree()).absoluteFilePath(native)).startsWith(tree() + u'/')) {
        DiskFileSystem fresh(tree());
        if (fresh.dir(path) != files.dir(path))
            fail("a fresh file system answers differently", path, fresh.dir(path));
    }
    return 0;
}
