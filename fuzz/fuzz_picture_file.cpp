// Fuzzes what a picture file goes through: the checks made before it is
// decoded, the one reader its header chooses (as a picture and as an icon,
// whose PNG pictures lose their text chunks first), and the frames of an
// animation. A refusal names the file; an accepted file comes back whole and
// nothing accepted decodes to more pixels than allowed.

#include "platform/core/errors.h"
#include "platform/formats/animation_file.h"
#include "platform/formats/picture_decoder.h"
#include "platform/formats/picture_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace {

void refusedNaming(const tamiro::PlatformError& error, const QString& file) {
    if (!error.description().contains(file))
        std::abort(); // a refusal that does not name the file
}

} // namespace

// The movie player that plays an animation needs an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* name : {"1.gif", "1.ico"}) {
        const QString file = dir.path() + '/' + name;
        std::ofstream(QFile::encodeName(file), std::ios::binary | std::ios::trunc)
            << bytes.toStdString();
        try {
            const QByteArray read = tamiro::readPictureFile(file);
            if (read != bytes)
                std::abort(); // accepted, but not read whole
            const QImage image = tamiro::decodePicture(read, file);
            if (tamiro::tooLargePicture(image.size()) ||
                (file.endsWith(".ico") &&
                 (image.width() > tamiro::kMaxIconSide || image.height() > tamiro::kMaxIconSide)))
                std::abort(); // the checks let through a picture too large
        } catch (const tamiro::PlatformError& error) {
            refusedNaming(error, file);
        }
    }
    // An animation plays on a screen of 320 x 240 here.
    const QString file = dir.path() + "/1.gif";
    try {
        const tamiro::Animation animation = tamiro::openAnimation(file, QSize(320, 240));
        for (int frame = 0; frame < 16 && animation.movie->jumpToNextFrame(); ++frame)
            if (const QImage image = animation.movie->currentImage();
                image.width() > 320 || image.height() > 240)
                std::abort(); // a frame larger than the screen
    } catch (const tamiro::PlatformError& error) {
        refusedNaming(error, file);
    }
    return 0;
}
