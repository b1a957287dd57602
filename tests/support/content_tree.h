#pragma once

// Content trees made by the tests: real files in a temporary folder, written
// in the formats the program reads.

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace tamiro::testing {

// Writes a one-frame GIF with a palette of the image's colours (at most 256).
bool writeGif(const QString& path, const QImage& image);

// A picture w x h pixels of one colour, with a 1-pixel black frame so that its
// edges can be told apart.
QImage framedImage(int width, int height, const QColor& fill);

// A RIFF/WAVE file of a loud 200 Hz square wave of 0.1 s: a format chunk of
// `tag` (0xfffe: extensible, PCM with this channel mask) and `fmtSize`, with
// `before` in front of it; a data chunk of the samples' size unless given;
// `cut` bytes left off the end.
struct Wav {
    int channels = 1, rate = 22050, bits = 16, tag = 1, fmtSize = 16;
    quint32 mask = 0, dataSize = 0;
    QByteArray before = {};
    int cut = 0;
    QByteArray bytes() const;
};
QByteArray riffChunk(const char* id, const QByteArray& body, quint32 size);

class ContentTree {
public:
    QString folder() const { return dir_.path(); }
    QString path(const QString& relative) const { return folder() + '/' + relative; }

    // A picture in the format its name ends with, in any letter case.
    void picture(const QString& relative, const QImage& image);
    void gif(const QString& relative, const QImage& image) { picture(relative, image); }
    void gif(const QString& relative, int width, int height, const QColor& fill = Qt::red) {
        picture(relative, framedImage(width, height, fill));
    }
    void text(const QString& relative, const QByteArray& bytes);
    void folderNamed(const QString& relative);
    void remove(const QString& relative);

    // A drawing: the coloured variant red, the uncoloured white, both framed.
    void drawing(int folder, int number, int width = 40, int height = 30);

    // Brush size 1 (41 x 33 pixels: 615 x 495 twips), pointer 1, background.
    void basics();

private:
    QTemporaryDir dir_;
};

} // namespace tamiro::testing
