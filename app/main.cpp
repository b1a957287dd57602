#include "platform/disk_file_system.h"
#include "platform/event_sound_player.h"
#include "platform/qt_picture_loader.h"
#include "platform/qt_services.h"
#include "platform/single_instance.h"
#include "ui/form1.h"

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

    tamiro::Form1 form({files, pictures, sound, printer, messages, screen});
    messages.setParent(&form);
    QObject::connect(&form, &tamiro::Form1::ended, &app, [] { QCoreApplication::exit(0); });
    QObject::connect(&instance, &tamiro::SingleInstance::startedAgain, &form,
                     &tamiro::Form1::showOnScreen);
    form.Form_Load();
    form.showOnScreen();
    return QApplication::exec();
}
