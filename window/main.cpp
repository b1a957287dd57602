#include "platform/system/disk_file_system.h"
#include "platform/system/event_sound_player.h"
#include "platform/system/qt_message_box.h"
#include "platform/system/qt_picture_loader.h"
#include "platform/system/qt_printer.h"
#include "platform/system/qt_screen.h"
#include "platform/system/single_instance.h"
#include "window/colouring_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamiro"));
    // The desktop entry's name: a Wayland shell matches the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tamiro.Tamiro"));
    tamiro::SingleInstance instance;
    if (!instance.runs())
        return 0; // the running copy comes to the front instead

    // Qt's own texts (buttons of message boxes, errors) in Spanish.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

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
