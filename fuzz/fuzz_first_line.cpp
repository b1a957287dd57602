// Fuzzes the first-line reader with arbitrary file bytes: the answer is the
// text before the first carriage return, decoded as UTF-8 or else Latin-1.

#include "platform/disk_file_system.h"
#include "platform/errors.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using tamiro::DiskFileSystem;

namespace {

void fail(const char* what, const QString& answer) {
    std::fprintf(stderr, "%s\n  answer: %s\n", what, qUtf8Printable(answer.left(200)));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static DiskFileSystem files(dir.path());
    const QString file = dir.path() + "/impresora.txt";
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    QString line;
    try {
        // Read through the composed content path, in another letter case.
        line = files.readFirstLine(dir.path() + "\\IMPRESORA.TXT");
    } catch (const tamiro::PlatformError& error) {
        fail("an ordinary file could not be read", error.description());
    }
    const auto* bytes = reinterpret_cast<const char*>(data);
    const void* end = std::memchr(bytes, '\r', size);
    const QByteArray first(bytes, end ? static_cast<const char*>(end) - bytes : qsizetype(size));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString expected = utf8.decode(first);
    if (utf8.hasError())
        expected = QString::fromLatin1(first);
    if (line != expected)
        fail("the first line differs from the bytes before the first carriage return", line);
    if (line.contains(u'\r'))
        fail("the line end is part of the line", line);
    return 0;
}
