#include "support/content_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace tamiro::testing {

// Qt writes no GIF. One frame with a palette of the image's colours (one of
// them see-through when the image has one); the LZW
// data holds every pixel as a literal 9-bit code, with a clear code often
// enough that the code size never grows.
bool writeGif(const QString& path, const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_Indexed8); // exact up to 256
    QByteArray out("GIF89a");
    const auto put16 = [&out](int value) {
        out.append(char(value & 0xff)).append(char(value >> 8));
    };
    put16(image.width());
    put16(image.height());
    out.append("\xf7\0\0", 3); // a global table of 256 colours
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < image.colorCount() ? image.color(i) : 0;
        out.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour)));
    }
    for (int i = 0; i < image.colorCount(); ++i)
        if (qAlpha(image.color(i)) == 0) { // that colour is see-through
            out.append("\x21\xf9\x04\x01\0\0", 6).append(char(i)).append('\0');
            break;
        }
    out.append(',');
    for (int value : {0, 0, image.width(), image.height()})
        put16(value);
    out.append("\0\x08", 2);
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](int value) {
        bits |= quint32(value) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            data.append(char(bits & 0xff));
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if ((y * image.width() + x) % 250 == 0)
                code(256);
            code(image.pixelIndex(x, y));
        }
    code(257);
    if (count > 0)
        data.append(char(bits & 0xff));
    for (qsizetype at = 0; at < data.size(); at += 255)
        out.append(char(std::min<qsizetype>(255, data.size() - at))).append(data.mid(at, 255));
    out.append("\0;", 2);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

QImage framedImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width - 1, height - 1);
    return image;
}

// The path of a new file, with its folders made.
static QString made(const QString& file) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file;
}

void ContentTree::picture(const QString& relative, const QImage& image) {
    const QString file = made(path(relative));
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

QByteArray riffChunk(const char* id, const QByteArray& body, quint32 size) {
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
    QByteArray body = QByteArray("WAVE") + before + riffChunk("fmt ", fmt, fmt.size()) +
                      riffChunk("data", samples, dataSize ? dataSize : samples.size());
    body.chop(cut);
    return riffChunk("RIFF", body, body.size());
}

void ContentTree::text(const QString& relative, const QByteArray& bytes) {
    QFile file(made(path(relative)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(relative));
}

void ContentTree::folderNamed(const QString& relative) {
    QDir().mkpath(path(relative));
}

void ContentTree::remove(const QString& relative) {
    const QFileInfo info(path(relative));
    if (info.isDir())
        QDir(info.filePath()).removeRecursively();
    else
        QFile::remove(info.filePath());
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
