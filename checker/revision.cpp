#include "checker/revision.h"

#include "platform/content_file.h"
#include "platform/errors.h"
#include "platform/event_sound_player.h"
#include "platform/twips.h"

#include <QDir>
#include <QLocale>
#include <QMap>
#include <QSet>
#include <QStringBuilder>
#include <QtEndian>
#include <cstring>

namespace tamiro {

using namespace Qt::StringLiterals;

namespace {

using Severity = Finding::Severity;

QString count(qsizetype n, const char* one, const char* many) {
    return u"%1 %2"_s.arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

QString sizeText(const QSize& size) {
    return u"%1 × %2"_s.arg(size.width()).arg(size.height());
}

// What the child misses of a drawing of this size on the review screen, by the
// window's own layout: the button bar's top lies 1125 + 100 twips above the
// bottom of the screen; the drawing area is centred above it and, when its
// margin rounds below 1, is cut to 25 twips less than that band; the
// animation, 1365 wide, stands 100 twips to its right. Empty when all is seen.
QString layoutProblem(const QSize& size) {
    const double screenWidth = pixelsToTwips(kReviewScreenWidth);
    const double band = pixelsToTwips(kReviewScreenHeight) - 1125 - 100;
    const auto fits = [&](int h) { return roundHalfEven((band - pixelsToTwips(h)) / 2) >= 1; };
    const auto animationSeen = [&](int w) {
        return (screenWidth + pixelsToTwips(w)) / 2 + 100 + 1365 <= screenWidth;
    };
    QStringList problems;
    if (!fits(size.height()))
        problems << u"se cortará por abajo"_s;
    if (size.width() > kReviewScreenWidth)
        problems << u"se cortará por los lados"_s;
    if (!animationSeen(size.width()))
        problems << u"la animación quedará fuera de la pantalla"_s;
    if (problems.isEmpty())
        return {};
    int width = kReviewScreenWidth, height = kReviewScreenHeight;
    while (!animationSeen(width))
        --width;
    while (!fits(height))
        --height;
    return u"mide %1 píxeles y en una pantalla de %2 caben %3: "_s.arg(
               sizeText(size), sizeText({kReviewScreenWidth, kReviewScreenHeight}),
               sizeText({width, height})) %
           problems.join(u" y "_s);
}

// The format of a WAV file, read chunk header by chunk header as the player
// gets it; `problem` says why the program cannot play it.
QString describeWav(const QString& file, QString& problem) {
    QByteArray wav;
    try {
        wav = readContentFile(file, kMaxSoundBytes);
    } catch (const PlatformError& error) {
        return problem = error.description(), QString();
    }
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    qint64 data = -1;
    const char* bytes = wav.constData();
    if (wav.size() < 12 || memcmp(bytes, "RIFF", 4) || memcmp(bytes + 8, "WAVE", 4))
        return problem = u"no es un archivo WAV"_s, QString();
    qint64 at = 12;
    for (int chunks = 0; chunks < 64 && data < 0 && at + 8 <= wav.size(); ++chunks) {
        const qint64 size = qFromLittleEndian<quint32>(bytes + at + 4), body = at + 8;
        if (!memcmp(bytes + at, "data", 4)) {
            data = std::min(size, wav.size() - body);
        } else if (!memcmp(bytes + at, "fmt ", 4) && size >= 16 && body + 16 <= wav.size()) {
            format = qFromLittleEndian<quint16>(bytes + body);
            channels = qFromLittleEndian<quint16>(bytes + body + 2);
            rate = qFromLittleEndian<quint32>(bytes + body + 4);
            bits = qFromLittleEndian<quint16>(bytes + body + 14);
        }
        at = body + size + size % 2;
    }
    if (rate == 0 || channels == 0)
        problem = u"su cabecera está dañada"_s;
    else if (format != 1 || (bits != 8 && bits != 16))
        problem = u"no es PCM de 8 o 16 bits (formato %1, %2 bits), lo único que Tamiro "
                  u"sabe tocar"_s.arg(format)
                      .arg(bits);
    else if (data <= 0)
        problem = u"no tiene sonido"_s;
    if (!problem.isEmpty())
        return {};
    return u"PCM de %1 bits, %2, %3 Hz, %4 s"_s.arg(bits)
        .arg(channels == 1 ? u"mono"_s : count(channels, "canal", "canales"))
        .arg(rate)
        .arg(QLocale(QLocale::Spanish)
                 .toString(double(data) / (channels * bits / 8) / rate, 'f', 1));
}

// Why printing is off, for a first line whose upper case is not "SI"; a line
// that meant to say SI is worth a warning.
QString switchOff(const QString& line, Severity& severity) {
    QString bare = line.toUpper().normalized(QString::NormalizationForm_D);
    bare.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    severity = Severity::Warning;
    if (line.contains(u'\n'))
        return u"sus líneas terminan sólo con un salto de línea (LF) y Tamiro lee todo el "
               u"archivo como una sola línea"_s;
    if (bare.trimmed() == u"SI" && bare != u"SI")
        return u"la primera línea «%1» lleva espacios en blanco; tiene que decir SI sin nada "
               u"más"_s.arg(line);
    if (bare == u"SI")
        return u"«%1» lleva tilde; escriba SI sin tilde"_s.arg(line);
    severity = Severity::Note;
    if (line.isEmpty())
        return u"la primera línea está vacía"_s;
    return u"la primera línea dice «%1» y sólo SI la activa"_s.arg(line);
}

// A picture loaded as the program loads it, or why it could not be.
struct Loaded {
    QImage image;
    QString error;
};

class Reviewer {
public:
    Reviewer(FileSystem& files, PictureLoader& pictures)
        : files_(files), pictures_(pictures), app_(files.applicationFolder()) {}

    Review run() {
        for (int folder = 1; folder <= 10; ++folder)
            drawingFolder(folder);
        otherFolders();
        animations();
        brushes();
        pointers();
        background();
        sounds();
        printing();
        return review_;
    }

private:
    void add(Severity severity, const QString& file, const QString& text,
             const QList<QImage>& pictures = {}) {
        review_.fails += severity == Severity::Fails;
        review_.warnings += severity == Severity::Warning;
        mentioned_.insert(file);
        review_.findings.append({severity, file, text, pictures});
    }

    // The file a composed content path reaches, relative to the content folder.
    QString relative(const QString& path) {
        const QString file = files_.resolve(path);
        return file.startsWith(app_ + u'/') ? file.mid(app_.size() + 1) : file;
    }

    Loaded load(const QString& path) {
        try {
            return {pictures_.load(path).image(), {}};
        } catch (const PlatformError& error) {
            return {{}, error.description()};
        }
    }

    // Drawing n of folder f is there as the navigation asks: the answers of
    // the directory query, upper-cased, for its GIF and its JPEG.
    bool drawingPresent(int f, int n) {
        const QString number = QString::number(n);
        const QString base = u"%1\\dibujos\\%2\\si coloreado\\%3"_s.arg(app_).arg(f).arg(n);
        return files_.dir(base + ".GIF").toUpper() == number + ".GIF" ||
               files_.dir(base + ".JPG").toUpper() == number + ".JPG";
    }

    // The files of a folder that its numbered series never reaches, and why.
    void neverReached(const QString& folder, const QStringList& kinds,
                      const QMap<int, QString>& used, int last) {
        const QStringList names = QDir(files_.resolve(folder)).entryList(QDir::Files, QDir::Name);
        for (const QString& name : names) {
            const QString file = relative(folder + name);
            if (used.values().contains(name) || mentioned_.contains(file))
                continue;
            const qsizetype dot = name.lastIndexOf(u'.');
            const QString stem = name.left(dot), kind = dot < 0 ? QString() : name.mid(dot + 1);
            bool isNumber = false;
            const int n = stem.toInt(&isNumber);
            QString why = u"falta el %1 y la serie se para en el %2"_s.arg(last + 1).arg(last);
            if (!kinds.contains(kind.toLower()))
                why = u"Tamiro no lee archivos %1, sólo .%2"_s.arg(
                    dot < 0 ? u"sin extensión"_s : u'.' + kind.toLower(), kinds.join(u" y ."_s));
            else if (!isNumber)
                why = u"el nombre tiene que ser un número: 1, 2, 3..."_s;
            else if (stem != QString::number(n))
                why = (stem.startsWith(u'0') ? u"el número lleva ceros delante; "_s : QString()) %
                      u"tiene que llamarse «%1.%2»"_s.arg(n).arg(kind);
            else if (used.contains(n))
                why = u"con el número %1 ya se usa «%2»"_s.arg(n).arg(used.value(n));
            else if (n < 1)
                why = u"los números empiezan en 1"_s;
            else if (last == 0)
                why = u"falta el 1"_s;
            // An uncoloured drawing's picture goes in the second place.
            const QImage image = load(folder + name).image;
            add(Severity::Warning, file, u"no se verá nunca: "_s + why,
                folder.endsWith(u"\\no coloreado\\") ? QList<QImage>{{}, image} : QList{image});
        }
    }

    void drawingFolder(int f) {
        const QString folder = u"%1\\dibujos\\%2\\"_s.arg(app_).arg(f);
        const QString colouredDir = folder + "si coloreado\\", plainDir = folder + "no coloreado\\";
        // The numbers the buttons reach: 0 on a folder's first visit, 1 up to
        // the first gap, and below 0 stepping back from 0 (in folder 1 from
        // start-up on).
        QList<int> shown;
        int last = 0;
        while (last < 32767 && drawingPresent(f, last + 1))
            shown << ++last;
        if (drawingPresent(f, 0))
            shown.prepend(0);
        for (int n = -1; (f == 1 || shown.value(0) == 0) && drawingPresent(f, n); --n)
            shown.prepend(n);
        review_.drawings += int(shown.size());

        const QString button = u"dibujos/%1"_s.arg(f);
        const QString first = QString(colouredDir + "1.GIF").replace(u'\\', u'/');
        if (last == 0)
            add(Severity::Fails, button,
                u"el botón %1 no tiene dibujo 1; el niño verá: No puedo mostrar el dibujo 1 de "
                u"la carpeta %1: no encuentro «%2» ni «%3»."_s.arg(f)
                    .arg(first, first.chopped(4) + ".JPG"));
        else
            add(Severity::Note, button,
                u"el botón %1 enseña %2"_s.arg(f).arg(count(shown.size(), "dibujo", "dibujos")));

        QMap<int, QString> usedColoured, usedPlain;
        for (int n : shown) {
            const QString number = QString::number(n), gif = colouredDir + number + ".GIF";
            const QString colouredPath =
                files_.dir(gif).isEmpty() ? colouredDir + number + ".JPG" : gif;
            const QString plainPath = plainDir + number + ".GIF";
            const QString jpeg = files_.dir(plainDir + number + ".JPG");
            usedColoured[n] = files_.dir(colouredPath);
            usedPlain[n] = files_.dir(plainPath);
            const Loaded coloured = load(colouredPath), plain = load(plainPath);
            const QList<QImage> both{coloured.image, plain.image};
            const auto childSees = [&](const QString& why, const QString& error) -> QString {
                return why %
                       u"; el niño verá: No puedo mostrar el dibujo %1 de la carpeta %2: %3."_s
                           .arg(n)
                           .arg(f)
                           .arg(error);
            };
            if (!coloured.error.isEmpty())
                add(Severity::Fails, relative(colouredPath),
                    childSees(u"no se puede leer"_s, coloured.error), both);
            if (!plain.error.isEmpty() && usedPlain[n].isEmpty() && !jpeg.isEmpty())
                add(Severity::Fails, relative(plainDir + jpeg),
                    childSees(u"el dibujo sin colorear tiene que ser GIF, no JPEG"_s, plain.error),
                    both);
            else if (!plain.error.isEmpty())
                add(Severity::Fails, relative(plainPath),
                    childSees(usedPlain[n].isEmpty() ? u"falta el dibujo sin colorear"_s
                                                     : u"no se puede leer"_s,
                              plain.error),
                    both);
            if (!coloured.image.isNull() && !plain.image.isNull() &&
                coloured.image.size() != plain.image.size())
                add(Severity::Warning, relative(plainPath),
                    u"mide %1 y «%2» %3: al colorear no coinciden"_s.arg(
                        sizeText(plain.image.size()), relative(colouredPath),
                        sizeText(coloured.image.size())),
                    both);
            if (const QString problem = layoutProblem(coloured.image.size()); !problem.isEmpty())
                add(Severity::Warning, relative(colouredPath), problem, both);
        }
        neverReached(colouredDir, {"gif", "jpg"}, usedColoured, last);
        neverReached(plainDir, {"gif"}, usedPlain, last);
    }

    // Folders and files beside the ten drawing folders are never opened.
    void otherFolders() {
        const QString dibujos = app_ + "\\dibujos\\";
        for (const QString& name :
             QDir(files_.resolve(dibujos)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            bool isNumber = false;
            const int n = name.toInt(&isNumber);
            if (!isNumber || n < 1 || n > 10 || name != QString::number(n))
                add(Severity::Warning, relative(dibujos + name),
                    u"no se verá nunca: los diez botones abren las carpetas 1 a 10"_s);
        }
    }

    // A numbered series that a button steps through, loaded as the button
    // loads it: `first` and `later` are the child's messages when picture 1
    // or a later one fails; `check` looks at each picture after the one
    // before it. Returns the number of pictures the button reaches.
    template <typename Check>
    int series(const QString& name, const QString& extension, bool needsFirst, const QString& first,
               const QString& later, Check check) {
        const QString folder = app_ % u'\\' % name % u'\\';
        int last = 0;
        while (last < 32767 &&
               !files_.dir((folder % QString::number(last + 1) % extension).toUpper()).isEmpty())
            ++last;
        QMap<int, QString> used;
        Loaded previous;
        for (int n = 1; n <= std::max(last, needsFirst ? 1 : 0); ++n) {
            const QString path = folder % QString::number(n) % extension;
            used[n] = files_.dir(path);
            const Loaded picture = load(path);
            if (!picture.error.isEmpty())
                add(Severity::Fails, relative(path), (n == 1 ? first : later).arg(picture.error));
            else
                check(relative(path), path, picture.image, previous.image);
            previous = picture;
        }
        neverReached(folder, {extension.mid(1)}, used, last);
        return last;
    }

    void animations() {
        const int last = series(u"animados"_s, u".gif"_s, false, u"no se verá: %1"_s,
                                u"no se verá: %1"_s, [](auto&&...) {});
        if (last == 0)
            add(Severity::Warning, u"animados"_s,
                u"no hay animación 1.gif: junto al dibujo no se verá ninguna"_s);
        else
            add(Severity::Note, u"animados"_s,
                count(last, "animación", "animaciones") % u", una nueva en cada paso"_s);
    }

    void brushes() {
        QStringList sizes;
        const int last = series(
            u"medida"_s, u".gif"_s, true,
            u"al arrancar, el niño verá: No puedo cargar el primer tamaño de pincel: %1."_s,
            u"el niño verá: No puedo cambiar el tamaño del pincel: %1."_s,
            [&](const QString& file, const QString&, const QImage& brush, const QImage& before) {
                const QSize size = brush.size();
                if (size.width() * size.height() <= before.width() * before.height())
                    add(Severity::Warning, file,
                        u"el pincel no crece: mide %1 y el anterior %2"_s.arg(
                            sizeText(size), sizeText(before.size())),
                        {before, brush});
                sizes << sizeText(size);
            });
        add(Severity::Note, u"medida"_s,
            count(last, "tamaño de pincel", "tamaños de pincel") %
                (sizes.isEmpty() ? QString() : u": "_s + sizes.join(u", "_s)));
    }

    void pointers() {
        const int last = series(
            u"punteros"_s, u".ico"_s, true,
            u"al arrancar, el niño verá: No puedo cargar el primer puntero: %1."_s,
            u"el niño verá: Atención: %1"_s,
            [&](const QString& file, const QString& path, const QImage& pointer, const QImage&) {
                QByteArray head;
                try {
                    ContentFile(files_.resolve(path)).readInto(head, 4);
                } catch (const PlatformError&) {
                }
                const bool icon = head == QByteArray("\0\0\1\0", 4);
                if (!icon || pointer.size() != QSize(32, 32))
                    add(Severity::Warning, file,
                        u"no es un icono de 32 × 32 (es %1 de %2)"_s.arg(
                            icon ? u"un icono"_s : u"una imagen"_s, sizeText(pointer.size())),
                        {pointer});
            });
        add(Severity::Note, u"punteros"_s, count(last, "puntero", "punteros"));
    }

    void background() {
        const QString path = app_ + "\\fondo.gif";
        const Loaded background = load(path);
        if (background.error.isEmpty())
            add(Severity::Note, relative(path),
                u"%1 píxeles, repetido detrás de la ventana"_s.arg(
                    sizeText(background.image.size())));
        else
            add(Severity::Fails, relative(path),
                u"el niño verá: No encuentro la imagen de fondo / ERROR: "_s + background.error);
    }

    void sounds() {
        for (const auto& [name, buttons] : {std::pair{"sonido1.wav", "«siguiente» o una carpeta"},
                                            std::pair{"sonido2.wav", "«anterior»"}}) {
            const QString file = files_.resolve(app_ + "\\" + name);
            const QString pressing = u"no habrá sonido al pulsar "_s + QString::fromUtf8(buttons);
            QString problem;
            if (!QFileInfo(file).isFile())
                add(Severity::Warning, QString::fromUtf8(name), u"no existe: "_s + pressing);
            else if (const QString format = describeWav(file, problem); problem.isEmpty())
                add(Severity::Note, relative(file), format);
            else
                add(Severity::Fails, relative(file), pressing % u": "_s % problem);
        }
    }

    // Printing is on when the upper case of the first line of a file named
    // exactly "impresora.txt" is "SI"; nothing is trimmed.
    void printing() {
        const QString path = app_ + "\\impresora.txt", name = u"impresora.txt"_s;
        const QString onDisk = files_.dir(path), off = u"la impresión está desactivada: "_s;
        if (onDisk.isEmpty())
            return add(Severity::Note, name, u"no existe: la impresión está desactivada"_s);
        if (onDisk != name)
            return add(Severity::Warning, onDisk,
                       off + u"Tamiro sólo lee «impresora.txt», escrito así, en minúsculas"_s);
        QString line;
        try {
            line = files_.readFirstLine(path);
        } catch (const PlatformError& error) {
            return add(Severity::Fails, name,
                       u"al arrancar, el niño verá: No puedo leer el interruptor de impresión: "
                       u"%1. La impresión queda desactivada."_s.arg(error.description()));
        }
        if (line.toUpper() == u"SI")
            return add(Severity::Note, name, u"la impresión está activada"_s);
        Severity severity;
        const QString why = switchOff(line, severity);
        add(severity, name, off + why);
    }

    FileSystem& files_;
    PictureLoader& pictures_;
    QString app_;
    Review review_;
    QSet<QString> mentioned_;
};

} // namespace

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
