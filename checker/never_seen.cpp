// Never-seen files: what no button ever shows, plays or reads, and why.

#include "checker/never_seen.h"

#include "checker/wording.h"
#include "rules/content.h"
#include "rules/left_behind.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>

namespace tamiro::checker {

using namespace Qt::StringLiterals;
using Kind = FileSystem::Entry::Kind;

NumberedName::NumberedName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    stem = dot < 0 ? name : name.left(dot);
    extension = dot < 0 ? QString() : name.mid(dot + 1).toLower();
    number = stem.toLongLong(&isNumber);
    canonical = isNumber && stem == QString::number(number);
}

namespace {

// The report's lines about files that no button ever shows, plays or reads.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::CheckerNeverSeen)
};

// Folders below a twin folder looked into; deeper ones are named as they are.
constexpr int kMaxDepth = 8;

// Every file below `folder` (on disk), folders looked into down to a depth.
void filesBelow(FileSystem& files, const QString& folder, QStringList& found, int depth = 0) {
    for (const auto& entry : files.list(folder)) {
        const QString path = folder + u'/' + entry.name;
        if (entry.kind == Kind::Folder && depth < kMaxDepth)
            filesBelow(files, path, found, depth + 1);
        else
            found << path;
    }
}

// Why an entry that is no ordinary file, or a hidden one, is never seen;
// empty for an ordinary file.
QString notAFile(const FileSystem::Entry& entry) {
    switch (entry.kind) {
    case Kind::Folder:
        return Text::tr("no se verá nunca: es una carpeta, y aquí Tamiro sólo busca archivos. "
                        "Muévala a otro sitio.");
    case Kind::Nowhere:
        return Text::tr("no se verá nunca: es un enlace a algo que ya no existe. Bórrelo y copie "
                        "aquí el archivo de verdad.");
    case Kind::Other:
        return Text::tr("no se verá nunca: no es un archivo corriente. Bórrelo.");
    case Kind::File:
        break;
    }
    if (entry.name.startsWith(u'.'))
        return Text::tr("no se verá nunca: es un archivo oculto (su nombre empieza por un punto) y "
                        "Tamiro no lo ve. Quítele el punto del principio.");
    return {};
}

// What the teachers' tools leave: the desktop's trash at the top of a mount
// is no content, and a change's temporary file is worth a word only once the
// change has clearly stopped.
bool leftByTools(FindingCollector& findings, const QString& folder,
                 const FileSystem::Entry& entry) {
    if (entry.kind == Kind::Folder && isTrashFolder(entry.name))
        return true;
    if (entry.kind != Kind::File || !isTemporaryFile(entry.name))
        return false;
    const QString path = folder + u'/' + entry.name;
    if (abandoned(findings.files(), path, QDateTime::currentSecsSinceEpoch()))
        findings.add(Severity::Warning, findings.relative(path),
                     Text::tr("no se verá nunca: es lo que dejó a medias un cambio de los dibujos "
                              "que no terminó (quizá se apagó el ordenador mientras se añadía o se "
                              "ordenaba un dibujo). Bórrelo, y si falta algún dibujo, vuelva a "
                              "añadirlo."));
    return true;
}

// The sentences about a file whose number the series never reaches, for
// each kind of numbered files.
struct SeriesWords {
    const char *pastTheLast, *noFirst, *gap, *unused;
};
const SeriesWords kSeriesWords[] = {
    {//: %1 is the largest number Tamiro reaches.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: Tamiro sólo llega hasta el dibujo %1. Póngalo en otra "
                       "carpeta."),
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: falta el dibujo 1, y sin él no se llega a ningún otro. "
                       "Ponga el 1."),
     //: %1 is the missing drawing's number, %2 the one before it.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: falta el dibujo %1 y la serie vuelve al 1 después del "
                       "%2. Ponga el %1 que falta."),
     //: Of a coloured drawing: %1 is its number.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: no hay dibujo %1 que lo use. Bórrelo, o ponga el que le "
                       "falta.")},
    {//: Of an uncoloured drawing, whose coloured drawing is missing: %1 is the largest number
     //: Tamiro reaches.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: Tamiro sólo llega hasta el dibujo coloreado %1. Póngalo "
                       "en otra carpeta."),
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: falta el dibujo coloreado 1, y sin él no se llega a "
                       "ningún otro. Ponga el 1."),
     //: %1 is the missing coloured drawing's number, %2 the one before it.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: falta el dibujo coloreado %1 y la serie vuelve al 1 "
                       "después del %2. Ponga el %1 que falta."),
     //: Of an uncoloured drawing: %1 is its number.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: no hay dibujo coloreado %1 que lo use. Bórrelo, o ponga "
                       "el que le falta.")},
    {//: Of an animation, a brush size or a pointer: %1 is the largest number Tamiro reaches.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: Tamiro sólo llega hasta el número %1. Póngalo en otra "
                       "carpeta."),
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: falta el número 1, y sin él no se llega a ningún otro. "
                       "Ponga el 1."),
     //: %1 is the missing number, %2 the one before it.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: falta el número %1 y la serie vuelve al 1 después del "
                       "%2. Ponga el %1 que falta."),
     //: %1 is its number.
     QT_TRANSLATE_NOOP("tamiro::CheckerNeverSeen",
                       "no se verá nunca: no hay número %1 que lo use. Bórrelo, o ponga el que le "
                       "falta.")},
};

// Why an ordinary file of a numbered series is never seen. `same` are the
// names the program takes for this one; `used` the file it reads for this
// name's number and extension, if any.
QString whyNeverSeen(const NumberedName& name, const QString& file, const QStringList& same,
                     const QString& used, const QStringList& extensions, int gap,
                     Numbered numbered) {
    QStringList dotted;
    for (const QString& extension : extensions)
        dotted << u'.' + extension;
    const QString kinds = listed(dotted), number = QString::number(name.number);
    const QString usedName = used.section(u'/', -1);
    if (same.size() > 1 && !used.isEmpty() && used != file)
        //: %n files that Tamiro takes for one: %1 names them, %2 the one it uses.
        return Text::tr("no se verá nunca: hay %n archivo(s) que Tamiro confunde: %1; usa «%2». "
                        "Deje sólo uno.",
                        nullptr, int(same.size()))
            .arg(nameList(same), usedName);
    if (!extensions.contains(name.extension) && name.canonical)
        //: %1 the kinds of file read here (".gif y .jpg"), %2 the kind to save it as, %3
        //: the name to save it with.
        return Text::tr("no se verá nunca: Tamiro sólo lee aquí archivos %1. Guárdelo como %2 con "
                        "el nombre «%3».")
            .arg(kinds, extensions.first().toUpper(), name.stem + u'.' + extensions.first());
    if (!extensions.contains(name.extension))
        //: %1 the kinds of file read here (".gif y .jpg").
        return Text::tr("no se verá nunca: Tamiro sólo lee aquí archivos %1 con un número por "
                        "nombre. Si no es para Tamiro, muévalo a otro sitio.")
            .arg(kinds);
    if (!name.isNumber)
        return Text::tr("no se verá nunca: el nombre tiene que ser un número (1, 2, 3…). "
                        "Cámbieselo por el número que le toque.");
    if (!name.canonical)
        //: %1 is the name it should have.
        return Text::tr("no se verá nunca: el número está mal escrito (con ceros delante o con "
                        "signo). Cámbiele el nombre a «%1».")
            .arg(number + u'.' + name.extension);
    const SeriesWords& words = kSeriesWords[static_cast<int>(numbered)];
    if (name.number > kLastNumber)
        return Text::tr(words.pastTheLast).arg(kLastNumber);
    if (name.number < 1)
        return Text::tr("no se verá nunca: los números empiezan en 1. Cámbiele el número.");
    if (!used.isEmpty() && used != file)
        //: %1 is the file's number, %2 the file Tamiro uses for it.
        return Text::tr("no se verá nunca: con el número %1 ya se usa «%2» (el GIF va antes que "
                        "el JPEG). Bórrelo o cámbiele el número.")
            .arg(number, usedName);
    if (gap == 1)
        return Text::tr(words.noFirst);
    if (gap <= name.number)
        return Text::tr(words.gap).arg(QString::number(gap), QString::number(gap - 1));
    return Text::tr(words.unused).arg(number);
}

} // namespace

void neverSeen(FindingCollector& findings, const QString& composed, const QStringList& extensions,
               int gap, Numbered numbered, const UsedFile& usedFile) {
    const QString folder = findings.onDisk(composed);
    const std::vector<FileSystem::Entry> entries = findings.files().list(folder);
    QHash<QString, QStringList> twins;
    for (const auto& entry : entries)
        twins[nameKey(entry.name)] << entry.name;
    for (const auto& entry : entries) {
        const QString file = findings.relative(folder + u'/' + entry.name);
        if (findings.accounted(file) || leftByTools(findings, folder, entry))
            continue;
        const NumberedName name(entry.name);
        QString why = notAFile(entry);
        if (why.isEmpty())
            why = whyNeverSeen(name, file, twins.value(nameKey(entry.name)),
                               name.canonical ? usedFile(name.number, name.extension) : QString(),
                               extensions, gap, numbered);
        findings.add(Severity::Warning, file, why);
    }
}

void neverSeenInDrawingFolder(FindingCollector& findings, Drawings& drawings, int f,
                              const QSet<int>& numbers) {
    // The series ends before the first number from 2 on that is absent:
    // without drawing 1 the next button still goes on to 2.
    int gap = 2;
    while (gap <= kLastNumber && drawings.present(f, static_cast<std::int16_t>(gap)))
        ++gap;
    const QString app = findings.contentFolder(), folder = drawingFolderPath(app, f);
    const QString usedColoured = findings.onDisk(folder + u"\\si coloreado"_s);
    const QString usedUncoloured = findings.onDisk(folder + u"\\no coloreado"_s);
    const auto drawing = [&](Variant variant, long long n, const QString& extension) {
        return drawingPath(app, f, variant, static_cast<int>(n), extension);
    };
    neverSeen(findings, folder + u"\\si coloreado"_s, {u"gif"_s, u"jpg"_s}, gap, Numbered::Drawings,
              [&](long long n, const QString& extension) {
                  // The GIF when there is one, whatever the extension asked.
                  const QString gif = drawing(Variant::Coloured, n, u".GIF"_s);
                  if (!findings.files().dir(gif).isEmpty() || extension == u"gif")
                      return findings.reached(gif);
                  return findings.reached(drawing(Variant::Coloured, n, u".JPG"_s));
              });
    neverSeen(findings, folder + u"\\no coloreado"_s, {u"gif"_s}, gap, Numbered::UncolouredDrawings,
              [&](long long n, const QString&) {
                  return numbers.contains(static_cast<int>(n))
                             ? findings.reached(drawing(Variant::Uncoloured, n, u".GIF"_s))
                             : QString();
              });
    // Beside the two folders the program reads.
    const QString onDisk = findings.onDisk(folder);
    for (const auto& entry : findings.files().list(onDisk)) {
        const QString path = onDisk + u'/' + entry.name;
        if (path == usedColoured || path == usedUncoloured || leftByTools(findings, onDisk, entry))
            continue;
        const QString key = nameKey(entry.name);
        const bool colouredTwin = key == nameKey(u"si coloreado"_s);
        if (entry.kind == Kind::Folder && (colouredTwin || key == nameKey(u"no coloreado"_s))) {
            //: %1 is a folder Tamiro takes for %2, the one it uses.
            const QString why =
                Text::tr("no se verá nunca: está en «%1», una carpeta que Tamiro confunde con "
                         "«%2», la que usa. Pase el dibujo a «%2» y borre «%1».")
                    .arg(entry.name,
                         (colouredTwin ? usedColoured : usedUncoloured).section(u'/', -1));
            QStringList below;
            filesBelow(findings.files(), path, below);
            for (const QString& file : below)
                if (!findings.accounted(findings.relative(file)))
                    findings.add(Severity::Warning, findings.relative(file), why);
        } else if (!findings.accounted(findings.relative(path)))
            findings.add(Severity::Warning, findings.relative(path),
                         //: %1 and %2 are the names of the folders of the coloured and the
                         //: uncoloured drawings.
                         Text::tr("no se verá nunca: en cada carpeta de dibujos Tamiro sólo mira "
                                  "«%1» y «%2». Muévalo a una de ellas o a otro sitio.")
                             .arg(u"si coloreado"_s, u"no coloreado"_s));
    }
}

void otherDrawingFolders(FindingCollector& findings) {
    const QString app = findings.contentFolder();
    const QString folder = findings.onDisk(app + u"\\dibujos"_s);
    for (const auto& entry : findings.files().list(folder)) {
        const NumberedName name(entry.name);
        const QString path = folder + u'/' + entry.name;
        if (leftByTools(findings, folder, entry))
            continue;
        if (entry.kind == Kind::Folder && name.canonical && name.number >= 1 && name.number <= 10 &&
            findings.onDisk(drawingFolderPath(app, static_cast<int>(name.number))) == path)
            continue;
        findings.add(Severity::Warning, findings.relative(path),
                     //: %1 is the name of the folder of drawing folders.
                     Text::tr("no se verá nunca: los diez botones abren las carpetas 1 a 10 de "
                              "«%1». Pase lo que quiera enseñar a una de ellas.")
                         .arg(u"dibujos"_s));
    }
}

void topLevelTwins(FindingCollector& findings) {
    const QStringList names{u"dibujos"_s,   u"animados"_s,    u"medida"_s,      u"punteros"_s,
                            u"fondo.gif"_s, u"sonido1.wav"_s, u"sonido2.wav"_s, u"impresora.txt"_s};
    const QString app = findings.contentFolder();
    QHash<QString, QStringList> twins;
    for (const auto& entry : findings.files().list(app))
        twins[nameKey(entry.name)] << entry.name;
    for (const QString& name : names) {
        const QStringList& same = twins.value(nameKey(name));
        if (same.size() < 2)
            continue;
        const QString used = findings.onDisk(app + u'\\' + name).section(u'/', -1);
        for (const QString& other : same)
            if (other != used && !findings.accounted(other))
                //: %n names that Tamiro takes for one: %1 lists them, %2 is the one it uses.
                findings.add(Severity::Warning, other,
                             Text::tr("no se usará nunca: hay %n nombre(s) que Tamiro confunde: "
                                      "%1; usa «%2». Deje sólo uno.",
                                      nullptr, int(same.size()))
                                 .arg(nameList(same), used));
    }
}

} // namespace tamiro::checker
