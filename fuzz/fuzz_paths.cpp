// Fuzzes path resolution, the directory query and the first-line reader with
// any text after the application folder (lone UTF-16 surrogates included) on
// a small tree that holds a pipe and a link to a device.

#include "platform/core/errors.h"
#include "platform/system/disk_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

using tamiro::DiskFileSystem;

namespace {

const QString& tree() {
    static QTemporaryDir dir;
    static const QString root = [] {
        // Qt warns about every file name holding a NUL character.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        for (const char* name : {"dibujos/1/si coloreado/2.GIF", "dibujos/1/si coloreado/2.gif",
                                 "dibujos/2/SI COLOREADO/1.gif", "medida/.1.gif", "medida/2.gif/",
                                 "Ñandú/Árbol ß.gif", "impresora.txt"}) {
            const QString file = QString::fromUtf8(name);
            QDir(dir.path()).mkpath(file.endsWith(u'/') ? file : QFileInfo(file).path());
            QFile(dir.filePath(file)).open(QIODevice::WriteOnly); // a folder stays one
        }
        const QByteArray r = QFile::encodeName(dir.path());
        ::mkfifo(r + "/medida/4.gif", 0600);
        ::symlink("/dev/zero", r + "/medida/5.gif");
        ::symlink("bucle", r + "/bucle");
        ::symlink("../impresora.txt", r + "/medida/3.gif");
        return dir.path();
    }();
    return root;
}

void fail(const char* what, const QString& path) {
    std::fprintf(stderr, "%s\n  path: %s\n", what, qUtf8Printable(path));
    std::abort();
}

void check(DiskFileSystem& files, const QString& path) {
    const QString name = files.dir(path), resolved = files.resolve(path);
    const QString asked = path.section(u'\\', -1).section(u'/', -1);
    if (!name.isEmpty() && (name.startsWith(u'.') || !QFileInfo(resolved).isFile() ||
                            name.toUpper().toCaseFolded() != asked.toUpper().toCaseFolded()))
        fail("the directory query answered no visible file of the name asked", path);
    if (QFileInfo::exists(resolved) && files.resolve(resolved) != resolved)
        fail("an existing path does not resolve to itself", path);
    try {
        files.readFirstLine(path); // never waits for a writer nor reads a device
    } catch (const tamiro::PlatformError&) {
        if (!name.isEmpty())
            fail("a file the query found cannot be read", path);
    }
}

} // namespace

// The first byte says whether the text is UTF-8 or UTF-16.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static DiskFileSystem files(tree());
    if (size == 0 || size > 4096)
        return 0;
    const QByteArray text(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const auto* units = reinterpret_cast<const char16_t*>(text.constData());
    const QString path =
        tree() + u'\\' + (data[0] % 2 ? QString::fromUtf16(units, text.size() / 2) : QString(text));
    check(files, path);
    check(files, path.toUpper());
    // A fresh file system must answer the same, inside the tree (not in /tmp).
    if (QDir::cleanPath(QString(path).replace(u'\\', u'/')).startsWith(tree() + u'/') &&
        DiskFileSystem(tree()).dir(path) != files.dir(path))
        fail("a fresh file system answers differently", path);
    return 0;
}
