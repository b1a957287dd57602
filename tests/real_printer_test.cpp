// Printing on real CUPS queues with the PDF backend, which write each document
// as a PDF into the folder named by TAMIRO_PDF_DIR: the default queue that
// scripts/test.sh makes, and one made here from its PPD with margins.

#include "platform/qt_services.h"
#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
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

// The printable area of a queue's default page size, "left bottom right top"
// in points from the paper's bottom-left corner: the second capture of its
// line "*ImageableArea A4/A4: "0 0 595 842"" in the PPD.
QRegularExpressionMatch printableArea(const QString& ppd) {
    const QString size = ppd.section("\n*DefaultPageSize: ", 1).section('\n', 0, 0).trimmed();
    return QRegularExpression("^(\\*ImageableArea " + QRegularExpression::escape(size) +
                                  "[/:].*)\"(.*)\"",
                              QRegularExpression::MultilineOption)
        .match(ppd);
}

class RealPrinter : public ::testing::Test, public World {
protected:
    void SetUp() override {
        content.basics();
        content.text("impresora.txt", "SI\r\n");
        form = std::make_unique<Form1>(
            Services{files, pictures, sound, realPrinter_, messages, screen});
        form->Form_Load();
    }
    QtPrinter realPrinter_;
};

// Each click prints one page: the title picture, 10185 x 6600 twips in the
// window, is 509.25 x 330 points on paper, its top-left corner where the
// queue's PPD puts the printable area's. The second queue is the default one
// with 6 points more margin at the sides and 36 at the top and bottom.
TEST_F(RealPrinter, EachClickPrintsOnePageWithTheDrawingAtThePrintableCorner) {
    const QDir pdfs(qEnvironmentVariable("TAMIRO_PDF_DIR"));
    ASSERT_TRUE(!pdfs.path().isEmpty() && pdfs.exists()) << "scripts/test.sh sets TAMIRO_PDF_DIR";
    const QString first = QPrinterInfo::defaultPrinter().printerName();
    QString ppd = run("cat", {"/etc/cups/ppd/" + first + ".ppd"});
    const QRegularExpressionMatch corner = printableArea(ppd);
    QStringList margins = corner.captured(2).split(' ');
    for (int i = 0; i < 4; ++i) // left and bottom grow, right and top shrink
        margins[i] = QString::number(margins[i].toDouble() + (i % 2 ? 36 : 6) * (i < 2 ? 1 : -1));
    content.text("margins.ppd",
                 ppd.replace(corner.capturedStart(2), corner.capturedLength(2), margins.join(' '))
                     .toLatin1());
    run("lpadmin", {"-p", "TamiroMargins", "-E", "-P", content.path("margins.ppd"), "-v",
                    run("lpstat", {"-v", first}).section(": ", 1).trimmed()});

    for (const auto& [queue, clicks] :
         {std::pair{first, 1}, std::pair{QString("TamiroMargins"), 2}}) {
        SCOPED_TRACE(queue.toStdString());
        const QStringList area =
            printableArea(run("cat", {"/etc/cups/ppd/" + queue + ".ppd"})).captured(2).split(' ');
        const QStringList before = pdfs.entryList({"*.pdf"});
        qputenv("PRINTER", queue.toUtf8());
        for (int i = 0; i < clicks; ++i)
            form->Command6_Click(1);
        qunsetenv("PRINTER");
        // A job leaves the list of jobs not yet completed once its PDF is written.
        for (int wait = 0; wait < 50 && !run("lpstat", {"-o"}).isEmpty(); ++wait)
            QThread::msleep(200);
        QStringList printed = pdfs.entryList({"*.pdf"});
        printed.removeIf([&](const QString& pdf) { return before.contains(pdf); });
        ASSERT_EQ(printed.size(), clicks);
        for (const QString& pdf : printed) {
            // What the pages mark, "left bottom right top" as in the PPD.
            const QString box =
                run("gs", {"-q", "-dBATCH", "-dNOPAUSE", "-sDEVICE=bbox", pdfs.filePath(pdf)});
            ASSERT_EQ(box.count("%%HiResBoundingBox: "), 1) << box.toStdString();
            const QStringList ink =
                box.section("%%HiResBoundingBox: ", 1).section('\n', 0, 0).split(' ');
            EXPECT_NEAR(ink.value(0).toDouble(), area.value(0).toDouble(), 1);
            EXPECT_NEAR(ink.value(3).toDouble(), area.value(3).toDouble(), 1);
            EXPECT_NEAR(ink.value(2).toDouble() - ink.value(0).toDouble(), 509.25, 1);
            EXPECT_NEAR(ink.value(3).toDouble() - ink.value(1).toDouble(), 330, 1);
        }
    }
    run("lpadmin", {"-x", "TamiroMargins"});
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// A queue that refuses jobs, and no print server at all. The CUPS library
// settles on its server once per process, so each case clicks in a child.
TEST_F(RealPrinter, APrintThatCannotBeDoneIsReported) {
    if (qEnvironmentVariableIsSet("TAMIRO_PRINTER_CHILD")) {
        form->Command6_Click(1);
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
