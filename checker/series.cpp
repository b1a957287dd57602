// Numbered series: animations, brush sizes and pointers, button by button.

#include "checker/series.h"

#include "checker/never_seen.h"
#include "checker/wording.h"
#include "platform/formats/animation_file.h"
#include "platform/formats/content_file.h"
#include "platform/formats/picture_file.h"
#include "rules/content.h"
#include "rules/messages.h"

#include <QStringBuilder>

namespace tamiro::checker {

using namespace Qt::StringLiterals;

namespace {

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
    neverSeen(findings, app + u'\\' + QLatin1String(which.folder), {extension}, gap, u"número"_s,
              [&](long long n, const QString&) {
                  const int number = static_cast<int>(n);
                  return met.contains(number) ? findings.reached(seriesPath(app, which, number))
                                              : QString();
              });
    return order;
}

// How the teacher is told of a picture of a series that fails: `one` is one
// of them ("un pincel"), `as` the kind of file to save it as, and
// `message(n, error)` what the child is told when picture n fails.
struct PictureWords {
    QString one, as;
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
            const QString said = findings.childSees(words.message(n, error.description()));
            if (findings.files().dir(path).isEmpty())
                findings.add(Severity::Fails, file,
                             u"no existe, y %1. Copie aquí %2 con el nombre %3."_s.arg(
                                 said, words.one, quoted(file.section(u'/', -1))));
            else
                findings.add(Severity::Fails, file,
                             u"no se puede abrir, y %1. %2"_s.arg(
                                 said, pictureRemedy(error.cause(), words.as)));
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
            findings.add(Severity::Warning, findings.reached(path),
                         u"no se verá, y junto al dibujo quedará un hueco vacío: %1. %2"_s.arg(
                             findings.forTeacher(error.description()),
                             animationRemedy(error.cause(), u"%1.gif"_s.arg(n))));
        }
    });
    if (findings.files()
            .dir(seriesPath(findings.contentFolder(), kAnimations, 1).toUpper())
            .isEmpty())
        findings.add(Severity::Warning, u"animados"_s,
                     u"no hay animación 1: junto al dibujo no se verá ninguna. Ponga una "
                     u"animación GIF con el nombre «1.gif»."_s);
    else
        findings.add(Severity::Note, u"animados"_s,
                     count(shown.size(), "animación", "animaciones") %
                         u", una nueva en cada paso"_s %
                         (unplayable == 1 ? u"; 1 no se verá"_s
                          : unplayable    ? u"; %1 no se verán"_s.arg(unplayable)
                                          : QString()));
}

void reviewBrushSizes(FindingCollector& findings, PictureLoader& pictures) {
    QStringList sizes;
    pictureSeries(
        findings, pictures, kBrushSizes,
        {u"un pincel"_s, u"GIF"_s,
         [](int n, const QString& error) {
             return n == 1 ? messages::firstBrushSizeNotLoaded(error)
                           : messages::brushSizeNotChanged(error);
         }},
        [&](const QString& file, const QImage& brush, const QImage& before) {
            const QSize size = brush.size();
            // A brush no larger than the one before it is a step back for the child.
            if (!before.isNull() &&
                qint64{size.width()} * size.height() <= qint64{before.width()} * before.height())
                findings.add(Severity::Warning, file,
                             u"el pincel no crece: mide %1 y el anterior %2. Ordene los pinceles "
                             u"de menor a mayor."_s.arg(sizeText(size), sizeText(before.size())),
                             {before, brush});
            sizes << sizeText(size);
        });
    findings.add(Severity::Note, u"medida"_s,
                 count(sizes.size(), "tamaño de pincel", "tamaños de pincel") %
                     (sizes.isEmpty() ? QString() : u": "_s + sizes.join(u", "_s)));
}

void reviewPointers(FindingCollector& findings, PictureLoader& pictures) {
    int loaded = 0;
    pictureSeries(
        findings, pictures, kPointers,
        {u"un puntero"_s, u"icono (.ico) de 32 × 32"_s,
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
            if (!icon || pointer.size() != QSize(32, 32))
                findings.add(Severity::Warning, file,
                             u"no es un icono de 32 × 32 (es %1 de %2). Guárdelo como icono "
                             u"(.ico) de 32 × 32."_s.arg(icon ? u"un icono"_s : u"una imagen"_s,
                                                         sizeText(pointer.size())),
                             {pointer});
        });
    findings.add(Severity::Note, u"punteros"_s, count(loaded, "puntero", "punteros"));
}

} // namespace tamiro::checker
