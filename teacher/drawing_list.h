#pragma once

// The drawings of one folder as thumbnails, in the order the child meets
// them: a mark on each drawing the checker has something to say about, its
// sentences on hover. A thumbnail dragged to another place asks for the
// drawing to move there; picture files dropped on it ask to be added.

#include "teacher/folder_contents.h"

#include <QListWidget>
#include <optional>

namespace tamiro::teacher {

class DrawingList : public QListWidget {
    Q_OBJECT

public:
    explicit DrawingList(QWidget* parent = nullptr);

    void showFolder(const FolderContents& contents);
    // What the list says while it has no drawings.
    void setEmptyText(const QString& text) {
        emptyText_ = text;
        viewport()->update();
    }
    // Whether the teacher may move and remove drawings here.
    void setChangesAllowed(bool allowed);
    // The drawing selected, if any.
    const MetDrawing* selectedDrawing() const;
    // Selects drawing n, if it is shown.
    void selectNumber(std::int16_t n);
    // Where a drawing dragged from `fromRow` and dropped before row
    // `insertRow` goes: the number of the place it takes, kept within the
    // drawings that can move. Nothing when it stays where it is.
    std::optional<std::int16_t> placeFor(int fromRow, int insertRow) const;

signals:
    void moveRequested(std::int16_t from, std::int16_t to);
    void filesDropped(const QStringList& files);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    // The row a drop at `position` goes before (count() for the end).
    int insertRowAt(QPoint position) const;

    FolderContents contents_;
    QString emptyText_;
    bool changesAllowed_ = true;
    int dropRow_ = -1; // where the dragged thumbnail would go, while one is dragged
};

// The picture files among dropped URLs, or nothing.
QStringList droppedFiles(const QMimeData* data);

// The checker's sentences about a drawing, one a line, with the severity
// word before each, as the teacher reads them.
QString findingLines(const QList<Finding>& findings);

} // namespace tamiro::teacher
