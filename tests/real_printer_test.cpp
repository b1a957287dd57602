// Printing on real printers: CUPS queues with the PDF backend, which write
// each document as a PDF file into the folder named by TAMIRO_PDF_DIR. The
// default queue is the one scripts/test.sh makes; a second one, made here
// from its description with margins on the page, shows that the drawing
// follows the printer's own printable area.

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

const QString kMarginsQueue = QStringLiteral("TamiroMargins");
const std::string kDefaultQueue = "default";

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
    return "/etc/cups/ppd/" + queue + ".ppd";
}

// The top-left corner of the printable area of a PPD's default page size, in
// points from the top-left corner of the paper (PPDs measure from below).
QPointF printableCorner(const QString& ppd) {
    QFile file(ppd);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << ppd.toStdString();
    const QString text = QString::fromLatin1(file.readAll());
    const auto values = [&](const QString& keyword) {
        const QString size = QRegularExpression("^\\*DefaultPageSize:\\s*(\\S+)",
                                                QRegularExpression::MultilineOption)
                                 .match(text)
                                 .captured(1);
        return QRegularExpression("^\\*" + keyword + " " + size + "(/[^:]*)?:\\s*\"([^\"]*)\"",
                                  QRegularExpression::MultilineOption)
            .match(text)
            .captured(2)
            .split(' ', Qt::SkipEmptyParts);
    };
    const QStringList area = values("ImageableArea"), paper = values("PaperDimension");
    EXPECT_EQ(area.size() * paper.size(), 8) << ppd.toStdString();
    return {area.value(0).toDouble(), paper.value(1).toDouble() - area.value(3).toDouble()};
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
    void SetUp() override {
        pdfs_.setPath(qEnvironmentVariable("TAMIRO_PDF_DIR"));
        ASSERT_TRUE(!pdfs_.path().isEmpty() && pdfs_.exists())
            << "TAMIRO_PDF_DIR must name the folder where the default printer, a CUPS PDF "
               "queue, writes its files; scripts/test.sh sets it up";
        content.basics();
        content.text("impresora.txt", "SI\r\n");
        form = std::make_unique<Form1>(Services{files, pictures, sound, printer, messages, screen});
        form->Form_Load();
    }

    // The PDFs that appear beside `before` while `clicks` print, once there
    // are `count` of them, of sizes that have stopped changing; up to 10 s.
    QStringList print(int clicks, int count) {
        const QStringList before = pdfs_.entryList({"*.pdf"});
        for (int i = 0; i < clicks; ++i)
            form->Command6_Click(1);
        QMap<QString, qint64> fresh, last;
        QElapsedTimer clock;
        for (clock.start(); clock.elapsed() < 10000; QThread::msleep(300)) {
            fresh.clear();
            for (const QFileInfo& pdf : pdfs_.entryInfoList({"*.pdf"}))
                if (!before.contains(pdf.fileName()))
                    fresh[pdf.filePath()] = pdf.size();
            if (fresh.size() >= count && fresh == last && !fresh.values().contains(0))
                break;
            last = fresh;
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

class PrintCorner : public RealPrinter, public ::testing::WithParamInterface<std::string> {
protected:
    // The second queue: the default one, its description changed to margins
    // of 6 points at the sides and 36 at the top of A4, its default size.
    static void SetUpTestSuite() {
        const QString queue = QPrinterInfo::defaultPrinter().printerName();
        QFile original(ppdOf(queue)), changed(QDir::temp().filePath("tamiro-margins.ppd"));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly) && changed.open(QIODevice::WriteOnly));
        const QRegularExpression a4("^(\\*ImageableArea A4/[^:]*:).*$",
                                    QRegularExpression::MultilineOption);
        changed.write(
            QString::fromLatin1(original.readAll()).replace(a4, "\\1 \"6 36 589 806\"").toLatin1());
        changed.close();
        const QString device = run("lpstat", {"-v", queue}).section(": ", 1).trimmed();
        run("lpadmin", {"-p", kMarginsQueue, "-E", "-o", "printer-is-shared=no", "-v", device, "-P",
                        changed.fileName()});
    }
    static void TearDownTestSuite() { QProcess::execute("lpadmin", {"-x", kMarginsQueue}); }
};

// The title picture, 10185 x 6600 twips in the window, is 509.25 x 330 points.
TEST_P(PrintCorner, OneClickPrintsOnePageWithTheDrawingAtThePrintableCorner) {
    const QString queue = GetParam() == kDefaultQueue ? QPrinterInfo::defaultPrinter().printerName()
                                                      : QString::fromStdString(GetParam());
    qputenv("PRINTER", queue.toUtf8());
    const QStringList printed = print(1, 1);
    qunsetenv("PRINTER");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    ASSERT_EQ(printed.size(), 1) << printed.join(' ').toStdString();
    EXPECT_TRUE(run("pdfinfo", {printed[0]}).contains(QRegularExpression("Pages: +1\n")));
    const QPointF corner = printableCorner(ppdOf(queue));
    const QRectF ink = inkOnPage(printed[0]);
    EXPECT_NEAR(ink.left(), corner.x(), 1);
    EXPECT_NEAR(ink.top(), corner.y(), 1);
    EXPECT_NEAR(ink.width(), 509.25, 1);
    EXPECT_NEAR(ink.height(), 330, 1);
}
INSTANTIATE_TEST_SUITE_P(Queues, PrintCorner,
                         ::testing::Values(kDefaultQueue, kMarginsQueue.toStdString()));

TEST_F(RealPrinter, TwoClicksPrintTwoDocuments) {
    const QStringList printed = print(2, 2);
    ASSERT_EQ(printed.size(), 2);
    for (const QString& pdf : printed)
        EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +1\n")));
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
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=RealPrinter.WithoutAPrintServerTheClickSaysSo"});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
}

} // namespace
} // namespace tamiro::testing
