// Wording: the words the review's parts share, and the report's own lines.

#include "checker/wording.h"

#include "checker/revision.h"
#include "platform/formats/animation_file.h"
#include "platform/formats/picture_file.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace tamiro {

using namespace Qt::StringLiterals;

namespace {

// The report's heading, its summary, its severity words and the words every
// part of it uses.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::CheckerReport)
};

} // namespace

namespace checker {

QString sizeText(const QSize& size) {
    return u"%1 × %2"_s.arg(size.width()).arg(size.height());
}

QString quoted(const QString& name) {
    //: A name (of a file, a folder, a button) quoted in a sentence of the report.
    return Text::tr("«%1»").arg(name);
}

QString both(const QString& first, const QString& second) {
    //: The last two items of a list: numbers, names, or what goes wrong.
    return Text::tr("%1 y %2").arg(first, second);
}

QString listed(const QStringList& items) {
    if (items.size() < 2)
        return items.value(0);
    QString first = items.first();
    for (qsizetype i = 1; i + 1 < items.size(); ++i)
        //: One more item of a list, before its last two: %1 the items so far.
        first = Text::tr("%1, %2").arg(first, items[i]);
    return both(first, items.last());
}

QString numberRuns(QList<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    QStringList runs;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        const QString from = QString::number(numbers[i]), to = QString::number(numbers[j]);
        //: The drawings a button shows, from number %1 to number %2.
        runs << (j > i + 1    ? Text::tr("%1 a %2").arg(from, to)
                 : j == i + 1 ? Text::tr("%1, %2").arg(from, to)
                              : from);
        i = j + 1;
    }
    return listed(runs);
}

QString nameList(const QStringList& names) {
    QStringList shown;
    for (const QString& name : names)
        shown << quoted(name);
    return listed(shown);
}

using Cause = PlatformError::Cause;

QString pictureRemedy(Cause cause, SaveAs as, const QSize& fits) {
    //: What a picture is saved as, in "guárdelo como %1".
    const QString kind = as == SaveAs::Gif         ? u"GIF"_s
                         : as == SaveAs::GifOrJpeg ? Text::tr("GIF o JPEG")
                                                   : Text::tr("icono (.ico) de 32 × 32");
    const QString most = QString::number(kMaxPicturePixels >> 20);
    const QString side =
        QString::number(static_cast<int>(std::sqrt(static_cast<double>(kMaxPicturePixels))));
    switch (cause) {
    case Cause::TooLarge:
    case Cause::TooLong:
        if (fits.isValid())
            //: %1 millions of pixels at most, such as %2 × %2; %3 the size the drawing fits
            //: the screen at, %4 the kind of file to save it as ("GIF", "GIF o JPEG").
            return Text::tr("Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, "
                            "por ejemplo). Redúzcalo a %3 como mucho y guárdelo como %4.")
                .arg(most, side, sizeText(fits), kind);
        //: %1 millions of pixels at most, such as %2 × %2; %3 the kind of file to save it as.
        return Text::tr("Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por "
                        "ejemplo). Redúzcalo y guárdelo como %3.")
            .arg(most, side, kind);
    case Cause::OtherFormat:
        //: %1 is the kind of file to save it as ("GIF", "GIF o JPEG", an icon).
        return Text::tr("Es de otro tipo aunque se llame así: ábralo con un programa de dibujo y "
                        "guárdelo como %1.")
            .arg(kind);
    case Cause::Other:
        break;
    }
    //: %1 is the kind of file to save it as ("GIF", "GIF o JPEG", an icon).
    return Text::tr("Ábralo con un programa de dibujo y guárdelo de nuevo como %1.").arg(kind);
}

QString animationRemedy(Cause cause, const QString& name) {
    switch (cause) {
    case Cause::TooLarge:
        return Text::tr("Guárdela más pequeña: junto al dibujo se ve en unos 90 × 90 píxeles.");
    case Cause::TooLong:
        //: %1 is the most frames an animation may have.
        return Text::tr("Guárdela con menos fotogramas (%1 como mucho) o más pequeña.")
            .arg(kMaxAnimationFrames);
    case Cause::OtherFormat:
        //: %1 is the animation's file name.
        return Text::tr("Guárdela como GIF animado con el nombre «%1».").arg(name);
    case Cause::Other:
        break;
    }
    return Text::tr("Ábrala con un programa de dibujo y guárdela de nuevo como GIF animado.");
}

} // namespace checker

QString visibleText(const QString& text, qsizetype limit) {
    QString shown;
    shown.reserve(text.size());
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (limit >= 0 && characters >= limit) {
            shown += u"…"_s;
            break;
        }
        ++characters;
        const char16_t c = text.at(i).unicode();
        if (c == 0x1b)
            shown += u"\\e"_s;
        else if (c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0))
            shown += u"\\x%1"_s.arg(int{c}, 2, 16, QChar(u'0'));
        else if (c >= 0xdc80 && c <= 0xdcff) // a byte of a name that is no text
            shown += u"\\x%1"_s.arg(c - 0xdc00, 2, 16, QChar(u'0'));
        else if ((c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069) || c == 0x200e ||
                 c == 0x200f) // marks that turn the writing direction
            shown += u"\\u%1"_s.arg(int{c}, 4, 16, QChar(u'0'));
        else
            shown += text.at(i);
    }
    return shown;
}

QString Finding::line() const {
    // The file's name and a colon stay as they are in every language: two
    // reports compare line by line.
    return visibleText(file.isEmpty() ? text : file + u": "_s + text);
}

QString Review::summary() const {
    //: How many drawings the child meets, in the summary's sentences.
    const QString shown = Text::tr("%n dibujo(s) en los diez botones", nullptr, drawings);
    //: How many warnings, in the summary's sentences.
    const QString warned = Text::tr("%n aviso(s)", nullptr, warnings);
    //: How many things will fail, in the summary's sentences.
    const QString failing = Text::tr("%n cosa(s) fallará(n)", nullptr, fails);
    if (fails == 0 && warnings == 0)
        //: The report's last line. %1 is how many drawings the child meets.
        return Text::tr("Todo en orden: %1, y nada fallará.").arg(shown);
    if (fails == 0)
        //: The report's last line. %1 is how many drawings the child meets, %2 how many
        //: warnings there are.
        return Text::tr("Nada fallará: %1, con %2 que conviene mirar.").arg(shown, warned);
    //: The report's last line: %1 how many things will fail, %2 how many warnings there
    //: are, %3 how many drawings the child meets.
    return Text::tr("%1 y %2; %3.").arg(failing, warned, shown);
}

bool aboutDrawingFolder(const Finding& finding, int f) {
    const QStringList parts = finding.file.split(u'/');
    return parts.size() >= 2 && parts[0].compare(u"dibujos"_s, Qt::CaseInsensitive) == 0 &&
           parts[1] == QString::number(f);
}

QString folderSummary(const Review& review, int f) {
    int fails = 0, warnings = 0;
    for (const Finding& finding : review.findings)
        if (aboutDrawingFolder(finding, f)) {
            fails += finding.severity == Finding::Severity::Fails;
            warnings += finding.severity == Finding::Severity::Warning;
        }
    const QString folder = QString::number(f), warned = Text::tr("%n aviso(s)", nullptr, warnings);
    //: The teacher's window, under a folder's drawings: %1 is the folder.
    if (fails == 0 && warnings == 0)
        return Text::tr("Todo en orden en la carpeta %1: nada fallará.").arg(folder);
    if (fails == 0)
        //: %1 is the folder, %2 how many warnings there are ("2 avisos").
        return Text::tr("Nada fallará en la carpeta %1, con %2 que conviene mirar.")
            .arg(folder, warned);
    const QString failing = Text::tr("%n cosa(s) fallará(n)", nullptr, fails);
    if (warnings == 0)
        //: %1 is the folder, %2 how many things will fail ("2 cosas fallarán").
        return Text::tr("En la carpeta %1, %2.").arg(folder, failing);
    //: %1 is the folder, %2 how many things will fail, %3 how many warnings there are.
    return Text::tr("En la carpeta %1, %2 y %3.").arg(folder, failing, warned);
}

QString severityWord(Finding::Severity severity) {
    switch (severity) {
    case Finding::Severity::Warning:
        //: Heads a line of the report: something will not be seen or will not fit. The
        //: report shows it in capitals in its first column, with the file names lined up
        //: after it: five letters at most keep them where they are in Spanish.
        return Text::tr("Aviso");
    case Finding::Severity::Fails:
        //: Heads a line of the report: something will fail. Shown in capitals in the
        //: report's first column: five letters at most.
        return Text::tr("Falla");
    case Finding::Severity::Note:
        break;
    }
    return {};
}

QString reportText(const Review& review, const QString& folder) {
    //: The report's first line: %1 is the content folder reviewed.
    QString text = Text::tr("Lo que verá el niño con la carpeta %1:").arg(visibleText(folder));
    // The severity words fill a column as wide in every line, so that the
    // file names stand one under another in any language.
    const qsizetype column =
        std::max({qsizetype{5}, severityWord(Finding::Severity::Warning).size(),
                  severityWord(Finding::Severity::Fails).size()}) +
        1;
    text += u'\n';
    for (const Finding& finding : review.findings)
        text +=
            severityWord(finding.severity).toUpper().leftJustified(column) + finding.line() + u'\n';
    return text + review.summary() + u'\n';
}

} // namespace tamiro
