#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace tamiro {

class ContentFile;

// What the program takes as a picture: at most 8192 pixels a side and 16 M
// pixels in all, from a file of at most 64 MB. A progressive JPEG is decoded
// once per scan over the whole picture, and encoders write about ten scans.
constexpr int kMaxPictureSide = 8192;
constexpr qint64 kMaxPicturePixels = 16 * 1024 * 1024;
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

// The bytes of a picture file on disk, checked before decoding: a file that
// is no ordinary file, one larger than kMaxPictureFileBytes, and one whose
// header promises more pixels than allowed are refused before they are read
// whole; a GIF frame or an icon too large, or a JPEG with too many scans,
// after. Throws
// PlatformError naming the file.
QByteArray readPictureFile(const QString& file);
// The same for a file the caller has already opened.
QByteArray readPictureFile(ContentFile& input);

} // namespace tamiro
