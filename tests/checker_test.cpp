// The teacher's checker: the shipped content passes with nothing to mend; each
// damage is told at the file to mend, and only what will fail makes the review
// fail; the whole report of one damaged tree holds the wording.

#include "checker/report_window.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/languages.h"
#include "platform/system/qt_picture_loader.h"
#include "support/content_tree.h"

#include <QDateTime>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
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

// Drawing 1 of every folder and 2 of folder 1, animations 1 to 4 and brush
// sizes 1 to 3, growing, all fine; no sounds and no printing switch.
void fineTree(ContentTree& tree) {
    tree.basics();
    for (int folder = 1; folder <= 10; ++folder)
        tree.drawing(folder, 1);
    tree.drawing(1, 2);
    for (int n = 1; n <= 4; ++n)
        tree.gif(QStringLiteral("animados/%1.gif").arg(n), 10, 10);
    tree.gif("medida/2.gif", 50, 40), tree.gif("medida/3.gif", 60, 50);
}

// A JPEG of 30 x 40 that a photo viewer shows turned a quarter: its camera
// data (EXIF) says "orientation 6".
QByteArray turnedPhoto() {
    static const char exif[] = "\xff\xe1\0\x22"
                               "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0"
                               "\x06\0\0\0\0\0\0\0";
    return encoded(framedImage(30, 40, Qt::red), "jpeg").insert(2, QByteArray(exif, 36));
}

using Make = std::function<void(ContentTree&)>;
Make bytes(const QString& file, const QByteArray& data) {
    return [=](ContentTree& tree) { tree.text(file, data); };
}
Make gif(const QString& file, int width, int height) {
    return [=](ContentTree& tree) { tree.gif(file, width, height); };
}
Make linked(const QString& file, const char* to) {
    return
        [=](ContentTree& tree) { ::symlink(to, QFile::encodeName(tree.path(file)).constData()); };
}

// Each damage touches files of its own, but for the printing switch, so that
// the golden tree can take them all (the last switch stays).
struct Damage {
    Make damage;
    Severity severity;
    QString file, fragment; // the finding's file and a key part of its text
};

std::vector<Damage> damages() {
    QImage seeThrough = framedImage(40, 30, Qt::white).convertToFormat(QImage::Format_ARGB32);
    seeThrough.setPixelColor(5, 5, Qt::transparent);
    const Severity note = Severity::Note, warns = Severity::Warning, fails = Severity::Fails;
    const QString ones = "dibujos/1/si coloreado/";
    return {
        {[](ContentTree& tree) {
             tree.remove("dibujos/3/si coloreado/1.gif");
             tree.drawing(3, 2), tree.drawing(3, 3);
         },
         fails, "dibujos/3", "sin dibujo 1, la flecha «anterior» no encuentra el último dibujo"},
        {gif(ones + "2.Gif", 40, 30), warns, ones + "2.gif", "confunde: «2.Gif» y «2.gif»"},
        {gif("dibujos/1/Si Coloreado/3.gif", 40, 30), warns, "dibujos/1/Si Coloreado/3.gif",
         "confunde con «si coloreado»"},
        {gif(ones + ".3.gif", 40, 30), warns, ones + ".3.gif", "archivo oculto"},
        {[](ContentTree& tree) {
             tree.text("dibujos/9/no coloreado/.tamiro-a1", "GIF89a");
             QFile file(tree.path("dibujos/9/no coloreado/.tamiro-a1"));
             file.open(QIODevice::ReadWrite);
             file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                              QFileDevice::FileModificationTime);
         },
         warns, "dibujos/9/no coloreado/.tamiro-a1", "un cambio de los dibujos que no terminó"},
        {linked(ones + "3.gif", "."), warns, ones + "3.gif", "es una carpeta"},
        {linked(ones + "4.gif", "nada"), warns, ones + "4.gif", "ya no existe"},
        {gif(ones + "32768.gif", 40, 30), warns, ones + "32768.gif", "hasta el dibujo 32767"},
        {bytes("sonido1.wav", Wav{.channels = 8}.bytes()), fails, "sonido1.wav", "tiene 8 canales"},
        {bytes("sonido2.wav", Wav{.channels = 2, .tag = 0xfffe, .fmtSize = 40, .mask = 3}.bytes()),
         note, "sonido2.wav", "PCM de 16 bits, estéreo, 22050 Hz, 0,1 s"},
        {[=](ContentTree& tree) { tree.picture("dibujos/2/no coloreado/1.gif", seeThrough); },
         warns, "dibujos/2/no coloreado/1.gif", "tiene partes transparentes"},
        {bytes("impresora.txt", QByteArray("\xff\xfeS\0I\0\r\0\n\0", 10)), warns, "impresora.txt",
         "UTF-16"},
        {[=](ContentTree& tree) {
             tree.remove("dibujos/4/si coloreado/1.gif");
             tree.text("dibujos/4/si coloreado/1.jpg", turnedPhoto());
         },
         warns, "dibujos/4/no coloreado/1.gif", "una foto con una marca de giro de la cámara"},
        {[](ContentTree& tree) { tree.remove("dibujos/5/no coloreado/1.gif"); }, fails,
         "dibujos/5/si coloreado/1.gif", "falta su versión sin colorear"},
        {gif("dibujos/6/si coloreado/1.gif", 900, 700), warns, "dibujos/6/si coloreado/1.gif",
         "se cortará por abajo y la animación quedará fuera de la pantalla"},
        {bytes("impresora.txt", "\x1b[2J" + QByteArray(200, 'x')), note, "impresora.txt",
         "la primera línea dice «\\e[2J" + QString(56, u'x') + "…»"},
        {gif("dibujos/7/si coloreado/\x1b[2J.gif", 40, 30), warns,
         "dibujos/7/si coloreado/\x1b[2J.gif", "no se verá nunca"},
        {gif("medida/2.gif", 41, 33), warns, "medida/2.gif", "el pincel no crece"},
        {bytes("medida/3.gif", "\x89PNG\r\n\x1a\n"), fails, "medida/3.gif", "Es de otro tipo"},
        {gif("dibujos/8/si coloreado/1.gif", 2100, 2100), fails, "dibujos/8/si coloreado/1.gif",
         "Redúzcalo a 828 × 686 como mucho y guárdelo como GIF o JPEG"},
        {gif("animados/2.gif", 1100, 20), warns, "animados/2.gif", "no cabe en la pantalla"},
        {bytes("animados/3.gif", QByteArray("GIF89a\x0a\0\x0a\0\0\0\0;", 14)), warns,
         "animados/3.gif", "sus datos están dañados o incompletos"},
        {bytes("animados/4.gif", turnedPhoto()), warns, "animados/4.gif", "no es una animación"},
    };
}

TEST(ContentReview, ShippedContentPassesWithNothingToMend) {
    const Review review = reviewOf(TAMIRO_SOURCE_DIR "/content");
    for (const Finding& finding : review.findings)
        EXPECT_EQ(finding.severity, Severity::Note) << finding.line().toStdString();
    EXPECT_GE(review.drawings, 30);
}

TEST(ContentReview, EachDamageIsToldAtTheFileToMend) {
    for (const Damage& row : damages()) {
        SCOPED_TRACE(row.fragment.toStdString());
        ContentTree tree;
        fineTree(tree);
        row.damage(tree);
        const Review review = reviewOf(tree.folder());
        const auto found = std::find_if(
            review.findings.begin(), review.findings.end(), [&](const Finding& finding) {
                return finding.file == row.file && finding.text.contains(row.fragment);
            });
        ASSERT_TRUE(found != review.findings.end())
            << qPrintable(reportText(review, tree.folder()));
        EXPECT_EQ(row.severity, found->severity) << qPrintable(severityWord(found->severity));
        EXPECT_EQ(row.severity != Severity::Fails, review.passes()) << qPrintable(review.summary());
    }
}

// The trash a desktop makes at the top of a mount, and the temporary file of
// a change under way, are no content to mend.
TEST(ContentReview, WhatTheTeachersToolsLeaveIsNoContent) {
    ContentTree tree;
    fineTree(tree);
    for (const char* folder :
         {"dibujos/.Trash-1000/files", "dibujos/3/.Trash/1000", "dibujos/4/si coloreado/.Trash-0"})
        tree.folderNamed(folder);
    tree.text("dibujos/2/si coloreado/.tamiro-0z9y8x", "GIF89a");
    for (const Finding& finding : reviewOf(tree.folder()).findings)
        EXPECT_FALSE(finding.file.contains(".Trash") || finding.file.contains(".tamiro"))
            << finding.line().toStdString();
}

// Every damage in one tree, its report as tamiro-revisar prints it compared
// line by line with tests/checker_report.txt; TAMIRO_WRITE_REPORT=1 writes it
// anew after a change of wording.
TEST(ContentReview, OneDamagedTreeGivesTheKeptReport) {
    ContentTree tree;
    fineTree(tree);
    for (const Damage& row : damages())
        row.damage(tree);
    const Review review = reviewOf(tree.folder());
    const QString text = reportText(review, QStringLiteral("/srv/tamiro"));
    QFile kept(TAMIRO_SOURCE_DIR "/tests/checker_report.txt");
    if (qEnvironmentVariableIntValue("TAMIRO_WRITE_REPORT") == 1) {
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write(text.toUtf8()) > 0);
        kept.close();
    }
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << "run with TAMIRO_WRITE_REPORT=1 once";
    const QStringList want = QString::fromUtf8(kept.readAll()).split(u'\n');
    const QStringList got = text.split(u'\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
        ASSERT_EQ(want.value(i).toStdString(), got.value(i).toStdString()) << "line " << i + 1;
    // The window shows the same lines, one item each.
    ReportWindow window(review, tree.folder());
    const auto* list = window.findChild<QListWidget*>();
    ASSERT_EQ(list->count(), review.findings.size());
    for (int i = 0; i < list->count(); ++i)
        EXPECT_TRUE(list->item(i)->text().endsWith(review.findings[i].line())) << i;
}

// The same report in every language keeps its lines: in the same order, the
// severity words in a column of their own, the file names as they are, so that
// two reports compare line by line. x-test is the pseudo-language.
TEST(ContentReview, TheReportKeepsItsLinesInEveryLanguage) {
    ContentTree tree;
    fineTree(tree);
    for (const Damage& row : damages())
        row.damage(tree);
    const auto report = [&] {
        return reportText(reviewOf(tree.folder()), QStringLiteral("/srv/tamiro")).split(u'\n');
    };
    // Where the file names start: after the notes' indentation.
    const auto column = [](const QStringList& lines) {
        return lines[1].indexOf(QRegularExpression("\\S"));
    };
    const QStringList spanish = report();
    for (const char* locale : {"ca_ES.UTF-8", "ca_ES.UTF-8@valencia", "gl_ES.UTF-8", "eu_ES.UTF-8",
                               "en_GB.UTF-8", "x-test"}) {
        const Translations language(
            chooseLanguage(
                [&](const char* name) { return name == std::string("LANG") ? locale : ""; },
                [](const QString& catalogue) {
                    return QFile::exists(TAMIRO_TRANSLATIONS_DIR "/tamiro_" + catalogue + ".qm");
                }),
            TAMIRO_TRANSLATIONS_DIR);
        const QStringList lines = report();
        ASSERT_EQ(lines.size(), spanish.size()) << locale;
        EXPECT_TRUE(lines.first().contains("/srv/tamiro")) << locale;
        EXPECT_EQ(lines.join("").contains(u'⟦'), locale == std::string("x-test")) << locale;
        QHash<QString, QString> words; // each Spanish severity word, as this language says it
        for (qsizetype i = 1; i + 2 < lines.size(); ++i) {
            const qsizetype at = column(lines), spanishAt = column(spanish);
            EXPECT_EQ(lines[i].mid(at).section(": ", 0, 0).toStdString(),
                      spanish[i].mid(spanishAt).section(": ", 0, 0).toStdString())
                << locale << ", line " << i + 1;
            const QString word = spanish[i].left(spanishAt).trimmed();
            const QString said = lines[i].left(at).trimmed();
            EXPECT_EQ(words.value(word, said).toStdString(), said.toStdString())
                << locale << ", line " << i + 1;
            words.insert(word, said);
        }
        // No word for a note; two words, told apart, for a warning and a failure.
        EXPECT_EQ(words.value(""), "") << locale;
        EXPECT_EQ(QSet<QString>(words.cbegin(), words.cend()).size(), 3) << locale;
    }
}

// A folder of links to one drawing decodes it once, not once per link: the
// review asks the file system what a file is on disk.
TEST(ContentReview, LinksToOnePictureAreDecodedOnce) {
    ContentTree tree;
    tree.basics();
    tree.drawing(1, 1);
    for (int n = 2; n <= 20; ++n)
        for (const char* variant : {"si", "no"})
            linked(QStringLiteral("dibujos/1/%1 coloreado/%2.gif").arg(variant).arg(n),
                   "1.gif")(tree);
    DiskFileSystem files(tree.folder());
    QtPictureLoader pictures(files);
    EXPECT_EQ(20, reviewContent(files, pictures).drawings);
    EXPECT_LE(pictures.decodes(), 5u) << "drawing 1's two variants, brush, pointer, background";
}

} // namespace
} // namespace tamiro::testing
