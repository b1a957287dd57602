// Printing on real printers: CUPS queues with the PDF backend, which write
// each document as a PDF into the folder named by TAMIRO_PDF_DIR. Besides the
// default queue that scripts/test.sh makes, a queue made here from its PPD
// with margins shows that the drawing follows the printer's printable area.

#include "platform/qt_services.h"
#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

namespace tamiro::testing {
namespace {

// Runs a tool and gives its standard output; fails the test when it fails.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString ppdOf(const QString& queue) {
    QFile file("/etc/cups/ppd/" + queue + ".ppd");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return QString::fromLatin1(file.readAll());
}

// A PPD line "*Key[/Text]: value" or "*Key Option[/Text]: "value"".
QRegularExpression ppdLine(const QString& key) {
    return QRegularExpression("^(\\*" + QRegularExpression::escape(key) +
                                  "(/[^:]*)?:)\\s*\"?([^\"\\n]*)\"?$",
                              QRegularExpression::MultilineOption);
}

// Its default page size: the paper's size and the printable area, in points
// from the bottom-left corner of the paper ("left bottom right top").
QStringList ppdPage(const QString& ppd, const QString& key) {
    const QString size = ppdLine("DefaultPageSize").match(ppd).captured(3);
    return ppdLine(key + " " + size).match(ppd).captured(3).split(' ');
}

// The bounding box, in points, of what is not white on the first page.
QRectF inkOnPage(const QString& pdf) {
    QTemporaryDir out;
    run("pdftoppm", {"-r", "144", "-png", "-singlefile", pdf, out.filePath("page")});
    const QImage page(out.filePath("page.png"));
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 240)
                ink |= QRect(x, y, 1, 1);
    return QRectF(ink.x() / 2.0, ink.y() / 2.0, ink.width() / 2.0, ink.height() / 2.0);
}

class RealPrinter : public ::testing::Test {
protected:
    // A second queue: the default one with margins of 6 points at the sides
    // and 36 at the top and bottom of its default page size.
    static void SetUpTestSuite() {
        if (qEnvironmentVariableIsSet("TAMIRO_NO_PRINTER_CHILD"))
            return;
        const QString queue = QPrinterInfo::defaultPrinter().printerName();
        QString ppd = ppdOf(queue);
        const QStringList paper = ppdPage(ppd, "PaperDimension");
        const QString size = ppdLine("DefaultPageSize").match(ppd).captured(3);
        ppd.replace(ppdLine("ImageableArea " + size), QString("\\1 \"6 36 %1 %2\"")
                                                          .arg(paper.value(0).toDouble() - 6)
                                                          .arg(paper.value(1).toDouble() - 36));
        QFile changed(QDir::temp().filePath("tamiro-margins.ppd"));
        ASSERT_TRUE(changed.open(QIODevice::WriteOnly) && changed.write(ppd.toLatin1()) > 0);
        changed.close();
        run("lpadmin",
            {"-p", "TamiroMargins", "-E", "-o", "printer-is-shared=no", "-P", changed.fileName(),
             "-v", run("lpstat", {"-v", queue}).section(": ", 1).trimmed()});
    }
    static void TearDownTestSuite() {
        QProcess::execute("lpadmin", {"-x", "TamiroMargins"});
        QFile::remove(QDir::temp().filePath("tamiro-margins.ppd"));
    }

    void SetUp() override {
        pdfs_.setPath(qEnvironmentVariable("TAMIRO_PDF_DIR"));
        ASSERT_TRUE(!pdfs_.path().isEmpty() && pdfs_.exists())
            << "TAMIRO_PDF_DIR names no folder; scripts/test.sh sets it and the printer up";
        content.basics();
        content.text("impresora.txt", "SI\r\n");
        form = std::make_unique<Form1>(Services{files, pictures, sound, printer, messages, screen});
        form->Form_Load();
    }

    // The PDFs that `clicks` print, once there are `count` of them, of sizes
    // that have stopped changing; up to 10 s.
    QStringList print(int clicks, int count) {
        const QStringList before = pdfs_.entryList({"*.pdf"});
        for (int i = 0; i < clicks; ++i)
            form->Command6_Click(1);
        QMap<QString, qint64> fresh, last;
        QElapsedTimer clock;
        for (clock.start(); clock.elapsed() < 10000; QThread::msleep(300), last = fresh) {
            fresh.clear();
            for (const QFileInfo& pdf : pdfs_.entryInfoList({"*.pdf"}))
                if (!before.contains(pdf.fileName()))
                    fresh[pdf.filePath()] = pdf.size();
            if (fresh.size() >= count && fresh == last && !fresh.values().contains(0))
                break;
        }
        return fresh.keys();
    }

    ContentTree content;
    DiskFileSystem files{content.folder()};
    QtPictureLoader pictures{files};
    QtPrinter printer;
    FakeMessageBox messages;
    FakeSound sound;
    FakeScreen screen;
    std::unique_ptr<Form1> form;
    QDir pdfs_;
};

// The title picture, 10185 x 6600 twips in the window, is 509.25 x 330 points
// on paper, its corner where the queue's PPD puts the printable area's.
TEST_F(RealPrinter, OneClickPrintsOnePageWithTheDrawingAtThePrintableCorner) {
    for (const QString& queue :
         {QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("TamiroMargins")}) {
        SCOPED_TRACE(queue.toStdString());
        const QStringList area = ppdPage(ppdOf(queue), "ImageableArea");
        const QStringList paper = ppdPage(ppdOf(queue), "PaperDimension");
        qputenv("PRINTER", queue.toUtf8());
        const QStringList printed = print(1, 1);
        qunsetenv("PRINTER");
        ASSERT_EQ(printed.size(), 1);
        EXPECT_TRUE(run("pdfinfo", {printed[0]}).contains(QRegularExpression("Pages: +1\n")));
        const QRectF ink = inkOnPage(printed[0]);
        EXPECT_NEAR(ink.left(), area.value(0).toDouble(), 1);
        EXPECT_NEAR(ink.top(), paper.value(1).toDouble() - area.value(3).toDouble(), 1);
        EXPECT_NEAR(ink.width(), 509.25, 1);
        EXPECT_NEAR(ink.height(), 330, 1);
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

TEST_F(RealPrinter, TwoClicksPrintTwoDocuments) {
    EXPECT_EQ(print(2, 2).size(), 2);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A queue that refuses jobs takes the document and drops it; the click must
// say so. The queue accepts jobs again afterwards whatever happens.
TEST_F(RealPrinter, AQueueThatRefusesTheDocumentIsReported) {
    const QString queue = QPrinterInfo::defaultPrinter().printerName();
    run("cupsreject", {queue});
    const QStringList printed = print(1, 1);
    QProcess::execute("cupsaccept", {queue});
    EXPECT_TRUE(printed.isEmpty());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("Atención: la impresora «" + queue + "»"))
        << messages.shown[0].toStdString();
}

// Without a print server there is no default printer. The CUPS library
// settles on its server once per process, so this runs in a child process
// with CUPS_SERVER pointing to nowhere.
TEST_F(RealPrinter, WithoutAPrintServerTheClickSaysSo) {
    if (qEnvironmentVariableIsSet("TAMIRO_NO_PRINTER_CHILD")) {
        form->Command6_Click(1);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].startsWith("Atención: ")) << messages.shown[0].toStdString();
        return;
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TAMIRO_NO_PRINTER_CHILD", "1");
    env.insert("CUPS_SERVER", QDir::temp().filePath("tamiro-no-such-cups.sock"));
    env.remove("PRINTER");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=RealPrinter.WithoutAPrintServerTheClickSaysSo"});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
}

} // namespace
} // namespace tamiro::testing
