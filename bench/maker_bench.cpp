// Figures of the drawing maker, printed, never asserted:
//   quality  the sample drawings' coloured variants turned into lines and
//            compared with their uncoloured variants (line pixels within
//            2 px: precision and recall; closed white regions), and the same
//            drawings with their lines painted out (F1);
//   speed    a 2048 x 2048 picture to an encoded pair, and each kind made
//            again from a loaded picture, as a live preview does;
//   memory   the peak resident memory of the worst inputs, each in a
//            process of its own;
//   look OUT FILE...  side-by-side PNGs (picture, coloured, uncoloured) of
//            each file, to look at.
// Without arguments it prints the first three. Run through scripts/bench.sh
// or as build-bench/bench/tamiro_maker_bench.

#include "maker/lines.h"
#include "maker/maker.h"
#include "maker/mask.h"
#include "platform/core/errors.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <zlib.h>

namespace {

using namespace tamiro;
using namespace tamiro::maker;

// The regions compared, on both sides: 4-connected white pieces of at least
// this many pixels that do not touch the edge.
constexpr int kRegionArea = 30;
const QString kWork = QStringLiteral("/tmp/tamiro-maker-bench");

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

Mask darkOf(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    Mask mask(grey.width(), grey.height());
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            mask[std::size_t(y * grey.width() + x)] = grey.constScanLine(y)[x] < 128;
    return mask;
}

// Share of `found`'s pixels within 2 px of a pixel of `truth`.
double within2(const Mask& found, const Mask& truth) {
    const std::vector<int> distance = squaredDistances(truth);
    std::size_t near = 0, all = 0;
    for (std::size_t i = 0; i < found.size(); ++i)
        if (found[i])
            ++all, near += distance[i] <= 4;
    return all ? double(near) / double(all) : 0;
}

QByteArray pngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Outlined:
        return "outlined";
    case Kind::Flat:
        return "flat";
    case Kind::Photo:
        return "photo";
    case Kind::Page:
        return "page";
    default:
        return "automatic";
    }
}

// The first of `names` in `folder`, in any letter case.
QString find(const QString& folder, const QStringList& names) {
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& name : names)
        for (const QString& entry : entries)
            if (entry.compare(name, Qt::CaseInsensitive) == 0)
                return folder + "/" + entry;
    return {};
}

// The derived lines at the truth's size: the drawing made at the drawing
// area's size is brought back by averaging.
Mask linesAt(const Drawing& drawing, QSize size) {
    return darkOf(drawing.uncoloured.convertToFormat(QImage::Format_Grayscale8)
                      .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void quality() {
    const QString content = QStringLiteral(TAMIRO_SOURCE_DIR "/content/dibujos");
    std::printf("%-8s %-9s %9s %6s %8s %8s %6s  %-9s %6s\n", "drawing", "kind", "precision",
                "recall", "regions", "truth", "error", "painted", "F1");
    std::vector<double> precisions, recalls, errors, f1s;
    for (int folder = 1; folder <= 10; ++folder) {
        for (int n = 1;; ++n) {
            const QString base = QStringLiteral("%1/%2/").arg(content).arg(folder);
            const QString colouredFile = find(
                base + "si coloreado", {QString::number(n) + ".gif", QString::number(n) + ".jpg"});
            const QString truthFile = find(base + "no coloreado", {QString::number(n) + ".gif"});
            if (colouredFile.isEmpty() || truthFile.isEmpty())
                break;
            const QImage truthImage(truthFile);
            const Mask truth = darkOf(truthImage);
            const Drawing drawing = makeDrawing(loadSource(colouredFile));
            const Mask found = linesAt(drawing, truthImage.size());
            const double precision = within2(found, truth), recall = within2(truth, found);
            const int regions = closedRegions(found, kRegionArea);
            const int truthRegions = closedRegions(truth, kRegionArea);
            const double error =
                truthRegions ? std::abs(regions - truthRegions) / double(truthRegions) : 0;
            // The lines painted out: each truth line pixel takes the colour
            // of the nearest pixel off the lines.
            QImage painted = QImage(colouredFile).convertToFormat(QImage::Format_RGB32);
            std::vector<int> nearest;
            squaredDistances(!truth, &nearest);
            QImage original = painted.copy();
            for (std::size_t i = 0; i < truth.size(); ++i)
                if (truth[i] && nearest[i] >= 0)
                    painted.setPixel(
                        int(i) % painted.width(), int(i) / painted.width(),
                        original.pixel(nearest[i] % painted.width(), nearest[i] / painted.width()));
            QDir().mkpath(kWork);
            painted.save(kWork + QStringLiteral("/painted-%1-%2.png").arg(folder).arg(n));
            const Drawing flat = makeDrawing(loadSource(pngOf(painted), colouredFile));
            const Mask flatFound = linesAt(flat, truthImage.size());
            const double p = within2(flatFound, truth), r = within2(truth, flatFound);
            const double f1 = p + r > 0 ? 2 * p * r / (p + r) : 0;
            std::printf("%2d/%-5d %-9s %9.3f %6.3f %8d %8d %6.2f  %-9s %6.3f\n", folder, n,
                        kindName(drawing.kind), precision, recall, regions, truthRegions, error,
                        kindName(flat.kind), f1);
            precisions.push_back(precision), recalls.push_back(recall);
            errors.push_back(error), f1s.push_back(f1);
        }
    }
    std::printf("median   %-9s %9.3f %6.3f %8s %8s %6.2f  %-9s %6.3f\n", "", median(precisions),
                median(recalls), "", "", median(errors), "", median(f1s));
}

// A busy picture: a photo-like mixture of gradients and noise over shapes.
QImage busyPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(40, 120, 220));
    sky.setColorAt(1, QColor(250, 200, 90));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv(i * 37 % 360, 180, 230));
        painter.setPen(QPen(Qt::black, size.width() / 300.0));
        painter.drawEllipse(
            QPointF(size.width() * ((i * 53) % 97) / 97.0, size.height() * ((i * 31) % 89) / 89.0),
            size.width() / 14.0, size.height() / 18.0);
    }
    return image;
}

void speed() {
    const QByteArray png = pngOf(busyPicture(QSize(2048, 2048)));
    std::vector<double> loads, makes, encodes;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        const Source source = loadSource(png, QStringLiteral("2048.png"));
        loads.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        const Drawing drawing = makeDrawing(source);
        makes.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        const EncodedPair pair = encodeDrawing(drawing);
        encodes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("2048 x 2048 PNG to an encoded pair (median of 5): load %.0f ms, make %.0f ms, "
                "encode %.0f ms, in all %.0f ms\n",
                median(loads), median(makes), median(encodes),
                median(loads) + median(makes) + median(encodes));
    // A live preview makes again from a loaded picture at the drawing area's size.
    const Source source{busyPicture(drawingArea()), QStringLiteral("preview")};
    for (const Kind kind : {Kind::Outlined, Kind::Flat, Kind::Photo, Kind::Page}) {
        std::vector<double> times;
        for (int round = 0; round < 5; ++round) {
            QElapsedTimer timer;
            timer.start();
            makeDrawing(source, Settings{kind});
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("make at %d x %d, %-9s %.0f ms\n", drawingArea().width(),
                    drawingArea().height(), kindName(kind), median(times));
    }
    std::vector<double> detects;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        detectKind(source.image);
        detects.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("kind detection alone %.0f ms\n", median(detects));
}

void save(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void memory(const QString& self) {
    QDir().mkpath(kWork);
    const QSize budget(4000, 3000);
    QImage deep(budget, QImage::Format_RGBA64);
    deep.fill(QColor(200, 100, 50, 128));
    deep.save(kWork + "/deep.png");
    QImageWriter progressive(kWork + "/progressive.jpg", "jpeg");
    progressive.setProgressiveScanWrite(true);
    progressive.setQuality(95);
    progressive.write(busyPicture(QSize(6000, 4000)));
    busyPicture(budget).save(kWork + "/large.bmp");
    // Qt writes no GIF: the maker's own writer does.
    QImage one(1, 1, QImage::Format_Indexed8);
    one.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    save(kWork + "/large.gif",
         encodeDrawing(Drawing{Kind::Flat, busyPicture(budget), one, 0, {}}).coloured);
    busyPicture(budget).save(kWork + "/large.webp");
    busyPicture(QSize(1, 5000)).save(kWork + "/strip.png");
    // A header that promises 20000 x 20000 pixels.
    QByteArray huge = pngOf(QImage(1, 1, QImage::Format_RGB32));
    huge.replace(16, 8, QByteArray::fromHex("00004e2000004e20"));
    qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(huge.constData() + 12), 17)),
                 huge.data() + 29);
    save(kWork + "/huge.png", huge);
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='4000' height='3000'>";
    for (int i = 0; i < 40000; ++i)
        svg += QStringLiteral("<circle cx='%1' cy='%2' r='%3' fill='#%4' stroke='black'/>")
                   .arg(i * 7 % 4000)
                   .arg(i * 13 % 3000)
                   .arg(20 + i % 90)
                   .arg(i * 2654435761u % 0xffffff, 6, 16, QLatin1Char('0'))
                   .toUtf8();
    save(kWork + "/busy.svg", svg + "</svg>");
    for (const char* name : {"deep.png", "progressive.jpg", "large.bmp", "large.gif", "large.webp",
                             "strip.png", "huge.png", "busy.svg"}) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(self, {QStringLiteral("--one"), kWork + "/" + name});
        child.waitForFinished(-1);
        std::printf("%-16s %s (%.1f s)\n", name,
                    child.readAllStandardOutput().trimmed().constData(),
                    double(timer.elapsed()) / 1000);
    }
}

// Loads, makes and encodes one file, then prints the peak resident memory.
int one(const QString& file) {
    try {
        const Drawing drawing = makeDrawing(loadSource(file));
        const EncodedPair pair = encodeDrawing(drawing);
        std::printf("peak %ld MB, %s, %d x %d\n", peakKilobytes() / 1024, kindName(drawing.kind),
                    drawing.coloured.width(), drawing.coloured.height());
    } catch (const PlatformError& error) {
        std::printf("peak %ld MB, refused: %s\n", peakKilobytes() / 1024,
                    qPrintable(error.description()));
    }
    return 0;
}

// Picture, coloured and uncoloured side by side, with the kind and warnings
// printed; each setting given as kind=page, width=4 or detail=7 before the
// files, and page=FILE to pair the files that follow with their colouring page.
int look(const QString& folder, const QStringList& files) {
    QDir().mkpath(folder);
    Settings settings;
    QString page;
    for (const QString& file : files) {
        if (file.startsWith("page=")) {
            page = file.mid(5);
            continue;
        }
        if (file.startsWith("kind=")) {
            const QString kind = file.mid(5);
            settings.kind = kind == "outlined" ? Kind::Outlined
                            : kind == "flat"   ? Kind::Flat
                            : kind == "photo"  ? Kind::Photo
                            : kind == "page"   ? Kind::Page
                                               : Kind::Automatic;
            continue;
        }
        if (file.startsWith("width=") || file.startsWith("detail=")) {
            (file.startsWith("width=") ? settings.lineWidth : settings.detail) =
                file.section('=', 1).toInt();
            continue;
        }
        try {
            const Source source = loadSource(file);
            QElapsedTimer timer;
            timer.start();
            const Drawing drawing = page.isEmpty()
                                        ? makeDrawing(source, settings)
                                        : makeDrawing(source, loadSource(page), settings);
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            const int w = source.image.width(), h = source.image.height();
            QImage side(3 * w + 20, h, QImage::Format_RGB32);
            side.fill(Qt::gray);
            QPainter painter(&side);
            painter.drawImage(0, 0, source.image);
            painter.drawImage(w + 10, 0, drawing.coloured);
            painter.drawImage(2 * w + 20, 0, drawing.uncoloured);
            painter.end();
            const QString out = folder + "/" + QFileInfo(file).completeBaseName() + ".png";
            side.save(out);
            const Measures m = measure(source.image);
            std::printf("%s: %s, %d regions, %.0f ms -> %s\n  flat %.3f, colourful %.3f, dark "
                        "%.3f, midtone %.3f, outline %.4f, strokes %.2f\n",
                        qPrintable(file), kindName(drawing.kind), drawing.regions, ms,
                        qPrintable(out), m.flat, m.colourful, m.dark, m.midtone, m.outline,
                        m.strokes);
            for (const QString& warning : drawing.warnings)
                std::printf("  %s\n", qPrintable(warning));
        } catch (const PlatformError& error) {
            std::printf("%s: %s\n", qPrintable(file), qPrintable(error.description()));
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == "--one")
        return one(args[1]);
    if (args.size() >= 2 && args[0] == "look")
        return look(args[1], args.mid(2));
    const bool all = args.isEmpty();
    if (all || args.contains("quality"))
        quality();
    if (all || args.contains("speed"))
        speed();
    if (all || args.contains("memory"))
        memory(app.applicationFilePath());
    return 0;
}
