#pragma once

#include "platform/errors.h"

#include <QByteArray>
#include <QImage>
#include <QMovie>
#include <QSize>
#include <QString>
#include <memory>

namespace tamiro {

class ContentFile;

// What the program takes as a picture: at most 8192 pixels a side and 4 M
// pixels in all (16 MB decoded, 2048 x 2048 or 4096 x 1024), from a file of at
// most 64 MB. The window holds a background, a brush and a drawing with its
// surface and its uncoloured variant, besides the pictures kept for speed; at
// this size all of them together stay under 300 MB. A progressive JPEG is
// decoded once per scan over the whole picture, and encoders write about ten
// scans.
constexpr int kMaxPictureSide = 8192;
constexpr qint64 kMaxPicturePixels = 4 * 1024 * 1024;
constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;
constexpr int kMaxJpegScans = 64;
// An icon file describes pictures of at most 256 x 256 pixels.
constexpr int kMaxIconSide = 256;

bool tooLargePicture(QSize size);
// Throws PlatformError saying that the picture in `file` is too large.
[[noreturn]] void refusePictureSize(const QString& file, QSize size);
// Throws PlatformError saying that the icon in `file` is damaged, being
// larger than an icon can be.
[[noreturn]] void refuseIconSize(const QString& file, QSize size);
// Throws PlatformError saying that `file` is no valid picture, and why.
[[noreturn]] void refuseDamaged(const QString& file, const QString& problem,
                                PlatformError::Cause cause = PlatformError::Cause::Other);

// The formats the program reads, told by a file's first bytes alone: never by
// its name, and never by asking every decoder whether it recognises it.
enum class PictureFormat { None, Gif, Jpeg, Bitmap, Icon };
PictureFormat pictureFormat(const QByteArray& bytes);
// The name of the one Qt reader that decodes it.
QByteArray readerFormat(PictureFormat format);

// The bytes of a picture file on disk, checked before decoding: a file that
// is no ordinary file, one larger than kMaxPictureFileBytes, one in a format
// its name does not ask for (see decodePicture), and one whose header
// promises more pixels than allowed are refused before they are read whole;
// a GIF frame or an icon too large, or a JPEG with too many scans, after.
// Throws PlatformError naming the file.
QByteArray readPictureFile(const QString& file);
// The same for a file the caller has already opened.
QByteArray readPictureFile(ContentFile& input);

// Decodes the bytes of `file`, each format by its own reader alone, as the
// header names it: a name ending in .ico asks for an icon, any other for a
// GIF, a JPEG or a bitmap. Converted to the screen's formats; throws
// PlatformError naming the file.
QImage decodePicture(const QByteArray& data, const QString& file);

// Qt ignores the transparency mask of icons with 24 bits per pixel; this
// applies it from the file's own bytes. Other icons are returned unchanged.
QImage withIconMask(QImage image, const QByteArray& iconFile);

// An icon file as its decoder gets it: every PNG picture inside is cut down to
// the chunks that make its pixels, so that no text or colour profile is ever
// inflated. Other files come back unchanged.
QByteArray iconWithPlainPngs(const QByteArray& icon);

// An animation is decoded frame by frame over its whole logical screen once,
// and then played from its frames kept in memory: at most 500 of them, and
// 64 M pixels decoded in all (85 frames of 1024 x 768, 500 of 360 x 360).
constexpr int kMaxAnimationFrames = 500;
constexpr qint64 kMaxAnimationPixels = 64 * 1024 * 1024;

// An animation that will play: Qt's movie player on the file's bytes, read
// once, not started yet, and the size its frames come out at.
struct Animation {
    std::unique_ptr<QMovie> movie;
    QSize size;
};
// Whether the animated GIF `file` plays on a screen of `screen` pixels: the
// animation control plays what this gives, and the teacher's checker asks
// the same. The file is read and checked like any picture; it must be a GIF
// no larger than the screen, counting its logical screen and every frame,
// within the limits above, that the movie player takes as valid. Otherwise
// throws PlatformError naming the file, whose cause tells a file too large,
// too long or no GIF.
Animation openAnimation(const QString& file, QSize screen);

} // namespace tamiro
