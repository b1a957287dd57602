#pragma once

#include "platform/core/content_writer.h"

namespace tamiro {

// The content writer of this machine, on the system's own calls: new files
// opened exclusively, written, synced and given their mode before they are
// renamed into place; renames that never replace (or, where the file system
// lacks that, a link and an unlink); swaps in one step where the file system
// has them; the desktop's trash on the file's own mount. Folders are held
// with an advisory lock, which a network file system may not offer: there
// the changes go on without it.
class PosixContentWriter : public ContentWriter {
public:
    bool makeFolder(const QString& folder) override;
    QString writeTemporary(const QString& folder, const QByteArray& bytes) override;
    QString copyTemporary(const QString& file) override;
    void rename(const QString& from, const QString& to) override;
    void replace(const QString& from, const QString& to) override;
    bool exchange(const QString& a, const QString& b) override;
    void trash(const QStringList& files) override;
    void remove(const QString& file) noexcept override;
    std::unique_ptr<Hold> hold(const QString& folder) override;

    // How long hold() waits for a busy folder.
    static constexpr int kHoldMilliseconds = 10000;
    // The largest file copyTemporary() copies where it cannot link.
    static constexpr qint64 kMaxCopyBytes = qint64{256} * 1024 * 1024;
};

// The folder part of a path on disk.
QString folderOf(const QString& path);
// Renames a file unless `to` is taken, on any file system: 0, or the
// system's error number (EEXIST when `to` is taken).
int renameWithoutReplacing(const QString& from, const QString& to);

} // namespace tamiro
