#include "checker/revision.h"

#include "platform/errors.h"
#include "platform/twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QSet>
#include <QtEndian>
#include <cstring>
#include <optional>

namespace tamiro {

namespace {

using Severity = Finding::Severity;

QString count(qsizetype n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

QString sizeText(const QSize& size) {
    return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
}

// How a drawing of this size stands on the review screen, by the window's own
// layout: the button bar's top lies 1125 + 100 twips above the bottom of the
// screen; the drawing area is centred above it and, when its margin there
// rounds below 1, is cut to 25 twips less than the band; the animation stands
// 100 twips to its right and is 1365 wide. Empty when everything is seen.
QStringList layoutProblems(const QSize& size) {
    const double screenWidth = pixelsToTwips(kReviewScreenWidth);
    const double band = pixelsToTwips(kReviewScreenHeight) - 1125 - 100;
    const auto fitsHeight = [&](int h) {
        return roundHalfEven((band - pixelsToTwips(h)) / 2) >= 1;
    };
    const auto animationSeen = [&](int w) {
        return (screenWidth - pixelsToTwips(w)) / 2 + pixelsToTwips(w) + 100 + 1365 <= screenWidth;
    };
    QStringList problems;
    if (!fitsHeight(size.height()))
        problems << QStringLiteral("se cortará por abajo");
    if (size.width() > kReviewScreenWidth)
        problems << QStringLiteral("se cortará por los lados");
    if (!animationSeen(size.width()))
        problems << QStringLiteral("la animación quedará fuera de la pantalla");
    if (problems.isEmpty())
        return problems;
    int width = kReviewScreenWidth, height = kReviewScreenHeight;
    while (!animationSeen(width))
        --width;
    while (!fitsHeight(height))
        --height;
    problems.prepend(QStringLiteral("mide %1 píxeles y en una pantalla de %2 caben %3")
                         .arg(sizeText(size), sizeText({kReviewScreenWidth, kReviewScreenHeight}),
                              sizeText({width, height})));
    return problems;
}

// The sound format of a WAV file, read chunk by chunk with small reads; a
// non-empty `problem` says why Qt's player cannot play it.
QString describeWav(const QString& file, QString& problem) {
    QFile in(file);
    char head[12];
    if (!in.open(QIODevice::ReadOnly) || in.read(head, 12) != 12 || memcmp(head, "RIFF", 4) ||
        memcmp(head + 8, "WAVE", 4)) {
        problem = QStringLiteral("no es un archivo WAV");
        return {};
    }
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    qint64 data = -1;
    char chunk[8], fmt[16];
    for (int chunks = 0; chunks < 64 && data < 0 && in.read(chunk, 8) == 8; ++chunks) {
        const qint64 size = qFromLittleEndian<quint32>(chunk + 4);
        if (!memcmp(chunk, "data", 4)) {
            data = std::min(size, in.size() - in.pos());
        } else if (!memcmp(chunk, "fmt ", 4) && size >= 16 && in.read(fmt, 16) == 16) {
            format = qFromLittleEndian<quint16>(fmt);
            channels = qFromLittleEndian<quint16>(fmt + 2);
            rate = qFromLittleEndian<quint32>(fmt + 4);
            bits = qFromLittleEndian<quint16>(fmt + 14);
            in.seek(in.pos() + size - 16 + (size & 1));
        } else {
            in.seek(in.pos() + size + (size & 1));
        }
    }
    if (rate == 0 || channels == 0)
        problem = QStringLiteral("su cabecera está dañada");
    else if (format != 1 || (bits != 8 && bits != 16))
        problem = QStringLiteral("no es PCM de 8 o 16 bits (formato %1, %2 bits), lo único que "
                                 "Tamiro sabe tocar")
                      .arg(format)
                      .arg(bits);
    else if (data <= 0)
        problem = QStringLiteral("no tiene sonido");
    if (!problem.isEmpty())
        return {};
    const double seconds = double(data) / (channels * bits / 8) / rate;
    return QStringLiteral("PCM de %1 bits, %2, %3 Hz, %4 s")
        .arg(bits)
        .arg(channels == 1 ? QStringLiteral("mono") : count(channels, "canal", "canales"))
        .arg(rate)
        .arg(QLocale(QLocale::Spanish).toString(seconds, 'f', 1));
}

// Why the printing switch is off, for a first line whose upper case is not "SI".
QString switchOff(const QString& line, Severity& severity) {
    severity = Severity::Warning;
    QString bare = line.toUpper().normalized(QString::NormalizationForm_D);
    bare.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    if (line.contains(u'\n'))
        return QStringLiteral("sus líneas terminan sólo con un salto de línea (LF) y Tamiro lee "
                              "todo el archivo como una sola línea");
    if (bare.trimmed() == u"SI" && bare != u"SI")
        return QStringLiteral("la primera línea «%1» lleva espacios en blanco; "
                              "tiene que decir SI sin nada más")
            .arg(line);
    if (bare == u"SI")
        return QStringLiteral("«%1» lleva tilde; escriba SI sin tilde").arg(line);
    severity = Severity::Note;
    if (line.isEmpty())
        return QStringLiteral("la primera línea está vacía");
    return QStringLiteral("la primera línea dice «%1» y sólo SI la activa").arg(line);
}

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

    // The ordinary files in a composed folder, as the directory query sees them.
    QStringList namesIn(const QString& folder) {
        return QDir(files_.resolve(folder)).entryList(QDir::Files, QDir::Name);
    }

    std::optional<Picture> load(const QString& path, QString& error) {
        try {
            return pictures_.load(path);
        } catch (const PlatformError& e) {
            error = e.description();
            return std::nullopt;
        }
    }

    // A file's picture for the window; an uncoloured drawing goes second.
    QList<QImage> thumbnail(const QString& path) {
        QString error;
        const auto picture = load(path, error);
        const QImage image = picture ? picture->image() : QImage();
        return path.contains(QStringLiteral("\\no coloreado\\")) ? QList<QImage>{QImage(), image}
                                                                 : QList<QImage>{image};
    }

    // Drawing n of folder f is there as the navigation asks: the answers of
    // the directory query, upper-cased, for its GIF and its JPEG.
    bool drawingPresent(int f, int n) {
        const QString number = QString::number(n);
        const QString base =
            QStringLiteral("%1\\dibujos\\%2\\si coloreado\\%3").arg(app_).arg(f).arg(n);
        return files_.dir(base + ".GIF").toUpper() == number + ".GIF" ||
               files_.dir(base + ".JPG").toUpper() == number + ".JPG";
    }

    // The end of the numbered series that the brush, pointer and animation
    // buttons step through: the first number whose upper-cased path the
    // directory query does not answer.
    int seriesEnd(const QString& folder, const QString& extension) {
        int n = 1;
        while (n < 32767 &&
               !files_.dir((folder + QString::number(n) + extension).toUpper()).isEmpty())
            ++n;
        return n - 1;
    }

    // Reports the files of a folder that its numbered series never reaches.
    void neverReached(const QString& folder, const QStringList& kinds,
                      const QMap<int, QString>& used, int last) {
        for (const QString& name : namesIn(folder)) {
            const QString file = relative(folder + name);
            if (used.values().contains(name) || mentioned_.contains(file))
                continue;
            const qsizetype dot = name.lastIndexOf(u'.');
            const QString stem = name.left(dot), kind = dot < 0 ? QString() : name.mid(dot + 1);
            bool isNumber = false;
            const int n = stem.toInt(&isNumber);
            const QString proper = QString::number(n) + u'.' + kind;
            QString why;
            if (!kinds.contains(kind.toLower()))
                why = QStringLiteral("Tamiro no lee archivos %1, sólo .%2")
                          .arg(dot < 0 ? QStringLiteral("sin extensión") : u'.' + kind.toLower(),
                               kinds.join(QStringLiteral(" y .")));
            else if (!isNumber)
                why = QStringLiteral("el nombre tiene que ser un número: 1, 2, 3...");
            else if (stem != QString::number(n))
                why = (stem.startsWith(u'0') ? QStringLiteral("el número lleva ceros delante; ")
                                             : QString()) +
                      QStringLiteral("tiene que llamarse «%1»").arg(proper);
            else if (used.contains(n))
                why = QStringLiteral("con el número %1 ya se usa «%2»").arg(n).arg(used.value(n));
            else if (n < 1)
                why = QStringLiteral("los números empiezan en 1");
            else
                why = QStringLiteral("falta el %1 y la serie se para en el %2")
                          .arg(last + 1)
                          .arg(last);
            add(Severity::Warning, file, QStringLiteral("no se verá nunca: ") + why,
                thumbnail(folder + name));
        }
    }

    void drawingFolder(int f) {
        const QString folder = QStringLiteral("%1\\dibujos\\%2").arg(app_).arg(f);
        const QString colouredDir = folder + "\\si coloreado\\",
                      plainDir = folder + "\\no coloreado\\";
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

        const QString button = QStringLiteral("dibujos/%1").arg(f);
        if (last == 0) {
            const QString gif = QString(colouredDir + "1.GIF").replace(u'\\', u'/');
            add(Severity::Fails, button,
                QStringLiteral(
                    "el botón %1 no tiene dibujo 1; el niño verá: No puedo mostrar el dibujo "
                    "1 de la carpeta %1: no encuentro «%2» ni «%3».")
                    .arg(f)
                    .arg(gif, gif.chopped(4) + ".JPG"));
        } else {
            add(Severity::Note, button,
                QStringLiteral("el botón %1 enseña %2")
                    .arg(f)
                    .arg(count(shown.size(), "dibujo", "dibujos")));
        }
        QMap<int, QString> usedColoured, usedPlain;
        for (int n : shown) {
            const QString number = QString::number(n);
            const QString gif = colouredDir + number + ".GIF";
            const QString colouredPath =
                files_.dir(gif).isEmpty() ? colouredDir + number + ".JPG" : gif;
            const QString plainPath = plainDir + number + ".GIF";
            usedColoured[n] = files_.dir(colouredPath);
            usedPlain[n] = files_.dir(plainPath);
            const auto childSees = [&](const QString& error) {
                return QStringLiteral(
                           "; el niño verá: No puedo mostrar el dibujo %1 de la carpeta %2: %3.")
                    .arg(n)
                    .arg(f)
                    .arg(error);
            };
            QString colouredError, plainError;
            const auto coloured = load(colouredPath, colouredError);
            const auto plain = load(plainPath, plainError);
            const QList<QImage> both = {coloured ? coloured->image() : QImage(),
                                        plain ? plain->image() : QImage()};
            if (!coloured)
                add(Severity::Fails, relative(colouredPath),
                    QStringLiteral("no se puede leer") + childSees(colouredError), both);
            if (!plain) {
                QString file = relative(plainPath), why = QStringLiteral("no se puede leer");
                const QString jpeg = files_.dir(plainDir + number + ".JPG");
                if (usedPlain[n].isEmpty() && !jpeg.isEmpty()) {
                    file = relative(plainDir + jpeg);
                    why = QStringLiteral("el dibujo sin colorear tiene que ser GIF, no JPEG");
                } else if (usedPlain[n].isEmpty()) {
                    why = QStringLiteral("falta el dibujo sin colorear");
                }
                add(Severity::Fails, file, why + childSees(plainError), both);
            }
            if (coloured && plain && coloured->image().size() != plain->image().size())
                add(Severity::Warning, relative(plainPath),
                    QStringLiteral("mide %1 y «%2» %3: al colorear no coinciden")
                        .arg(sizeText(plain->image().size()), relative(colouredPath),
                             sizeText(coloured->image().size())),
                    both);
            const QStringList problems =
                coloured ? layoutProblems(coloured->image().size()) : QStringList();
            if (!problems.isEmpty())
                add(Severity::Warning, relative(colouredPath),
                    problems.first() + QStringLiteral(": ") +
                        problems.mid(1).join(QStringLiteral(" y ")),
                    both);
        }
        review_.drawings += int(shown.size());
        neverReached(colouredDir, {"gif", "jpg"}, usedColoured, last);
        neverReached(plainDir, {"gif"}, usedPlain, last);
    }

    // Folders and files beside the ten drawing folders are never opened.
    void otherFolders() {
        const QString dibujos = app_ + "\\dibujos";
        for (const QString& name :
             QDir(files_.resolve(dibujos)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            bool isNumber = false;
            const int n = name.toInt(&isNumber);
            if (!isNumber || n < 1 || n > 10 || name != QString::number(n))
                add(Severity::Warning, relative(dibujos + "\\" + name),
                    QStringLiteral("no se verá nunca: los diez botones abren las carpetas 1 a 10"));
        }
    }

    void animations() {
        const QString folder = app_ + "\\animados\\";
        const int last = seriesEnd(folder, ".gif");
        QMap<int, QString> used;
        for (int n = 1; n <= last; ++n) {
            const QString path = folder + QString::number(n) + ".gif";
            used[n] = files_.dir(path);
            QString error;
            if (!load(path, error))
                add(Severity::Fails, relative(path), QStringLiteral("no se verá: ") + error);
        }
        if (last == 0)
            add(Severity::Warning, QStringLiteral("animados"),
                QStringLiteral("no hay animación 1.gif: junto al dibujo no se verá ninguna"));
        else
            add(Severity::Note, QStringLiteral("animados"),
                count(last, "animación", "animaciones") +
                    QStringLiteral(", una nueva en cada paso"));
        neverReached(folder, {"gif"}, used, last);
    }

    void brushes() {
        const QString folder = app_ + "\\medida\\";
        const int last = seriesEnd(folder, ".gif");
        QMap<int, QString> used;
        QStringList sizes;
        std::optional<Picture> previous;
        for (int n = 1; n <= std::max(last, 1); ++n) {
            const QString path = folder + QString::number(n) + ".gif";
            used[n] = files_.dir(path);
            QString error;
            const auto brush = load(path, error);
            if (!brush) {
                add(Severity::Fails, relative(path),
                    (n == 1 ? QStringLiteral("al arrancar, el niño verá: No puedo cargar el primer "
                                             "tamaño de pincel: %1.")
                            : QStringLiteral(
                                  "el niño verá: No puedo cambiar el tamaño del pincel: %1."))
                        .arg(error));
            } else {
                const QSize size = brush->image().size(),
                            before = previous ? previous->image().size() : QSize();
                if (previous && size.width() * size.height() <= before.width() * before.height())
                    add(Severity::Warning, relative(path),
                        QStringLiteral("el pincel no crece: mide %1 y el anterior %2")
                            .arg(sizeText(size), sizeText(before)),
                        {previous->image(), brush->image()});
                sizes << sizeText(size);
            }
            previous = brush;
        }
        add(Severity::Note, QStringLiteral("medida"),
            count(last, "tamaño de pincel", "tamaños de pincel") +
                (sizes.isEmpty() ? QString()
                                 : QStringLiteral(": ") + sizes.join(QStringLiteral(", "))));
        neverReached(folder, {"gif"}, used, last);
    }

    void pointers() {
        const QString folder = app_ + "\\punteros\\";
        const int last = seriesEnd(folder, ".ico");
        QMap<int, QString> used;
        for (int n = 1; n <= std::max(last, 1); ++n) {
            const QString path = folder + QString::number(n) + ".ico";
            used[n] = files_.dir(path);
            QString error;
            const auto pointer = load(path, error);
            if (!pointer) {
                add(Severity::Fails, relative(path),
                    (n == 1
                         ? QStringLiteral(
                               "al arrancar, el niño verá: No puedo cargar el primer puntero: %1.")
                         : QStringLiteral("el niño verá: Atención: %1"))
                        .arg(error));
                continue;
            }
            QFile file(files_.resolve(path));
            const bool icon =
                file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("\0\0\1\0", 4);
            if (!icon || pointer->image().size() != QSize(32, 32))
                add(Severity::Warning, relative(path),
                    QStringLiteral("no es un icono de 32 × 32 (es %1 de %2)")
                        .arg(icon ? QStringLiteral("un icono") : QStringLiteral("una imagen"),
                             sizeText(pointer->image().size())),
                    {pointer->image()});
        }
        add(Severity::Note, QStringLiteral("punteros"), count(last, "puntero", "punteros"));
        neverReached(folder, {"ico"}, used, last);
    }

    void background() {
        const QString path = app_ + "\\fondo.gif";
        QString error;
        if (const auto picture = load(path, error))
            add(Severity::Note, relative(path),
                QStringLiteral("%1 píxeles, repetido detrás de la ventana")
                    .arg(sizeText(picture->image().size())));
        else
            add(Severity::Fails, relative(path),
                QStringLiteral("el niño verá: No encuentro la imagen de fondo / ERROR: ") + error);
    }

    void sounds() {
        for (const auto& [name, buttons] : {std::pair{"sonido1.wav", "«siguiente» o una carpeta"},
                                            std::pair{"sonido2.wav", "«anterior»"}}) {
            const QString file = files_.resolve(app_ + "\\" + name);
            QString problem;
            if (!QFileInfo(file).isFile())
                add(Severity::Warning, QString::fromUtf8(name),
                    QStringLiteral("no existe: no habrá sonido al pulsar %1")
                        .arg(QString::fromUtf8(buttons)));
            else if (const QString format = describeWav(file, problem); problem.isEmpty())
                add(Severity::Note, relative(file), format);
            else
                add(Severity::Fails, relative(file),
                    QStringLiteral("no habrá sonido al pulsar %1: %2")
                        .arg(QString::fromUtf8(buttons), problem));
        }
    }

    // Printing is on when the upper case of the first line of a file named
    // exactly "impresora.txt" is "SI"; nothing is trimmed.
    void printing() {
        const QString path = app_ + "\\impresora.txt", name = QStringLiteral("impresora.txt");
        const QString onDisk = files_.dir(path);
        if (onDisk.isEmpty())
            return add(Severity::Note, name,
                       QStringLiteral("no existe: la impresión está desactivada"));
        if (onDisk != name)
            return add(
                Severity::Warning, onDisk,
                QStringLiteral("la impresión está desactivada: Tamiro sólo lee «impresora.txt», "
                               "escrito así, en minúsculas"));
        QString line;
        try {
            line = files_.readFirstLine(path);
        } catch (const PlatformError& error) {
            return add(Severity::Fails, name,
                       QStringLiteral("al arrancar, el niño verá: No puedo leer el interruptor de "
                                      "impresión: %1. La impresión queda desactivada.")
                           .arg(error.description()));
        }
        if (line.toUpper() == u"SI")
            return add(Severity::Note, name, QStringLiteral("la impresión está activada"));
        Severity severity;
        const QString why = switchOff(line, severity);
        add(severity, name, QStringLiteral("la impresión está desactivada: ") + why);
    }

    FileSystem& files_;
    PictureLoader& pictures_;
    QString app_;
    Review review_;
    QSet<QString> mentioned_;
};

} // namespace

QString Review::summary() const {
    const QString shown =
        count(drawings, "dibujo", "dibujos") + QStringLiteral(" en los diez botones");
    if (fails == 0 && warnings == 0)
        return QStringLiteral("Todo en orden: %1, y nada fallará.").arg(shown);
    if (fails == 0)
        return QStringLiteral("Nada fallará: %1, con %2 que conviene mirar.")
            .arg(shown, count(warnings, "aviso", "avisos"));
    return QStringLiteral("%1 y %2; %3.")
        .arg(count(fails, "cosa fallará", "cosas fallarán"), count(warnings, "aviso", "avisos"),
             shown);
}

Review reviewContent(FileSystem& files, PictureLoader& pictures) {
    return Reviewer(files, pictures).run();
}

} // namespace tamiro
