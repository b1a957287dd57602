// The teacher's checker on the shipped content, which must pass with nothing to
// mend, and on damaged copies of it: each damage gives the teacher one line that
// names the file, and only what will fail makes the review fail.

#include "checker/report_window.h"
#include "checker/revision.h"
#include "platform/disk_file_system.h"
#include "platform/qt_picture_loader.h"
#include "support/content_tree.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace tamiro {
namespace {

using Severity = Finding::Severity;
const QString kContent = QStringLiteral(TAMIRO_SOURCE_DIR "/content");

Review reviewOf(const QString& folder) {
    DiskFileSystem files(folder);
    QtPictureLoader pictures(files);
    return reviewContent(files, pictures);
}

// The content tree as installed: no picture sources, no scripts.
void copyContent(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QFileInfo& entry :
         QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.isDir() && entry.fileName() != u"src")
            copyContent(entry.filePath(), to + '/' + entry.fileName());
        else if (entry.isFile() && entry.suffix() != u"sh")
            QFile::copy(entry.filePath(), to + '/' + entry.fileName());
    }
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// 32-bit float samples, which Qt's player cannot play.
const QByteArray kFloatWav("RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x03\0\x01\0\x22\x56\0\0\x88\x58\x01\0"
                           "\x04\0\x20\0data\x08\0\0\0\0\0\0\0\0\0\0\0",
                           52);

} // namespace

TEST(ContentReview, ShippedContentPassesWithNothingToMend) {
    const Review review = reviewOf(kContent);
    for (const Finding& finding : review.findings)
        EXPECT_EQ(finding.severity, Severity::Note) << finding.line().toStdString();
    EXPECT_TRUE(review.passes());
    EXPECT_GE(review.drawings, 30);
    EXPECT_TRUE(review.summary().startsWith(u"Todo en orden")) << review.summary().toStdString();
}

TEST(ContentReview, EachDamageGivesTheTeacherALineNamingTheFile) {
    struct Row {
        const char* damage;
        std::function<void(const QString&)> make;
        Severity severity;
        const char* file;
        const char* says;
    };
    const auto copy = [](const char* from, const char* to) {
        return [=](const QString& root) {
            QFile::remove(root + '/' + to);
            QFile::copy(root + '/' + from, root + '/' + to);
        };
    };
    const auto remove = [](const char* file) {
        return [=](const QString& root) { QFile::remove(root + '/' + file); };
    };
    const auto bytes = [](const char* file, QByteArray data) {
        return [=](const QString& root) { write(root + '/' + file, data); };
    };
    const auto picture = [](const char* file, int width, int height) {
        return [=](const QString& root) {
            testing::writeGif(root + '/' + file, testing::framedImage(width, height, Qt::green));
        };
    };
    const char* c1 = "dibujos/1/si coloreado/1.gif";
    const std::vector<Row> rows = {
        {"drawing after a gap", copy(c1, "dibujos/1/si coloreado/5.gif"), Severity::Warning,
         "dibujos/1/si coloreado/5.gif", "falta el 4"},
        {"leading zero", copy(c1, "dibujos/1/si coloreado/04.gif"), Severity::Warning,
         "dibujos/1/si coloreado/04.gif", "ceros delante"},
        {"a kind the program does not read", copy(c1, "dibujos/2/si coloreado/4.jpeg"),
         Severity::Warning, "dibujos/2/si coloreado/4.jpeg", "no lee archivos .jpeg"},
        {"JPEG beside a GIF", copy("dibujos/7/si coloreado/2.jpg", "dibujos/3/si coloreado/2.jpg"),
         Severity::Warning, "dibujos/3/si coloreado/2.jpg", "ya se usa «2.gif»"},
        {"no uncoloured variant", remove("dibujos/4/no coloreado/2.gif"), Severity::Fails,
         "dibujos/4/no coloreado/2.GIF", "No puedo mostrar el dibujo 2 de la carpeta 4"},
        {"uncoloured JPEG",
         [](const QString& root) {
             QFile::rename(root + "/dibujos/4/no coloreado/3.gif",
                           root + "/dibujos/4/no coloreado/3.jpg");
         },
         Severity::Fails, "dibujos/4/no coloreado/3.jpg", "tiene que ser GIF"},
        {"undecodable", bytes("dibujos/5/si coloreado/2.Gif", "GIF89a"), Severity::Fails,
         "dibujos/5/si coloreado/2.Gif", "no es una imagen válida"},
        {"empty folder", [](const QString& root) { QDir(root + "/dibujos/6").removeRecursively(); },
         Severity::Fails, "dibujos/6", "No puedo mostrar el dibujo 1 de la carpeta 6"},
        {"variants of different sizes", picture("dibujos/8/no coloreado/1.gif", 600, 400),
         Severity::Warning, "dibujos/8/no coloreado/1.gif", "no coinciden"},
        {"too tall for 1024 x 768",
         [=](const QString& root) {
             picture("dibujos/9/si coloreado/1.gif", 600, 700)(root);
             picture("dibujos/9/no coloreado/1.gif", 600, 700)(root);
         },
         Severity::Warning, "dibujos/9/si coloreado/1.gif", "se cortará por abajo"},
        {"animation after a gap", remove("animados/3.gif"), Severity::Warning, "animados/5.GIF",
         "falta el 3"},
        {"undecodable animation", bytes("animados/2.gif", "no"), Severity::Fails, "animados/2.gif",
         "no se verá"},
        {"brush that does not grow", copy("medida/1.gif", "medida/3.gif"), Severity::Warning,
         "medida/3.gif", "no crece"},
        {"no first brush", remove("medida/1.gif"), Severity::Fails, "medida/1.gif",
         "primer tamaño de pincel"},
        {"pointer not a 32 x 32 icon", picture("punteros/2.ico", 48, 48), Severity::Warning,
         "punteros/2.ico", "no es un icono de 32 × 32"},
        {"no background", remove("fondo.gif"), Severity::Fails, "fondo.gif",
         "No encuentro la imagen de fondo"},
        {"float sound", bytes("sonido2.wav", kFloatWav), Severity::Fails, "sonido2.wav",
         "no es PCM de 8 o 16 bits"},
        {"no sound", remove("sonido1.wav"), Severity::Warning, "sonido1.wav", "no existe"},
        {"printing on", bytes("impresora.txt", "sI\r\n"), Severity::Note, "impresora.txt",
         "la impresión está activada"},
        {"SI with a blank", bytes("impresora.txt", "SI \r\n"), Severity::Warning, "impresora.txt",
         "espacios en blanco"},
        {"SÍ with an accent", bytes("impresora.txt", "SÍ\r\n"), Severity::Warning, "impresora.txt",
         "tilde"},
        {"lines ended by LF", bytes("impresora.txt", "SI\nNO\n"), Severity::Warning,
         "impresora.txt", "salto de línea"},
        {"switch file in capitals",
         [](const QString& root) {
             QFile::rename(root + "/impresora.txt", root + "/IMPRESORA.TXT");
         },
         Severity::Warning, "IMPRESORA.TXT", "minúsculas"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.damage);
        QTemporaryDir dir;
        copyContent(kContent, dir.path());
        row.make(dir.path());
        const Review review = reviewOf(dir.path());
        const auto found =
            std::find_if(review.findings.begin(), review.findings.end(), [&](auto& f) {
                return f.file == QString::fromUtf8(row.file) &&
                       f.text.contains(QString::fromUtf8(row.says));
            });
        ASSERT_NE(found, review.findings.end()) << row.file << ": " << row.says;
        EXPECT_EQ(found->severity, row.severity) << found->line().toStdString();
        EXPECT_EQ(review.passes(), row.severity != Severity::Fails)
            << review.summary().toStdString();
    }
}

TEST(ContentReview, WindowShowsTheSameLinesWithTheDrawingsSideBySide) {
    QTemporaryDir dir;
    copyContent(kContent, dir.path());
    testing::writeGif(dir.filePath("dibujos/8/no coloreado/1.gif"),
                      testing::framedImage(600, 400, Qt::green));
    const Review review = reviewOf(dir.path());
    ReportWindow window(review, dir.path());
    const auto* list = window.findChild<QListWidget*>();
    ASSERT_EQ(list->count(), review.findings.size());
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_TRUE(list->item(i)->text().endsWith(review.findings[i].line()));
        EXPECT_EQ(list->item(i)->icon().isNull(), review.findings[i].pictures.isEmpty());
    }
}

} // namespace tamiro
