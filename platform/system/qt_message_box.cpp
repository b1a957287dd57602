#include "platform/system/qt_message_box.h"

#include <QMessageBox>

namespace tamiro {

void QtMessageBox::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tamiro"), text, QMessageBox::Ok, parent_);
    box.exec();
}

} // namespace tamiro
