#include "platform/formats/picture_decoder.h"

#include "platform/formats/icon_file.h"
#include "platform/formats/picture_file.h"

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

QString readerProblem(QImageReader::ImageReaderError error) {
    switch (error) {
    case QImageReader::InvalidDataError:
        return Text::tr("sus datos están dañados o incompletos");
    case QImageReader::DeviceError:
        return Text::tr("no se ha podido leer");
    default:
        return Text::tr("no se ha podido descodificar");
    }
}

} // namespace

// Pictures are small; reading the file once serves both the decoder and the
// icon mask.
QImage decodePicture(const QByteArray& data, const QString& shownName) {
    const PictureFormat format = pictureFormat(data);
    refuseUnwantedFormat(shownName, format);
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

} // namespace tamiro
