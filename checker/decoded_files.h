#pragma once

// The decoded-file cache: the program's picture loader, with the last two
// files decoded kept by what they are on disk, so that a folder of links to
// one picture is decoded once, not once per link. What a file decodes to, or
// the message it fails with, is the loader's.

#include "platform/core/services.h"

#include <optional>
#include <utility>

namespace tamiro::checker {

class DecodedFiles : public PictureLoader {
public:
    DecodedFiles(FileSystem& files, PictureLoader& loader) : files_(files), loader_(loader) {}

    Picture load(const QString& path) override {
        const std::optional<FileSystem::Identity> identity = files_.identity(path);
        if (!identity)
            return loader_.load(path);
        for (const auto& [known, picture] : kept_)
            if (known == *identity)
                return picture;
        Picture picture = loader_.load(path);
        kept_[next_++ % 2] = {*identity, picture};
        return picture;
    }
    Picture builtIn(const QString& name) override { return loader_.builtIn(name); }

private:
    FileSystem& files_;
    PictureLoader& loader_;
    // Two, for the coloured and the uncoloured variant of a drawing.
    std::pair<FileSystem::Identity, Picture> kept_[2];
    unsigned next_ = 0;
};

} // namespace tamiro::checker
