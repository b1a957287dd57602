#pragma once

// The drawings of the ten folders as the navigation buttons meet them: when a
// drawing is present, where each button's step leads, which files a step
// shows, and the message the child gets when it cannot show them.

#include "platform/core/errors.h"
#include "platform/core/picture.h"
#include "platform/core/services.h"

#include <QString>
#include <cstdint>

namespace tamiro {

// What one navigation step shows: both variants, or the message instead (with
// whichever variant did load).
struct DrawingStep {
    QString colouredPath, uncolouredPath; // as composed, before the file system maps them
    Picture coloured, uncoloured;
    QString message; // not empty: the step shows nothing new and the child reads this
    PlatformError::Cause cause = PlatformError::Cause::Other; // of the failure in the message
    bool shown() const { return message.isEmpty(); }
};

// The folder chosen at start-up, before any folder button: its arrows step
// from drawing 0.
inline constexpr int kStartFolder = 1;

class Drawings {
public:
    Drawings(FileSystem& files, PictureLoader& pictures) : files_(files), pictures_(pictures) {}

    // Drawing n of folder f is present when the directory query finds its
    // coloured variant as a GIF or as a JPEG: its answers, upper-cased, are
    // n.GIF or n.JPG. Both questions are always asked. The back search asks
    // for the GIF with a lower-case extension.
    enum class Search { Forward, Back };
    bool present(int f, std::int16_t n, Search search = Search::Forward);

    // The number before the first one missing from 1 on: the last drawing of
    // an unbroken series, 0 when drawing 1 is absent.
    std::int16_t last(int f);

    // Where each button's step leads from n, the folder's drawing shown last.
    // The folder button keeps n when present, else takes 1; the next button
    // takes n + 1 when present, else 1; the previous button takes n - 1 when
    // present, else the last drawing.
    std::int16_t afterFolderButton(int f, std::int16_t n);
    std::int16_t afterNext(int f, std::int16_t n);
    std::int16_t afterPrevious(int f, std::int16_t n);

    // The files of drawing n and both pictures loaded from them. The coloured
    // file is the GIF when the directory query finds one, else the JPEG; with
    // neither there is nothing to load.
    DrawingStep show(int f, std::int16_t n);

private:
    FileSystem& files_;
    PictureLoader& pictures_;
};

} // namespace tamiro
