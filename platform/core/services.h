#pragma once

#include "platform/core/picture.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace tamiro {

// Two names on disk match when their keys are equal: letter case does not
// count, and a name also matches its upper-case form ("Straße", "STRASSE"):
// their upper-case forms fold alike ("ß", "ss" and "SS", or "ı", "i" and "I").
inline QString nameKey(const QString& name) {
    return name.toUpper().toCaseFolded();
}

// The services the window needs from the machine. Each has one real
// implementation in this folder; tests replace the ones that would reach a
// person (message box, sound, printer) or the screen size.

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The folder that holds the program, without a trailing separator.
    virtual QString applicationFolder() const = 0;
    // The directory query: the bare name, as stored on disk, of the ordinary
    // file that matches the full path without regard to letter case, or an
    // empty text. Folders and hidden files do not count. When several names
    // match, the one spelled exactly as asked wins, else the first of them in
    // code-point order, whatever order the folder lists them in; folders on
    // the way are chosen by the same rule.
    virtual QString dir(const QString& path) = 0;
    // The characters of a text file up to its first carriage return.
    virtual QString readFirstLine(const QString& path) = 0;
    // The file on disk that a composed content path names: backslashes become
    // separators and each name is matched as the directory query matches it,
    // with the same choice among several (an ordinary file before anything
    // else). A path that names nothing comes back mapped but otherwise
    // unchanged.
    virtual QString resolve(const QString& path) = 0;

    // What a folder on disk holds, every entry as stored, in code-point order
    // of the names; empty when there is no such folder.
    struct Entry {
        enum class Kind { File, Folder, Nowhere, Other }; // Nowhere: a dangling link
        QString name;
        Kind kind;
    };
    virtual std::vector<Entry> list(const QString& folder) = 0;

    // What a file or folder is on disk, whatever path leads to it: paths that
    // reach one file (links, other letter cases) give equal identities, and
    // the file gives another once it is written or replaced.
    struct Identity {
        std::int64_t seconds = -1, nanoseconds = 0, changeSeconds = 0, changeNanoseconds = 0;
        std::uint64_t device = 0, inode = 0;
        bool operator==(const Identity&) const = default;
    };
    // The identity of the ordinary file that a composed content path reaches,
    // as resolve() finds it; nothing for anything else.
    virtual std::optional<Identity> identity(const QString& path) = 0;
};

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Loads a GIF, JPEG, icon or bitmap file; throws PlatformError.
    virtual Picture load(const QString& path) = 0;
    // One of the pictures built into the program ("B1.gif", "I1.ico", ...).
    virtual Picture builtIn(const QString& name) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts a WAV file and returns at once; a missing file plays nothing.
    virtual void play(const QString& path) = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Draws a picture on the current page of the default printer, its corner at
    // (x, y) of the printable area and scaled to width x height, all in twips.
    virtual void paintPicture(const Picture& picture, float x, float y, float width,
                              float height) = 0;
    // Ends the print document so that its page is printed.
    virtual void endDoc() = 0;
};

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Modal, OK button only, no icon, the program's own title.
    virtual void show(const QString& text) = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual float width() const = 0;  // twips
    virtual float height() const = 0; // twips
};

struct Services {
    FileSystem& files;
    PictureLoader& pictures;
    SoundPlayer& sound;
    Printer& printer;
    MessageBox& messages;
    Screen& screen;
};

} // namespace tamiro
