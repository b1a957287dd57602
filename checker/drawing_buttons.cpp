// Drawing buttons: what each click of a folder's buttons shows, and why not.

#include "checker/drawing_buttons.h"

#include "checker/never_seen.h"
#include "checker/picture_checks.h"
#include "checker/wording.h"
#include "rules/drawing_area.h"

#include <QCoreApplication>

namespace tamiro::checker {

using namespace Qt::StringLiterals;

namespace {

// The report's lines about the drawing folders: what each button shows, and
// why a drawing does not show. "el niño verá «%N»" quotes the child's message.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::CheckerDrawings)
};

const QString kColouredFolder = u"si coloreado"_s, kUncolouredFolder = u"no coloreado"_s;

} // namespace

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
    //: %1 is the green button, %n how many drawings it shows, %2 their numbers ("1 a 3",
    //: "1, 2 y 5").
    const QString note = Text::tr("el botón %1 enseña %n dibujo(s): %2", nullptr, int(shown.size()))
                             .arg(QString::number(f), numberRuns(shown));
    findings_.insertNote(first, u"dibujos/%1"_s.arg(f),
                         shown.isEmpty() ? Text::tr("el botón %1 no enseña ningún dibujo").arg(f)
                                         : note);
    return sequence;
}

void DrawingButtons::explainFailure(int f, std::int16_t n, const DrawingStep& step) {
    const QString folder = u"dibujos/%1"_s.arg(f), sees = findings_.forTeacher(step.message);
    const QString uncolouredFolder = folder + u'/' + kUncolouredFolder;
    const QString folderPath = drawingFolderPath(findings_.contentFolder(), f);
    const QList<QImage> pictures{step.coloured.image(), step.uncoloured.image()};
    const QString numeral = QString::number(n);
    if (step.colouredPath.endsWith(numeral)) { // neither a GIF nor a JPEG
        if (findings_.files().list(findings_.onDisk(folderPath)).empty())
            //: %1 is the green button, %2 the child's message, %3 and %4 the names of the
            //: folders of the coloured and the uncoloured drawings.
            return findings_.add(
                Severity::Fails, folder,
                Text::tr("no existe la carpeta, o está vacía, y al pulsar el "
                         "botón %1 el niño verá «%2». Cree en ella las carpetas "
                         "«%3» y «%4» y ponga en ellas los dibujos 1, 2, 3…")
                    .arg(QString::number(f), sees, kColouredFolder, kUncolouredFolder));
        QString put;
        if (n == 1)
            //: %1 is the green button, %2 the child's message, %3 and %4 the two names drawing
            //: 1 may have, %5 and %6 the names of the folders of the coloured and the
            //: uncoloured drawings.
            put = Text::tr("no hay dibujo 1 («%3» o «%4» en «%5»), y al pulsar el botón %1 o al "
                           "volver a empezar la serie el niño verá «%2». Ponga un dibujo con el "
                           "número 1 en «%5», y su versión sin colorear en «%6».")
                      .arg(QString::number(f), sees, u"1.gif"_s, u"1.jpg"_s, kColouredFolder,
                           kUncolouredFolder);
        else if (n == 0)
            //: The previous arrow at start-up, in a folder without drawing 1. %1 is the child's
            //: message, %2 and %3 the names of the folders of the coloured and the uncoloured
            //: drawings.
            put = Text::tr("sin dibujo 1, la flecha «anterior» no encuentra el último dibujo y se "
                           "queda en el 0, y el niño verá «%1». Ponga un dibujo con el número 1 en "
                           "«%2», y su versión sin colorear en «%3».")
                      .arg(sees, kColouredFolder, kUncolouredFolder);
        else
            //: %1 is the missing drawing's number, %2 the child's message, %3 and %4 the names
            //: of the folders of the coloured and the uncoloured drawings.
            put = Text::tr("no hay dibujo %1, y al llegar a él el niño verá «%2». Ponga un dibujo "
                           "con el número %1 en «%3», y su versión sin colorear en «%4».")
                      .arg(numeral, sees, kColouredFolder, kUncolouredFolder);
        return findings_.add(Severity::Fails, folder, put);
    }
    if (step.coloured.isNull()) {
        findings_.account(findings_.reached(step.uncolouredPath)); // it goes with this one
        //: %1 is the drawing's number, %2 the child's message, %3 what to do about it.
        return findings_.add(
            Severity::Fails, findings_.reached(step.colouredPath),
            Text::tr("no se puede abrir, y al llegar al dibujo %1 el niño verá "
                     "«%2». %3")
                .arg(numeral, sees,
                     pictureRemedy(step.cause, SaveAs::GifOrJpeg, largestWhole(kScreen))),
            pictures);
    }
    if (!findings_.files().dir(step.uncolouredPath).isEmpty())
        return findings_.add(
            Severity::Fails, findings_.reached(step.uncolouredPath),
            Text::tr("no se puede abrir, y al llegar al dibujo %1 el niño verá «%2». %3")
                .arg(numeral, sees, pictureRemedy(step.cause, SaveAs::Gif, largestWhole(kScreen))),
            pictures);
    // The uncoloured variant is missing: perhaps saved under another extension.
    const QString gif = numeral + u".gif"_s;
    for (const auto& entry :
         findings_.files().list(findings_.onDisk(folderPath + u'\\' + kUncolouredFolder))) {
        const NumberedName name(entry.name);
        if (entry.kind == FileSystem::Entry::Kind::File && name.canonical && name.stem == numeral)
            //: %1 is the drawing's number, %2 the name Tamiro looks for, %3 the child's message.
            return findings_.add(Severity::Fails, uncolouredFolder + u'/' + entry.name,
                                 Text::tr("es la versión sin colorear del dibujo %1, pero Tamiro "
                                          "sólo la busca como «%2», y al llegar al dibujo el niño "
                                          "verá «%3». Guárdela como GIF con el nombre «%2».")
                                     .arg(numeral, gif, sees),
                                 pictures);
    }
    //: %1 is the drawing's number, %2 the child's message, %3 the name to save the uncoloured
    //: drawing as, %4 the folder to save it in.
    findings_.add(Severity::Fails, findings_.reached(step.colouredPath),
                  Text::tr("falta su versión sin colorear, y al llegar al dibujo %1 el niño verá "
                           "«%2». Guarde la versión sin colorear como «%3» en «%4».")
                      .arg(numeral, sees, gif, uncolouredFolder),
                  pictures);
}

} // namespace tamiro::checker
