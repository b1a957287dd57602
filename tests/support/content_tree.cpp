#include "support/content_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QPainter>

namespace tamiro::testing {

namespace {

void appendLittle16(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// LZW data without compression: every pixel is a literal code of 9 bits and a
// clear code comes often enough that the code size never grows.
QByteArray lzwLiterals(const std::vector<uchar>& indexes) {
    QByteArray packed;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += 9;
        while (count >= 8) {
            packed.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    int sinceClear = 0;
    put(256);
    for (uchar index : indexes) {
        if (sinceClear == 250) {
            put(256);
            sinceClear = 0;
        }
        put(index);
        ++sinceClear;
    }
    put(257);
    if (count > 0)
        packed.append(char(bits & 0xff));
    return packed;
}

} // namespace

bool writeGif(const QString& path, const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, uchar> palette;
    std::vector<QRgb> colours;
    std::vector<uchar> indexes;
    indexes.reserve(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xff000000u;
            auto found = palette.find(pixel);
            if (found == palette.end()) {
                if (colours.size() == 256)
                    return false;
                found = palette.insert(pixel, uchar(colours.size()));
                colours.push_back(pixel);
            }
            indexes.push_back(*found);
        }
    }
    colours.resize(256, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    appendLittle16(out, image.width());
    appendLittle16(out, image.height());
    out.append(char(0xf7)); // global table of 256 colours
    out.append(char(0));
    out.append(char(0));
    for (QRgb colour : colours) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    out.append(char(0x2c));
    appendLittle16(out, 0);
    appendLittle16(out, 0);
    appendLittle16(out, image.width());
    appendLittle16(out, image.height());
    out.append(char(0));
    out.append(char(8));
    const QByteArray data = lzwLiterals(indexes);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        out.append(char(length));
        out.append(data.mid(at, length));
    }
    out.append(char(0));
    out.append(char(0x3b));

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

ContentTree::ContentTree() : root_(dir_.path()) {}

static void makeParent(const QString& file) {
    QDir().mkpath(QFileInfo(file).absolutePath());
}

void ContentTree::gif(const QString& relative, int width, int height, const QColor& fill) {
    gif(relative, framedImage(width, height, fill));
}

void ContentTree::gif(const QString& relative, const QImage& image) {
    makeParent(path(relative));
    if (!writeGif(path(relative), image))
        qFatal("cannot write %s", qPrintable(relative));
}

void ContentTree::jpeg(const QString& relative, const QImage& image) {
    makeParent(path(relative));
    if (!image.save(path(relative), "JPEG", 100))
        qFatal("cannot write %s", qPrintable(relative));
}

void ContentTree::icon(const QString& relative, const QColor& fill) {
    makeParent(path(relative));
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(fill);
    QImageWriter writer(path(relative), "ico");
    if (!writer.write(image))
        qFatal("cannot write %s", qPrintable(relative));
}

void ContentTree::text(const QString& relative, const QByteArray& bytes) {
    makeParent(path(relative));
    QFile file(path(relative));
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

void ContentTree::drawing(int folder, int number, int width, int height, bool jpegColoured) {
    const QString base = QStringLiteral("dibujos/%1/").arg(folder);
    if (jpegColoured)
        jpeg(base + QStringLiteral("si coloreado/%1.jpg").arg(number),
             framedImage(width, height, Qt::red));
    else
        gif(base + QStringLiteral("si coloreado/%1.gif").arg(number), width, height, Qt::red);
    gif(base + QStringLiteral("no coloreado/%1.gif").arg(number), width, height, Qt::white);
}

void ContentTree::basics() {
    gif(QStringLiteral("medida/1.gif"), 41, 33, Qt::green);
    icon(QStringLiteral("punteros/1.ico"));
    gif(QStringLiteral("fondo.gif"), 10, 10, Qt::cyan);
}

} // namespace tamiro::testing
