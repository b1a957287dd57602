#include "platform/system/qt_picture_loader.h"

#include "platform/core/errors.h"
#include "platform/core/logging.h"
#include "platform/formats/content_file.h"
#include "platform/formats/picture_decoder.h"
#include "platform/formats/picture_file.h"

#include <QCoreApplication>
#include <QFile>

void tamiroInitPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace tamiro {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::PictureProblems)
};

} // namespace

Picture QtPictureLoader::load(const QString& path) {
    const QString file = files_.resolve(path);
    try {
        return loadFile(file);
    } catch (const PlatformError& error) {
        qCDebug(lcPictures, "%s", qUtf8Printable(error.description()));
        throw;
    }
}

Picture QtPictureLoader::loadFile(const QString& file) {
    // Opened once: its stamp finds a picture already decoded, and otherwise
    // the same descriptor is read.
    ContentFile input(file);
    const qint64 size = input.size(), modified = input.modified();
    for (auto kept = kept_.begin(); kept != kept_.end(); ++kept) {
        if (kept->file == file && kept->size == size && kept->modified == modified) {
            kept_.splice(kept_.begin(), kept_, kept);
            return kept_.front().picture;
        }
    }
    Picture picture(decodePicture(readPictureFile(input), file), file);
    ++decodes_;
    kept_.push_front({file, size, modified, picture});
    keptBytes_ += picture.image().sizeInBytes();
    while (kept_.size() > 1 && (keptBytes_ > kKeptBytes || kept_.size() > kKeptPictures)) {
        keptBytes_ -= kept_.back().picture.image().sizeInBytes();
        kept_.pop_back();
    }
    return picture;
}

Picture QtPictureLoader::builtIn(const QString& name) {
    static const bool registered = (tamiroInitPictures(), true);
    (void)registered;
    QFile input(QStringLiteral(":/pictures/") + name);
    if (!input.open(QIODevice::ReadOnly))
        //: A picture built into the program: %1 is its name.
        throw PlatformError(Text::tr("no encuentro la imagen interna «%1»").arg(name));
    return Picture(decodePicture(input.readAll(), name), name);
}

} // namespace tamiro
