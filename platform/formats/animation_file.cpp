#include "platform/formats/animation_file.h"

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
} // namespace

Animation openAnimation(const QString& file, QSize screen) {
    const QByteArray bytes = readPictureFile(file);
    if (pictureFormat(bytes) != PictureFormat::Gif)
        refuseDamaged(file, Text::tr("no es una animación GIF"), PlatformError::Cause::OtherFormat);
    const GifLayout layout = gifLayout(bytes);
    if (layout.largest.width() > screen.width() || layout.largest.height() > screen.height())
        refuseDamaged(file,
                      //: %1 × %2 is the animation's size, %3 × %4 the screen's.
                      Text::tr("la animación mide %1 × %2 píxeles y no cabe en la "
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
                      //: %1 is its number of frames, %2 × %3 their size.
                      Text::tr("la animación es demasiado larga: %1 fotogramas de "
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
        refuseDamaged(file, Text::tr("sus datos están dañados o incompletos"));
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
        refuseDamaged(file, Text::tr("sus datos están dañados o incompletos"));
    return animation;
}

} // namespace tamiro
