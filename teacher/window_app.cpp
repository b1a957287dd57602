// The teacher's window as a program: the desktop's language, the content
// folder from the command line, the window until it is closed.

#include "teacher/window_app.h"

#include "platform/formats/content_file.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/languages.h"
#include "teacher/drawings_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <unistd.h>

namespace tamiro::teacher {

bool wantsWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--ventana")
            return true;
    const bool desktop =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return argc == 1 && desktop && !isatty(STDIN_FILENO) && !isatty(STDOUT_FILENO);
}

int runWindow(int& argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tamiro-dibujo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tamiro.Tamiro.Dibujos"));
    // The desktop's language, Qt's own texts (the file chooser, the buttons
    // of message boxes) with it.
    const auto language = useDesktopLanguage(DiskFileSystem::programFolder());

    // --contenido CARPETA, --carpeta N and the pictures to add, as the
    // command takes them; "Abrir con" from a file manager gives pictures.
    QString folder = DiskFileSystem::programFolder();
    int chosen = 1;
    QStringList pictures;
    for (int i = 1; i < argc; ++i) {
        QString argument = decodePath(QByteArray(argv[i])), value;
        const qsizetype equals = argument.indexOf(u'=');
        if (argument.startsWith(u"--") && equals > 0) {
            value = argument.mid(equals + 1);
            argument.truncate(equals);
        } else if ((argument == u"--contenido" || argument == u"--carpeta") && i + 1 < argc) {
            value = decodePath(QByteArray(argv[++i]));
        }
        if (argument == u"--contenido")
            folder = value;
        else if (argument == u"--carpeta")
            chosen = std::clamp(value.toInt(), 1, 10);
        else if (!argument.startsWith(u"--"))
            pictures << argument;
    }
    const QFileInfo info(folder);
    if (!info.isDir()) {
        QMessageBox::warning(
            nullptr, DrawingsWindow::tr("Dibujos de Tamiro"),
            DrawingsWindow::tr("No encuentro la carpeta de contenido «%1».").arg(folder));
        return 2;
    }
    DrawingsWindow window(info.canonicalFilePath());
    window.chooseFolder(chosen);
    window.show();
    if (!pictures.isEmpty())
        QTimer::singleShot(0, &window, [&] { window.addPictures(pictures, chosen); });
    return QApplication::exec();
}

} // namespace tamiro::teacher
