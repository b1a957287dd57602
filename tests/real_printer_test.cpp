// Printing on the tests' own CUPS queues (a PDF per document in TAMIRO_PDF_DIR):
// the default one of scripts/test.sh, and one made here with margins.

#include "platform/system/qt_printer.h"
#include "support/window_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

namespace tamiro::testing {
namespace {

// Runs a tool and gives its output; fails the test when it fails.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString()
                      << " failed: " << process.peek(4096).toStdString();
    return QString::fromLocal8Bit(process.readAll());
}

class RealPrinter : public ::testing::Test, public World {
protected:
    void SetUp() override {
        content.basics();
        content.text("impresora.txt", "SI\r\n");
        window = std::make_unique<ColouringWindow>(
            Services{files, pictures, sound, realPrinter_, messages, screen});
        window->start();
    }
    QtPrinter realPrinter_;
};

// Each click prints one page: the title, 10185 x 6600 twips, is 509.25 x 330
// points, its top-left corner at the printable area's in the queue's PPD (the
// second queue 6 points more margin at the sides, 36 at top and bottom), as
// Ghostscript measures it.
TEST_F(RealPrinter, EachClickPrintsOnePageWithTheDrawingAtThePrintableCorner) {
    const QDir pdfs(qEnvironmentVariable("TAMIRO_PDF_DIR", "/nonexistent"));
    ASSERT_TRUE(pdfs.exists()) << "scripts/test.sh sets TAMIRO_PDF_DIR";
    // The default size's printable area: "*ImageableArea A4/A4: "0 0 595 842"",
    // left bottom right top in points. The PPDs are beside the scheduler's socket.
    const QString first = QPrinterInfo::defaultPrinter().printerName();
    QString ppd = run(
        "cat",
        {QFileInfo(qEnvironmentVariable("CUPS_SERVER")).dir().filePath("ppd/" + first + ".ppd")});
    const QString size = ppd.section("\n*DefaultPageSize: ", 1).section('\n', 0, 0).trimmed();
    const QStringList area =
        ppd.section("\n*ImageableArea " + size + '/', 1).section('"', 1, 1).split(' ');
    QStringList margins = area;
    const double grow[] = {6, 36, -6, -36};
    for (int i = 0; i < 4; ++i)
        margins[i] = QString::number(area.value(i).toDouble() + grow[i]);
    content.text("margins.ppd",
                 ppd.replace('"' + area.join(' ') + '"', '"' + margins.join(' ') + '"').toLatin1());
    run("lpadmin", {"-p", "TamiroMargins", "-E", "-P", content.path("margins.ppd"), "-v",
                    run("lpstat", {"-v", first}).section(": ", 1).trimmed()});

    for (const auto& [queue, corner, clicks] :
         {std::tuple{first, area, 1}, std::tuple{QString("TamiroMargins"), margins, 2}}) {
        SCOPED_TRACE(queue.toStdString());
        const QStringList before = pdfs.entryList({"*.pdf"});
        qputenv("PRINTER", queue.toUtf8());
        for (int i = 0; i < clicks; ++i)
            window->onPointerOrPrintClicked(1);
        qunsetenv("PRINTER");
        // A job leaves the list of jobs not yet completed once its PDF is written.
        for (int wait = 0; wait < 50 && !run("lpstat", {"-o"}).isEmpty(); ++wait)
            QThread::msleep(200);
        QStringList printed = pdfs.entryList({"*.pdf"});
        printed.removeIf([&](const QString& pdf) { return before.contains(pdf); });
        EXPECT_EQ(printed.size(), clicks);
        for (const QString& pdf : printed) {
            const QString box =
                run("gs", {"-q", "-dBATCH", "-dNOPAUSE", "-sDEVICE=bbox", pdfs.filePath(pdf)});
            EXPECT_EQ(box.count("%%HiResBoundingBox: "), 1) << box.toStdString();
            const QStringList ink =
                box.section("%%HiResBoundingBox: ", 1).section('\n', 0, 0).split(' ');
            EXPECT_NEAR(ink.value(0).toDouble(), corner.value(0).toDouble(), 1);
            EXPECT_NEAR(ink.value(3).toDouble(), corner.value(3).toDouble(), 1);
            EXPECT_NEAR(ink.value(2).toDouble() - ink.value(0).toDouble(), 509.25, 1);
            EXPECT_NEAR(ink.value(3).toDouble() - ink.value(1).toDouble(), 330, 1);
        }
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// A queue that refuses jobs, and no print server at all. The CUPS library
// settles on its server once per process, so each case clicks in a child.
TEST_F(RealPrinter, APrintThatCannotBeDoneIsReported) {
    if (qEnvironmentVariableIsSet("TAMIRO_PRINTER_CHILD")) {
        window->onPointerOrPrintClicked(1);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].startsWith("Atención: ")) << messages.shown[0].toStdString();
        return;
    }
    const QString queue = QPrinterInfo::defaultPrinter().printerName();
    run("cupsreject", {queue});
    for (const QString& setting : {"PRINTER=" + queue, QString("CUPS_SERVER=/nonexistent/cups")})
        run("env", {setting, "TAMIRO_PRINTER_CHILD=1", QCoreApplication::applicationFilePath(),
                    "--gtest_filter=RealPrinter.APrintThatCannotBeDoneIsReported"});
    run("cupsaccept", {queue});
}

} // namespace
} // namespace tamiro::testing
