// Numbered series: animations, brush sizes and pointers, button by button.

#include "checker/series.h"

#include "checker/never_seen.h"
#include "checker/wording.h"
#include "platform/formats/animation_file.h"
#include "platform/formats/content_file.h"
#include "platform/formats/picture_file.h"
#include "rules/content.h"
#include "rules/messages.h"

#include <QCoreApplication>

namespace tamiro::checker {

using namespace Qt::StringLiterals;

namespace {

// The report's lines about the animations, the brush sizes and the pointers.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::CheckerSeries)
};

// Steps through a series as its button does from start-up on, giving
// `open(n, path)` each number reached; then names the files never reached.
// Returns the numbers reached, in order.
QList<int> stepThrough(FindingCollector& findings, const Series& which,
                       const std::function<void(int n, const QString& path)>& open) {
    const QString& app = findings.contentFolder();
    QList<int> order;
    QSet<int> met;
    for (int n = 1; !met.contains(n) && order.size() < kStepLimit;
         n = nextInSeries(findings.files(), app, which, n)) {
        met.insert(n);
        order << n;
        open(n, seriesPath(app, which, n));
    }
    int gap = 1;
    while (gap <= which.top && gap <= kLastNumber &&
           !findings.files().dir(seriesPath(app, which, gap).toUpper()).isEmpty())
        ++gap;
    const QString extension = QString::fromLatin1(which.extension).mid(1);
    neverSeen(findings, app + u'\\' + QLatin1String(which.folder), {extension}, gap,
              Numbered::Series, [&](long long n, const QString&) {
                  const int number = static_cast<int>(n);
                  return met.contains(number) ? findings.reached(seriesPath(app, which, number))
                                              : QString();
              });
    return order;
}

// How the teacher is told of a picture of a series that fails: `missing`
// says what to copy where one is missing, `as` the kind of file to save it
// as, and `message(n, error)` what the child is told when picture n fails.
struct PictureWords {
    const char* missing;
    SaveAs as;
    QString (*message)(int n, const QString& error);
};

// A series of pictures, each loaded as the program loads it; `check(file,
// picture, before)` looks at each picture after the one before it.
void pictureSeries(FindingCollector& findings, PictureLoader& pictures, const Series& which,
                   const PictureWords& words,
                   const std::function<void(const QString& file, const QImage& picture,
                                            const QImage& before)>& check) {
    QImage before;
    stepThrough(findings, which, [&](int n, const QString& path) {
        const QString file = findings.reached(path);
        try {
            const QImage picture = pictures.load(path).image();
            findings.account(file);
            check(file, picture, before);
            before = picture;
        } catch (const PlatformError& error) {
            const QString said = findings.forTeacher(words.message(n, error.description()));
            if (findings.files().dir(path).isEmpty())
                findings.add(Severity::Fails, file,
                             Text::tr(words.missing).arg(said, file.section(u'/', -1)));
            else
                //: %1 is the child's message, %2 what to do about it.
                findings.add(Severity::Fails, file,
                             Text::tr("no se puede abrir, y el niño verá «%1». %2")
                                 .arg(said, pictureRemedy(error.cause(), words.as)));
        }
    });
}

} // namespace

void reviewAnimations(FindingCollector& findings) {
    int unplayable = 0;
    const QList<int> shown = stepThrough(findings, kAnimations, [&](int n, const QString& path) {
        if (findings.files().dir(path).isEmpty())
            return; // without animation 1, told below
        try {
            openAnimation(findings.onDisk(path), kScreen);
            findings.account(findings.reached(path));
        } catch (const PlatformError& error) {
            ++unplayable;
            //: %1 is why the animation does not play, %2 what to do about it.
            findings.add(Severity::Warning, findings.reached(path),
                         Text::tr("no se verá, y junto al dibujo quedará un hueco vacío: %1. %2")
                             .arg(findings.forTeacher(error.description()),
                                  animationRemedy(error.cause(), u"%1.gif"_s.arg(n))));
        }
    });
    if (findings.files()
            .dir(seriesPath(findings.contentFolder(), kAnimations, 1).toUpper())
            .isEmpty())
        //: %1 is the name the first animation must have.
        findings.add(Severity::Warning, u"animados"_s,
                     Text::tr("no hay animación 1: junto al dibujo no se verá ninguna. Ponga una "
                              "animación GIF con el nombre «%1».")
                         .arg(u"1.gif"_s));
    else if (unplayable == 0)
        //: The animations' line: how many the child meets.
        findings.add(
            Severity::Note, u"animados"_s,
            Text::tr("%n animación(es), una nueva en cada paso", nullptr, int(shown.size())));
    else
        //: %1 is how many animations the child meets ("6 animaciones, una nueva en cada
        //: paso"), %n how many of them will not be seen.
        findings.add(Severity::Note, u"animados"_s,
                     Text::tr("%1; %n no se verá(n)", nullptr, unplayable)
                         .arg(Text::tr("%n animación(es), una nueva en cada paso", nullptr,
                                       int(shown.size()))));
}

void reviewBrushSizes(FindingCollector& findings, PictureLoader& pictures) {
    QStringList sizes;
    pictureSeries(
        findings, pictures, kBrushSizes,
        {//: %1 is the child's message, %2 the name the brush size must have.
         QT_TRANSLATE_NOOP("tamiro::CheckerSeries",
                           "no existe, y el niño verá «%1». Copie aquí un pincel con el nombre "
                           "«%2»."),
         SaveAs::Gif,
         [](int n, const QString& error) {
             return n == 1 ? messages::firstBrushSizeNotLoaded(error)
                           : messages::brushSizeNotChanged(error);
         }},
        [&](const QString& file, const QImage& brush, const QImage& before) {
            const QSize size = brush.size();
            // A brush no larger than the one before it is a step back for the child.
            if (!before.isNull() &&
                qint64{size.width()} * size.height() <= qint64{before.width()} * before.height()) {
                //: %1 is the brush size's size, %2 the size of the one before.
                const QString why = Text::tr("el pincel no crece: mide %1 y el anterior %2. Ordene "
                                             "los pinceles de menor a mayor.")
                                        .arg(sizeText(size), sizeText(before.size()));
                findings.add(Severity::Warning, file, why, {before, brush});
            }
            sizes << sizeText(size);
        });
    if (sizes.isEmpty())
        //: The brush sizes' line: how many there are.
        return findings.add(Severity::Note, u"medida"_s,
                            Text::tr("%n tamaño(s) de pincel", nullptr, 0));
    //: %1 lists the sizes ("16 × 16, 32 × 32").
    const QString note = Text::tr("%n tamaño(s) de pincel: %1", nullptr, int(sizes.size()));
    findings.add(Severity::Note, u"medida"_s, note.arg(sizes.join(u", "_s)));
}

void reviewPointers(FindingCollector& findings, PictureLoader& pictures) {
    int loaded = 0;
    pictureSeries(
        findings, pictures, kPointers,
        {//: %1 is the child's message, %2 the name the pointer must have.
         QT_TRANSLATE_NOOP("tamiro::CheckerSeries",
                           "no existe, y el niño verá «%1». Copie aquí un puntero con el nombre "
                           "«%2»."),
         SaveAs::Icon,
         [](int n, const QString& error) {
             return n == 1 ? messages::firstPointerNotLoaded(error) : messages::attention(error);
         }},
        [&](const QString& file, const QImage& pointer, const QImage&) {
            ++loaded;
            QByteArray head;
            try {
                ContentFile(findings.contentFolder() + u'/' + file).readInto(head, 4);
            } catch (const PlatformError&) {
            }
            const bool icon = head == QByteArray("\0\0\1\0", 4);
            if (icon && pointer.size() == QSize(32, 32))
                return;
            //: %1 is the icon's size.
            const QString anIcon = Text::tr("no es un icono de 32 × 32 (es un icono de %1). "
                                            "Guárdelo como icono (.ico) de 32 × 32.");
            //: %1 is the picture's size.
            const QString aPicture = Text::tr("no es un icono de 32 × 32 (es una imagen de %1). "
                                              "Guárdelo como icono (.ico) de 32 × 32.");
            findings.add(Severity::Warning, file,
                         (icon ? anIcon : aPicture).arg(sizeText(pointer.size())), {pointer});
        });
    //: The pointers' line: how many there are.
    findings.add(Severity::Note, u"punteros"_s, Text::tr("%n puntero(s)", nullptr, loaded));
}

} // namespace tamiro::checker
