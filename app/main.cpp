#include "platform/disk_file_system.h"
#include "platform/event_sound_player.h"
#include "platform/qt_picture_loader.h"
#include "platform/qt_services.h"
#include "ui/form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tamiro"));

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
    form.Form_Load();
    form.showOnScreen();
    return QApplication::exec();
}
