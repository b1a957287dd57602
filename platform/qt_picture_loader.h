#pragma once

#include "platform/services.h"

#include <QByteArray>
#include <list>

namespace tamiro {

// Qt's own readers for GIF, JPEG, icons and bitmaps, with the content path
// resolved by the file system. The few pictures decoded last are kept while
// their file is unchanged, so a drawing loaded twice in one step is decoded
// once.
class QtPictureLoader : public PictureLoader {
public:
    explicit QtPictureLoader(FileSystem& files) : files_(files) {}

    Picture load(const QString& path) override;
    Picture builtIn(const QString& name) override;

    std::uint64_t decodes() const { return decodes_; }

private:
    struct Kept {
        QString file;
        qint64 size;
        qint64 modified;
        Picture picture;
    };

    static Picture decode(const QByteArray& data, const QString& shownName);

    FileSystem& files_;
    std::list<Kept> kept_;
    std::uint64_t decodes_ = 0;
};

// Qt ignores the transparency mask of icons with 24 bits per pixel; this
// applies it from the file's own bytes. Other icons are returned unchanged.
QImage withIconMask(QImage image, const QByteArray& iconFile);

} // namespace tamiro
