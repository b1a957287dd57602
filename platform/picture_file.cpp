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
                            .arg(size.height()));
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

QSize gifSize(const QByteArray& data, qsizetype at) {
    quint16 width = 0, height = 0;
    readLittle(data, at, width);
    readLittle(data, at + 2, height);
    return {width, height};
}

// A GIF is decoded into an image of its logical screen, whatever the size of
// its frames; each frame is looked at too. The largest size found, or an
// invalid size for what is no GIF.
QSize largestGifImage(const QByteArray& data) {
    if (!data.startsWith("GIF87a") && !data.startsWith("GIF89a"))
        return {};
    QSize largest = gifSize(data, 6);
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
            largest = largest.expandedTo(gifSize(data, at + 5));
            at = skipBlocks(at + 10 + palette(at + 9) + 1);
        } else if (block == '!') {
            at = skipBlocks(at + 2);
        } else {
            break; // the trailer, or damage the decoder will report
        }
    }
    return largest;
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
    quint16 reserved = 1, type = 0, count = 0;
    if (!readLittle(data, 0, reserved) || !readLittle(data, 2, type) ||
        !readLittle(data, 4, count) || reserved != 0 || (type != 1 && type != 2))
        return {};
    QSize largest(0, 0);
    for (qsizetype entry = 6; entry < 6 + 16 * qsizetype(count) && entry + 16 <= data.size();
         entry += 16) {
        const int side = quint8(data.at(entry)) ? quint8(data.at(entry)) : 256;
        largest = largest.expandedTo(
            QSize(side, quint8(data.at(entry + 1)) ? quint8(data.at(entry + 1)) : 256));
        quint32 offset = 0;
        if (readLittle(data, entry + 12, offset) && offset + 24 <= quint64(data.size()) &&
            data.mid(offset, 8) == "\x89PNG\r\n\x1a\n")
            largest = largest.expandedTo(QSize(
                int(std::min(qFromBigEndian<quint32>(data.constData() + offset + 16), 1u << 30)),
                int(std::min(qFromBigEndian<quint32>(data.constData() + offset + 20), 1u << 30))));
    }
    return largest;
}

QSize headerSize(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.size();
}

} // namespace

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
                .arg(input.size() / (1024 * 1024)));
    QByteArray data;
    input.readInto(data, kHeaderBytes);
    for (const QSize size : {largestGifImage(data), headerSize(data)})
        if (tooLargePicture(size))
            refusePictureSize(file, size);
    input.readInto(data, kMaxPictureFileBytes);
    if (const QSize size = largestGifImage(data); tooLargePicture(size))
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

} // namespace tamiro
