#include "maker/maker.h"
#include "platform/core/errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QImageWriter>
#include <gif_lib.h>
#include <libimagequant.h>
#include <memory>
#include <vector>

namespace tamiro::maker {

namespace {

constexpr int kJpegQuality = 90;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::DrawingMaker)
};

// `what` went through QT_TRANSLATE_NOOP.
[[noreturn]] void failed(const char* what) {
    //: %1 is what failed, from the descriptions that follow.
    throw PlatformError(Text::tr("no he podido preparar el dibujo: %1").arg(Text::tr(what)));
}

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), qsizetype(length));
    return length;
}

// A GIF of one frame without transparency, from an Indexed8 picture.
QByteArray gifOf(const QImage& indexed) {
    const QList<QRgb> colours = indexed.colorTable();
    int bits = 1;
    while ((1 << bits) < colours.size())
        ++bits;
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif)
        failed(QT_TRANSLATE_NOOP("tamiro::DrawingMaker", "no hay memoria para escribir el GIF"));
    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(1 << bits, nullptr), GifFreeMapObject);
    bool written = map != nullptr;
    if (written) {
        for (int i = 0; i < map->ColorCount; ++i) {
            const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
            map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
        }
        written = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), bits, 0, map.get()) ==
                      GIF_OK &&
                  EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) ==
                      GIF_OK;
    }
    std::vector<GifPixelType> row(std::size_t(indexed.width()));
    for (int y = 0; written && y < indexed.height(); ++y) {
        std::copy_n(indexed.constScanLine(y), row.size(), row.begin());
        written = EGifPutLine(gif, row.data(), indexed.width()) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK || !written)
        failed(QT_TRANSLATE_NOOP("tamiro::DrawingMaker", "no se ha podido escribir el GIF"));
    return bytes;
}

// The picture's own colours when it has at most 256 of them (flat clip art,
// a filled page): nothing is lost.
QImage exactColours(const QImage& image) {
    QHash<QRgb, int> index;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x] | 0xff000000;
            auto found = index.find(c);
            if (found == index.end()) {
                if (table.size() == 256)
                    return {};
                found = index.insert(c, int(table.size()));
                table.append(c);
            }
            to[x] = uchar(*found);
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

// Otherwise a palette of 256 chosen by the quantiser, dithered where the
// palette falls short, as on gradients; flat areas stay flat.
QImage quantised(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    std::vector<unsigned char*> rows(std::size_t(rgba.height()));
    for (int y = 0; y < rgba.height(); ++y)
        rows[std::size_t(y)] = const_cast<unsigned char*>(rgba.constScanLine(y));
    const std::unique_ptr<liq_attr, void (*)(liq_attr*)> attr(liq_attr_create(), liq_attr_destroy);
    if (!attr)
        failed(QT_TRANSLATE_NOOP("tamiro::DrawingMaker", "no hay memoria para elegir los colores"));
    liq_set_max_colors(attr.get(), 256);
    liq_set_speed(attr.get(), 8);
    const std::unique_ptr<liq_image, void (*)(liq_image*)> input(
        liq_image_create_rgba_rows(attr.get(), reinterpret_cast<void**>(rows.data()), rgba.width(),
                                   rgba.height(), 0),
        liq_image_destroy);
    liq_result* raw = nullptr;
    if (!input || liq_image_quantize(input.get(), attr.get(), &raw) != LIQ_OK)
        failed(QT_TRANSLATE_NOOP("tamiro::DrawingMaker", "no se han podido elegir los colores"));
    const std::unique_ptr<liq_result, void (*)(liq_result*)> result(raw, liq_result_destroy);
    liq_set_dithering_level(result.get(), 1.0f);
    QImage indexed(image.size(), QImage::Format_Indexed8);
    std::vector<unsigned char*> out(std::size_t(indexed.height()));
    for (int y = 0; y < indexed.height(); ++y)
        out[std::size_t(y)] = indexed.scanLine(y);
    if (liq_write_remapped_image_rows(result.get(), input.get(), out.data()) != LIQ_OK)
        failed(QT_TRANSLATE_NOOP("tamiro::DrawingMaker", "no se han podido elegir los colores"));
    const liq_palette* palette = liq_get_palette(result.get());
    QList<QRgb> table;
    for (unsigned i = 0; i < palette->count; ++i)
        table.append(qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
    indexed.setColorTable(table);
    return indexed;
}

QByteArray jpegOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(image))
        failed(QT_TRANSLATE_NOOP("tamiro::DrawingMaker", "no se ha podido escribir el JPEG"));
    return bytes;
}

} // namespace

EncodedPair encodeDrawing(const Drawing& drawing) {
    EncodedPair pair;
    pair.uncoloured = gifOf(drawing.uncoloured);
    pair.colouredIsJpeg = drawing.kind == Kind::Photo;
    if (pair.colouredIsJpeg) {
        pair.coloured = jpegOf(drawing.coloured);
    } else {
        QImage indexed = exactColours(drawing.coloured);
        pair.coloured = gifOf(indexed.isNull() ? quantised(drawing.coloured) : indexed);
    }
    return pair;
}

} // namespace tamiro::maker
