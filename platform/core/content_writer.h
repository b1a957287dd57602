#pragma once

// The file work behind the teacher's changes to the content. Every step
// leaves each name either as it was or holding a whole file: new files are
// written under hidden temporary names and renamed into place, and nothing
// is written over. Paths are paths on disk, not composed content paths.
// Failures throw PlatformError with a Spanish description that says what
// happened and what to do.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace tamiro {

// Every temporary file a change makes starts with this: a hidden name, which
// the program and the checker never count as content.
inline const QString kTemporaryPrefix = QStringLiteral(".tamiro-");

class ContentWriter {
public:
    virtual ~ContentWriter() = default;

    // Makes the folder when it is missing (its parent must be there),
    // group-writable and set-group-id when its parent is group-writable, so
    // that every teacher of the content's group may change it; answers
    // whether it made it.
    virtual bool makeFolder(const QString& folder) = 0;

    // Writes the bytes to a new temporary file in `folder`, synced to disk,
    // group-writable when the folder is, whatever the umask; answers its path.
    virtual QString writeTemporary(const QString& folder, const QByteArray& bytes) = 0;
    // A temporary second name in the same folder for an existing file: a hard
    // link, or a whole copy where the file system has none.
    virtual QString copyTemporary(const QString& file) = 0;

    // Renames a file, never over another: when `to` is taken it fails and
    // nothing changed.
    virtual void rename(const QString& from, const QString& to) = 0;
    // Renames a file over another in one step.
    virtual void replace(const QString& from, const QString& to) = 0;
    // Exchanges two files in one step; false, with nothing changed, where the
    // file system cannot.
    virtual bool exchange(const QString& a, const QString& b) = 0;

    // Moves the files to the desktop's trash, where they can be restored, in
    // order; when one cannot go, those moved before come back.
    virtual void trash(const QStringList& files) = 0;
    // Removes a file a change made, to undo it; never fails loudly.
    virtual void remove(const QString& file) noexcept = 0;

    // Keeps other changes to the folder by the teachers' tools of this
    // machine waiting while the returned object lives; fails when the folder
    // stays busy for several seconds.
    class Hold {
    public:
        virtual ~Hold() = default;
    };
    virtual std::unique_ptr<Hold> hold(const QString& folder) = 0;
};

} // namespace tamiro
