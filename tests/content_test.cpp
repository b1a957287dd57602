// The teacher's checker on the shipped content, which passes with nothing to
// mend, and on a small tree damaged one way at a time: each damage gives one
// line that names the file, and only what will fail makes the review fail.

#include "checker/report_window.h"
#include "platform/disk_file_system.h"
#include "platform/qt_picture_loader.h"
#include "support/content_tree.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace tamiro::testing {
namespace {

using Severity = Finding::Severity;

Review reviewOf(const QString& folder) {
    DiskFileSystem files(folder);
    QtPictureLoader pictures(files);
    return reviewContent(files, pictures);
}

// A tree that nothing fails in: drawing 1 in each folder, one animation, one
// brush size, one pointer and the background.
void makeSmallTree(ContentTree& tree) {
    tree.basics();
    for (int folder = 1; folder <= 10; ++folder)
        tree.drawing(folder, 1);
    tree.gif("animados/1.gif", 10, 10);
}

// 32-bit float samples, which Qt's player cannot play.
const QByteArray kFloatWav("RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x03\0\x01\0\x22\x56\0\0\x88\x58\x01\0"
                           "\x04\0\x20\0data\x08\0\0\0\0\0\0\0\0\0\0\0",
                           52);

TEST(ContentReview, ShippedContentPassesWithNothingToMend) {
    const Review review = reviewOf(TAMIRO_SOURCE_DIR "/content");
    for (const Finding& finding : review.findings)
        EXPECT_EQ(finding.severity, Severity::Note) << finding.line().toStdString();
    EXPECT_GE(review.drawings, 30);
}

// Each row damages the file its line names, or where it says, one beside it.
TEST(ContentReview, EachDamageGivesALineNamingTheFileInTheReportAndItsWindow) {
    using Tree = ContentTree&;
    using Damage = std::function<void(Tree, const QString&)>;
    const auto gif = [](int width, int height) -> Damage {
        return [=](Tree tree, const QString& file) { tree.gif(file, width, height); };
    };
    const auto bytes = [](const QByteArray& data) -> Damage {
        return [=](Tree tree, const QString& file) { tree.text(file, data); };
    };
    const auto remove = [](const QString& other) -> Damage {
        return [=](Tree tree, const QString&) { tree.remove(other); };
    };
    const auto move = [](const QString& from) -> Damage {
        return [=](Tree tree, const QString& to) { QFile::rename(tree.path(from), tree.path(to)); };
    };
    const Severity note = Severity::Note, warns = Severity::Warning, fails = Severity::Fails;
    const std::tuple<const char*, Damage, Severity, const char*> rows[] = {
        {"dibujos/1/si coloreado/3.gif", gif(40, 30), warns, "falta el 2"},
        {"dibujos/1/si coloreado/02.gif", gif(40, 30), warns, "ceros delante"},
        {"dibujos/2/si coloreado/2.png", gif(40, 30), warns, "no lee archivos .png"},
        {"dibujos/3/si coloreado/1.jpg", gif(40, 30), warns, "ya se usa «1.gif»"},
        {"dibujos/4/no coloreado/1.GIF", remove("dibujos/4/no coloreado/1.gif"), fails,
         "No puedo mostrar el dibujo 1 de la carpeta 4"},
        {"dibujos/4/no coloreado/1.jpg", move("dibujos/4/no coloreado/1.gif"), fails,
         "tiene que ser GIF"},
        {"dibujos/5/si coloreado/1.gif", bytes("GIF89a"), fails, "no es una imagen válida"},
        {"dibujos/6", remove("dibujos/6"), fails, "dibujo 1 de la carpeta 6"},
        {"dibujos/8/no coloreado/1.gif", gif(60, 40), warns, "no coinciden"},
        {"dibujos/9/si coloreado/1.gif", gif(600, 700), warns, "se cortará por abajo"},
        {"animados/3.gif", gif(10, 10), warns, "falta el 2"},
        {"medida/2.gif", gif(41, 33), warns, "no crece"},
        {"punteros/2.ico", gif(48, 48), warns, "no es un icono de 32 × 32"},
        {"fondo.gif", remove("fondo.gif"), fails, "No encuentro la imagen de fondo"},
        {"sonido2.wav", bytes(kFloatWav), fails, "no es PCM de 8 o 16 bits"},
        {"impresora.txt", bytes("sI\r\n"), note, "la impresión está activada"},
        {"impresora.txt", bytes("SI \r\n"), warns, "espacios en blanco"},
        {"impresora.txt", bytes("SÍ\r\n"), warns, "tilde"},
    };
    for (const auto& [file, damage, severity, says] : rows) {
        SCOPED_TRACE(std::string(file) + ": " + says);
        ContentTree tree;
        makeSmallTree(tree);
        damage(tree, QString::fromUtf8(file));
        const Review review = reviewOf(tree.folder());
        const Finding* found = nullptr;
        for (const Finding& finding : review.findings)
            if (finding.file == QString::fromUtf8(file) && finding.text.contains(says))
                found = &finding;
        ASSERT_TRUE(found);
        EXPECT_EQ(found->severity, severity) << found->line().toStdString();
        EXPECT_EQ(review.passes(), severity != fails) << review.summary().toStdString();
        ReportWindow window(review, tree.folder());
        const auto* list = window.findChild<QListWidget*>();
        ASSERT_EQ(list->count(), review.findings.size());
        for (int i = 0; i < list->count(); ++i)
            EXPECT_TRUE(list->item(i)->text().endsWith(review.findings[i].line()));
    }
}

} // namespace
} // namespace tamiro::testing
