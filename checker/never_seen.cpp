// Never-seen files: what no button ever shows, plays or reads, and why.

#include "checker/never_seen.h"

#include "checker/wording.h"
#include "rules/content.h"
#include "rules/left_behind.h"

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
                     u"no se verá nunca: es lo que dejó a medias un cambio de los dibujos que no "
                     u"terminó (quizá se apagó el ordenador mientras se añadía o se ordenaba un "
                     u"dibujo). Bórrelo, y si falta algún dibujo, vuelva a añadirlo."_s);
    return true;
}

// Why an ordinary file of a numbered series is never seen. `same` are the
// names the program takes for this one; `used` the file it reads for this
// name's number and extension, if any.
QString whyNeverSeen(const NumberedName& name, const QString& file, const QStringList& same,
                     const QString& used, const QStringList& extensions, int gap,
                     const QString& what) {
    const QString kinds = u"."_s + extensions.join(u" y ."_s);
    if (same.size() > 1 && !used.isEmpty() && used != file)
        return u"hay %1 archivos que Tamiro confunde: %2; usa %3. Deje sólo uno."_s.arg(same.size())
            .arg(nameList(same), quoted(used.section(u'/', -1)));
    if (!extensions.contains(name.extension))
        return name.canonical ? u"Tamiro sólo lee aquí archivos %1. Guárdelo como %2 con el "
                                u"nombre «%3.%4»."_s.arg(kinds, extensions.first().toUpper(),
                                                         name.stem, extensions.first())
                              : u"Tamiro sólo lee aquí archivos %1 con un número por nombre. Si "
                                u"no es para Tamiro, muévalo a otro sitio."_s.arg(kinds);
    if (!name.isNumber)
        return u"el nombre tiene que ser un número (1, 2, 3…). Cámbieselo por el número que le "
               u"toque."_s;
    if (!name.canonical)
        return u"el número está mal escrito (con ceros delante o con signo). Cámbiele el nombre "
               u"a «%1.%2»."_s.arg(name.number)
                   .arg(name.extension);
    if (name.number > kLastNumber)
        return u"Tamiro sólo llega hasta el %1 %2. Póngalo en otra carpeta."_s.arg(
            what, QString::number(kLastNumber));
    if (name.number < 1)
        return u"los números empiezan en 1. Cámbiele el número."_s;
    if (!used.isEmpty() && used != file)
        return u"con el número %1 ya se usa %2 (el GIF va antes que el JPEG). Bórrelo o cámbiele "
               u"el número."_s.arg(QString::number(name.number), quoted(used.section(u'/', -1)));
    if (gap == 1)
        return u"falta el %1 1, y sin él no se llega a ningún otro. Ponga el 1."_s.arg(what);
    if (gap <= name.number)
        return u"falta el %1 %2 y la serie vuelve al 1 después del %3. Ponga el %2 que falta."_s
            .arg(what)
            .arg(gap)
            .arg(gap - 1);
    return u"no hay %1 %2 que lo use. Bórrelo, o ponga el que le falta."_s.arg(what).arg(
        name.number);
}

} // namespace

void neverSeen(FindingCollector& findings, const QString& composed, const QStringList& extensions,
               int gap, const QString& what, const UsedFile& usedFile) {
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
                               extensions, gap, what);
        findings.add(Severity::Warning, file, u"no se verá nunca: "_s + why);
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
    neverSeen(findings, folder + u"\\si coloreado"_s, {u"gif"_s, u"jpg"_s}, gap, u"dibujo"_s,
              [&](long long n, const QString& extension) {
                  // The GIF when there is one, whatever the extension asked.
                  const QString gif = drawing(Variant::Coloured, n, u".GIF"_s);
                  if (!findings.files().dir(gif).isEmpty() || extension == u"gif")
                      return findings.reached(gif);
                  return findings.reached(drawing(Variant::Coloured, n, u".JPG"_s));
              });
    neverSeen(findings, folder + u"\\no coloreado"_s, {u"gif"_s}, gap, u"dibujo coloreado"_s,
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
            const QString why =
                u"no se verá nunca: está en %1, una carpeta que Tamiro confunde "
                u"con %2, la que usa. Pase el dibujo a %2 y borre %1."_s.arg(
                    quoted(entry.name),
                    quoted((colouredTwin ? usedColoured : usedUncoloured).section(u'/', -1)));
            QStringList below;
            filesBelow(findings.files(), path, below);
            for (const QString& file : below)
                if (!findings.accounted(findings.relative(file)))
                    findings.add(Severity::Warning, findings.relative(file), why);
        } else if (!findings.accounted(findings.relative(path)))
            findings.add(Severity::Warning, findings.relative(path),
                         u"no se verá nunca: en cada carpeta de dibujos Tamiro sólo mira «si "
                         u"coloreado» y «no coloreado». Muévalo a una de ellas o a otro sitio."_s);
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
                     u"no se verá nunca: los diez botones abren las carpetas 1 a 10 de «dibujos». "
                     u"Pase lo que quiera enseñar a una de ellas."_s);
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
                findings.add(Severity::Warning, other,
                             u"no se usará nunca: hay %1 que Tamiro confunde: %2; usa %3. Deje "
                             u"sólo uno."_s.arg(count(same.size(), "nombre", "nombres"),
                                                nameList(same), quoted(used)));
    }
}

} // namespace tamiro::checker
