#pragma once

#include "platform/core/services.h"

#include <QString>
#include <memory>

class QPrinter;
class QPainter;

namespace tamiro {

// The default printer of the machine. A document begins with the first
// picture drawn and ends with endDoc().
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    void paintPicture(const Picture& picture, float x, float y, float width, float height) override;
    void endDoc() override;

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString printerName_;
};

} // namespace tamiro
