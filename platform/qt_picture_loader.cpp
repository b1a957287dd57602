#include "platform/qt_picture_loader.h"

#include "platform/content_file.h"
#include "platform/errors.h"
#include "platform/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

void tamiroInitPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace tamiro {

namespace {

constexpr size_t kKeptPictures = 8;

QString readerProblem(QImageReader::ImageReaderError error) {
    switch (error) {
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("no es una imagen GIF, JPEG, BMP ni un icono");
    case QImageReader::InvalidDataError:
        return QStringLiteral("sus datos están dañados o incompletos");
    case QImageReader::DeviceError:
        return QStringLiteral("no se ha podido leer");
    default:
        return QStringLiteral("no se ha podido descodificar");
    }
}

template <typename T> bool readLittle(const QByteArray& data, qsizetype at, T& value) {
    if (at < 0 || at + qsizetype(sizeof(T)) > data.size())
        return false;
    value = qFromLittleEndian<T>(data.constData() + at);
    return true;
}

} // namespace

QImage withIconMask(QImage image, const QByteArray& data) {
    quint16 reserved = 0, type = 0, count = 0;
    if (!readLittle(data, 0, reserved) || !readLittle(data, 2, type) ||
        !readLittle(data, 4, count) || reserved != 0 || type != 1 || count == 0)
        return image;
    quint32 offset = 0;
    if (!readLittle(data, 6 + 12, offset))
        return image;
    quint32 headerSize = 0;
    qint32 width = 0, doubleHeight = 0;
    quint16 bitCount = 0;
    if (!readLittle(data, offset, headerSize) || headerSize < 40 ||
        !readLittle(data, offset + 4, width) || !readLittle(data, offset + 8, doubleHeight) ||
        !readLittle(data, offset + 14, bitCount))
        return image;
    const qint32 height = doubleHeight / 2;
    if (bitCount != 24 || width != image.width() || height != image.height() || width <= 0 ||
        height <= 0)
        return image;
    const qsizetype colourRow = ((qsizetype(width) * 24 + 31) / 32) * 4;
    const qsizetype maskRow = ((qsizetype(width) + 31) / 32) * 4;
    const qsizetype maskStart = qsizetype(offset) + headerSize + colourRow * height;
    if (maskStart + maskRow * height > data.size())
        return image;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom up; a set bit is a transparent pixel.
        const auto* row = reinterpret_cast<const uchar*>(data.constData()) + maskStart +
                          maskRow * (height - 1 - y);
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            if (row[x / 8] & (0x80 >> (x % 8)))
                pixels[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

// Pictures are small; reading the file once serves both the decoder and the
// icon mask.
Picture QtPictureLoader::decode(const QByteArray& data, const QString& shownName) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (const QSize size = reader.size(); tooLargePicture(size))
        refusePictureSize(shownName, size);
    QImage image = reader.read();
    if (image.isNull() || image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        throw PlatformError(QStringLiteral("el archivo «%1» no es una imagen válida: %2")
                                .arg(shownName, readerProblem(reader.error())));
    // An icon file describes pictures of at most 256 x 256 pixels; a larger
    // one inside it is damage, and as a mouse pointer it would break the
    // connection to the display.
    quint16 reserved = 1, type = 0;
    if (readLittle(data, 0, reserved) && readLittle(data, 2, type) && reserved == 0 &&
        (type == 1 || type == 2) && (image.width() > kMaxIconSide || image.height() > kMaxIconSide))
        refuseIconSize(shownName, image.size());
    // QImageReader names no format for an icon it recognised by content, so
    // the mask is looked for by the icon header itself.
    image = withIconMask(std::move(image), data);
    // Converted once to the screen's own formats, so that every later draw
    // is a plain copy instead of a palette lookup per pixel.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    return Picture(std::move(image), shownName);
}

Picture QtPictureLoader::load(const QString& path) {
    const QString file = files_.resolve(path);
    // Opened once: its stamp finds a picture already decoded, and otherwise
    // the same descriptor is read.
    ContentFile input(file);
    const qint64 size = input.size(), modified = input.modified();
    for (auto kept = kept_.begin(); kept != kept_.end(); ++kept) {
        if (kept->file == file && kept->size == size && kept->modified == modified) {
            kept_.splice(kept_.begin(), kept_, kept);
            return kept_.front().picture;
        }
    }
    Picture picture = decode(readPictureFile(input), file);
    ++decodes_;
    kept_.push_front({file, size, modified, picture});
    if (kept_.size() > kKeptPictures)
        kept_.pop_back();
    return picture;
}

Picture QtPictureLoader::builtIn(const QString& name) {
    static const bool registered = (tamiroInitPictures(), true);
    (void)registered;
    QFile input(QStringLiteral(":/pictures/") + name);
    if (!input.open(QIODevice::ReadOnly))
        throw PlatformError(QStringLiteral("no encuentro la imagen interna «%1»").arg(name));
    return decode(input.readAll(), name);
}

} // namespace tamiro
