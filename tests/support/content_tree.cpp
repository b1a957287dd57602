#include "support/content_tree.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

namespace tamiro::testing {

// Qt writes no GIF. With 7-bit codes, every pixel is one byte of the LZW data,
// a literal, with a clear code often enough that the codes stay 8 bits wide.
bool writeGif(const QString& path, const QImage& image) {
    QList<QRgb> palette; // at most 128 colours, one of them see-through perhaps
    QByteArray out("GIF89a"), seeThrough, data;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QRgb pixel = image.pixel(i % image.width(), i / image.width());
        if (!palette.contains(pixel))
            palette << pixel;
        if (i % 100 == 0)
            data.append(char(128));
        data.append(char(palette.indexOf(pixel)));
    }
    data.append(char(129));
    const auto put16 = [&out](int value) { out.append(char(value)).append(char(value >> 8)); };
    put16(image.width());
    put16(image.height());
    out.append("\xf6\0\0", 3); // a global table of 128 colours
    for (int i = 0; i < 128; ++i) {
        const QRgb colour = palette.value(i, qRgb(0, 0, 0));
        out.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour)));
        if (qAlpha(colour) == 0)
            seeThrough = QByteArray("\x21\xf9\x04\x01\0\0", 6) + char(i) + '\0';
    }
    out.append(seeThrough).append(",\0\0\0\0", 5);
    put16(image.width());
    put16(image.height());
    out.append("\0\x07", 2);
    for (qsizetype at = 0; at < data.size(); at += 255)
        out.append(char(std::min<qsizetype>(255, data.size() - at))).append(data.mid(at, 255));
    out.append("\0;", 2);
    QFile file(path);
    return palette.size() <= 128 && file.open(QIODevice::WriteOnly) &&
           file.write(out) == out.size();
}

QByteArray encoded(const QImage& image, const char* format) {
    QBuffer buffer; // opened by the writer
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return buffer.data();
}

QImage framedImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width - 1, height - 1);
    return image;
}

void ContentTree::picture(const QString& relative, const QImage& image) {
    folderNamed(relative.section(u'/', 0, -2));
    const QString file = path(relative);
    if (!(relative.endsWith(".gif", Qt::CaseInsensitive) ? writeGif(file, image)
                                                         : image.save(file, nullptr, 100)))
        qFatal("cannot write %s", qPrintable(relative));
}

static QByteArray le(quint32 value, int bytes) {
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[i] = char(value >> (8 * i));
    return out;
}

static QByteArray riffChunk(const char* id, const QByteArray& body, quint32 size) {
    return QByteArray(id, 4) + le(size, 4) + body;
}

QByteArray Wav::bytes() const {
    QByteArray fmt = le(tag, 2) + le(channels, 2) + le(rate, 4) +
                     le(rate * channels * bits / 8, 4) + le(channels * bits / 8, 2) + le(bits, 2);
    if (fmtSize >= 18)
        fmt += le(fmtSize - 18, 2);
    if (fmtSize == 40)
        fmt += le(bits, 2) + le(mask, 4) +
               QByteArray("\1\0\0\0\0\0\x10\0\x80\0\0\xaa\0\x38\x9b\x71", 16);
    QByteArray samples;
    for (int i = 0; i < rate / 10 * channels; ++i) {
        const bool high = i / channels / (rate / 400) % 2; // 200 Hz
        samples += bits == 8 ? QByteArray(1, high ? char(228) : char(28))
                             : le(high ? 20000 : quint32(-20000), bits / 8);
    }
    QByteArray body = QByteArray("WAVE") + before + riffChunk("fmt ", fmt, quint32(fmt.size())) +
                      riffChunk("data", samples, dataSize ? dataSize : quint32(samples.size())) +
                      after;
    body.chop(cut);
    return riffChunk("RIFF", body, quint32(body.size()));
}

void ContentTree::text(const QString& relative, const QByteArray& bytes) {
    folderNamed(relative.section(u'/', 0, -2));
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(relative));
}

void ContentTree::folderNamed(const QString& relative) {
    QDir().mkpath(path(relative));
}

void ContentTree::remove(const QString& relative) {
    if (!QFile::remove(path(relative))) // a folder
        QDir(path(relative)).removeRecursively();
}

void ContentTree::drawing(int folder, int number, int width, int height) {
    const QString base = QStringLiteral("dibujos/%1/%3 coloreado/%2.gif").arg(folder).arg(number);
    gif(base.arg("si"), width, height, Qt::red);
    gif(base.arg("no"), width, height, Qt::white);
}

void ContentTree::basics() {
    gif(QStringLiteral("medida/1.gif"), 41, 33, Qt::green);
    picture(QStringLiteral("punteros/1.ico"), framedImage(32, 32, Qt::blue));
    gif(QStringLiteral("fondo.gif"), 10, 10, Qt::cyan);
}

} // namespace tamiro::testing
