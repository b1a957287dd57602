#include "platform/system/qt_screen.h"

#include "platform/core/twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace tamiro {

float QtScreen::width() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? pixelsToTwips(screen->geometry().width()) : 0.0f;
}

float QtScreen::height() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? pixelsToTwips(screen->geometry().height()) : 0.0f;
}

} // namespace tamiro
