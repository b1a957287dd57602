#pragma once

// Changes to the drawings of a folder, made so that a running program never
// meets a gap in the series or half a file, whenever it looks.
//
// What the program may meet while a change runs (it finds a drawing by its
// coloured file, the GIF before the JPEG, and reads the lines from the
// uncoloured one):
// - add: the lines go in first, where nothing reads them yet; the coloured
//   file's arrival then makes the drawing present, whole.
// - move: neighbours trade places one pair at a time, each variant in one
//   step (a swap, or a link and a rename that the GIF-before-JPEG choice
//   hides), so every number stays present. Between the two variants' swaps
//   a step that lands on one of the two numbers may show one drawing's
//   colours under the other's lines, until the next step. Where the file
//   system cannot swap in one step (a network share), a number is missing
//   for the moment between two renames: a step looking then finds the
//   series shorter (the next button wraps to drawing 1, the previous one
//   stops at the drawing before), or, having just found the drawing, says
//   it cannot show it.
// - remove: the drawing is first moved to the end, as above; then its
//   coloured file goes to the trash (the series ends one earlier), then its
//   lines.

#include "platform/core/content_writer.h"
#include "platform/core/services.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace tamiro {

// A drawing ready to go in: the bytes of both files, as the drawing maker
// encodes them.
struct NewDrawing {
    QByteArray coloured, uncoloured;
    QString colouredExtension; // ".gif" or ".jpg"
};

class DrawingChanges {
public:
    DrawingChanges(FileSystem& files, ContentWriter& writer);

    // The number a new drawing of folder f gets: the one after the last
    // drawing the child reaches, with both variants' names free; otherwise
    // PlatformError saying why and what to do (a stray file in the way, the
    // folder full at 32767).
    std::int16_t nextNumber(int f);
    // Puts the drawing in at nextNumber(f) and returns that number: the
    // uncoloured file first, then the coloured one, each written whole under
    // a temporary name and renamed into place, never over a file. Missing
    // folders are made. On any failure nothing is left behind and
    // PlatformError says what happened and what to do.
    std::int16_t add(int f, const NewDrawing& drawing);
    // Drawing `from` takes place `to`; the drawings between move one place.
    void move(int f, std::int16_t from, std::int16_t to);
    // Drawing n goes to the desktop's trash; the drawings after it move down
    // one place. Restored from the trash, both files come back as the last
    // drawing of the folder.
    void remove(int f, std::int16_t n);

private:
    struct Folders {
        QString drawing, coloured, uncoloured; // on disk
    };
    // One drawing's files as they are on disk; the uncoloured one may be
    // missing.
    struct Slot {
        std::int16_t number;
        QString coloured, uncoloured;
    };
    using Undo = std::vector<std::function<void()>>;

    Folders folders(int f);
    std::int16_t last(int f);
    std::int16_t freeNumber(int f, const Folders& at);
    std::int16_t checkedCount(int f, std::initializer_list<std::int16_t> numbers);
    std::vector<Slot> between(int f, const Folders& at, std::int16_t first, std::int16_t end);
    // The drawing at index `from` of the range to index `to`, by swaps of
    // neighbours; undone on failure.
    void shift(const Folders& at, std::vector<Slot>& range, std::size_t from, std::size_t to);
    void swap(const Folders& at, Slot& a, Slot& b, Undo& undo);
    void swapFiles(const QString& a, const QString& b, Undo& undo);

    FileSystem& files_;
    ContentWriter& writer_;
};

} // namespace tamiro
