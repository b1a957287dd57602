#include "teacher/add_drawings.h"

#include "maker/maker.h"
#include "platform/core/errors.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/posix_content_writer.h"
#include "rules/content.h"
#include "rules/drawing_changes.h"

#include <QCoreApplication>
#include <optional>

namespace tamiro::teacher {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::TeacherCommand)
};

const char* const kUsage = QT_TRANSLATE_NOOP(
    "tamiro::TeacherCommand",
    "Uso: tamiro-dibujo --carpeta N [--contenido CARPETA] [--tipo TIPO] [--pagina PAGINA] "
    "IMAGEN...\n"
    "Convierte cada IMAGEN (PNG, JPEG, GIF, BMP, WebP o SVG) en un dibujo para colorear y lo\n"
    "añade como el dibujo siguiente de la carpeta N (del 1 al 10) del contenido de Tamiro\n"
    "(sin --contenido, la carpeta instalada). Escribe una línea por cada dibujo añadido.\n"
    "  --tipo contorno|sin-contorno|pagina|foto   el tipo de imagen, en vez de adivinarlo\n"
    "  --pagina PAGINA   la página para colorear de la IMAGEN (sólo con una IMAGEN)\n");

struct Options {
    int folder = 0;
    QString content;
    maker::Kind kind = maker::Kind::Automatic;
    std::optional<QString> page;
    QStringList pictures;
};

// The options, or the reason they make no sense.
std::optional<QString> parse(const QStringList& arguments, Options& options) {
    bool kindGiven = false, onlyPictures = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i], value;
        if (onlyPictures || !argument.startsWith(u'-') || argument == u"-") {
            options.pictures << argument;
            continue;
        }
        if (argument == u"--") {
            onlyPictures = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const bool takesValue =
            QStringList{"--carpeta", "--contenido", "--tipo", "--pagina"}.contains(
                equals > 0 ? argument.left(equals) : argument);
        if (!takesValue)
            return Text::tr("no conozco la opción «%1»").arg(argument);
        if (equals > 0) {
            value = argument.mid(equals + 1);
            argument.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return Text::tr("a «%1» le falta su valor").arg(argument);
        }
        if (argument == u"--carpeta") {
            bool number = false;
            options.folder = value.toInt(&number);
            if (!number || options.folder < 1 || options.folder > 10)
                return Text::tr("la carpeta tiene que ser un número del 1 al 10, no «%1»")
                    .arg(value);
        } else if (argument == u"--contenido") {
            options.content = value;
        } else if (argument == u"--pagina") {
            options.page = value;
        } else {
            static const QHash<QString, maker::Kind> kinds{{"contorno", maker::Kind::Outlined},
                                                           {"sin-contorno", maker::Kind::Flat},
                                                           {"pagina", maker::Kind::Page},
                                                           {"foto", maker::Kind::Photo}};
            if (!kinds.contains(value))
                return Text::tr(
                           "el tipo tiene que ser contorno, sin-contorno, pagina o foto, no «%1»")
                    .arg(value);
            options.kind = kinds.value(value);
            kindGiven = true;
        }
    }
    if (options.folder == 0)
        return Text::tr("falta --carpeta N");
    if (options.pictures.isEmpty())
        return Text::tr("falta al menos una IMAGEN");
    // A colouring page belongs to one coloured picture.
    if (options.page && options.pictures.size() > 1)
        //: %1 is how many pictures were given. --pagina and IMAGEN are the command's words.
        return Text::tr("--pagina es la página para colorear de una sola IMAGEN, y hay %1")
            .arg(options.pictures.size());
    if (options.page && kindGiven && options.kind != maker::Kind::Page)
        return Text::tr("con --pagina el dibujo es siempre del tipo pagina");
    return std::nullopt;
}

} // namespace

int addDrawings(const QStringList& arguments, const QString& installed, QTextStream& out,
                QTextStream& err) {
    if (arguments.contains(u"--ayuda") || arguments.contains(u"--help") ||
        arguments.contains(u"-h")) {
        out << Text::tr(kUsage) << Qt::flush;
        return 0;
    }
    Options options;
    if (const auto wrong = parse(arguments, options)) {
        //: %1 is what is wrong with the command line, from the messages above.
        err << Text::tr("tamiro-dibujo: %1.").arg(*wrong) << '\n' << Text::tr(kUsage) << Qt::flush;
        return 2;
    }
    const QString given = options.content.isEmpty() ? installed : options.content;
    const QString content = DiskFileSystem::folderOnDisk(given);
    if (content.isEmpty()) {
        err << Text::tr("No encuentro la carpeta de contenido «%1».").arg(given) << Qt::endl;
        return 2;
    }

    DiskFileSystem files(content);
    PosixContentWriter writer;
    DrawingChanges changes(files, writer);
    const int f = options.folder;
    const auto relative = [&](Variant variant, int n, const QString& extension) {
        return files.resolve(drawingPath(content, f, variant, n, extension))
            .mid(content.size() + 1);
    };
    maker::Settings settings;
    settings.kind = options.kind;
    bool refused = false;
    for (const QString& picture : options.pictures) {
        try {
            const maker::Source source = maker::loadSource(picture);
            const maker::Drawing drawing =
                options.page
                    ? maker::makeDrawing(source, maker::loadSource(*options.page), settings)
                    : maker::makeDrawing(source, settings);
            const maker::EncodedPair pair = maker::encodeDrawing(drawing);
            const int n =
                changes.add(f, {pair.coloured, pair.uncoloured, pair.colouredExtension()});
            out << relative(Variant::Coloured, n, pair.colouredExtension()) << ' '
                << relative(Variant::Uncoloured, n, QStringLiteral(".gif")) << Qt::endl;
            for (const QString& warning : drawing.warnings)
                //: %1 is the picture, %2 the drawing maker's warning about it.
                err << Text::tr("Aviso sobre «%1»: %2").arg(picture, warning) << Qt::endl;
        } catch (const PlatformError& error) {
            refused = true;
            //: %1 is the picture, %2 why it is not added.
            err << Text::tr("No añado «%1»: %2.").arg(picture, error.description()) << Qt::endl;
        }
    }
    return refused ? 1 : 0;
}

} // namespace tamiro::teacher
