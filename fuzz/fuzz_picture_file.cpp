// Fuzzes the checks made on a picture file before it is decoded, with
// arbitrary file bytes: an accepted file comes back whole, a refused one is
// named in the description, and nothing accepted decodes to more pixels than
// allowed.

#include "platform/errors.h"
#include "platform/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString file = dir.path() + "/1.gif";
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(bytes) != bytes.size())
            std::abort();
    }
    QByteArray read;
    try {
        read = tamiro::readPictureFile(file);
    } catch (const tamiro::PlatformError& error) {
        if (!error.description().contains(file))
            std::abort(); // a refusal that does not name the file
        return 0;
    }
    if (read != bytes)
        std::abort(); // accepted, but not read whole
    QBuffer buffer(&read);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (!image.isNull() && qint64(image.width()) * image.height() > tamiro::kMaxPicturePixels)
        std::abort(); // the checks let through a picture too large
    return 0;
}
