#include "platform/formats/picture_file.h"

#include "platform/core/errors.h"
#include "platform/formats/bytes.h"
#include "platform/formats/content_file.h"
#include "platform/formats/icon_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace tamiro {

namespace {

// What is wrong with a picture file: a description that completes the
// child's message or the teacher's line, in lower case.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::PictureProblems)
};

} // namespace

bool tooLargePicture(QSize size) {
    return size.isValid() && (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
                              qint64(size.width()) * size.height() > kMaxPicturePixels);
}

void refusePictureSize(const QString& file, QSize size) {
    //: %1 is the file's path, %2 × %3 the picture's size.
    throw PlatformError(Text::tr("la imagen «%1» es demasiado grande (%2 × %3 píxeles)")
                            .arg(file)
                            .arg(size.width())
                            .arg(size.height()),
                        PlatformError::Cause::TooLarge);
}

void refuseIconSize(const QString& file, QSize size) {
    throw PlatformError(
        //: %1 is the file's path, %2 × %3 the size it says, %4 × %4 the largest an icon has.
        Text::tr("el icono «%1» está dañado: mide %2 × %3 píxeles y un icono no pasa de "
                 "%4 × %4")
            .arg(file)
            .arg(size.width())
            .arg(size.height())
            .arg(kMaxIconSide));
}

void refuseDamaged(const QString& file, const QString& problem, PlatformError::Cause cause) {
    throw PlatformError(
        //: %1 is the file's path, %2 what is wrong with it, from the descriptions that follow.
        Text::tr("el archivo «%1» no es una imagen válida: %2").arg(file, problem), cause);
}

PictureFormat pictureFormat(const QByteArray& bytes) {
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return PictureFormat::Gif;
    if (bytes.startsWith("\xff\xd8\xff"))
        return PictureFormat::Jpeg;
    if (bytes.startsWith("BM"))
        return PictureFormat::Bitmap;
    if (isIconFile(bytes))
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

void refuseUnwantedFormat(const QString& file, PictureFormat format) {
    if (file.endsWith(u".ico", Qt::CaseInsensitive)) {
        if (format != PictureFormat::Icon)
            refuseDamaged(file, Text::tr("no es un icono"), PlatformError::Cause::OtherFormat);
    } else if (format == PictureFormat::None || format == PictureFormat::Icon) {
        refuseDamaged(file, Text::tr("no es una imagen GIF, JPEG ni BMP"),
                      PlatformError::Cause::OtherFormat);
    }
}

namespace {

QSize gifSize(const QByteArray& data, qsizetype at) {
    quint16 width = 0, height = 0;
    readLittle(data, at, width);
    readLittle(data, at + 2, height);
    return {width, height};
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
        quint16 length = 0;
        readBig(data, at + 2, length);
        at += 2 + length;
    }
    return scans;
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

// The part of a file read to look at its header.
constexpr qsizetype kHeaderBytes = qsizetype{64} * 1024;

} // namespace

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

QByteArray readPictureFile(const QString& file) {
    ContentFile input(file);
    return readPictureFile(input);
}

QByteArray readPictureFile(ContentFile& input) {
    const QString& file = input.name();
    if (input.size() > kMaxPictureFileBytes)
        throw PlatformError(
            //: %1 is the file's path, %2 its size in megabytes.
            Text::tr("el archivo «%1» es demasiado grande para ser una imagen (%2 MB)")
                .arg(file)
                .arg(input.size() / (qint64{1024} * 1024)),
            PlatformError::Cause::TooLarge);
    QByteArray data;
    input.readInto(data, kHeaderBytes);
    refuseUnwantedFormat(file, pictureFormat(data));
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
            //: A JPEG saved in passes, each adding detail: %1 is the file's path, %2 its number
            //: of passes.
            Text::tr("la imagen «%1» tiene demasiadas pasadas (%2; el máximo es %3)")
                .arg(file)
                .arg(scans)
                .arg(kMaxJpegScans));
    return data;
}

} // namespace tamiro
