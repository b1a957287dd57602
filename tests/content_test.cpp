// The teacher's checker on the shipped content, which must pass with nothing to
// mend, and on a small tree damaged one way at a time: each damage gives the
// teacher one line that names the file, and only what will fail makes the
// review fail.

#include "checker/report_window.h"
#include "checker/revision.h"
#include "platform/disk_file_system.h"
#include "platform/qt_picture_loader.h"
#include "support/content_tree.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <functional>

namespace tamiro::testing {
namespace {

using Severity = Finding::Severity;

Review reviewOf(const QString& folder) {
    DiskFileSystem files(folder);
    QtPictureLoader pictures(files);
    return reviewContent(files, pictures);
}

// A tree that nothing fails in: drawing 1 in each folder, two animations, one
// brush size, one pointer and the background.
struct SmallTree : ContentTree {
    SmallTree() {
        basics();
        for (int folder = 1; folder <= 10; ++folder)
            drawing(folder, 1);
        gif("animados/1.gif", 10, 10);
        gif("animados/2.gif", 10, 10);
    }
};

// 32-bit float samples, which Qt's player cannot play.
const QByteArray kFloatWav("RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x03\0\x01\0\x22\x56\0\0\x88\x58\x01\0"
                           "\x04\0\x20\0data\x08\0\0\0\0\0\0\0\0\0\0\0",
                           52);

TEST(ContentReview, ShippedContentPassesWithNothingToMend) {
    const Review review = reviewOf(TAMIRO_SOURCE_DIR "/content");
    for (const Finding& finding : review.findings)
        EXPECT_EQ(finding.severity, Severity::Note) << finding.line().toStdString();
    EXPECT_GE(review.drawings, 30);
    EXPECT_TRUE(review.summary().startsWith(u"Todo en orden")) << review.summary().toStdString();
}

// Each row damages one file of a small tree (the file the teacher's line names,
// unless its damage says otherwise).
TEST(ContentReview, EachDamageGivesTheTeacherALineNamingTheFile) {
    using Damage = std::function<void(ContentTree&, const QString&)>;
    const auto gif = [](int width, int height) -> Damage {
        return [=](ContentTree& tree, const QString& file) { tree.gif(file, width, height); };
    };
    const auto bytes = [](const QByteArray& data) -> Damage {
        return [=](ContentTree& tree, const QString& file) { tree.text(file, data); };
    };
    const auto remove = [](const QString& other) -> Damage {
        return [=](ContentTree& tree, const QString&) { tree.remove(other); };
    };
    const Severity note = Severity::Note, warns = Severity::Warning, fails = Severity::Fails;
    const struct {
        const char* file;
        Damage damage;
        Severity severity;
        const char* says;
    } rows[] = {
        {"dibujos/1/si coloreado/3.gif", gif(40, 30), warns, "falta el 2"},
        {"dibujos/1/si coloreado/02.gif", gif(40, 30), warns, "ceros delante"},
        {"dibujos/2/si coloreado/2.png", gif(40, 30), warns, "no lee archivos .png"},
        {"dibujos/3/si coloreado/1.jpg", gif(40, 30), warns, "ya se usa «1.gif»"},
        {"dibujos/4/no coloreado/1.GIF", remove("dibujos/4/no coloreado/1.gif"), fails,
         "No puedo mostrar el dibujo 1 de la carpeta 4"},
        {"dibujos/4/no coloreado/1.jpg",
         [](ContentTree& tree, const QString& file) {
             tree.remove("dibujos/4/no coloreado/1.gif");
             tree.jpeg(file, framedImage(40, 30, Qt::white));
         },
         fails, "tiene que ser GIF"},
        {"dibujos/5/si coloreado/1.gif", bytes("GIF89a"), fails, "no es una imagen válida"},
        {"dibujos/6", remove("dibujos/6/si coloreado/1.gif"), fails, "dibujo 1 de la carpeta 6"},
        {"dibujos/8/no coloreado/1.gif", gif(60, 40), warns, "no coinciden"},
        {"dibujos/9/si coloreado/1.gif", gif(600, 700), warns, "se cortará por abajo"},
        {"animados/4.gif", gif(10, 10), warns, "falta el 3"},
        {"medida/2.gif", gif(41, 33), warns, "no crece"},
        {"punteros/2.ico", gif(48, 48), warns, "no es un icono de 32 × 32"},
        {"fondo.gif", remove("fondo.gif"), fails, "No encuentro la imagen de fondo"},
        {"sonido2.wav", bytes(kFloatWav), fails, "no es PCM de 8 o 16 bits"},
        {"impresora.txt", bytes("sI\r\n"), note, "la impresión está activada"},
        {"impresora.txt", bytes("SI \r\n"), warns, "espacios en blanco"},
        {"impresora.txt", bytes("SÍ\r\n"), warns, "tilde"},
        {"impresora.txt", bytes("SI\nNO\n"), warns, "salto de línea"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.file) + ": " + row.says);
        SmallTree tree;
        row.damage(tree, QString::fromUtf8(row.file));
        const Review review = reviewOf(tree.folder());
        const auto found =
            std::find_if(review.findings.begin(), review.findings.end(), [&](const Finding& f) {
                return f.file == QString::fromUtf8(row.file) &&
                       f.text.contains(QString::fromUtf8(row.says));
            });
        ASSERT_NE(found, review.findings.end());
        EXPECT_EQ(found->severity, row.severity) << found->line().toStdString();
        EXPECT_EQ(review.passes(), row.severity != fails) << review.summary().toStdString();
    }
}

TEST(ContentReview, WindowShowsTheSameLinesWithTheDrawingsSideBySide) {
    SmallTree tree;
    tree.gif("dibujos/8/no coloreado/1.gif", 60, 40);
    const Review review = reviewOf(tree.folder());
    ReportWindow window(review, tree.folder());
    const auto* list = window.findChild<QListWidget*>();
    ASSERT_EQ(list->count(), review.findings.size());
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_TRUE(list->item(i)->text().endsWith(review.findings[i].line()));
        EXPECT_EQ(list->item(i)->icon().isNull(), review.findings[i].pictures.isEmpty());
    }
}

} // namespace
} // namespace tamiro::testing
