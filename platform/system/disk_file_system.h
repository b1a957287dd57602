#pragma once

#include "platform/core/services.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace tamiro {

// The file system of this machine. The application folder is taken as it is;
// below it, the backslashes of the content paths are separators and names are
// matched without regard to letter case, a name also matching its upper-case
// form ("Straße" and "STRASSE"). A path elsewhere is used as it stands.
// Folder listings are kept while a folder is unchanged, so a numbered series
// of thousands of files costs one listing and one status call per query, and a
// file added or removed while the program runs is still seen.
class DiskFileSystem : public FileSystem {
public:
    explicit DiskFileSystem(QString applicationFolder);

    // The folder of the running program, its name read as the system stores
    // it (see encodePath); the process's current folder when it is unknown.
    static QString programFolder();
    // A folder's full path, links followed, with its name as stored on disk
    // whatever its encoding; empty when it is no folder.
    static QString folderOnDisk(const QString& folder);

    QString applicationFolder() const override { return applicationFolder_; }
    QString dir(const QString& path) override;
    QString readFirstLine(const QString& path) override;
    QString resolve(const QString& path) override;
    std::vector<Entry> list(const QString& folder) override;
    std::optional<Identity> identity(const QString& path) override;

    // How many times a folder was read from disk (for the benchmarks and tests).
    std::uint64_t listingsRead() const { return listingsRead_; }

    // Longest first line kept; the rest of an endless line is not read.
    static constexpr qint64 kMaxLineBytes = qint64{16} * 1024 * 1024;

private:
    using Kind = FileSystem::Entry::Kind;
    using Entry = FileSystem::Entry;
    // A folder's listing is kept while the folder keeps its identity.
    using Stamp = Identity;
    struct Listing {
        Stamp stamp;
        bool trustworthy = false; // false while the folder may still change unseen
        std::vector<Entry> entries;
        QHash<QString, std::vector<int>> byFoldedName;
    };

    // A known stamp saves the status call when the caller has just made it.
    const Listing* listing(const QString& folder, const Stamp* known = nullptr);
    const Entry* find(const QString& folder, const QString& name, bool wantFolder,
                      const Stamp* known = nullptr);
    // Of the entries that match `name`, the one the program takes: of the
    // kinds accepted, the exact spelling, else the first in code-point order.
    template <typename Accept>
    static const Entry* choose(const Listing& list, const QString& name, Accept accept);
    // Splits a path into its folder on disk (empty when there is none) and
    // its last name; `below` tells whether names are matched without regard
    // to letter case.
    QString locate(const QString& path, QString& name, Stamp& stamp, bool& below);
    QString resolveFolder(const QString& folder, const QString& key, Stamp& stamp);
    // The stamp of a folder, or with `file` of an ordinary file.
    static bool stampOf(const QString& path, Stamp& stamp, bool file = false);

    QString applicationFolder_, upperApplicationFolder_;
    QHash<QString, Listing> listings_;
    QHash<QString, QString> resolvedFolders_;
    std::uint64_t listingsRead_ = 0;
};

} // namespace tamiro
