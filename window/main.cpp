#include "platform/system/disk_file_system.h"
#include "platform/system/event_sound_player.h"
#include "platform/system/languages.h"
#include "platform/system/qt_message_box.h"
#include "platform/system/qt_picture_loader.h"
#include "platform/system/qt_printer.h"
#include "platform/system/qt_screen.h"
#include "platform/system/single_instance.h"
#include "window/colouring_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamiro"));
    // The desktop entry's name: a Wayland shell matches the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tamiro.Tamiro"));
    // The desktop's language, with Qt's own texts (the message box's button)
    // in it; Spanish for any language without a translation.
    const auto language = tamiro::useDesktopLanguage(tamiro::DiskFileSystem::programFolder());
    tamiro::SingleInstance instance;
    if (!instance.runs())
        return 0; // the running copy comes to the front instead

    tamiro::DiskFileSystem files(tamiro::DiskFileSystem::programFolder());
    tamiro::QtPictureLoader pictures(files);
    tamiro::EventSoundPlayer sound(files);
    tamiro::QtPrinter printer;
    tamiro::QtMessageBox messages;
    tamiro::QtScreen screen;

    tamiro::ColouringWindow form({files, pictures, sound, printer, messages, screen});
    messages.setParent(&form);
    QObject::connect(&form, &tamiro::ColouringWindow::ended, &app,
                     [] { QCoreApplication::exit(0); });
    QObject::connect(&instance, &tamiro::SingleInstance::startedAgain, &form,
                     &tamiro::ColouringWindow::showOnScreen);
    form.start();
    form.showOnScreen();
    return QApplication::exec();
}
