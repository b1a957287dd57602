// tamiro-dibujo: adds pictures to Tamiro's content as drawings to colour.

#include "platform/formats/content_file.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/languages.h"
#include "teacher/add_drawings.h"
#include "teacher/window_app.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    if (tamiro::teacher::wantsWindow(argc, argv))
        return tamiro::teacher::runWindow(argc, argv);
    // The command draws only into pictures: it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const auto language = tamiro::useDesktopLanguage(tamiro::DiskFileSystem::programFolder());
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << tamiro::decodePath(QByteArray(argv[i]));
    QTextStream out(stdout), err(stderr);
    return tamiro::teacher::addDrawings(arguments, tamiro::DiskFileSystem::programFolder(), out,
                                        err);
}
