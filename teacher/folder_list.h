#pragma once

// The ten folders down the side of the teacher's window, each with its folder
// button's own picture; picture files dropped on one are added to it.

#include "platform/core/services.h"

#include <QListWidget>

namespace tamiro::teacher {

class FolderList : public QListWidget {
    Q_OBJECT

public:
    explicit FolderList(PictureLoader& pictures, QWidget* parent = nullptr);

    int folder() const { return currentRow() + 1; }
    void setFolder(int f) { setCurrentRow(f - 1); }
    // A folder's line: its name and, after it, what the checker says.
    void setVerdict(int f, const QString& text, bool fails);

signals:
    void filesDropped(const QStringList& files, int folder);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace tamiro::teacher
