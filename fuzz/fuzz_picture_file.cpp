// Fuzzes the checks made on a picture file before it is decoded: an accepted
// file comes back whole, a refused one is named in the description, and
// nothing accepted decodes to more pixels than allowed.

#include "platform/errors.h"
#include "platform/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString file = dir.path() + "/1.gif";
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size)), read;
    std::ofstream(QFile::encodeName(file), std::ios::binary | std::ios::trunc)
        << bytes.toStdString();
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
    const QImage image = QImageReader(&buffer).read();
    if (qint64(image.width()) * image.height() > tamiro::kMaxPicturePixels)
        std::abort(); // the checks let through a picture too large
    return 0;
}
