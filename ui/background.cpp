// The background picture, tiled over the whole window at every paint.

#include "platform/errors.h"
#include "ui/form1.h"
#include "ui/tiling.h"

#include <QMetaObject>
#include <QPainter>

namespace tamiro {

void Form1::Form_Paint(QPainter& painter) {
    const QString path = files_.applicationFolder() + "\\fondo.gif";
    TileBackground(path, painter);
}

void Form1::TileBackground(const QString& path, QPainter& painter) {
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
        forEachTile(
            limitY, limitX, BackgroundWidth, BackgroundHeight, [&](std::int64_t x, std::int64_t y) {
                painter.drawPixmap(
                    twipsToPixels(double(x), double(y), BackgroundWidth, BackgroundHeight), tile);
            });
    } catch (const PlatformError& error) {
        reportBackgroundProblem(QStringLiteral("No encuentro la imagen de fondo \r\nERROR: ") +
                                error.description());
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
