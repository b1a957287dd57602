#pragma once

// The steps that find a drawing's lines, each on a fitted RGB32 picture.

#include "maker/colour.h"
#include "maker/maker.h"
#include "maker/mask.h"

#include <QImage>

namespace tamiro::maker {

// What the detail control sets: the smallest piece kept and the colours told
// apart, on a drawing of the drawing area's size.
struct Detail {
    int speck;
    int colours;
};
Detail detailFor(int detail);

// What tells the kinds of picture apart.
struct Measures {
    double flat;      // pixels whose 3 x 3 neighbourhood varies by at most 6 levels
    double colourful; // pixels far from grey
    double dark;      // pixels much darker than the paper around them
    double midtone;   // pixels between the paper and the dark ones
    double outline;   // ink in strokes narrower than about 11 pixels
    double strokes;   // of the dark pixels, those in such strokes rather than in shapes
};
Measures measure(const QImage& image);

// The artist's dark lines, as drawn: specks dropped and one-pixel gaps closed.
Mask darkLines(const QImage& image, int speck);
// Lines where the picture's colours meet, `width` pixels wide.
Mask colourLines(const QImage& image, const Detail& detail, int width);
// Lines of a photo: smoothed at half size first, then the boundaries of a
// few colours, so that texture makes no scribbles.
Mask photoLines(const QImage& image, const Detail& detail, int width);
// Thin strokes grown to about `width` pixels; wider ones left as they are.
Mask thickened(const Mask& lines, int width);

// The luminance of every pixel against the paper around it: 255 is the
// paper's own shade, whatever the light across a scan.
std::vector<std::uint8_t> paperRelative(const QImage& image);
// A colouring page's lines cleaned to black on white, whatever the paper's
// shade and light.
Mask pageLines(const QImage& image, int speck);
// The page's closed regions filled with cheerful colours, neighbours in
// different ones, its lines black and the space around the drawing white.
QImage filledPage(const Mask& lines);

} // namespace tamiro::maker
