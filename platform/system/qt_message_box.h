#pragma once

#include "platform/core/services.h"

class QWidget;

namespace tamiro {

// Qt's message box over the window: modal, OK only, no icon, the program's
// title.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const QString& text) override;

private:
    QWidget* parent_;
};

} // namespace tamiro
