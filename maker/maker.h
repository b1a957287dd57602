#pragma once

// The drawing maker: from one picture (or a picture and its colouring page)
// it makes the pair the program shows, a coloured drawing and its uncoloured
// lines, both the same size. Loading is separate from making, so a preview
// loads once and makes again as the teacher moves the controls. Nothing here
// writes a file: the pair comes back as encoded bytes.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tamiro::maker {

// The largest drawing the smallest school screen (1024 x 768) shows whole.
QSize drawingArea();
// The size a raster picture of `size` pixels takes in `area`: aspect kept,
// enlarged at most twice, at least one pixel a side.
QSize fittedSize(QSize size, QSize area);

// A picture read, flattened onto white, turned upright and fitted into the
// drawing area: RGB32, aspect kept, enlarged at most twice.
struct Source {
    QImage image;
    QString file;
};

// Reads PNG, JPEG, GIF (its first frame), BMP, WebP or SVG, told by the
// file's first bytes. A FIFO or a device, a file too large, a picture whose
// header promises too many pixels, an SVG with a document type, an entity or
// a reference outside itself: each throws PlatformError naming the file, in
// Spanish, before anything large is decoded.
Source loadSource(const QString& file, QSize area = drawingArea());
// The same from bytes already in memory; `file` names them in messages.
Source loadSource(const QByteArray& bytes, const QString& file, QSize area = drawingArea());

// What the picture is, which decides how its lines are found.
enum class Kind {
    Automatic,
    Outlined, // clip art with dark outlines: the artist's lines kept as drawn
    Flat,     // flat colour: a line where colours meet, joined with any dark lines
    Photo,    // smoothed, then the boundaries of a few colours
    Page,     // a colouring page: cleaned, and filled with colours for the coloured drawing
};

struct Settings {
    Kind kind = Kind::Automatic;
    // The width of the lines drawn between colours, and the least width of
    // the artist's own lines, in pixels.
    int lineWidth = 3;
    static constexpr int kThinnest = 2, kThickest = 9;
    // 1 to 10: more keeps smaller pieces and tells more colours apart.
    int detail = 5;
    static constexpr int kLeastDetail = 1, kMostDetail = 10;
};

struct Drawing {
    Kind kind = Kind::Automatic; // the kind used, never Automatic
    QImage coloured;             // RGB32
    QImage uncoloured;           // Indexed8 with two colours: 0 black, 1 white
    int regions = 0;             // closed white regions a child can colour
    QStringList warnings;        // plain Spanish sentences, each saying what to try
};

// The kind Automatic would choose for this picture.
Kind detectKind(const QImage& image);

// Makes the pair from one picture.
Drawing makeDrawing(const Source& source, const Settings& settings = {});
// Makes the pair from a coloured picture and its colouring page (two scans,
// say): the page is brought to the coloured picture's size and cleaned.
Drawing makeDrawing(const Source& coloured, const Source& page, const Settings& settings = {});

struct EncodedPair {
    QByteArray coloured;   // a GIF, or a JPEG for a photo
    QByteArray uncoloured; // a GIF of two colours, black and white, without transparency
    bool colouredIsJpeg = false;
    QString colouredExtension() const { return colouredIsJpeg ? ".jpg" : ".gif"; }
};

// Encodes both files as the program reads them.
EncodedPair encodeDrawing(const Drawing& drawing);

} // namespace tamiro::maker
