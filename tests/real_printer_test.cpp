// Printing on a real printer: the machine's default CUPS queue, which writes
// each document as a PDF file into the folder named by TAMIRO_PDF_DIR. The
// PDFs are read back with the poppler tools.

#include "platform/qt_services.h"
#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
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
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

class RealPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString folder = qEnvironmentVariable("TAMIRO_PDF_DIR");
        ASSERT_FALSE(folder.isEmpty())
            << "TAMIRO_PDF_DIR is not set: it must name the folder where the default printer "
               "(a CUPS PDF queue) writes its files; scripts/test.sh sets it up";
        pdfs_.setPath(folder);
        ASSERT_TRUE(pdfs_.exists()) << "TAMIRO_PDF_DIR names no folder: " << folder.toStdString();
        content.basics();
        content.text("impresora.txt", "SI\r\n");
        form = std::make_unique<Form1>(Services{files, pictures, sound, printer, messages, screen});
        form->Form_Load();
    }

    QStringList pdfNames() const { return pdfs_.entryList({"*.pdf"}, QDir::Files); }

    // The PDFs that appear after `before`, once there are `count` of them,
    // each with a non-zero size that has stopped changing; up to about 10 s.
    QStringList newPdfs(const QStringList& before, int count) {
        QElapsedTimer clock;
        clock.start();
        QMap<QString, qint64> lastSizes;
        while (clock.elapsed() < 10000) {
            QStringList fresh;
            for (const QString& name : pdfNames())
                if (!before.contains(name))
                    fresh << pdfs_.filePath(name);
            bool stable = fresh.size() >= count;
            QMap<QString, qint64> sizes;
            for (const QString& file : fresh) {
                sizes[file] = QFileInfo(file).size();
                stable = stable && sizes[file] > 0 && lastSizes.value(file, -1) == sizes[file];
            }
            if (stable) {
                QThread::msleep(300); // nothing more is on its way
                fresh.clear();
                for (const QString& name : pdfNames())
                    if (!before.contains(name))
                        fresh << pdfs_.filePath(name);
                return fresh;
            }
            lastSizes = sizes;
            QThread::msleep(200);
        }
        ADD_FAILURE() << "no " << count << " new PDF(s) in " << pdfs_.path().toStdString()
                      << " after 10 s";
        return {};
    }

    ContentTree content;
    DiskFileSystem files{content.folder()};
    QtPictureLoader pictures{files};
    QtPrinter printer;
    FakeMessageBox messages;
    FakeSound sound;
    FakeScreen screen;
    std::unique_ptr<Form1> form;

private:
    QDir pdfs_;
};

// The bounding box, in pixels, of what is not white on a page rendered at
// `dpi`.
QRect inkOnPage(const QString& pdf, int dpi) {
    QTemporaryDir out;
    run("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", pdf, out.filePath("page")});
    const QImage page(out.filePath("page.png"));
    if (page.isNull())
        return {};
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < 3 * 240) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

TEST_F(RealPrinterTest, OneClickPrintsOnePageWithTheDrawingAtItsSizeInTheCorner) {
    const QStringList before = pdfNames();
    form->Command6_Click(1);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    const QStringList printed = newPdfs(before, 1);
    ASSERT_EQ(printed.size(), 1) << printed.join(' ').toStdString();
    const QString pdf = printed.first();

    EXPECT_TRUE(
        run("pdfinfo", {pdf})
            .contains(QRegularExpression("^Pages:\\s+1$", QRegularExpression::MultilineOption)));

    // The title picture, 679 x 440 pixels, is on the page as one image.
    const QStringList images = run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(images.size(), 3) << images.join('\n').toStdString(); // two heading lines
    const QStringList columns = images[2].simplified().split(' ');
    EXPECT_EQ(columns.value(3), "679");
    EXPECT_EQ(columns.value(4), "440");

    // 10185 x 6600 twips is 509.25 x 330 points; its corner is the corner of
    // the printable area of the default printer's page.
    const QPrinter reference(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QPointF corner = reference.pageLayout().paintRectPoints().topLeft();
    const int dpi = 144; // two pixels to the point
    const QRect ink = inkOnPage(pdf, dpi);
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left(), corner.x() * 2, 2);
    EXPECT_NEAR(ink.top(), corner.y() * 2, 2);
    EXPECT_NEAR(ink.width(), 10185.0 / 1440 * dpi, 2); // 7.07 in
    EXPECT_NEAR(ink.height(), 6600.0 / 1440 * dpi, 2); // 4.58 in
}

TEST_F(RealPrinterTest, TwoClicksPrintTwoDocuments) {
    const QStringList before = pdfNames();
    form->Command6_Click(1);
    form->Command6_Click(1);
    const QStringList printed = newPdfs(before, 2);
    ASSERT_EQ(printed.size(), 2);
    for (const QString& pdf : printed)
        EXPECT_TRUE(run("pdfinfo", {pdf})
                        .contains(QRegularExpression("^Pages:\\s+1$",
                                                     QRegularExpression::MultilineOption)));
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A queue that refuses jobs takes the document and drops it; the click must
// say so. The queue accepts jobs again afterwards whatever happens.
TEST_F(RealPrinterTest, AQueueThatRefusesTheDocumentIsReported) {
    const QString queue = QPrinterInfo::defaultPrinter().printerName();
    ASSERT_FALSE(queue.isEmpty());
    struct Accepting {
        QString queue;
        ~Accepting() { QProcess::execute("cupsaccept", {queue}); }
    } restore{queue};
    run("cupsreject", {queue});
    const QStringList before = pdfNames();
    form->Command6_Click(1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().startsWith("Atención: la impresora «" + queue + "»"))
        << messages.shown.first().toStdString();
    QThread::msleep(1000);
    EXPECT_EQ(pdfNames(), before);
}

// Without a reachable print server there is no default printer. The CUPS
// library settles on its server once per process, so this case runs in a
// child process of its own with CUPS_SERVER pointing to nowhere.
TEST_F(RealPrinterTest, WithoutAPrinterTheClickSaysSoInSpanish) {
    if (qEnvironmentVariableIsSet("TAMIRO_NO_PRINTER_CHILD")) {
        form->Command6_Click(1);
        ASSERT_EQ(messages.shown.size(), 1);
        const QString text = messages.shown.first();
        EXPECT_TRUE(text.startsWith("Atención: ")) << text.toStdString();
        EXPECT_TRUE(text.contains("impresora")) << text.toStdString();
        return;
    }
    const QStringList before = pdfNames();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TAMIRO_NO_PRINTER_CHILD", "1");
    env.insert("CUPS_SERVER", QDir::temp().filePath("tamiro-no-such-cups.sock"));
    env.remove("PRINTER");
    env.remove("LPDEST");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=RealPrinterTest.WithoutAPrinterTheClickSaysSoInSpanish"});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
    QThread::msleep(1000);
    EXPECT_EQ(pdfNames(), before);
}

} // namespace
} // namespace tamiro::testing
