#include "checker/revision.h"

#include "platform/core/errors.h"
#include "platform/formats/animation_file.h"
#include "platform/formats/content_file.h"
#include "platform/formats/picture_file.h"
#include "rules/content.h"
#include "rules/drawing_area.h"
#include "rules/drawings.h"
#include "rules/messages.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QLocale>
#include <QSet>
#include <QStringBuilder>
#include <algorithm>
#include <cmath>
#include <sys/stat.h>

namespace tamiro {

using namespace Qt::StringLiterals;

namespace {

using Severity = Finding::Severity;
using Kind = FileSystem::Entry::Kind;

constexpr int kThumbnail = 96;        // pixels a side
constexpr int kMaxThumbnailed = 200;  // findings with pictures; the rest have none
constexpr int kStepLimit = 2 * 32768; // clicks of one button before the review gives up
constexpr qsizetype kQuoteLimit = 60; // characters of a quoted line
constexpr QSize kScreen(kReviewScreenWidth, kReviewScreenHeight);

QString count(qsizetype n, const char* one, const char* many) {
    return u"%1 %2"_s.arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

QString sizeText(const QSize& size) {
    return u"%1 × %2"_s.arg(size.width()).arg(size.height());
}

QString quoted(const QString& name) {
    return u"«"_s + name + u"»"_s;
}

// "1 a 5", "0, 2 y 3": the numbers a button shows, in runs.
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

// «a», «b» y «c»
QString nameList(const QStringList& names) {
    QStringList shown;
    for (const QString& name : names)
        shown << quoted(name);
    return shown.size() > 1 ? shown.mid(0, shown.size() - 1).join(u", "_s) + u" y "_s + shown.last()
                            : shown.value(0);
}

QImage thumbnail(const QImage& picture) {
    if (picture.width() <= kThumbnail && picture.height() <= kThumbnail)
        return picture;
    return picture.scaled(kThumbnail, kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

using Cause = PlatformError::Cause;

// What to do about a picture that Tamiro refuses, by why it refuses it: save
// it again `as` a GIF, say, and smaller than `fits` where that is given.
QString pictureRemedy(Cause cause, const QString& as, const QSize& fits = {}) {
    switch (cause) {
    case Cause::TooLarge:
    case Cause::TooLong:
        return u"Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por "
               u"ejemplo). Redúzcalo%3 y guárdelo como %4."_s.arg(kMaxPicturePixels >> 20)
                   .arg(int(std::sqrt(double(kMaxPicturePixels))))
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

// The same for an animation that will not play.
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
        QByteArray bytes = readContentFile(file, 64 * 1024 * 1024);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return QImageReader(&buffer, "jpeg").transformation() !=
               QImageIOHandler::TransformationNone;
    } catch (const PlatformError&) {
        return false;
    }
}

// A file name split into its number and its extension, as a numbered series
// names them: "12.gif" is 12 and "gif".
struct Numbered {
    QString stem, extension; // the extension in lower case, without its dot
    bool isNumber = false, canonical = false;
    long long number = 0;
    explicit Numbered(const QString& name) {
        const qsizetype dot = name.lastIndexOf(u'.');
        stem = dot < 0 ? name : name.left(dot);
        extension = dot < 0 ? QString() : name.mid(dot + 1).toLower();
        number = stem.toLongLong(&isNumber);
        canonical = isNumber && stem == QString::number(number);
    }
};

// What a file is on disk, whatever path leads to it.
struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    time_t seconds = 0;
    long nanoseconds = 0;
    bool operator==(const Identity&) const = default;
};

// The program's picture loader, with the last two files decoded kept by what
// they are on disk: a folder of links to one picture is decoded once, not once
// per link. What a file decodes to, or the message it fails with, is the
// loader's.
class SameFileOnce : public PictureLoader {
public:
    SameFileOnce(FileSystem& files, PictureLoader& loader) : files_(files), loader_(loader) {}

    Picture load(const QString& path) override {
        struct stat info {};
        const QByteArray file = encodePath(files_.resolve(path));
        if (file.contains('\0') || ::stat(file.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            return loader_.load(path);
        const Identity identity{info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec,
                                info.st_mtim.tv_nsec};
        for (const auto& [known, picture] : kept_)
            if (known == identity)
                return picture;
        Picture picture = loader_.load(path);
        kept_[next_++ % 2] = {identity, picture};
        return picture;
    }
    Picture builtIn(const QString& name) override { return loader_.builtIn(name); }

private:
    FileSystem& files_;
    PictureLoader& loader_;
    std::pair<Identity, Picture> kept_[2];
    unsigned next_ = 0;
};

// What one drawing number shows, found once per number.
struct Outcome {
    QString coloured, uncoloured, message;
};

class Reviewer {
public:
    Reviewer(FileSystem& files, PictureLoader& pictures)
        : files_(files), pictures_(files, pictures), app_(files.applicationFolder()),
          drawings_(files, pictures_) {}

    Review run() {
        for (int folder = 1; folder <= 10; ++folder)
            drawingFolder(folder);
        otherDrawingFolders();
        animations();
        brushes();
        pointers();
        background();
        sounds();
        printing();
        topLevelTwins();
        review_.drawings = int(shownDrawings_.size());
        return review_;
    }

private:
    void add(Severity severity, const QString& file, const QString& text,
             const QList<QImage>& pictures = {}) {
        review_.fails += severity == Severity::Fails;
        review_.warnings += severity == Severity::Warning;
        accounted_.insert(file);
        QList<QImage> small;
        if (thumbnailed_ < kMaxThumbnailed && !pictures.isEmpty()) {
            ++thumbnailed_;
            for (const QImage& picture : pictures)
                small << (picture.isNull() ? QImage() : thumbnail(picture));
        }
        review_.findings.append({severity, file, text, small});
    }

    // A path on disk relative to the content folder.
    QString relative(const QString& onDisk) const {
        return onDisk.startsWith(app_ + u'/') ? onDisk.mid(app_.size() + 1) : onDisk;
    }
    // The file a composed content path reaches, relative to the content folder.
    QString reached(const QString& composed) { return relative(files_.resolve(composed)); }
    QString onDisk(const QString& composed) { return files_.resolve(composed); }

    // A message of the child's, or a failure's description, as the teacher
    // reads it: on one line, with the content folder's own path left out.
    QString forTeacher(const QString& message) const {
        QString line = message;
        return line.replace(u"\r\n"_s, QString()).replace(app_ + u'/', QString());
    }
    QString childSees(const QString& message) const {
        return u"el niño verá "_s + quoted(forTeacher(message));
    }

    // ---- drawings ----------------------------------------------------------

    QString folderPath(int f) const { return u"%1\\dibujos\\%2"_s.arg(app_).arg(f); }

    const Outcome& outcome(int f, std::int16_t n, QHash<int, Outcome>& known) {
        const auto found = known.constFind(n);
        if (found != known.cend())
            return *found;
        const DrawingStep step = drawings_.show(f, n);
        Outcome result;
        if (step.shown()) {
            result.coloured = reached(step.colouredPath);
            result.uncoloured = reached(step.uncolouredPath);
            accounted_ << result.coloured << result.uncoloured;
            shownDrawings_.insert(result.coloured);
            checkPictures(step, result);
        } else {
            result.message = step.message;
            explainFailure(f, n, step);
        }
        return *known.insert(n, result);
    }

    void drawingFolder(int f) {
        ButtonSequence sequence{f, {}};
        QHash<int, Outcome> known;
        const qsizetype first = review_.findings.size(); // the button's line goes first
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
        review_.findings.insert(
            first,
            {Severity::Note,
             u"dibujos/%1"_s.arg(f),
             shown.isEmpty() ? u"el botón %1 no enseña ningún dibujo"_s.arg(f)
                             : u"el botón %1 enseña %2: %3"_s.arg(f).arg(
                                   count(shown.size(), "dibujo", "dibujos"), numberRuns(shown)),
             {}});
        review_.buttons.append(sequence);
        neverSeenInFolder(f, known);
    }

    // Why a step shows no drawing, told at the file to mend.
    void explainFailure(int f, std::int16_t n, const DrawingStep& step) {
        const QString folder = u"dibujos/%1"_s.arg(f), sees = childSees(step.message);
        const QString uncolouredFolder = folder + u"/no coloreado"_s;
        const QList<QImage> pictures{step.coloured.image(), step.uncoloured.image()};
        if (step.colouredPath.endsWith(QString::number(n))) { // neither a GIF nor a JPEG
            if (files_.list(onDisk(folderPath(f))).empty()) {
                add(Severity::Fails, folder,
                    u"no existe la carpeta, o está vacía, y al pulsar el botón %1 %2. Cree "
                    u"en ella las carpetas «si coloreado» y «no coloreado» y ponga en ellas los "
                    u"dibujos 1, 2, 3…"_s.arg(f)
                        .arg(sees));
                return;
            }
            const QString when =
                n == 1 ? u"no hay dibujo 1 («1.gif» o «1.jpg» en «si coloreado»), y al pulsar "
                         u"el botón %1 o al volver a empezar la serie"_s.arg(f)
                : n == 0 ? u"sin dibujo 1, la flecha «anterior» no encuentra el último dibujo y "
                           u"se queda en el 0, y"_s
                         : u"no hay dibujo %1, y al llegar a él"_s.arg(n);
            add(Severity::Fails, folder,
                when % u" "_s % sees %
                    u". Ponga un dibujo con el número 1 en «si coloreado», y su versión sin "
                    u"colorear en «no coloreado»."_s);
        } else if (step.coloured.isNull()) {
            accounted_.insert(reached(step.uncolouredPath)); // it goes with this one
            add(Severity::Fails, reached(step.colouredPath),
                u"no se puede abrir, y al llegar al dibujo %1 %2. %3"_s.arg(n).arg(
                    sees, pictureRemedy(step.cause, u"GIF o JPEG"_s, largestWhole(kScreen))),
                pictures);
        } else if (files_.dir(step.uncolouredPath).isEmpty()) {
            const QString numeral = QString::number(n);
            for (const auto& entry : files_.list(onDisk(folderPath(f) + u"\\no coloreado"_s))) {
                const Numbered name(entry.name);
                if (entry.kind == Kind::File && name.canonical && name.stem == numeral)
                    return add(Severity::Fails, uncolouredFolder + u'/' + entry.name,
                               u"es la versión sin colorear del dibujo %1, pero Tamiro sólo la "
                               u"busca como «%1.gif», y al llegar al dibujo %2. Guárdela como "
                               u"GIF con el nombre «%1.gif»."_s.arg(numeral, sees),
                               pictures);
            }
            add(Severity::Fails, reached(step.colouredPath),
                u"falta su versión sin colorear, y al llegar al dibujo %1 %2. Guarde la "
                u"versión sin colorear como «%1.gif» en «%3»."_s.arg(numeral, sees,
                                                                     uncolouredFolder),
                pictures);
        } else {
            add(Severity::Fails, reached(step.uncolouredPath),
                u"no se puede abrir, y al llegar al dibujo %1 %2. %3"_s.arg(n).arg(
                    sees, pictureRemedy(step.cause, u"GIF"_s, largestWhole(kScreen))),
                pictures);
        }
    }

    // What the child will see amiss in a drawing that shows.
    void checkPictures(const DrawingStep& step, const Outcome& files) {
        const QImage& coloured = step.coloured.image();
        const QImage& uncoloured = step.uncoloured.image();
        const QList<QImage> both{coloured, uncoloured};
        const QString colouredName = files.coloured.section(u'/', -1);
        if (coloured.size() != uncoloured.size()) {
            QString why = u"mide %1 y el coloreado %2 mide %3: al colorear no coinciden."_s.arg(
                sizeText(uncoloured.size()), quoted(colouredName), sizeText(coloured.size()));
            if (coloured.size().transposed() == uncoloured.size() &&
                turnedPhoto(onDisk(step.colouredPath)))
                why += u" El coloreado es una foto con una marca de giro de la cámara: el visor "
                       u"de fotos la enseña girada, pero Tamiro la enseña tal como está guardada. "
                       u"Ábrala con un programa de dibujo, gírela como debe verse y guárdela de "
                       u"nuevo."_s;
            else
                why += u" Guarde los dos con el mismo tamaño."_s;
            add(Severity::Warning, files.uncoloured, why, both);
        }
        if (hasTransparency(uncoloured))
            add(Severity::Warning, files.uncoloured,
                u"tiene partes transparentes, y por ellas se verán los colores antes de pintar. "
                u"Guárdelo sin transparencia, con el fondo blanco."_s,
                both);
        const DrawingFit fit = fitOnScreen(coloured.size(), kScreen);
        if (!fit.whole()) {
            QStringList lost;
            if (fit.cutBelow)
                lost << u"se cortará por abajo"_s;
            if (fit.cutAtSides)
                lost << u"se cortará por los lados"_s;
            if (fit.animationOut)
                lost << u"la animación quedará fuera de la pantalla"_s;
            const QSize largest = largestWhole(kScreen);
            add(Severity::Warning, files.coloured,
                u"mide %1 píxeles y en una pantalla de %2 %3. Redúzcalo a %4 como mucho."_s.arg(
                    sizeText(coloured.size()), sizeText(kScreen), lost.join(u" y "_s),
                    sizeText(largest)),
                both);
        }
    }

    // ---- files the child never sees ------------------------------------------

    // Names every file below `folder` (on disk), each with `why`.
    void everyFileBelow(const QString& folder, const QString& why, int depth = 0) {
        for (const auto& entry : files_.list(folder)) {
            const QString path = folder + u'/' + entry.name;
            if (entry.kind == Kind::Folder && depth < 8)
                everyFileBelow(path, why, depth + 1);
            else if (!accounted_.contains(relative(path)))
                add(Severity::Warning, relative(path), why);
        }
    }

    // Why an entry that is no ordinary file, or a hidden one, is never seen;
    // empty for an ordinary file.
    static QString notAFile(const FileSystem::Entry& entry) {
        switch (entry.kind) {
        case Kind::Folder:
            return u"es una carpeta, y aquí Tamiro sólo busca archivos. Muévala a otro sitio."_s;
        case Kind::Nowhere:
            return u"es un enlace a algo que ya no existe. Bórrelo y copie aquí el archivo de "
                   u"verdad."_s;
        case Kind::Other:
            return u"no es un archivo corriente. Bórrelo."_s;
        case Kind::File:
            break;
        }
        if (entry.name.startsWith(u'.'))
            return u"es un archivo oculto (su nombre empieza por un punto) y Tamiro no lo ve. "
                   u"Quítele el punto del principio."_s;
        return {};
    }

    // The files of one folder of a numbered series that the child never sees.
    // `composed` is the folder as the program writes it; `usedFile(n, ext)`
    // is the file (relative) the program reads for number n with that
    // extension; `gap` the first number whose absence ends the series;
    // `extensions` what the folder is read for.
    template <typename UsedFile>
    void neverSeen(const QString& composed, const QStringList& extensions, int gap,
                   const QString& what, UsedFile usedFile) {
        const QString folder = onDisk(composed);
        const std::vector<FileSystem::Entry> entries = files_.list(folder);
        QHash<QString, QStringList> twins;
        for (const auto& entry : entries)
            twins[nameKey(entry.name)] << entry.name;
        const QString kinds = u"."_s + extensions.join(u" y ."_s);
        for (const auto& entry : entries) {
            const QString file = relative(folder + u'/' + entry.name);
            if (accounted_.contains(file))
                continue;
            const Numbered name(entry.name);
            QString why = notAFile(entry);
            const QStringList& same = twins.value(nameKey(entry.name));
            const QString used = name.canonical ? usedFile(name.number, name.extension) : QString();
            if (!why.isEmpty()) {
            } else if (same.size() > 1 && !used.isEmpty() && used != file) {
                why = u"hay %1 archivos que Tamiro confunde: %2; usa %3. Deje sólo uno."_s
                          .arg(same.size())
                          .arg(nameList(same), quoted(used.section(u'/', -1)));
            } else if (!extensions.contains(name.extension)) {
                why = name.canonical
                          ? u"Tamiro sólo lee aquí archivos %1. Guárdelo como %2 con el nombre "
                            u"«%3.%4»."_s.arg(kinds, extensions.first().toUpper(), name.stem,
                                              extensions.first())
                          : u"Tamiro sólo lee aquí archivos %1 con un número por nombre. Si no "
                            u"es para Tamiro, muévalo a otro sitio."_s.arg(kinds);
            } else if (!name.isNumber) {
                why = u"el nombre tiene que ser un número (1, 2, 3…). Cámbieselo por el número "
                      u"que le toque."_s;
            } else if (!name.canonical) {
                why = u"el número está mal escrito (con ceros delante o con signo). Cámbiele el "
                      u"nombre a «%1.%2»."_s.arg(name.number)
                          .arg(name.extension);
            } else if (name.number > kLastNumber) {
                why = u"Tamiro sólo llega hasta el %1 %2. Póngalo en otra carpeta."_s.arg(
                    what, QString::number(kLastNumber));
            } else if (name.number < 1) {
                why = u"los números empiezan en 1. Cámbiele el número."_s;
            } else if (!used.isEmpty() && used != file) {
                why = u"con el número %1 ya se usa %2 (el GIF va antes que el JPEG). Bórrelo o "
                      u"cámbiele el número."_s.arg(QString::number(name.number),
                                                   quoted(used.section(u'/', -1)));
            } else if (gap <= name.number) {
                why = u"falta el %1 %2 y la serie vuelve al 1 después del %3. Ponga el %2 que "
                      u"falta."_s.arg(what)
                          .arg(gap)
                          .arg(gap - 1);
                if (gap == 1)
                    why = u"falta el %1 1, y sin él no se llega a ningún otro. Ponga el 1."_s.arg(
                        what);
            } else {
                why = u"no hay %1 %2 que lo use. Bórrelo, o ponga el que le falta."_s.arg(what).arg(
                    name.number);
            }
            add(Severity::Warning, file, u"no se verá nunca: "_s + why);
        }
    }

    void neverSeenInFolder(int f, const QHash<int, Outcome>& known) {
        // The series ends before the first number from 2 on that is absent:
        // without drawing 1 the next button still goes on to 2.
        int gap = 2;
        while (gap <= kLastNumber && drawings_.present(f, std::int16_t(gap)))
            ++gap;
        const QString folder = folderPath(f);
        const QString usedColoured = onDisk(folder + u"\\si coloreado"_s);
        const QString usedUncoloured = onDisk(folder + u"\\no coloreado"_s);
        neverSeen(folder + u"\\si coloreado"_s, {u"gif"_s, u"jpg"_s}, gap, u"dibujo"_s,
                  [&](long long n, const QString& extension) {
                      // The GIF when there is one, whatever the extension asked.
                      const QString gif =
                          reached(drawingPath(app_, f, Variant::Coloured, int(n), u".GIF"_s));
                      if (!files_.dir(drawingPath(app_, f, Variant::Coloured, int(n), u".GIF"_s))
                               .isEmpty() ||
                          extension == u"gif")
                          return gif;
                      return reached(drawingPath(app_, f, Variant::Coloured, int(n), u".JPG"_s));
                  });
        neverSeen(folder + u"\\no coloreado"_s, {u"gif"_s}, gap, u"dibujo coloreado"_s,
                  [&](long long n, const QString&) {
                      return known.contains(int(n))
                                 ? reached(
                                       drawingPath(app_, f, Variant::Uncoloured, int(n), u".GIF"_s))
                                 : QString();
                  });
        // Beside the two folders the program reads.
        const QString drawingFolder = onDisk(folder);
        for (const auto& entry : files_.list(drawingFolder)) {
            const QString path = drawingFolder + u'/' + entry.name;
            if (path == usedColoured || path == usedUncoloured)
                continue;
            const QString key = nameKey(entry.name);
            const bool twin = entry.kind == Kind::Folder && (key == nameKey(u"si coloreado"_s) ||
                                                             key == nameKey(u"no coloreado"_s));
            if (twin)
                everyFileBelow(
                    path,
                    u"no se verá nunca: está en %1, una carpeta que Tamiro confunde "
                    u"con %2, la que usa. Pase el dibujo a %2 y borre %1."_s.arg(
                        quoted(entry.name),
                        quoted((key == nameKey(u"si coloreado"_s) ? usedColoured : usedUncoloured)
                                   .section(u'/', -1))));
            else if (!accounted_.contains(relative(path)))
                add(Severity::Warning, relative(path),
                    u"no se verá nunca: en cada carpeta de dibujos Tamiro sólo mira «si "
                    u"coloreado» y «no coloreado». Muévalo a una de ellas o a otro sitio."_s);
        }
    }

    // Folders and files beside the ten drawing folders are never opened.
    void otherDrawingFolders() {
        const QString dibujos = onDisk(app_ + u"\\dibujos"_s);
        for (const auto& entry : files_.list(dibujos)) {
            const Numbered name(entry.name);
            const QString path = dibujos + u'/' + entry.name;
            if (entry.kind == Kind::Folder && name.canonical && name.number >= 1 &&
                name.number <= 10 && onDisk(folderPath(int(name.number))) == path)
                continue;
            add(Severity::Warning, relative(path),
                u"no se verá nunca: los diez botones abren las carpetas 1 a 10 de «dibujos». "
                u"Pase lo que quiera enseñar a una de ellas."_s);
        }
    }

    // ---- the other numbered series -----------------------------------------

    // Steps through a series as its button does from start-up on, giving
    // `open(n, path)` each number reached; then names the files never
    // reached. Returns the numbers reached, in order.
    template <typename Open> QList<int> series(const Series& which, Open open) {
        QList<int> order;
        QSet<int> met;
        for (int n = 1; !met.contains(n) && order.size() < kStepLimit;
             n = nextInSeries(files_, app_, which, n)) {
            met.insert(n);
            order << n;
            open(n, seriesPath(app_, which, n));
        }
        int gap = 1;
        while (gap <= which.top && gap <= kLastNumber &&
               !files_.dir(seriesPath(app_, which, gap).toUpper()).isEmpty())
            ++gap;
        const QString extension = QString::fromLatin1(which.extension).mid(1);
        neverSeen(app_ + u'\\' + QLatin1String(which.folder), {extension}, gap, u"número"_s,
                  [&](long long n, const QString&) {
                      return met.contains(int(n)) ? reached(seriesPath(app_, which, int(n)))
                                                  : QString();
                  });
        return order;
    }

    // A series of pictures, each loaded as the program loads it.
    // `message(n, error)` is what the child is told when picture n fails;
    // `check` looks at each picture after the one before it; a picture is
    // mended by saving it `as` that kind of file.
    template <typename Message, typename Check>
    void pictureSeries(const Series& which, const QString& what, const QString& as, Message message,
                       Check check) {
        QImage before;
        series(which, [&](int n, const QString& path) {
            try {
                const QImage picture = pictures_.load(path).image();
                accounted_.insert(reached(path));
                check(reached(path), picture, before);
                before = picture;
            } catch (const PlatformError& error) {
                const QString file = reached(path),
                              said = childSees(message(n, error.description()));
                if (files_.dir(path).isEmpty())
                    add(Severity::Fails, file,
                        u"no existe, y %1. Copie aquí %2 con el nombre %3."_s.arg(
                            said, what, quoted(file.section(u'/', -1))));
                else
                    add(Severity::Fails, file,
                        u"no se puede abrir, y %1. %2"_s.arg(said,
                                                             pictureRemedy(error.cause(), as)));
            }
        });
    }

    // The animations: each one that plays counts, as the animation control
    // would take it on the review's screen; the others are named, though the
    // child is told nothing.
    void animations() {
        int unplayable = 0;
        const QList<int> shown = series(kAnimations, [&](int n, const QString& path) {
            if (files_.dir(path).isEmpty())
                return; // without animation 1, told below
            try {
                openAnimation(onDisk(path), kScreen);
                accounted_.insert(reached(path));
            } catch (const PlatformError& error) {
                ++unplayable;
                add(Severity::Warning, reached(path),
                    u"no se verá, y junto al dibujo quedará un hueco vacío: %1. %2"_s.arg(
                        forTeacher(error.description()),
                        animationRemedy(error.cause(), u"%1.gif"_s.arg(n))));
            }
        });
        if (files_.dir(seriesPath(app_, kAnimations, 1).toUpper()).isEmpty())
            add(Severity::Warning, u"animados"_s,
                u"no hay animación 1: junto al dibujo no se verá ninguna. Ponga una animación "
                u"GIF con el nombre «1.gif»."_s);
        else
            add(Severity::Note, u"animados"_s,
                count(shown.size(), "animación", "animaciones") % u", una nueva en cada paso"_s %
                    (unplayable == 1 ? u"; 1 no se verá"_s
                     : unplayable    ? u"; %1 no se verán"_s.arg(unplayable)
                                     : QString()));
    }

    void brushes() {
        QStringList sizes;
        pictureSeries(
            kBrushSizes, u"un pincel"_s, u"GIF"_s,
            [](int n, const QString& error) {
                return n == 1 ? messages::firstBrushSizeNotLoaded(error)
                              : messages::brushSizeNotChanged(error);
            },
            [&](const QString& file, const QImage& brush, const QImage& before) {
                const QSize size = brush.size();
                if (!before.isNull() && qint64(size.width()) * size.height() <=
                                            qint64(before.width()) * before.height())
                    add(Severity::Warning, file,
                        u"el pincel no crece: mide %1 y el anterior %2. Ordene los pinceles de "
                        u"menor a mayor."_s.arg(sizeText(size), sizeText(before.size())),
                        {before, brush});
                sizes << sizeText(size);
            });
        add(Severity::Note, u"medida"_s,
            count(sizes.size(), "tamaño de pincel", "tamaños de pincel") %
                (sizes.isEmpty() ? QString() : u": "_s + sizes.join(u", "_s)));
    }

    void pointers() {
        int loaded = 0;
        pictureSeries(
            kPointers, u"un puntero"_s, u"icono (.ico) de 32 × 32"_s,
            [](int n, const QString& error) {
                return n == 1 ? messages::firstPointerNotLoaded(error) : messages::attention(error);
            },
            [&](const QString& file, const QImage& pointer, const QImage&) {
                ++loaded;
                QByteArray head;
                try {
                    ContentFile(app_ + u'/' + file).readInto(head, 4);
                } catch (const PlatformError&) {
                }
                const bool icon = head == QByteArray("\0\0\1\0", 4);
                if (!icon || pointer.size() != QSize(32, 32))
                    add(Severity::Warning, file,
                        u"no es un icono de 32 × 32 (es %1 de %2). Guárdelo como icono (.ico) "
                        u"de 32 × 32."_s.arg(icon ? u"un icono"_s : u"una imagen"_s,
                                             sizeText(pointer.size())),
                        {pointer});
            });
        add(Severity::Note, u"punteros"_s, count(loaded, "puntero", "punteros"));
    }

    // ---- single files ----------------------------------------------------------

    void background() {
        const QString path = app_ + kBackgroundFile;
        try {
            const Picture picture = pictures_.load(path);
            add(Severity::Note, reached(path),
                u"%1 píxeles, repetido detrás de la ventana"_s.arg(
                    sizeText(picture.image().size())));
        } catch (const PlatformError& error) {
            const bool missing = files_.dir(path).isEmpty();
            add(Severity::Fails, missing ? u"fondo.gif"_s : reached(path),
                (missing ? u"no existe, y al arrancar "_s
                         : u"no se puede abrir, y al arrancar "_s) %
                    childSees(messages::backgroundMissing(error.description())) %
                    (missing ? u". Copie aquí una imagen GIF con el nombre «fondo.gif»."_s
                             : u". "_s + pictureRemedy(error.cause(), u"GIF"_s)));
        }
    }

    void sounds() {
        for (const auto& [name, buttons] : {std::pair{kNextSound, "«siguiente» o una carpeta"},
                                            std::pair{kPreviousSound, "«anterior»"}}) {
            const QString bare = name.mid(1);
            const QString pressing = u"no habrá sonido al pulsar "_s + QString::fromUtf8(buttons);
            if (files_.dir(app_ + name).isEmpty()) {
                add(Severity::Warning, bare,
                    u"no existe: %1. Copie aquí un sonido WAV con el nombre %2."_s.arg(
                        pressing, quoted(bare)));
                continue;
            }
            const SoundFormat sound = navigationSound(files_, name);
            if (!sound.plays()) {
                add(Severity::Fails, reached(app_ + name),
                    u"%1: %2. Guárdelo como WAV PCM de 16 bits, mono o estéreo."_s.arg(
                        pressing, sound.problem));
                continue;
            }
            add(Severity::Note, reached(app_ + name),
                u"PCM de %1 bits, %2, %3 Hz, %4 s"_s.arg(sound.bits)
                    .arg(sound.channels == 1   ? u"mono"_s
                         : sound.channels == 2 ? u"estéreo"_s
                                               : count(sound.channels, "canal", "canales"))
                    .arg(sound.rate)
                    .arg(QLocale(QLocale::Spanish).toString(sound.seconds, 'f', 1)));
        }
    }

    void printing() {
        const QString path = app_ + kSwitchFile, name = kSwitchFile.mid(1);
        const QString answer = files_.dir(path), off = u"la impresión está desactivada: "_s;
        if (answer.isEmpty())
            return add(Severity::Note, name, u"no existe: la impresión está desactivada"_s);
        if (answer != name)
            return add(Severity::Warning, answer,
                       off + u"Tamiro sólo lee «impresora.txt», escrito así, en minúsculas. "
                             u"Cámbiele el nombre."_s);
        const SwitchFile read = readPrinterSwitch(files_, app_);
        if (!read.message.isEmpty())
            return add(Severity::Fails, name,
                       u"no se puede leer, y al arrancar "_s % childSees(read.message) %
                           u". Bórrelo y escriba uno nuevo con SI o NO."_s);
        const QString line = read.line;
        if (printingOn(line))
            return add(Severity::Note, name, u"la impresión está activada"_s);
        const QString shown = quoted(visibleText(line, kQuoteLimit));
        QString bare = line.toUpper().normalized(QString::NormalizationForm_D);
        bare.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
        const auto warn = [&](const QString& why) { add(Severity::Warning, name, off + why); };
        if (line.startsWith(u"\u00ff\u00fe"_s) || line.startsWith(u"\u00fe\u00ff"_s) ||
            line.contains(QChar(0)))
            return warn(u"está guardado como «Unicode» (UTF-16) y Tamiro no lo entiende. "
                        u"Guárdelo como texto normal (ANSI o UTF-8) con SI en la primera línea."_s);
        if (line.contains(u'\n'))
            return warn(u"sus líneas no terminan como Tamiro espera, y lo lee todo como una "
                        u"sola línea: "_s +
                        shown + u". Deje en el archivo sólo la palabra SI."_s);
        if (bare.trimmed() == u"SI" && bare != u"SI")
            return warn(u"la primera línea "_s + shown +
                        u" lleva espacios en blanco. Déjela en SI, sin nada más."_s);
        if (bare == u"SI")
            return warn(shown + u" lleva tilde. Escriba SI sin tilde."_s);
        add(Severity::Note, name,
            off + (line.isEmpty()
                       ? u"la primera línea está vacía"_s
                       : u"la primera línea dice "_s + shown + u" y sólo SI la activa"_s));
    }

    // Two entries of the content folder that the program takes for one.
    void topLevelTwins() {
        const QStringList names{u"dibujos"_s,     u"animados"_s,     u"medida"_s,
                                u"punteros"_s,    u"fondo.gif"_s,    u"sonido1.wav"_s,
                                u"sonido2.wav"_s, u"impresora.txt"_s};
        QHash<QString, QStringList> twins;
        for (const auto& entry : files_.list(app_))
            twins[nameKey(entry.name)] << entry.name;
        for (const QString& name : names) {
            const QStringList& same = twins.value(nameKey(name));
            if (same.size() < 2)
                continue;
            const QString used = onDisk(app_ + u'\\' + name).section(u'/', -1);
            for (const QString& other : same)
                if (other != used && !accounted_.contains(other))
                    add(Severity::Warning, other,
                        u"no se usará nunca: hay %1 que Tamiro confunde: %2; usa %3. Deje "
                        u"sólo uno."_s.arg(count(same.size(), "nombre", "nombres"), nameList(same),
                                           quoted(used)));
        }
    }

    FileSystem& files_;
    SameFileOnce pictures_;
    QString app_;
    Drawings drawings_;
    Review review_;
    QSet<QString> accounted_;     // files shown, or named in a finding
    QSet<QString> shownDrawings_; // coloured files the buttons show
    int thumbnailed_ = 0;
};

} // namespace

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
            shown += u"\\x%1"_s.arg(int(c), 2, 16, QChar(u'0'));
        else if (c >= 0xdc80 && c <= 0xdcff) // a byte of a name that is no text
            shown += u"\\x%1"_s.arg(int(c - 0xdc00), 2, 16, QChar(u'0'));
        else if ((c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069) || c == 0x200e ||
                 c == 0x200f) // marks that turn the writing direction
            shown += u"\\u%1"_s.arg(int(c), 4, 16, QChar(u'0'));
        else
            shown += text.at(i);
    }
    return shown;
}

QString Finding::line() const {
    return visibleText(file.isEmpty() ? text : file + u": "_s + text);
}

QString Review::summary() const {
    const QString shown = count(drawings, "dibujo", "dibujos") + u" en los diez botones"_s;
    if (fails == 0 && warnings == 0)
        return u"Todo en orden: %1, y nada fallará."_s.arg(shown);
    if (fails == 0)
        return u"Nada fallará: %1, con %2 que conviene mirar."_s.arg(
            shown, count(warnings, "aviso", "avisos"));
    return u"%1 y %2; %3."_s.arg(count(fails, "cosa fallará", "cosas fallarán"),
                                 count(warnings, "aviso", "avisos"), shown);
}

Review reviewContent(FileSystem& files, PictureLoader& pictures) {
    return Reviewer(files, pictures).run();
}

} // namespace tamiro
