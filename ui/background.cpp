// The background picture, tiled over the window at every paint.

#include "platform/errors.h"
#include "rules/content.h"
#include "rules/messages.h"
#include "ui/form1.h"
#include "ui/tiling.h"

#include <QMetaObject>
#include <QPainter>

namespace tamiro {

void Form1::Form_Paint(QPainter& painter) {
    Form_Paint(painter, QRegion(rect()));
}

void Form1::Form_Paint(QPainter& painter, const QRegion& region) {
    const QString path = files_.applicationFolder() + kBackgroundFile;
    TileBackground(path, painter, region);
}

// Only the tiles that meet the region being repainted are drawn: the others
// would be clipped away whole, so the pixels are those of the whole tiling.
void Form1::TileBackground(const QString& path, QPainter& painter, const QRegion& region) {
    try {
        if (BackgroundPicture.isNull()) {
            Picture loaded = pictures_.load(path);
            BackgroundWidth = std::int32_t(roundHalfEven(loaded.widthTwips()));
            BackgroundHeight = std::int32_t(roundHalfEven(loaded.heightTwips()));
            BackgroundPicture = loaded;
        }
        const auto limitY = std::int64_t(roundHalfEven(pixelsToTwips(height())));
        const auto limitX = [this] { return std::int64_t(roundHalfEven(pixelsToTwips(width()))); };
        const QPixmap& tile = BackgroundPicture.pixmap();
        // The part in twips, a tile and a pixel wider on every side than the
        // region, for the rounding of the tiles' places to whole pixels.
        const QRect part = region.boundingRect();
        const auto twips = [](int pixels) { return std::int64_t(pixelsToTwips(pixels)); };
        forEachTile(
            limitY, limitX, BackgroundWidth, BackgroundHeight,
            [&](std::int64_t x, std::int64_t y) {
                const QRect place =
                    twipsToPixels(double(x), double(y), BackgroundWidth, BackgroundHeight);
                if (region.intersects(place))
                    painter.drawPixmap(place, tile);
            },
            twips(part.left() - 1) - BackgroundWidth, twips(part.top() - 1) - BackgroundHeight,
            twips(part.right() + 2), twips(part.bottom() + 2));
    } catch (const PlatformError& error) {
        reportBackgroundProblem(messages::backgroundMissing(error.description()));
    }
}

// Told once per start, after the paint has finished: a message box inside a
// paint event would cause another paint. Later paints keep trying the load
// quietly, so a background that appears is used.
void Form1::reportBackgroundProblem(const QString& message) {
    if (backgroundProblemShown_)
        return;
    backgroundProblemShown_ = true;
    QMetaObject::invokeMethod(
        this, [this, message] { services_.messages.show(message); }, Qt::QueuedConnection);
}

} // namespace tamiro
