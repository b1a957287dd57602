// Picture checks: what the child will see amiss in a drawing that shows.

#include "checker/picture_checks.h"

#include "checker/wording.h"
#include "platform/formats/content_file.h"
#include "platform/formats/picture_file.h"
#include "rules/drawing_area.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace tamiro::checker {

namespace {

// The report's lines about a drawing that shows, but not as it should.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::CheckerDrawings)
};

bool hasTransparency(const QImage& image) {
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) < 255)
                return true;
    }
    return false;
}

// Whether a JPEG carries a turn or a mirror in its camera data.
bool turnedPhoto(const QString& file) {
    try {
        QByteArray bytes = readContentFile(file, kMaxPictureFileBytes);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return QImageReader(&buffer, "jpeg").transformation() !=
               QImageIOHandler::TransformationNone;
    } catch (const PlatformError&) {
        return false;
    }
}

} // namespace

void checkShownDrawing(FindingCollector& findings, const DrawingStep& step, const QString& coloured,
                       const QString& uncoloured) {
    const QImage& colouredImage = step.coloured.image();
    const QImage& uncolouredImage = step.uncoloured.image();
    const QList<QImage> pair{colouredImage, uncolouredImage};
    if (colouredImage.size() != uncolouredImage.size()) {
        const QString sizes[] = {sizeText(uncolouredImage.size()), coloured.section(u'/', -1),
                                 sizeText(colouredImage.size())};
        const bool turned = colouredImage.size().transposed() == uncolouredImage.size() &&
                            turnedPhoto(findings.onDisk(step.colouredPath));
        //: The uncoloured drawing: %1 its size, %2 the coloured drawing's name, %3 its size.
        const QString why =
            turned ? Text::tr("mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. El "
                              "coloreado es una foto con una marca de giro de la cámara: el "
                              "visor de fotos la enseña girada, pero Tamiro la enseña tal como "
                              "está guardada. Ábrala con un programa de dibujo, gírela como debe "
                              "verse y guárdela de nuevo.")
                         .arg(sizes[0], sizes[1], sizes[2])
                   //: The uncoloured drawing: %1 its size, %2 the coloured drawing's name, %3
                   //: its size.
                   : Text::tr("mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. "
                              "Guarde los dos con el mismo tamaño.")
                         .arg(sizes[0], sizes[1], sizes[2]);
        findings.add(Severity::Warning, uncoloured, why, pair);
    }
    if (hasTransparency(uncolouredImage))
        findings.add(Severity::Warning, uncoloured,
                     Text::tr("tiene partes transparentes, y por ellas se verán los colores "
                              "antes de pintar. Guárdelo sin transparencia, con el fondo blanco."),
                     pair);
    const DrawingFit fit = fitOnScreen(colouredImage.size(), kScreen);
    if (fit.whole())
        return;
    QStringList lost;
    //: What happens to a drawing too large for the screen, in "en una pantalla de 1024 × 768 %3".
    if (fit.cutBelow)
        lost << Text::tr("se cortará por abajo");
    if (fit.cutAtSides)
        lost << Text::tr("se cortará por los lados");
    if (fit.animationOut)
        lost << Text::tr("la animación quedará fuera de la pantalla");
    QString all = lost.value(0);
    for (qsizetype i = 1; i < lost.size(); ++i)
        all = both(all, lost[i]);
    //: %1 is the drawing's size, %2 the screen's, %3 what happens (its parts are cut, the
    //: animation does not fit), %4 the largest size that fits.
    findings.add(Severity::Warning, coloured,
                 Text::tr("mide %1 píxeles y en una pantalla de %2 %3. Redúzcalo a %4 como mucho.")
                     .arg(sizeText(colouredImage.size()), sizeText(kScreen), all,
                          sizeText(largestWhole(kScreen))),
                 pair);
}

} // namespace tamiro::checker
