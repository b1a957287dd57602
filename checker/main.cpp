// tamiro-revisar: tells the teacher what the child will see with a content
// folder. From a terminal it prints the review; from the desktop menu it
// shows it in a window. Exit status 0 when nothing will fail.

#include "checker/report_window.h"
#include "checker/revision.h"
#include "platform/core/logging.h"
#include "platform/formats/content_file.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/languages.h"
#include "platform/system/qt_picture_loader.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

void print(FILE* out, const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), out);
}

// The command's own texts, on the terminal.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::CheckerCommand)
};

QString usage() {
    //: The options --texto and --ventana are what the command reads: they stay as they are.
    return Text::tr("Uso: tamiro-revisar [--texto | --ventana] [CARPETA]\n"
                    "Revisa la carpeta de contenido de Tamiro (sin CARPETA, la instalada)\n"
                    "y dice, archivo por archivo, lo que verá el niño.\n");
}

} // namespace

int main(int argc, char** argv) {
    bool text = false, window = false, help = false, wrong = false;
    QString folder;
    for (int i = 1; i < argc; ++i) {
        const QString argument = tamiro::decodePath(QByteArray(argv[i]));
        if (argument == u"--texto") {
            text = true;
        } else if (argument == u"--ventana") {
            window = true;
        } else if (argument == u"--ayuda" || argument == u"--help" || argument == u"-h") {
            help = true;
        } else if (argument.startsWith(u'-') || !folder.isEmpty()) {
            wrong = true;
        } else {
            folder = argument;
        }
    }
    // Without a choice, a terminal or a folder given means text: the desktop
    // menu starts it with neither. Without a display there is only text.
    if (!text && !window)
        text = isatty(STDOUT_FILENO) || !folder.isEmpty();
    text =
        text || help || wrong ||
        (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    const std::unique_ptr<QCoreApplication> app(text ? new QCoreApplication(argc, argv)
                                                     : new QApplication(argc, argv));
    const auto language = tamiro::useDesktopLanguage(tamiro::DiskFileSystem::programFolder());
    if (help || wrong) {
        std::fputs(qUtf8Printable(usage()), help ? stdout : stderr);
        return help ? 0 : 2;
    }
    if (folder.isEmpty())
        folder = tamiro::DiskFileSystem::programFolder();
    const QString given = folder;
    folder = tamiro::DiskFileSystem::folderOnDisk(folder);
    if (folder.isEmpty()) {
        //: %1 is the folder given on the command line.
        print(stderr, Text::tr("No encuentro la carpeta «%1».").arg(tamiro::visibleText(given)));
        return 2;
    }

    tamiro::DiskFileSystem files(folder);
    tamiro::QtPictureLoader pictures(files);
    const tamiro::Review review = tamiro::reviewContent(files, pictures);
    const int status = review.passes() ? 0 : 1;
    qCDebug(tamiro::lcChecker, "carpeta «%s»: %d fallos, %d avisos, %d dibujos",
            qUtf8Printable(folder), review.fails, review.warnings, review.drawings);
    if (!text) {
        QGuiApplication::setDesktopFileName(QStringLiteral("org.tamiro.Tamiro.Revisar"));
        tamiro::ReportWindow report(review, folder);
        report.setWindowIcon(QIcon(pictures.builtIn(QStringLiteral("I1.ico")).pixmap()));
        report.show();
        QApplication::exec();
        return status;
    }
    std::fputs(tamiro::reportText(review, folder).toUtf8().constData(), stdout);
    return status;
}
