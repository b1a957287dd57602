#include "rules/drawing_changes.h"

#include "platform/core/errors.h"
#include "rules/content.h"
#include "rules/drawings.h"

#include <QCoreApplication>
#include <QHash>

namespace tamiro {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::DrawingChanges)
};

// Only where the drawings are matters here, never their pictures.
class NoPictures : public PictureLoader {
public:
    Picture load(const QString& path) override { throw PlatformError(path); }
    Picture builtIn(const QString& name) override { throw PlatformError(name); }
};

void checkFolder(int f) {
    if (f < 1 || f > 10)
        throw PlatformError(
            Text::tr("no hay carpeta %1: las carpetas de dibujos van de la 1 a la 10").arg(f));
}

QString extensionOf(const QString& name) {
    return name.mid(name.lastIndexOf(u'.')).toLower();
}

// The names of a folder's entries, gathered by the key they match under.
QHash<QString, QStringList> byKey(FileSystem& files, const QString& folder) {
    QHash<QString, QStringList> names;
    for (const auto& entry : files.list(folder))
        names[nameKey(entry.name)] << entry.name;
    return names;
}

// Undoes the steps done so far, the last first, as well as each can.
void undoAll(std::vector<std::function<void()>>& undo) {
    for (auto step = undo.rbegin(); step != undo.rend(); ++step) {
        try {
            (*step)();
        } catch (const PlatformError&) {
            // The first failure is the one to tell.
        }
    }
    undo.clear();
}

} // namespace

DrawingChanges::DrawingChanges(FileSystem& files, ContentWriter& writer)
    : files_(files), writer_(writer) {}

DrawingChanges::Folders DrawingChanges::folders(int f) {
    // The folders the program reads, in their letter case on disk; a missing
    // one named as the program writes it, inside its parent on disk.
    const QString drawing = files_.applicationFolder() + QStringLiteral("\\dibujos\\%1").arg(f);
    return {files_.resolve(drawing), files_.resolve(drawing + QStringLiteral("\\si coloreado")),
            files_.resolve(drawing + QStringLiteral("\\no coloreado"))};
}

std::int16_t DrawingChanges::last(int f) {
    NoPictures none;
    return Drawings(files_, none).last(f);
}

std::int16_t DrawingChanges::freeNumber(int f, const Folders& at) {
    const std::int16_t before = last(f);
    if (before == kLastNumber)
        throw PlatformError(
            //: %1 is the folder, %2 the most drawings a folder holds.
            Text::tr("la carpeta %1 ya tiene %2 dibujos, los que caben: ponga el dibujo "
                     "en otra carpeta")
                .arg(f)
                .arg(kLastNumber));
    const auto n = static_cast<std::int16_t>(before + 1);
    const QString numeral = QString::number(n);
    const auto inTheWay = [&](const QString& folder, const QStringList& names) {
        const QHash<QString, QStringList> found = byKey(files_, folder);
        for (const QString& name : names)
            for (const QString& stray : found.value(nameKey(name)))
                throw PlatformError(
                    //: %1 is the new drawing's number, %2 the folder, %3 the file in the way,
                    //: %4 the folder it is in.
                    Text::tr(
                        "el dibujo nuevo sería el %1 de la carpeta %2, pero ya hay un «%3» en "
                        "«%4» que no es de ningún dibujo que vea el niño (quizá quedó de una copia "
                        "que no terminó): bórrelo o muévalo a otro sitio y vuelva a intentarlo")
                        .arg(numeral)
                        .arg(f)
                        .arg(stray, folder));
    };
    inTheWay(at.coloured, {numeral + QStringLiteral(".gif"), numeral + QStringLiteral(".jpg")});
    inTheWay(at.uncoloured, {numeral + QStringLiteral(".gif")});
    return n;
}

std::int16_t DrawingChanges::nextNumber(int f) {
    checkFolder(f);
    return freeNumber(f, folders(f));
}

std::int16_t DrawingChanges::add(int f, const NewDrawing& drawing) {
    checkFolder(f);
    const QString extension = drawing.colouredExtension.toLower();
    if (extension != u".gif" && extension != u".jpg")
        throw PlatformError(Text::tr("el dibujo coloreado tiene que ser GIF o JPEG, no «%1»")
                                .arg(drawing.colouredExtension));
    Undo undo;
    std::unique_ptr<ContentWriter::Hold> hold;
    try {
        // Folders made for this drawing go again if it cannot go in.
        const auto make = [&](const QString& folder) {
            if (writer_.makeFolder(folder))
                undo.emplace_back([this, folder] { writer_.remove(folder); });
        };
        make(files_.resolve(files_.applicationFolder() + QStringLiteral("\\dibujos")));
        make(folders(f).drawing);
        make(folders(f).coloured);
        make(folders(f).uncoloured);
        const Folders at = folders(f);
        hold = writer_.hold(at.drawing);
        const QString numeral = QString::number(freeNumber(f, at));

        // Both written whole before either shows, so that a full disk stops
        // the change before anything is in place.
        const QString lines = writer_.writeTemporary(at.uncoloured, drawing.uncoloured);
        undo.emplace_back([this, lines] { writer_.remove(lines); });
        const QString colours = writer_.writeTemporary(at.coloured, drawing.coloured);
        undo.emplace_back([this, colours] { writer_.remove(colours); });
        // The lines first, where nothing reads them yet; the colours then make
        // the drawing present.
        const QString linesInPlace = at.uncoloured + u'/' + numeral + QStringLiteral(".gif");
        writer_.rename(lines, linesInPlace);
        undo.emplace_back([this, linesInPlace] { writer_.remove(linesInPlace); });
        writer_.rename(colours, at.coloured + u'/' + numeral + extension);
        return static_cast<std::int16_t>(numeral.toInt());
    } catch (const PlatformError&) {
        undoAll(undo);
        throw;
    }
}

std::int16_t DrawingChanges::checkedCount(int f, std::initializer_list<std::int16_t> numbers) {
    checkFolder(f);
    const std::int16_t count = last(f);
    for (const std::int16_t n : numbers)
        if (n < 1 || n > count)
            throw PlatformError(
                count == 0 ? Text::tr("la carpeta %1 no tiene dibujos que el niño vea").arg(f)
                           : //: %1 is the folder, %2 the drawing asked for, %3 its last drawing.
                    Text::tr("la carpeta %1 no tiene dibujo %2: el niño ve "
                             "los dibujos 1 a %3")
                        .arg(f)
                        .arg(n)
                        .arg(count));
    return count;
}

std::vector<DrawingChanges::Slot> DrawingChanges::between(int f, const Folders& at,
                                                          std::int16_t first, std::int16_t end) {
    // A number with several files that the program takes for one (2.gif and
    // 2.GIF, or a JPEG the GIF hides) cannot be moved as one drawing.
    const auto coloured = byKey(files_, at.coloured), uncoloured = byKey(files_, at.uncoloured);
    const auto single = [&](const QString& folder, std::int16_t n, const QStringList& names) {
        if (names.size() < 2)
            return;
        QString listed;
        for (const QString& name : names) {
            //: A file's name, quoted in a sentence.
            const QString quoted = Text::tr("«%1»").arg(name);
            //: One more name in a list: %1 the names so far, %2 the next.
            listed = listed.isEmpty() ? quoted : Text::tr("%1, %2").arg(listed, quoted);
        }
        //: %1 is a folder, %n the number of files in it with the drawing number %2, named in
        //: %3.
        throw PlatformError(Text::tr("en «%1» hay %n archivo(s) con el número %2 (%3), y Tamiro "
                                     "sólo usa uno: deje sólo el que quiera y vuelva a intentarlo",
                                     nullptr, int(names.size()))
                                .arg(folder)
                                .arg(n)
                                .arg(listed));
    };
    const QString app = files_.applicationFolder();
    std::vector<Slot> found;
    for (int n = first; n <= end; ++n) {
        const auto number = static_cast<std::int16_t>(n);
        const QString numeral = QString::number(n);
        single(at.coloured, number,
               coloured.value(nameKey(numeral + QStringLiteral(".gif"))) +
                   coloured.value(nameKey(numeral + QStringLiteral(".jpg"))));
        single(at.uncoloured, number, uncoloured.value(nameKey(numeral + QStringLiteral(".gif"))));
        Slot slot{number, files_.dir(drawingPath(app, f, Variant::Coloured, n, ".GIF")), {}};
        if (slot.coloured.isEmpty())
            slot.coloured = files_.dir(drawingPath(app, f, Variant::Coloured, n, ".JPG"));
        slot.uncoloured = files_.dir(drawingPath(app, f, Variant::Uncoloured, n, ".GIF"));
        found.push_back(slot);
    }
    return found;
}

void DrawingChanges::move(int f, std::int16_t from, std::int16_t to) {
    checkedCount(f, {from, to});
    const Folders at = folders(f);
    const auto hold = writer_.hold(at.drawing);
    checkedCount(f, {from, to});
    if (from == to)
        return;
    const std::int16_t first = std::min(from, to);
    std::vector<Slot> range = between(f, at, first, std::max(from, to));
    shift(at, range, std::size_t(from - first), std::size_t(to - first));
}

void DrawingChanges::remove(int f, std::int16_t n) {
    checkedCount(f, {n});
    const Folders at = folders(f);
    const auto hold = writer_.hold(at.drawing);
    std::vector<Slot> range = between(f, at, n, checkedCount(f, {n}));
    // To the end first, so that the series stays whole; then out of it, the
    // coloured file first, whose going ends the series one earlier.
    shift(at, range, 0, range.size() - 1);
    const Slot& end = range.back();
    QStringList gone{at.coloured + u'/' + end.coloured};
    if (!end.uncoloured.isEmpty())
        gone << at.uncoloured + u'/' + end.uncoloured;
    try {
        writer_.trash(gone);
    } catch (const PlatformError&) {
        try {
            shift(at, range, range.size() - 1, 0);
        } catch (const PlatformError&) {
            // The drawing stays last; the first failure is the one to tell.
        }
        throw;
    }
}

void DrawingChanges::shift(const Folders& at, std::vector<Slot>& range, std::size_t from,
                           std::size_t to) {
    Undo undo;
    try {
        while (from != to) {
            const std::size_t next = from < to ? from + 1 : from - 1;
            swap(at, range[from], range[next], undo);
            from = next;
        }
    } catch (const PlatformError&) {
        undoAll(undo);
        throw;
    }
}

void DrawingChanges::swap(const Folders& at, Slot& a, Slot& b, Undo& undo) {
    const auto in = [](const QString& folder, const QString& name) { return folder + u'/' + name; };
    if (extensionOf(a.coloured) == extensionOf(b.coloured)) {
        swapFiles(in(at.coloured, a.coloured), in(at.coloured, b.coloured), undo);
    } else {
        // A copy of the JPEG goes in behind the GIF, which the program takes
        // first; one rename of the GIF then moves both drawings at once.
        Slot& gif = extensionOf(a.coloured) == u".gif" ? a : b;
        Slot& jpeg = &gif == &a ? b : a;
        const QString jpegFile = in(at.coloured, jpeg.coloured),
                      gifFile = in(at.coloured, gif.coloured);
        const QString behind =
            in(at.coloured, QString::number(gif.number) + QStringLiteral(".jpg"));
        const QString moved =
            in(at.coloured, QString::number(jpeg.number) + QStringLiteral(".gif"));
        const QString copy = writer_.copyTemporary(jpegFile);
        undo.emplace_back([this, copy] { writer_.remove(copy); });
        writer_.rename(copy, behind);
        undo.emplace_back([this, behind] { writer_.remove(behind); });
        writer_.rename(gifFile, moved);
        undo.emplace_back([this, moved, gifFile] { writer_.rename(moved, gifFile); });
        writer_.remove(jpegFile); // hidden behind the GIF now
        undo.emplace_back(
            [this, behind, jpegFile] { writer_.rename(writer_.copyTemporary(behind), jpegFile); });
        gif.coloured = behind.section(u'/', -1);
        jpeg.coloured = moved.section(u'/', -1);
    }
    if (!a.uncoloured.isEmpty() && !b.uncoloured.isEmpty()) {
        swapFiles(in(at.uncoloured, a.uncoloured), in(at.uncoloured, b.uncoloured), undo);
    } else if (!a.uncoloured.isEmpty() || !b.uncoloured.isEmpty()) {
        // Lines without a partner move alone.
        Slot& has = a.uncoloured.isEmpty() ? b : a;
        Slot& lacks = &has == &a ? b : a;
        const QString from = in(at.uncoloured, has.uncoloured);
        const QString to =
            in(at.uncoloured, QString::number(lacks.number) + QStringLiteral(".gif"));
        writer_.rename(from, to);
        undo.emplace_back([this, from, to] { writer_.rename(to, from); });
        lacks.uncoloured = to.section(u'/', -1);
        has.uncoloured.clear();
    }
}

void DrawingChanges::swapFiles(const QString& a, const QString& b, Undo& undo) {
    if (writer_.exchange(a, b)) {
        undo.emplace_back([this, a, b] { writer_.exchange(a, b); });
        return;
    }
    // Without a swap in one step: a second name keeps b while a takes its
    // place; a's number is missing until that second name takes it.
    const QString copy = writer_.copyTemporary(b);
    try {
        writer_.replace(a, b);
    } catch (const PlatformError&) {
        writer_.remove(copy);
        throw;
    }
    try {
        writer_.rename(copy, a);
    } catch (const PlatformError&) {
        try {
            writer_.rename(b, a);
            writer_.rename(copy, b);
        } catch (const PlatformError&) {
            // The first failure is the one to tell.
        }
        throw;
    }
    undo.emplace_back([this, a, b] {
        Undo again;
        swapFiles(a, b, again);
    });
}

} // namespace tamiro
