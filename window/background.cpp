// The background picture, tiled over the window at every paint.

#include "platform/core/errors.h"
#include "rules/content.h"
#include "rules/messages.h"
#include "window/colouring_window.h"
#include "window/tiling.h"

#include <QMetaObject>
#include <QPainter>

namespace tamiro {

void ColouringWindow::paintBackground(QPainter& painter) {
    paintBackground(painter, QRegion(rect()));
}

void ColouringWindow::paintBackground(QPainter& painter, const QRegion& region) {
    const QString path = files_.applicationFolder() + kBackgroundFile;
    tileBackground(path, painter, region);
}

// Only the tiles that meet the region being repainted are drawn: the others
// would be clipped away whole, so the pixels are those of the whole tiling.
void ColouringWindow::tileBackground(const QString& path, QPainter& painter,
                                     const QRegion& region) {
    try {
        if (backgroundPicture_.isNull()) {
            Picture loaded = pictures_.load(path);
            backgroundWidth_ = std::int32_t(roundHalfEven(loaded.widthTwips()));
            backgroundHeight_ = std::int32_t(roundHalfEven(loaded.heightTwips()));
            backgroundPicture_ = loaded;
        }
        const auto limitY = std::int64_t(roundHalfEven(pixelsToTwips(height())));
        const auto limitX = [this] { return std::int64_t(roundHalfEven(pixelsToTwips(width()))); };
        const QPixmap& tile = backgroundPicture_.pixmap();
        // The part in twips, a tile and a pixel wider on every side than the
        // region, for the rounding of the tiles' places to whole pixels.
        const QRect part = region.boundingRect();
        const auto twips = [](int pixels) { return std::int64_t(pixelsToTwips(pixels)); };
        forEachTile(
            limitY, limitX, backgroundWidth_, backgroundHeight_,
            [&](std::int64_t x, std::int64_t y) {
                const QRect place =
                    twipsToPixels(double(x), double(y), backgroundWidth_, backgroundHeight_);
                if (region.intersects(place))
                    painter.drawPixmap(place, tile);
            },
            twips(part.left() - 1) - backgroundWidth_, twips(part.top() - 1) - backgroundHeight_,
            twips(part.right() + 2), twips(part.bottom() + 2));
    } catch (const PlatformError& error) {
        reportBackgroundProblem(messages::backgroundMissing(error.description()));
    }
}

// Told once per start, after the paint has finished: a message box inside a
// paint event would cause another paint. Later paints keep trying the load
// quietly, so a background that appears is used.
void ColouringWindow::reportBackgroundProblem(const QString& message) {
    if (backgroundProblemShown_)
        return;
    backgroundProblemShown_ = true;
    QMetaObject::invokeMethod(
        this, [this, message] { tell(message); }, Qt::QueuedConnection);
}

} // namespace tamiro
