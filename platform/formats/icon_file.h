#pragma once

// Icon files, repaired where Qt's reader falls short: the transparency mask of
// 24-bit icons, and PNG pictures inside an icon cut down to their pixels.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace tamiro {

// An icon, or a pointer saved with the cursor type, by its first bytes.
bool isIconFile(const QByteArray& bytes);

// The largest picture the icon's directory describes, counting the size a PNG
// inside claims; an invalid size for what is no icon.
QSize largestIcon(const QByteArray& icon);

// Qt ignores the transparency mask of icons with 24 bits per pixel; this
// applies it from the file's own bytes. Other icons are returned unchanged.
QImage withIconMask(QImage image, const QByteArray& iconFile);

// An icon file as its decoder gets it: every PNG picture inside is cut down to
// the chunks that make its pixels, so that no text or colour profile is ever
// inflated. Other files come back unchanged.
QByteArray iconWithPlainPngs(const QByteArray& icon);

} // namespace tamiro
