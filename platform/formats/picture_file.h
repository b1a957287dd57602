#pragma once

// Picture files as the program takes them: the formats it reads, told by a
// file's first bytes, and the limits a file and the picture in it must keep,
// checked on the header before the file is read whole. Decoding is in
// picture_decoder.h, icons' own repairs in icon_file.h, animations in
// animation_file.h.

#include "platform/core/errors.h"

#include <QByteArray>
#include <QSize>
#include <QString>

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
constexpr qint64 kMaxPicturePixels = qint64{4} * 1024 * 1024;
constexpr qint64 kMaxPictureFileBytes = qint64{64} * 1024 * 1024;
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
// A name ending in .ico asks for an icon, any other for a GIF, a JPEG or a
// bitmap: throws PlatformError when `format` is not what `file` asks for.
void refuseUnwantedFormat(const QString& file, PictureFormat format);

// A GIF is decoded into an image of its logical screen, whatever the size of
// its frames; the largest of the screen and the frames, and the number of
// frames, from its blocks. An invalid size for what is no GIF.
struct GifLayout {
    QSize largest;
    int frames = 0;
};
GifLayout gifLayout(const QByteArray& data);

// The bytes of a picture file on disk, checked before decoding: a file that
// is no ordinary file, one larger than kMaxPictureFileBytes, one in a format
// its name does not ask for, and one whose header promises more pixels than
// allowed are refused before they are read whole; a GIF frame or an icon too
// large, or a JPEG with too many scans, after. Throws PlatformError naming
// the file.
QByteArray readPictureFile(const QString& file);
// The same for a file the caller has already opened.
QByteArray readPictureFile(ContentFile& input);

} // namespace tamiro
