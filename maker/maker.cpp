#include "maker/maker.h"
#include "maker/lines.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

namespace tamiro::maker {

namespace {

// The closed regions counted for the warnings: smaller ones are slivers that
// no child colours on purpose.
constexpr int kSmallestRegion = 30;
constexpr int kFewestRegions = 10, kMostRegions = 150;
// More black than this makes a page that looks dark rather than drawn.
constexpr double kMostBlack = 0.2;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::DrawingMaker)
};

// The rectangle holding nearly all set pixels, a stray speck at the edge of
// a scan left out; empty for none.
QRect bounds(const Mask& mask) {
    std::vector<std::size_t> columns(std::size_t(mask.width)), rows(std::size_t(mask.height));
    std::size_t all = 0;
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask[std::size_t(y) * std::size_t(mask.width) + std::size_t(x)])
                ++columns[std::size_t(x)], ++rows[std::size_t(y)], ++all;
    const auto span = [&](const std::vector<std::size_t>& counts) {
        std::size_t seen = 0;
        int first = 0, last = int(counts.size()) - 1;
        while (first < last && (seen += counts[std::size_t(first)]) * 200 < all)
            ++first;
        for (seen = 0; last > first && (seen += counts[std::size_t(last)]) * 200 < all;)
            --last;
        return std::pair(first, last);
    };
    if (all == 0)
        return {};
    const auto [left, right] = span(columns);
    const auto [top, bottom] = span(rows);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// What is drawn on a picture: every pixel that is not white paper.
Mask inked(const QImage& image) {
    Mask drawn(image.width(), image.height());
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            drawn[i++] = qGray(row[x]) < 235;
    }
    return drawn;
}

QImage twoColours(const Mask& lines) {
    QImage image(lines.width, lines.height, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < lines.height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < lines.width; ++x)
            row[x] = lines[std::size_t(y) * std::size_t(lines.width) + std::size_t(x)] ? 0 : 1;
    }
    return image;
}

Drawing finished(Kind kind, QImage coloured, const Mask& lines) {
    Drawing drawing{
        kind, std::move(coloured), twoColours(lines), closedRegions(lines, kSmallestRegion), {}};
    if (kind == Kind::Photo)
        drawing.warnings << Text::tr(
            "Parece una foto: el dibujo puede tener demasiado detalle para "
            "colorear. Pruebe con menos detalle y líneas más gruesas, o con "
            "un dibujo más sencillo.");
    const double black = double(lines.count()) / double(std::max<std::size_t>(lines.size(), 1));
    if (black > kMostBlack)
        //: %1 % is how much of the uncoloured drawing is black.
        drawing.warnings << Text::tr(
                                "El dibujo sin colorear tiene mucho negro (un %1 %). Pruebe con "
                                "líneas más finas o con menos detalle.")
                                .arg(int(black * 100));
    if (drawing.regions < kFewestRegions)
        //: %1 is how many parts the child may colour.
        drawing.warnings << Text::tr(
                                "El dibujo tiene pocas zonas cerradas que colorear (%1). Pruebe "
                                "con más detalle o con otro tipo de dibujo.")
                                .arg(drawing.regions);
    else if (drawing.regions > kMostRegions)
        //: %1 is how many parts the child may colour.
        drawing.warnings << Text::tr("El dibujo tiene demasiadas zonas pequeñas que colorear (%1). "
                                     "Pruebe con menos detalle.")
                                .arg(drawing.regions);
    return drawing;
}

} // namespace

Kind detectKind(const QImage& image) {
    const Measures m = measure(image);
    // Black lines on paper, perhaps grey and unevenly lit, with hardly any
    // colour: most of it is paper, unlike a grey photo, and its dark pixels
    // are lines, unlike grey clip art.
    if (m.colourful < 0.02 && m.dark > 0.002 && 1 - m.dark - m.midtone > 0.6 && m.strokes > 0.6)
        return Kind::Page;
    // Most of a photo's neighbourhoods vary; most of a drawing's are flat.
    if (m.flat < 0.6)
        return Kind::Photo;
    // Clear outlines make clip art whose lines are the artist's; without
    // them, or with only a few dark details, the colours draw the lines.
    return m.outline >= 0.02 ? Kind::Outlined : Kind::Flat;
}

Drawing makeDrawing(const Source& source, const Settings& settings) {
    const QImage& image = source.image;
    const Kind kind = settings.kind == Kind::Automatic ? detectKind(image) : settings.kind;
    const int width = std::clamp(settings.lineWidth, Settings::kThinnest, Settings::kThickest);
    const Detail detail = detailFor(settings.detail);
    switch (kind) {
    case Kind::Page: {
        const Mask lines = thickened(pageLines(image, detail.speck), width);
        return finished(kind, filledPage(lines), lines);
    }
    case Kind::Photo:
        return finished(kind, image, photoLines(image, detail, width));
    case Kind::Flat: {
        // The colours' boundaries join the dark lines where they are not
        // just the edges of those lines.
        const Mask dark = darkLines(image, detail.speck);
        Mask lines = thickened(dark, width) | colourLines(image, detail, width);
        lines = closedGaps(lines);
        dropSmallPieces(lines, detail.speck);
        return finished(kind, image, lines);
    }
    case Kind::Automatic:
    case Kind::Outlined:
        break;
    }
    return finished(Kind::Outlined, image, thickened(darkLines(image, detail.speck), width));
}

Drawing makeDrawing(const Source& coloured, const Source& page, const Settings& settings) {
    const QImage& image = coloured.image;
    const int speck = detailFor(settings.detail).speck;
    // The page's drawing is laid over the coloured picture's drawing, so
    // that two scans with different margins line up; without a drawing to
    // find on either, the page is stretched over the whole picture.
    const Mask lines = pageLines(page.image, speck);
    const QRect from = bounds(lines), to = bounds(inked(image));
    QImage placed(image.size(), QImage::Format_RGB32);
    placed.fill(Qt::white);
    const bool found = from.width() * 4 > page.image.width() &&
                       from.height() * 4 > page.image.height() && to.width() * 4 > image.width() &&
                       to.height() * 4 > image.height();
    QPainter painter(&placed);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(found ? QRectF(to) : QRectF(placed.rect()), twoColours(lines),
                      found ? QRectF(from) : QRectF(QPointF(0, 0), QSizeF(page.image.size())));
    painter.end();
    Mask moved(image.width(), image.height());
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            moved[i++] = qGray(placed.pixel(x, y)) < 128;
    const int width = std::clamp(settings.lineWidth, Settings::kThinnest, Settings::kThickest);
    return finished(Kind::Page, image, thickened(moved, width));
}

} // namespace tamiro::maker
