#include "platform/picture_file.h"

#include "platform/content_file.h"
#include "platform/errors.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace tamiro {

bool tooLargePicture(QSize size) {
    return size.isValid() && (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
                              qint64(size.width()) * size.height() > kMaxPicturePixels);
}

void refusePictureSize(const QString& file, QSize size) {
    throw PlatformError(QStringLiteral("la imagen «%1» es demasiado grande (%2 × %3 píxeles)")
                            .arg(file)
                            .arg(size.width())
                            .arg(size.height()),
                        PlatformError::Cause::TooLarge);
}

void refuseIconSize(const QString& file, QSize size) {
    throw PlatformError(
        QStringLiteral("el icono «%1» está dañado: mide %2 × %3 píxeles y un icono no pasa de "
                       "%4 × %4")
            .arg(file)
            .arg(size.width())
            .arg(size.height())
            .arg(kMaxIconSide));
}

namespace {

template <typename T> bool readLittle(const QByteArray& data, qsizetype at, T& value) {
    if (at < 0 || at + qsizetype(sizeof(T)) > data.size())
        return false;
    value = qFromLittleEndian<T>(data.constData() + at);
    return true;
}

constexpr qsizetype kHeaderBytes = 64 * 1024;
const QByteArray kPngSignature("\x89PNG\r\n\x1a\n");

QSize gifSize(const QByteArray& data, qsizetype at) {
    quint16 width = 0, height = 0;
    readLittle(data, at, width);
    readLittle(data, at + 2, height);
    return {width, height};
}

struct GifLayout {
    QSize largest; // invalid for what is no GIF
    int frames = 0;
};

// A GIF is decoded into an image of its logical screen, whatever the size of
// its frames; each frame is looked at too, and counted.
GifLayout gifLayout(const QByteArray& data) {
    if (pictureFormat(data) != PictureFormat::Gif)
        return {};
    GifLayout layout{gifSize(data, 6)};
    const auto palette = [&](qsizetype flagsAt) {
        const auto flags = quint8(data.at(flagsAt));
        return flags & 0x80 ? qsizetype(3) << ((flags & 7) + 1) : 0;
    };
    const auto skipBlocks = [&](qsizetype at) {
        while (at < data.size() && data.at(at) != 0)
            at += 1 + quint8(data.at(at));
        return at + 1;
    };
    qsizetype at = data.size() > 10 ? 13 + palette(10) : data.size();
    while (at < data.size()) {
        const char block = data.at(at);
        if (block == ',' && at + 10 <= data.size()) {
            layout.largest = layout.largest.expandedTo(gifSize(data, at + 5));
            ++layout.frames;
            at = skipBlocks(at + 10 + palette(at + 9) + 1);
        } else if (block == '!') {
            at = skipBlocks(at + 2);
        } else {
            break; // the trailer, or damage the decoder will report
        }
    }
    return layout;
}

// The scans of a JPEG: its marker segments are walked, the coded data
// between them skipped.
int jpegScans(const QByteArray& data) {
    if (!data.startsWith("\xff\xd8"))
        return 0;
    int scans = 0;
    qsizetype at = 2;
    while (at + 3 < data.size()) {
        const auto marker = quint8(data.at(at + 1));
        if (quint8(data.at(at)) != 0xff || marker == 0 || marker == 0xff ||
            (marker >= 0xd0 && marker <= 0xd7)) {
            ++at; // coded data, a stuffed byte, fill or a restart marker
            continue;
        }
        if (marker == 0xd9)
            break;
        scans += marker == 0xda;
        at += 2 + qFromBigEndian<quint16>(data.constData() + at + 2);
    }
    return scans;
}

// An icon file describes pictures of at most 256 x 256 pixels, but a PNG
// inside it may claim any size.
QSize largestIcon(const QByteArray& data) {
    quint16 count = 0;
    if (pictureFormat(data) != PictureFormat::Icon || !readLittle(data, 4, count))
        return {};
    QSize largest(0, 0);
    for (qsizetype entry = 6; entry < 6 + 16 * qsizetype(count) && entry + 16 <= data.size();
         entry += 16) {
        const int side = quint8(data.at(entry)) ? quint8(data.at(entry)) : 256;
        largest = largest.expandedTo(
            QSize(side, quint8(data.at(entry + 1)) ? quint8(data.at(entry + 1)) : 256));
        quint32 offset = 0;
        if (readLittle(data, entry + 12, offset) && offset + 24 <= quint64(data.size()) &&
            data.mid(offset, 8) == kPngSignature)
            largest = largest.expandedTo(QSize(
                int(std::min(qFromBigEndian<quint32>(data.constData() + offset + 16), 1u << 30)),
                int(std::min(qFromBigEndian<quint32>(data.constData() + offset + 20), 1u << 30))));
    }
    return largest;
}

// The size its own reader finds in the header, asked of no other reader.
QSize headerSize(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, readerFormat(pictureFormat(data)));
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

// A PNG with only the chunks that make its pixels; a damaged chunk ends it.
QByteArray plainPng(const QByteArray& png) {
    QByteArray plain = png.left(8);
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint64(png.size() - at - 12))
            break;
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "IHDR" || type == "PLTE" || type == "tRNS" || type == "IDAT" || type == "IEND")
            plain += png.mid(at, 12 + length);
        if (type == "IEND")
            break;
        at += 12 + qsizetype(length);
    }
    return plain;
}

QString readerProblem(QImageReader::ImageReaderError error) {
    switch (error) {
    case QImageReader::InvalidDataError:
        return QStringLiteral("sus datos están dañados o incompletos");
    case QImageReader::DeviceError:
        return QStringLiteral("no se ha podido leer");
    default:
        return QStringLiteral("no se ha podido descodificar");
    }
}

// A name ending in .ico asks for an icon, any other for a GIF, a JPEG or a
// bitmap.
void refuseUnwanted(const QString& file, PictureFormat format) {
    if (file.endsWith(u".ico", Qt::CaseInsensitive)) {
        if (format != PictureFormat::Icon)
            refuseDamaged(file, QStringLiteral("no es un icono"),
                          PlatformError::Cause::OtherFormat);
    } else if (format == PictureFormat::None || format == PictureFormat::Icon) {
        refuseDamaged(file, QStringLiteral("no es una imagen GIF, JPEG ni BMP"),
                      PlatformError::Cause::OtherFormat);
    }
}

} // namespace

PictureFormat pictureFormat(const QByteArray& bytes) {
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return PictureFormat::Gif;
    if (bytes.startsWith("\xff\xd8\xff"))
        return PictureFormat::Jpeg;
    if (bytes.startsWith("BM"))
        return PictureFormat::Bitmap;
    // Icons, and pointers saved with the cursor type.
    if (bytes.startsWith(QByteArray("\0\0\1\0", 4)) || bytes.startsWith(QByteArray("\0\0\2\0", 4)))
        return PictureFormat::Icon;
    return PictureFormat::None;
}

QByteArray readerFormat(PictureFormat format) {
    switch (format) {
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Bitmap:
        return "bmp";
    case PictureFormat::Icon:
        return "ico";
    case PictureFormat::None:
        break;
    }
    return {};
}

void refuseDamaged(const QString& file, const QString& problem, PlatformError::Cause cause) {
    throw PlatformError(
        QStringLiteral("el archivo «%1» no es una imagen válida: %2").arg(file, problem), cause);
}

QByteArray iconWithPlainPngs(const QByteArray& icon) {
    quint16 count = 0;
    if (pictureFormat(icon) != PictureFormat::Icon || !readLittle(icon, 4, count))
        return icon;
    // The plain PNGs go at the end and their entries point there; the rest of
    // the file stays where it was.
    QByteArray decoded = icon;
    for (qsizetype entry = 6; entry < 6 + 16 * qsizetype(count) && entry + 16 <= icon.size();
         entry += 16) {
        quint32 bytes = 0, offset = 0;
        readLittle(icon, entry + 8, bytes);
        readLittle(icon, entry + 12, offset);
        if (offset >= quint64(icon.size()) || icon.mid(offset, 8) != kPngSignature)
            continue;
        const QByteArray png = plainPng(icon.mid(offset, bytes));
        qToLittleEndian(quint32(png.size()), decoded.data() + entry + 8);
        qToLittleEndian(quint32(decoded.size()), decoded.data() + entry + 12);
        decoded += png;
    }
    return decoded;
}

QByteArray readPictureFile(const QString& file) {
    ContentFile input(file);
    return readPictureFile(input);
}

QByteArray readPictureFile(ContentFile& input) {
    const QString& file = input.name();
    if (input.size() > kMaxPictureFileBytes)
        throw PlatformError(
            QStringLiteral("el archivo «%1» es demasiado grande para ser una imagen (%2 MB)")
                .arg(file)
                .arg(input.size() / (1024 * 1024)),
            PlatformError::Cause::TooLarge);
    QByteArray data;
    input.readInto(data, kHeaderBytes);
    refuseUnwanted(file, pictureFormat(data));
    for (const QSize size : {gifLayout(data).largest, headerSize(data)})
        if (tooLargePicture(size))
            refusePictureSize(file, size);
    input.readInto(data, kMaxPictureFileBytes);
    if (const QSize size = gifLayout(data).largest; tooLargePicture(size))
        refusePictureSize(file, size);
    if (const QSize icon = largestIcon(data);
        icon.width() > kMaxIconSide || icon.height() > kMaxIconSide)
        refuseIconSize(file, icon);
    if (const int scans = jpegScans(data); scans > kMaxJpegScans)
        throw PlatformError(
            QStringLiteral("la imagen «%1» tiene demasiadas pasadas (%2; el máximo es %3)")
                .arg(file)
                .arg(scans)
                .arg(kMaxJpegScans));
    return data;
}

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
QImage decodePicture(const QByteArray& data, const QString& shownName) {
    const PictureFormat format = pictureFormat(data);
    refuseUnwanted(shownName, format);
    QBuffer buffer;
    buffer.setData(format == PictureFormat::Icon ? iconWithPlainPngs(data) : data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, readerFormat(format));
    reader.setAutoDetectImageFormat(false);
    if (const QSize size = reader.size(); tooLargePicture(size))
        refusePictureSize(shownName, size);
    QImage image = reader.read();
    if (image.isNull() || image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        refuseDamaged(shownName, readerProblem(reader.error()));
    if (format == PictureFormat::Icon) {
        // An icon file describes pictures of at most 256 x 256 pixels; a
        // larger one inside it is damage, and as a mouse pointer it would
        // break the connection to the display.
        if (image.width() > kMaxIconSide || image.height() > kMaxIconSide)
            refuseIconSize(shownName, image.size());
        image = withIconMask(std::move(image), data);
    }
    // Converted once to the screen's own formats, so that every later draw
    // is a plain copy instead of a palette lookup per pixel.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    return image;
}

Animation openAnimation(const QString& file, QSize screen) {
    const QByteArray bytes = readPictureFile(file);
    if (pictureFormat(bytes) != PictureFormat::Gif)
        refuseDamaged(file, QStringLiteral("no es una animación GIF"),
                      PlatformError::Cause::OtherFormat);
    const GifLayout layout = gifLayout(bytes);
    if (layout.largest.width() > screen.width() || layout.largest.height() > screen.height())
        refuseDamaged(file,
                      QStringLiteral("la animación mide %1 × %2 píxeles y no cabe en la "
                                     "pantalla, de %3 × %4")
                          .arg(layout.largest.width())
                          .arg(layout.largest.height())
                          .arg(screen.width())
                          .arg(screen.height()),
                      PlatformError::Cause::TooLarge);
    if (layout.frames > kMaxAnimationFrames ||
        qint64(layout.frames) * layout.largest.width() * layout.largest.height() >
            kMaxAnimationPixels)
        refuseDamaged(file,
                      QStringLiteral("la animación es demasiado larga: %1 fotogramas de "
                                     "%2 × %3 píxeles")
                          .arg(layout.frames)
                          .arg(layout.largest.width())
                          .arg(layout.largest.height()),
                      PlatformError::Cause::TooLong);
    Animation animation{std::make_unique<QMovie>(), {}};
    auto* buffer = new QBuffer(animation.movie.get());
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    animation.movie->setFormat("gif");
    animation.movie->setDevice(buffer);
    if (!animation.movie->isValid())
        refuseDamaged(file, QStringLiteral("sus datos están dañados o incompletos"));
    // Its frames come out of the reader at the size it finds here.
    QBuffer probe;
    probe.setData(bytes);
    probe.open(QIODevice::ReadOnly);
    QImageReader reader(&probe, "gif");
    reader.setAutoDetectImageFormat(false);
    animation.size = reader.size();
    // A movie player takes a GIF whose header is whole and then shows
    // nothing when its first frame does not decode.
    if (layout.frames == 0 || reader.read().isNull())
        refuseDamaged(file, QStringLiteral("sus datos están dañados o incompletos"));
    return animation;
}

} // namespace tamiro
