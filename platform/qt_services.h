#pragma once

#include "platform/services.h"

#include <QString>
#include <memory>

class QPrinter;
class QPainter;
class QWidget;

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

class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const QString& text) override;

private:
    QWidget* parent_;
};

class QtScreen : public Screen {
public:
    float width() const override;
    float height() const override;
};

} // namespace tamiro
