#pragma once

#include "platform/core/services.h"

#include <QByteArray>
#include <list>

namespace tamiro {

// Qt's own readers for GIF, JPEG, icons and bitmaps, each file given to the
// reader its header names, with the content path resolved by the file system.
// The few pictures decoded last are kept, within a budget of memory, while
// their file is unchanged, so a drawing loaded twice in one step is decoded
// once.
class QtPictureLoader : public PictureLoader {
public:
    explicit QtPictureLoader(FileSystem& files) : files_(files) {}

    // Decoded pictures kept for speed: the newest ones, at most eight and
    // within a budget that holds two drawings' variants at their largest, so
    // that a pointer loaded twice, or a drawing shown again, is decoded once.
    static constexpr qint64 kKeptBytes = qint64{64} * 1024 * 1024;
    static constexpr size_t kKeptPictures = 8;

    Picture load(const QString& path) override;
    Picture builtIn(const QString& name) override;

    std::uint64_t decodes() const { return decodes_; }
    // The bytes of the decoded pictures kept.
    qint64 keptBytes() const { return keptBytes_; }

private:
    struct Kept {
        QString file;
        qint64 size;
        qint64 modified;
        Picture picture;
    };

    // A decoded picture of the file on disk, kept or decoded now.
    Picture loadFile(const QString& file);

    FileSystem& files_;
    std::list<Kept> kept_;
    qint64 keptBytes_ = 0;
    std::uint64_t decodes_ = 0;
};

} // namespace tamiro
