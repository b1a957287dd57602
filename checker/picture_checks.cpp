// Picture checks: what the child will see amiss in a drawing that shows.

#include "checker/picture_checks.h"

#include "checker/wording.h"
#include "platform/formats/content_file.h"
#include "platform/formats/picture_file.h"
#include "rules/drawing_area.h"

#include <QBuffer>
#include <QImageReader>

namespace tamiro::checker {

using namespace Qt::StringLiterals;

namespace {

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
    const QList<QImage> both{colouredImage, uncolouredImage};
    if (colouredImage.size() != uncolouredImage.size()) {
        QString why = u"mide %1 y el coloreado %2 mide %3: al colorear no coinciden."_s.arg(
            sizeText(uncolouredImage.size()), quoted(coloured.section(u'/', -1)),
            sizeText(colouredImage.size()));
        if (colouredImage.size().transposed() == uncolouredImage.size() &&
            turnedPhoto(findings.onDisk(step.colouredPath)))
            why += u" El coloreado es una foto con una marca de giro de la cámara: el visor "
                   u"de fotos la enseña girada, pero Tamiro la enseña tal como está guardada. "
                   u"Ábrala con un programa de dibujo, gírela como debe verse y guárdela de "
                   u"nuevo."_s;
        else
            why += u" Guarde los dos con el mismo tamaño."_s;
        findings.add(Severity::Warning, uncoloured, why, both);
    }
    if (hasTransparency(uncolouredImage))
        findings.add(Severity::Warning, uncoloured,
                     u"tiene partes transparentes, y por ellas se verán los colores antes de "
                     u"pintar. Guárdelo sin transparencia, con el fondo blanco."_s,
                     both);
    const DrawingFit fit = fitOnScreen(colouredImage.size(), kScreen);
    if (fit.whole())
        return;
    QStringList lost;
    if (fit.cutBelow)
        lost << u"se cortará por abajo"_s;
    if (fit.cutAtSides)
        lost << u"se cortará por los lados"_s;
    if (fit.animationOut)
        lost << u"la animación quedará fuera de la pantalla"_s;
    findings.add(Severity::Warning, coloured,
                 u"mide %1 píxeles y en una pantalla de %2 %3. Redúzcalo a %4 como mucho."_s.arg(
                     sizeText(colouredImage.size()), sizeText(kScreen), lost.join(u" y "_s),
                     sizeText(largestWhole(kScreen))),
                 both);
}

} // namespace tamiro::checker
