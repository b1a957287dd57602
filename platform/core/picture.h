#pragma once

#include "platform/core/twips.h"

#include <QImage>
#include <QPixmap>
#include <QString>

namespace tamiro {

// A decoded picture: the first frame of a GIF, a JPEG, an icon or a bitmap.
// Copies share the pixels.
class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image, QString file = {})
        : image_(std::move(image)), file_(std::move(file)) {}

    bool isNull() const { return image_.isNull(); }
    const QImage& image() const { return image_; }
    int widthPixels() const { return image_.width(); }
    int heightPixels() const { return image_.height(); }
    float widthTwips() const { return pixelsToTwips(image_.width()); }
    float heightTwips() const { return pixelsToTwips(image_.height()); }
    // The file it was loaded from, for messages.
    const QString& file() const { return file_; }

    // The pixels ready for the screen, converted once per picture.
    const QPixmap& pixmap() const {
        if (pixmap_.isNull() && !image_.isNull())
            pixmap_ = QPixmap::fromImage(image_);
        return pixmap_;
    }

    bool sameAs(const Picture& other) const { return image_.cacheKey() == other.image_.cacheKey(); }

private:
    QImage image_;
    QString file_;
    mutable QPixmap pixmap_;
};

} // namespace tamiro
