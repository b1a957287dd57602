#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace tamiro::maker {

// An SVG document is read whole into memory and checked before it is drawn:
// at most this large, with at most this many elements, each counted as often
// as the document reuses it.
constexpr qint64 kMaxSvgBytes = 8 * 1024 * 1024;
constexpr int kMaxSvgElements = 50000;
constexpr qint64 kMaxSvgDrawnElements = 200000;

// Throws PlatformError naming `file` when the document declares entities or
// anything else inside a document type, refers to anything outside itself (a linked file, a
// network address, an embedded file), is too large, reuses its parts too
// often, or is no well-formed XML.
void checkSvg(const QByteArray& bytes, const QString& file);

// The checked document drawn on white, fitted into `area` with its aspect
// kept: a drawing has no pixels to lose when it is enlarged.
QImage renderSvg(const QByteArray& bytes, const QString& file, QSize area);

} // namespace tamiro::maker
