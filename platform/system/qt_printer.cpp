#include "platform/system/qt_printer.h"

#include "platform/core/errors.h"
#include "platform/core/logging.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <dlfcn.h>
#endif

namespace tamiro {

namespace {

// Why the printer did not print: a description that completes the child's
// message, in lower case.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::PrinterProblems)
};

// Qt hands the finished document to the CUPS spooler when the painter ends,
// but does not look at the answer: a queue that refuses the job loses the
// page without a word. The answer is still there as the last error of the
// CUPS library that Qt's print plugin has loaded, so it is read from there.
// Empty when the job was taken or when CUPS is not in use.
QString spoolerRefusal() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return {};
    using LastError = int (*)();
    using LastErrorString = const char* (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(cups, "cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<LastErrorString>(dlsym(cups, "cupsLastErrorString"));
    QString refusal;
    constexpr int kFirstError = 0x0400; // IPP status codes below are successes
    if (lastError && lastError() >= kFirstError)
        refusal = lastErrorString ? QString::fromUtf8(lastErrorString()) : QStringLiteral("?");
    dlclose(cups);
    return refusal;
#else
    return {};
#endif
}

// The description, in the log too: the child sees it after "Atención: ",
// the administrator sees which printer said it.
[[noreturn]] void fail(const QString& description) {
    qCDebug(lcPrinter, "%s", qUtf8Printable(description));
    throw PlatformError(description);
}

} // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive())
        painter_->end();
}

void QtPrinter::paintPicture(const Picture& picture, float x, float y, float width, float height) {
    if (!painter_ || !painter_->isActive()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            fail(Text::tr("no hay ninguna impresora predeterminada"));
        printerName_ = info.printerName();
        qCDebug(lcPrinter, "imprimo en «%s»", qUtf8Printable(printerName_));
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer_->setDocName(QStringLiteral("Tamiro"));
        // Qt starts with page margins of its own; the printable area is the
        // one the printer describes, so the margins are its minimum ones.
        const QPageLayout layout = printer_->pageLayout();
        printer_->setPageMargins(layout.minimumMargins(), layout.units());
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(printer_.get()))
            //: %1 is the printer's name.
            fail(Text::tr("la impresora «%1» no puede empezar a imprimir").arg(printerName_));
    }
    // The painter's origin is the corner of the printable area; a twip is
    // 1/1440 of an inch whatever the printer's resolution.
    const double scale = printer_->resolution() / 1440.0;
    painter_->drawImage(QRectF(x * scale, y * scale, width * scale, height * scale),
                        picture.image());
}

void QtPrinter::endDoc() {
    if (!painter_ || !painter_->isActive())
        return;
    const bool ended = painter_->end();
    painter_.reset();
    printer_.reset();
    if (!ended)
        fail(Text::tr("la impresora «%1» no ha podido terminar el documento").arg(printerName_));
    const QString refusal = spoolerRefusal();
    if (!refusal.isEmpty())
        //: %1 is the printer's name, %2 the print system's answer, in its own words.
        fail(Text::tr("la impresora «%1» no ha aceptado el documento (%2)")
                 .arg(printerName_, refusal));
    qCDebug(lcPrinter, "la impresora «%s» ha aceptado el documento", qUtf8Printable(printerName_));
}

} // namespace tamiro
