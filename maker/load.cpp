#include "maker/maker.h"
#include "maker/svg.h"
#include "platform/core/errors.h"
#include "platform/formats/content_file.h"
#include "platform/formats/picture_file.h"
#include "rules/drawing_area.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace tamiro::maker {

namespace {

// A picture file is read whole, at most this large.
constexpr qint64 kMaxSourceBytes = qint64{64} * 1024 * 1024;
// The pixels a header may promise, checked before decoding: 4000 x 3000 for
// most formats, which may decode at 8 bytes a pixel; JPEG is decoded scaled
// down, but a progressive one keeps all its coefficients while it decodes.
constexpr qint64 kMaxSourcePixels = qint64{12} * 1000 * 1000;
constexpr qint64 kMaxJpegPixels = qint64{24} * 1000 * 1000;

enum class Format { None, Png, Jpeg, Gif, Bitmap, WebP, Svg };

// Told by the first bytes alone, never by the name.
Format sniff(const QByteArray& bytes) {
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return Format::Png;
    if (bytes.startsWith("\xff\xd8\xff"))
        return Format::Jpeg;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return Format::Gif;
    if (bytes.startsWith("BM"))
        return Format::Bitmap;
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return Format::WebP;
    // XML text, perhaps after a byte order mark and blanks, whose first
    // element is <svg>.
    QByteArrayView text(bytes);
    if (text.startsWith("\xef\xbb\xbf"))
        text = text.sliced(3);
    text = text.trimmed();
    if ((text.startsWith("<?xml") || text.startsWith("<!--") || text.startsWith("<svg") ||
         text.startsWith("<!DOCTYPE")) &&
        text.first(std::min<qsizetype>(text.size(), 4096)).contains("<svg"))
        return Format::Svg;
    return Format::None;
}

const char* readerName(Format format) {
    switch (format) {
    case Format::Png:
        return "png";
    case Format::Jpeg:
        return "jpeg";
    case Format::Gif:
        return "gif";
    case Format::Bitmap:
        return "bmp";
    case Format::WebP:
        return "webp";
    default:
        return "";
    }
}

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::DrawingMaker)
};

// Transparent parts become white, as on paper.
QImage flattenedAndFitted(QImage image, QSize target) {
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB32);
        return image.size() == target
                   ? image
                   : image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage flat(target, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

QImage decodeRaster(const QByteArray& bytes, Format format, const QString& file, QSize area) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, readerName(format));
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        refuseDamaged(file, Text::tr("sus datos están dañados o incompletos"));
    if (qint64(stored.width()) * stored.height() >
        (format == Format::Jpeg ? kMaxJpegPixels : kMaxSourcePixels))
        refusePictureSize(file, stored);
    // The turn the file asks for (its EXIF orientation) comes after decoding.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize target = fittedSize(turned ? stored.transposed() : stored, area);
    if (format == Format::Jpeg && target.width() < (turned ? stored.height() : stored.width()))
        reader.setScaledSize(turned ? target.transposed() : target);
    QImage image = reader.read();
    if (image.isNull())
        refuseDamaged(file, reader.error() == QImageReader::InvalidDataError
                                ? Text::tr("sus datos están dañados o incompletos")
                                : Text::tr("no se ha podido descodificar"));
    return flattenedAndFitted(std::move(image), target);
}

} // namespace

QSize drawingArea() {
    static const QSize area = largestWhole(QSize(1024, 768));
    return area;
}

QSize fittedSize(QSize size, QSize area) {
    const double scale =
        std::min({double(area.width()) / size.width(), double(area.height()) / size.height(), 2.0});
    return QSize(std::clamp(int(std::lround(size.width() * scale)), 1, area.width()),
                 std::clamp(int(std::lround(size.height() * scale)), 1, area.height()));
}

Source loadSource(const QString& file, QSize area) {
    ContentFile input(file);
    if (input.size() > kMaxSourceBytes)
        throw PlatformError(
            Text::tr("el archivo «%1» es demasiado grande para ser una imagen (%2 MB)")
                .arg(file)
                .arg(input.size() / (qint64{1024} * 1024)),
            PlatformError::Cause::TooLarge);
    QByteArray bytes;
    input.readInto(bytes, kMaxSourceBytes);
    return loadSource(bytes, file, area);
}

Source loadSource(const QByteArray& bytes, const QString& file, QSize area) {
    const Format format = sniff(bytes);
    if (format == Format::None)
        refuseDamaged(file, Text::tr("no es una imagen PNG, JPEG, GIF, BMP, WebP ni SVG"),
                      PlatformError::Cause::OtherFormat);
    if (format == Format::Svg)
        return {renderSvg(bytes, file, area), file};
    return {decodeRaster(bytes, format, file, area), file};
}

} // namespace tamiro::maker
