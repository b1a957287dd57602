#pragma once

// Content trees made by the tests: real files in a temporary folder, written
// in the formats the program reads.

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace tamiro::testing {

// A one-frame GIF of an image of at most 128 colours (one may be see-through).
bool writeGif(const QString& path, const QImage& image);

// The image in a format Qt writes, progressive where the format can be.
QByteArray encoded(const QImage& image, const char* format);

// A picture of one colour, with a 1-pixel black frame to tell its edges.
QImage framedImage(int width, int height, const QColor& fill);

// A RIFF/WAVE file of a loud 200 Hz square wave of 0.1 s: a format chunk of
// `tag` (0xfffe: extensible, PCM with this channel mask) and `fmtSize`, after
// `before`; a data chunk of the samples' size unless given; `cut` bytes off.
struct Wav {
    int channels = 1, rate = 22050, bits = 16, tag = 1, fmtSize = 16;
    quint32 mask = 0, dataSize = 0;
    QByteArray before = {}, after = {}; // chunks before the format chunk, after the data
    int cut = 0;
    QByteArray bytes() const;
};

class ContentTree {
public:
    QString folder() const { return dir_.path(); }
    QString path(const QString& relative) const { return folder() + '/' + relative; }

    // A picture in the format its name ends with, in any letter case.
    void picture(const QString& relative, const QImage& image);
    void gif(const QString& relative, int width, int height, const QColor& fill = Qt::red) {
        picture(relative, framedImage(width, height, fill));
    }
    void text(const QString& relative, const QByteArray& bytes);
    void folderNamed(const QString& relative);
    void remove(const QString& relative);
    // A drawing: the coloured variant red, the uncoloured white.
    void drawing(int folder, int number, int width = 40, int height = 30);
    // Brush size 1 (41 x 33 pixels: 615 x 495 twips), pointer 1, background.
    void basics();

private:
    QTemporaryDir dir_;
};

} // namespace tamiro::testing
