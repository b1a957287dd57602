// Wording: the pieces of the teacher's sentences, and the report's own lines.

#include "checker/wording.h"

#include "checker/revision.h"
#include "platform/formats/animation_file.h"
#include "platform/formats/picture_file.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace tamiro {

using namespace Qt::StringLiterals;

namespace checker {

QString count(qsizetype n, const char* one, const char* many) {
    return u"%1 %2"_s.arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

QString sizeText(const QSize& size) {
    return u"%1 × %2"_s.arg(size.width()).arg(size.height());
}

QString quoted(const QString& name) {
    return u"«"_s + name + u"»"_s;
}

QString numberRuns(QList<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    QStringList runs;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        runs << (j > i + 1    ? u"%1 a %2"_s.arg(numbers[i]).arg(numbers[j])
                 : j == i + 1 ? u"%1, %2"_s.arg(numbers[i]).arg(numbers[j])
                              : QString::number(numbers[i]));
        i = j + 1;
    }
    if (runs.size() > 1)
        return runs.mid(0, runs.size() - 1).join(u", "_s) + u" y "_s + runs.last();
    return runs.value(0);
}

QString nameList(const QStringList& names) {
    QStringList shown;
    for (const QString& name : names)
        shown << quoted(name);
    return shown.size() > 1 ? shown.mid(0, shown.size() - 1).join(u", "_s) + u" y "_s + shown.last()
                            : shown.value(0);
}

using Cause = PlatformError::Cause;

QString pictureRemedy(Cause cause, const QString& as, const QSize& fits) {
    switch (cause) {
    case Cause::TooLarge:
    case Cause::TooLong:
        return u"Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por "
               u"ejemplo). Redúzcalo%3 y guárdelo como %4."_s.arg(kMaxPicturePixels >> 20)
                   .arg(static_cast<int>(std::sqrt(static_cast<double>(kMaxPicturePixels))))
                   .arg(fits.isValid() ? u" a "_s + sizeText(fits) + u" como mucho"_s : QString(),
                        as);
    case Cause::OtherFormat:
        return u"Es de otro tipo aunque se llame así: ábralo con un programa de dibujo y "
               u"guárdelo como %1."_s.arg(as);
    case Cause::Other:
        break;
    }
    return u"Ábralo con un programa de dibujo y guárdelo de nuevo como %1."_s.arg(as);
}

QString animationRemedy(Cause cause, const QString& name) {
    switch (cause) {
    case Cause::TooLarge:
        return u"Guárdela más pequeña: junto al dibujo se ve en unos 90 × 90 píxeles."_s;
    case Cause::TooLong:
        return u"Guárdela con menos fotogramas (%1 como mucho) o más pequeña."_s.arg(
            kMaxAnimationFrames);
    case Cause::OtherFormat:
        return u"Guárdela como GIF animado con el nombre «%1»."_s.arg(name);
    case Cause::Other:
        break;
    }
    return u"Ábrala con un programa de dibujo y guárdela de nuevo como GIF animado."_s;
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
    return visibleText(file.isEmpty() ? text : file + u": "_s + text);
}

QString Review::summary() const {
    using checker::count;
    const QString shown = count(drawings, "dibujo", "dibujos") + u" en los diez botones"_s;
    if (fails == 0 && warnings == 0)
        return u"Todo en orden: %1, y nada fallará."_s.arg(shown);
    if (fails == 0)
        return u"Nada fallará: %1, con %2 que conviene mirar."_s.arg(
            shown, count(warnings, "aviso", "avisos"));
    return u"%1 y %2; %3."_s.arg(count(fails, "cosa fallará", "cosas fallarán"),
                                 count(warnings, "aviso", "avisos"), shown);
}

bool aboutDrawingFolder(const Finding& finding, int f) {
    const QStringList parts = finding.file.split(u'/');
    return parts.size() >= 2 && parts[0].compare(u"dibujos"_s, Qt::CaseInsensitive) == 0 &&
           parts[1] == QString::number(f);
}

QString folderSummary(const Review& review, int f) {
    using checker::count;
    int fails = 0, warnings = 0;
    for (const Finding& finding : review.findings)
        if (aboutDrawingFolder(finding, f)) {
            fails += finding.severity == Finding::Severity::Fails;
            warnings += finding.severity == Finding::Severity::Warning;
        }
    // New sentences of the checker's go through the translation system.
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("tamiro::checker", text);
    };
    if (fails == 0 && warnings == 0)
        return tr("Todo en orden en la carpeta %1: nada fallará.").arg(f);
    if (fails == 0)
        return tr("Nada fallará en la carpeta %1, con %2 que conviene mirar.")
            .arg(f)
            .arg(count(warnings, "aviso", "avisos"));
    return tr("En la carpeta %1, %2%3.")
        .arg(f)
        .arg(count(fails, "cosa fallará", "cosas fallarán"),
             warnings == 0 ? QString() : u" y "_s + count(warnings, "aviso", "avisos"));
}

QString severityWord(Finding::Severity severity) {
    static const char* const words[] = {"", "Aviso", "Falla"};
    return QString::fromLatin1(words[static_cast<int>(severity)]);
}

QString reportText(const Review& review, const QString& folder) {
    QString text = u"Lo que verá el niño con la carpeta %1:\n"_s.arg(visibleText(folder));
    for (const Finding& finding : review.findings)
        text += severityWord(finding.severity).toUpper().leftJustified(6) + finding.line() + u'\n';
    return text + review.summary() + u'\n';
}

} // namespace tamiro
