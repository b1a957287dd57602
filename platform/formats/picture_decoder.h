#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tamiro {

// Decodes the bytes of `file`, each format by its own reader alone, as the
// header names it: a name ending in .ico asks for an icon, any other for a
// GIF, a JPEG or a bitmap. Nothing larger than the picture limits
// (picture_file.h) is decoded. Converted to the screen's formats; throws
// PlatformError naming the file.
QImage decodePicture(const QByteArray& data, const QString& file);

} // namespace tamiro
