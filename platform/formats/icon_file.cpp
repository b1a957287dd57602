#include "platform/formats/icon_file.h"

#include "platform/formats/bytes.h"

#include <QtEndian>
#include <algorithm>

namespace tamiro {

namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n");

// A PNG with only the chunks that make its pixels; a damaged chunk ends it.
QByteArray plainPng(const QByteArray& png) {
    QByteArray plain = png.left(8);
    for (qsizetype at = 8; at + 12 <= png.size();) {
        quint32 length = 0;
        readBig(png, at, length);
        if (length > quint64(png.size() - at - 12))
            break;
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "IHDR" || type == "PLTE" || type == "tRNS" || type == "IDAT" || type == "IEND")
            plain += png.mid(at, 12 + qsizetype(length));
        if (type == "IEND")
            break;
        at += 12 + qsizetype(length);
    }
    return plain;
}

} // namespace

bool isIconFile(const QByteArray& bytes) {
    return bytes.startsWith(QByteArray("\0\0\1\0", 4)) ||
           bytes.startsWith(QByteArray("\0\0\2\0", 4));
}

QSize largestIcon(const QByteArray& data) {
    quint16 count = 0;
    if (!isIconFile(data) || !readLittle(data, 4, count))
        return {};
    QSize largest(0, 0);
    for (qsizetype entry = 6; entry < 6 + 16 * qsizetype(count) && entry + 16 <= data.size();
         entry += 16) {
        const int side = quint8(data.at(entry)) ? quint8(data.at(entry)) : 256;
        largest = largest.expandedTo(
            QSize(side, quint8(data.at(entry + 1)) ? quint8(data.at(entry + 1)) : 256));
        quint32 offset = 0, width = 0, height = 0;
        if (readLittle(data, entry + 12, offset) && offset + 24 <= quint64(data.size()) &&
            data.mid(offset, 8) == kPngSignature && readBig(data, qsizetype(offset) + 16, width) &&
            readBig(data, qsizetype(offset) + 20, height))
            largest = largest.expandedTo(
                QSize(int(std::min(width, 1u << 30)), int(std::min(height, 1u << 30))));
    }
    return largest;
}

QByteArray iconWithPlainPngs(const QByteArray& icon) {
    quint16 count = 0;
    if (!isIconFile(icon) || !readLittle(icon, 4, count))
        return icon;
    // The plain PNGs go at the end and their entries point there; the rest of
    // the file stays where it was.
    QByteArray decoded = icon;
    for (qsizetype entry = 6; entry < 6 + 16 * qsizetype(count) && entry + 16 <= icon.size();
         entry += 16) {
        quint32 bytes = 0, offset = 0;
        readLittle(icon, entry + 8, bytes);
        readLittle(icon, entry + 12, offset);
        if (offset >= quint64(icon.size()) || icon.mid(offset, 8) != kPngSignature)
            continue;
        const QByteArray png = plainPng(icon.mid(offset, bytes));
        qToLittleEndian(quint32(png.size()), decoded.data() + entry + 8);
        qToLittleEndian(quint32(decoded.size()), decoded.data() + entry + 12);
        decoded += png;
    }
    return decoded;
}

QImage withIconMask(QImage image, const QByteArray& data) {
    quint16 reserved = 0, type = 0, count = 0;
    if (!readLittle(data, 0, reserved) || !readLittle(data, 2, type) ||
        !readLittle(data, 4, count) || reserved != 0 || type != 1 || count == 0)
        return image;
    quint32 offset = 0;
    if (!readLittle(data, 6 + 12, offset))
        return image;
    quint32 headerSize = 0;
    qint32 width = 0, doubleHeight = 0;
    quint16 bitCount = 0;
    if (!readLittle(data, offset, headerSize) || headerSize < 40 ||
        !readLittle(data, offset + 4, width) || !readLittle(data, offset + 8, doubleHeight) ||
        !readLittle(data, offset + 14, bitCount))
        return image;
    const qint32 height = doubleHeight / 2;
    if (bitCount != 24 || width != image.width() || height != image.height() || width <= 0 ||
        height <= 0)
        return image;
    const qsizetype colourRow = ((qsizetype(width) * 24 + 31) / 32) * 4;
    const qsizetype maskRow = ((qsizetype(width) + 31) / 32) * 4;
    const qsizetype maskStart = qsizetype(offset) + headerSize + colourRow * height;
    if (maskStart + maskRow * height > data.size())
        return image;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom up; a set bit is a transparent pixel.
        const auto* row = reinterpret_cast<const uchar*>(data.constData()) + maskStart +
                          maskRow * (height - 1 - y);
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            if (row[x / 8] & (0x80 >> (x % 8)))
                pixels[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

} // namespace tamiro
