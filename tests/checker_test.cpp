// The teacher's checker: the shipped content passes with nothing to mend; each
// damage gives the line she reads (her file names, what to do), and only what
// will fail makes the review fail.

#include "checker/report_window.h"
#include "platform/formats/content_file.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/qt_picture_loader.h"
#include "support/content_tree.h"

#include <QListWidget>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tamiro::testing {
namespace {

using Severity = Finding::Severity;

Review reviewOf(const QString& folder) {
    DiskFileSystem files(folder);
    QtPictureLoader pictures(files);
    return reviewContent(files, pictures);
}

// A JPEG of 30 x 40 that a photo viewer shows turned a quarter: its camera
// data (EXIF) says "orientation 6".
QByteArray turnedPhoto() {
    return encoded(framedImage(30, 40, Qt::red), "jpeg")
        .insert(2, QByteArray("\xff\xe1\0\x22"
                              "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0"
                              "\0\0\0\0",
                              36));
}

TEST(ContentReview, ShippedContentPassesWithNothingToMend) {
    const Review review = reviewOf(TAMIRO_SOURCE_DIR "/content");
    for (const Finding& finding : review.findings)
        EXPECT_EQ(finding.severity, Severity::Note) << finding.line().toStdString();
    EXPECT_GE(review.drawings, 30);
}

// Each row damages a tree where drawing 1 of every folder and drawing 2 of
// folder 1 are fine; `line` is (part of) the line the teacher reads.
TEST(ContentReview, EachDamageGivesTheLineTheTeacherReads) {
    using Damage = std::function<void(ContentTree&)>;
    const auto bytes = [](const char* file, const QByteArray& data) -> Damage {
        return [=](ContentTree& tree) { tree.text(file, data); };
    };
    const auto gif = [](const char* file, int width, int height) -> Damage {
        return [=](ContentTree& tree) { tree.gif(file, width, height); };
    };
    const auto link = [](const char* file, const char* to) -> Damage {
        return [=](ContentTree& tree) {
            ::symlink(to, QFile::encodeName(tree.path(file)).constData());
        };
    };
    QImage seeThrough = framedImage(40, 30, Qt::white).convertToFormat(QImage::Format_ARGB32);
    seeThrough.setPixelColor(5, 5, Qt::transparent);
    const Severity note = Severity::Note, warns = Severity::Warning, fails = Severity::Fails;
    const struct {
        Damage damage;
        Severity severity;
        QString line;
    } rows[] = {
        // A folder without drawing 1: 2 and 3 are seen after the message for 1.
        {[](ContentTree& tree) {
             tree.remove("dibujos/3/si coloreado/1.gif");
             tree.drawing(3, 2), tree.drawing(3, 3);
         },
         fails,
         "dibujos/3: sin dibujo 1, la flecha «anterior» no encuentra el último dibujo y se queda "
         "en el 0, y el niño verá «No puedo mostrar el dibujo 0 de la carpeta 3: no encuentro "
         "«dibujos/3/si coloreado/0.GIF» ni «dibujos/3/si coloreado/0.JPG».». Ponga un dibujo "
         "con el número 1 en «si coloreado», y su versión sin colorear en «no coloreado»."},
        // Two spellings of one name.
        {gif("dibujos/1/si coloreado/2.Gif", 40, 30), warns,
         "dibujos/1/si coloreado/2.gif: no se verá nunca: hay 2 archivos que Tamiro confunde: "
         "«2.Gif» y «2.gif»; usa «2.Gif». Deje sólo uno."},
        // Files never shown.
        {gif("dibujos/1/Si Coloreado/3.gif", 40, 30), warns,
         "dibujos/1/Si Coloreado/3.gif: no se verá nunca: está en «Si Coloreado», una carpeta que "
         "Tamiro confunde con «si coloreado», la que usa. Pase el dibujo a «si coloreado» y borre "
         "«Si Coloreado»."},
        {gif("dibujos/1/si coloreado/.3.gif", 40, 30), warns,
         "dibujos/1/si coloreado/.3.gif: no se verá nunca: es un archivo oculto (su nombre empieza "
         "por un punto) y Tamiro no lo ve. Quítele el punto del principio."},
        {link("dibujos/1/si coloreado/3.gif", "."), warns,
         "dibujos/1/si coloreado/3.gif: no se verá nunca: es una carpeta, y aquí Tamiro sólo busca "
         "archivos. Muévala a otro sitio."},
        {link("dibujos/1/si coloreado/3.gif", "nada"), warns,
         "dibujos/1/si coloreado/3.gif: no se verá nunca: es un enlace a algo que ya no existe. "
         "Bórrelo y copie aquí el archivo de verdad."},
        {gif("dibujos/1/si coloreado/32768.gif", 40, 30), warns,
         "no se verá nunca: Tamiro sólo llega hasta el dibujo 32767. Póngalo en otra carpeta."},
        // Sounds: the player's verdict.
        {bytes("sonido1.wav", Wav{.channels = 8}.bytes()), fails,
         "sonido1.wav: no habrá sonido al pulsar «siguiente» o una carpeta: tiene 8 canales sin "
         "decir dónde suena cada uno. Guárdelo como WAV PCM de 16 bits, mono o estéreo."},
        {bytes("sonido2.wav", Wav{.channels = 2, .tag = 0xfffe, .fmtSize = 40, .mask = 3}.bytes()),
         note, "sonido2.wav: PCM de 16 bits, estéreo, 22050 Hz, 0,1 s"},
        // False or garbled verdicts of old.
        {[=](ContentTree& tree) { tree.picture("dibujos/2/no coloreado/1.gif", seeThrough); },
         warns,
         "dibujos/2/no coloreado/1.gif: tiene partes transparentes, y por ellas se verán los "
         "colores antes de pintar. Guárdelo sin transparencia, con el fondo blanco."},
        {bytes("impresora.txt", QByteArray("\xff\xfeS\0I\0\r\0\n\0", 10)), warns,
         "impresora.txt: la impresión está desactivada: está guardado como «Unicode» (UTF-16) y "
         "Tamiro no lo entiende. Guárdelo como texto normal (ANSI o UTF-8) con SI en la primera "
         "línea."},
        {[=](ContentTree& tree) {
             tree.remove("dibujos/4/si coloreado/1.gif");
             tree.text("dibujos/4/si coloreado/1.jpg", turnedPhoto());
             tree.gif("dibujos/4/no coloreado/1.gif", 40, 30);
         },
         warns,
         "dibujos/4/no coloreado/1.gif: mide 40 × 30 y el coloreado «1.jpg» mide 30 × 40: al "
         "colorear no coinciden. El coloreado es una foto con una marca de giro de la cámara: el "
         "visor de fotos la enseña girada, pero Tamiro la enseña tal como está guardada. Ábrala "
         "con un programa de dibujo, gírela como debe verse y guárdela de nuevo."},
        // Words: what to do, and the files as the teacher wrote them.
        {[](ContentTree& tree) { tree.remove("dibujos/5/no coloreado/1.gif"); }, fails,
         "dibujos/5/si coloreado/1.gif: falta su versión sin colorear, y al llegar al dibujo 1 el "
         "niño verá «No puedo mostrar el dibujo 1 de la carpeta 5: no encuentro el archivo "
         "«dibujos/5/no coloreado/1.GIF».». Guarde la versión sin colorear como «1.gif» en "
         "«dibujos/5/no coloreado»."},
        {gif("dibujos/6/si coloreado/1.gif", 900, 700), warns,
         "dibujos/6/si coloreado/1.gif: mide 900 × 700 píxeles y en una pantalla de 1024 × 768 se "
         "cortará por abajo y la animación quedará fuera de la pantalla. Redúzcalo a 828 × 686 "
         "como mucho."},
        {bytes("impresora.txt", "SI\nNO"), warns,
         "impresora.txt: la impresión está desactivada: sus líneas no terminan como Tamiro "
         "espera, y lo lee todo como una sola línea: «SI\\x0aNO». Deje en el archivo sólo la "
         "palabra SI."},
        // Text from the content is shown safe and short.
        {bytes("impresora.txt", "\x1b[2J" + QByteArray(200, 'x')), note,
         "la primera línea dice «\\e[2J" + QString(56, u'x') + "…» y sólo SI la activa"},
        {gif("dibujos/7/si coloreado/\x1b[2J.gif", 40, 30), warns,
         "dibujos/7/si coloreado/\\e[2J.gif: no se verá nunca"},
        // Refused for what they are: what to do, in a teacher's words.
        {bytes("medida/2.gif", "\x89PNG\r\n\x1a\n"), fails,
         "medida/2.gif: no se puede abrir, y el niño verá «No puedo cambiar el tamaño del pincel: "
         "el archivo «medida/2.gif» no es una imagen válida: no es una imagen GIF, JPEG ni BMP.». "
         "Es de otro tipo aunque se llame así: ábralo con un programa de dibujo y guárdelo como "
         "GIF."},
        {gif("dibujos/8/si coloreado/1.gif", 2100, 2100), fails,
         "(2100 × 2100 píxeles).». Tamiro no abre imágenes de más de 4 millones de píxeles (2048 "
         "× 2048, por ejemplo). Redúzcalo a 828 × 686 como mucho y guárdelo como GIF o JPEG."},
        {gif("animados/1.gif", 1100, 20), warns,
         "animados/1.gif: no se verá, y junto al dibujo quedará un hueco vacío: el archivo "
         "«animados/1.gif» no es una imagen válida: la animación mide 1100 × 20 píxeles y no cabe "
         "en la pantalla, de 1024 × 768. Guárdela más pequeña"},
        {bytes("animados/1.gif", QByteArray("GIF89a\x0a\0\x0a\0\0\0\0;", 14)), warns,
         "«animados/1.gif» no es una imagen válida: sus datos están dañados o incompletos."},
        {bytes("animados/1.gif", turnedPhoto()), warns,
         "no es una animación GIF. Guárdela como GIF animado con el nombre «1.gif»."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        ContentTree tree;
        tree.basics();
        for (int folder = 1; folder <= 10; ++folder)
            tree.drawing(folder, 1);
        tree.drawing(1, 2);
        tree.gif("animados/1.gif", 10, 10);
        row.damage(tree);
        const Review review = reviewOf(tree.folder());
        const Finding* found = nullptr;
        for (const Finding& finding : review.findings) {
            if (finding.line().contains(row.line))
                found = &finding;
            EXPECT_FALSE(finding.line().contains(tree.folder())) << "a full path";
        }
        ASSERT_TRUE(found) << qPrintable(review.findings.size() ? review.findings.last().line()
                                                                : "");
        EXPECT_EQ(row.severity, found->severity);
        EXPECT_EQ(row.severity != fails, review.passes()) << review.summary().toStdString();
        ReportWindow window(review, tree.folder());
        const auto* list = window.findChild<QListWidget*>();
        ASSERT_EQ(list->count(), review.findings.size());
        EXPECT_TRUE(
            list->item(int(found - review.findings.constData()))->text().endsWith(found->line()));
    }
}

} // namespace
} // namespace tamiro::testing
