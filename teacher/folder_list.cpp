// The folder list: the folder buttons' pictures and the drops on them.

#include "teacher/folder_list.h"

#include "platform/core/errors.h"
#include "teacher/drawing_list.h"

#include <QDropEvent>
#include <QPainter>
#include <QTimer>

namespace tamiro::teacher {

namespace {

// A folder button as the child sees it: its picture on the button's green.
QIcon folderIcon(PictureLoader& pictures, int index) {
    QPixmap face(36, 36);
    face.fill(QColor(0, 128, 0));
    try {
        const QPixmap picture = pictures.builtIn(QStringLiteral("F%1.ico").arg(index)).pixmap();
        QPainter painter(&face);
        painter.drawPixmap((face.width() - picture.width()) / 2,
                           (face.height() - picture.height()) / 2, picture);
    } catch (const PlatformError&) {
        // the green face alone still tells the folders apart by their names
    }
    return QIcon(face);
}

} // namespace

FolderList::FolderList(PictureLoader& pictures, QWidget* parent) : QListWidget(parent) {
    setIconSize(QSize(36, 36));
    setSpacing(2);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setAccessibleName(tr("Carpetas"));
    for (int f = 1; f <= 10; ++f) {
        auto* item =
            new QListWidgetItem(folderIcon(pictures, f - 1), tr("Carpeta %1").arg(f), this);
        item->setData(Qt::AccessibleTextRole, item->text());
    }
    setCurrentRow(0);
}

void FolderList::setVerdict(int f, const QString& text, bool fails) {
    QListWidgetItem* line = item(f - 1);
    if (!line)
        return;
    line->setToolTip(text);
    line->setData(Qt::AccessibleDescriptionRole, text);
    QFont font = this->font();
    font.setBold(fails);
    line->setFont(font);
    line->setForeground(fails ? QColor(180, 0, 0) : palette().text().color());
}

void FolderList::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFiles(event->mimeData()).isEmpty())
        return event->ignore();
    event->acceptProposedAction();
}

void FolderList::dragMoveEvent(QDragMoveEvent* event) {
    QListWidgetItem* over = itemAt(event->position().toPoint());
    if (!over || droppedFiles(event->mimeData()).isEmpty())
        return event->ignore();
    setCurrentItem(over); // the folder it would go to
    event->acceptProposedAction();
}

void FolderList::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    const QListWidgetItem* over = itemAt(event->position().toPoint());
    if (!over || files.isEmpty())
        return event->ignore();
    event->acceptProposedAction();
    const int f = row(over) + 1;
    QTimer::singleShot(0, this, [this, files, f] { emit filesDropped(files, f); });
}

} // namespace tamiro::teacher
