// Drawing buttons: what each click of a folder's buttons shows, and why not.

#include "checker/drawing_buttons.h"

#include "checker/never_seen.h"
#include "checker/picture_checks.h"
#include "checker/wording.h"
#include "rules/drawing_area.h"

#include <QStringBuilder>

namespace tamiro::checker {

using namespace Qt::StringLiterals;

const DrawingButtons::Outcome& DrawingButtons::outcome(int f, std::int16_t n,
                                                       QHash<int, Outcome>& known) {
    const auto found = known.constFind(n);
    if (found != known.cend())
        return *found;
    const DrawingStep step = drawings_.show(f, n);
    Outcome result;
    if (step.shown()) {
        result.coloured = findings_.reached(step.colouredPath);
        result.uncoloured = findings_.reached(step.uncolouredPath);
        findings_.account(result.coloured);
        findings_.account(result.uncoloured);
        shown_.insert(result.coloured);
        checkShownDrawing(findings_, step, result.coloured, result.uncoloured);
    } else {
        result.message = step.message;
        explainFailure(f, n, step);
    }
    return *known.insert(n, result);
}

ButtonSequence DrawingButtons::press(int f) {
    ButtonSequence sequence{f, {}};
    QHash<int, Outcome> known;
    const qsizetype first = findings_.size(); // the button's line goes first
    const auto click = [&](Step::Button button, std::int16_t n) {
        const Outcome& result = outcome(f, n, known);
        sequence.steps.append({button, n, result.coloured, result.uncoloured, result.message});
    };
    // One arrow, clicked until it comes back to a drawing it has shown.
    std::int16_t n = 0;
    const auto arrow = [&](Step::Button button) {
        QSet<int> met{n};
        for (int i = 0; i < kStepLimit; ++i) {
            n = button == Step::Button::Next ? drawings_.afterNext(f, n)
                                             : drawings_.afterPrevious(f, n);
            click(button, n);
            if (met.contains(n))
                break;
            met.insert(n);
        }
    };
    // The folder chosen at start-up answers its arrows before its button:
    // "previous" from drawing 0 may find a drawing -1.
    if (f == kStartFolder)
        arrow(Step::Button::Previous);
    n = drawings_.afterFolderButton(f, n);
    click(Step::Button::Folder, n);
    arrow(Step::Button::Next);
    arrow(Step::Button::Previous);
    QList<int> shown;
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        if (it->message.isEmpty())
            shown << it.key();
    findings_.insertNote(first, u"dibujos/%1"_s.arg(f),
                         shown.isEmpty()
                             ? u"el botón %1 no enseña ningún dibujo"_s.arg(f)
                             : u"el botón %1 enseña %2: %3"_s.arg(f).arg(
                                   count(shown.size(), "dibujo", "dibujos"), numberRuns(shown)));
    return sequence;
}

void DrawingButtons::explainFailure(int f, std::int16_t n, const DrawingStep& step) {
    const QString folder = u"dibujos/%1"_s.arg(f), sees = findings_.childSees(step.message);
    const QString uncolouredFolder = folder + u"/no coloreado"_s;
    const QString folderPath = drawingFolderPath(findings_.contentFolder(), f);
    const QList<QImage> pictures{step.coloured.image(), step.uncoloured.image()};
    if (step.colouredPath.endsWith(QString::number(n))) { // neither a GIF nor a JPEG
        if (findings_.files().list(findings_.onDisk(folderPath)).empty())
            return findings_.add(
                Severity::Fails, folder,
                u"no existe la carpeta, o está vacía, y al pulsar el botón %1 %2. Cree en ella "
                u"las carpetas «si coloreado» y «no coloreado» y ponga en ellas los dibujos 1, "
                u"2, 3…"_s.arg(f)
                    .arg(sees));
        const QString when =
            n == 1 ? u"no hay dibujo 1 («1.gif» o «1.jpg» en «si coloreado»), y al pulsar el "
                     u"botón %1 o al volver a empezar la serie"_s.arg(f)
            : n == 0 ? u"sin dibujo 1, la flecha «anterior» no encuentra el último dibujo y se "
                       u"queda en el 0, y"_s
                     : u"no hay dibujo %1, y al llegar a él"_s.arg(n);
        return findings_.add(Severity::Fails, folder,
                             when % u" "_s % sees %
                                 u". Ponga un dibujo con el número 1 en «si coloreado», y su "
                                 u"versión sin colorear en «no coloreado»."_s);
    }
    if (step.coloured.isNull()) {
        findings_.account(findings_.reached(step.uncolouredPath)); // it goes with this one
        return findings_.add(
            Severity::Fails, findings_.reached(step.colouredPath),
            u"no se puede abrir, y al llegar al dibujo %1 %2. %3"_s.arg(n).arg(
                sees, pictureRemedy(step.cause, u"GIF o JPEG"_s, largestWhole(kScreen))),
            pictures);
    }
    if (!findings_.files().dir(step.uncolouredPath).isEmpty())
        return findings_.add(Severity::Fails, findings_.reached(step.uncolouredPath),
                             u"no se puede abrir, y al llegar al dibujo %1 %2. %3"_s.arg(n).arg(
                                 sees, pictureRemedy(step.cause, u"GIF"_s, largestWhole(kScreen))),
                             pictures);
    // The uncoloured variant is missing: perhaps saved under another extension.
    const QString numeral = QString::number(n);
    for (const auto& entry :
         findings_.files().list(findings_.onDisk(folderPath + u"\\no coloreado"_s))) {
        const NumberedName name(entry.name);
        if (entry.kind == FileSystem::Entry::Kind::File && name.canonical && name.stem == numeral)
            return findings_.add(Severity::Fails, uncolouredFolder + u'/' + entry.name,
                                 u"es la versión sin colorear del dibujo %1, pero Tamiro sólo la "
                                 u"busca como «%1.gif», y al llegar al dibujo %2. Guárdela como "
                                 u"GIF con el nombre «%1.gif»."_s.arg(numeral, sees),
                                 pictures);
    }
    findings_.add(Severity::Fails, findings_.reached(step.colouredPath),
                  u"falta su versión sin colorear, y al llegar al dibujo %1 %2. Guarde la versión "
                  u"sin colorear como «%1.gif» en «%3»."_s.arg(numeral, sees, uncolouredFolder),
                  pictures);
}

} // namespace tamiro::checker
