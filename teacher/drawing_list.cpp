// The thumbnails of a folder: icons with their marks, and the drags that
// reorder them.

#include "teacher/drawing_list.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace tamiro::teacher {

namespace {

constexpr int kCell = kThumbnailSide + 8;
constexpr int kMark = 26;

QColor markColour(Finding::Severity severity) {
    return severity == Finding::Severity::Fails ? QColor(190, 0, 0) : QColor(220, 130, 0);
}

// The thumbnail in a square cell, with a mark in its corner when the checker
// has something to say: a red one when something fails, an orange one for a
// warning.
QIcon markedIcon(const MetDrawing& drawing) {
    QPixmap cell(kCell, kCell);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::Antialiasing);
    // The picture stands on the cell's foot, close to its number below.
    const QImage& picture = drawing.thumbnail;
    const QSize size = picture.isNull() ? QSize(kThumbnailSide, kThumbnailSide) : picture.size();
    const QRect box(QPoint((kCell - size.width()) / 2, kCell - 4 - size.height()), size);
    if (picture.isNull()) {
        painter.fillRect(box, QColor(235, 235, 235));
        painter.setPen(QPen(QColor(160, 160, 160), 2));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    } else {
        painter.drawImage(box.topLeft(), picture);
        painter.setPen(QColor(150, 150, 150));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    const Finding::Severity worst =
        drawing.message.isEmpty() ? drawing.worst() : Finding::Severity::Fails;
    if (worst != Finding::Severity::Note) {
        // Over the picture's corner, inside the cell.
        const QRectF mark(std::min(box.right() - kMark / 2, kCell - kMark - 1),
                          std::max(box.top() - kMark / 2, 1), kMark, kMark);
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(markColour(worst));
        painter.drawEllipse(mark);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(kMark * 2 / 3);
        painter.setFont(font);
        painter.drawText(mark, Qt::AlignCenter, QStringLiteral("!"));
    }
    return QIcon(cell);
}

} // namespace

QString findingLines(const QList<Finding>& findings) {
    QStringList lines;
    for (const Finding& finding : findings) {
        const QString word = severityWord(finding.severity);
        lines << (word.isEmpty() ? QString() : word + QStringLiteral(": ")) + finding.line();
    }
    return lines.join(u'\n');
}

QStringList droppedFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            files << url.toLocalFile();
    return files;
}

DrawingList::DrawingList(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static); // a drag moves the drawing, not the icon
    setResizeMode(QListView::Adjust);
    setIconSize(QSize(kCell, kCell));
    setGridSize(QSize(kCell + 24, kCell + 30));
    setUniformItemSizes(true);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true); // a static list turns it off
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setAccessibleName(tr("Dibujos de la carpeta"));
}

void DrawingList::showFolder(const FolderContents& contents) {
    const std::optional<std::int16_t> selected =
        selectedDrawing() ? std::optional(selectedDrawing()->number) : std::nullopt;
    contents_ = contents;
    clear();
    for (const MetDrawing& drawing : contents_.drawings) {
        auto* item = new QListWidgetItem(markedIcon(drawing), tr("Dibujo %1").arg(drawing.number));
        QStringList about;
        if (!drawing.message.isEmpty() && drawing.findings.isEmpty())
            //: %1 is the message the child is shown instead of the drawing.
            about << tr("El niño verá: «%1»").arg(drawing.message);
        if (!drawing.findings.isEmpty())
            about << findingLines(drawing.findings);
        item->setToolTip(about.isEmpty() ? tr("Dibujo %1: sin problemas.").arg(drawing.number)
                                         : about.join(u'\n'));
        item->setData(Qt::AccessibleDescriptionRole, item->toolTip());
        item->setData(Qt::UserRole, drawing.number);
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
        if (drawing.movable && changesAllowed_)
            flags |= Qt::ItemIsDragEnabled;
        item->setFlags(flags);
        addItem(item);
    }
    if (selected)
        selectNumber(*selected);
}

void DrawingList::setChangesAllowed(bool allowed) {
    changesAllowed_ = allowed;
    setDragEnabled(allowed);
    showFolder(contents_);
}

const MetDrawing* DrawingList::selectedDrawing() const {
    const int row = currentRow();
    if (row < 0 || row >= contents_.drawings.size() || !currentItem() ||
        !currentItem()->isSelected())
        return nullptr;
    return &contents_.drawings[row];
}

void DrawingList::selectNumber(std::int16_t n) {
    for (int row = 0; row < count(); ++row)
        if (item(row)->data(Qt::UserRole).toInt() == n) {
            setCurrentRow(row);
            scrollToItem(item(row));
            return;
        }
}

std::optional<std::int16_t> DrawingList::placeFor(int fromRow, int insertRow) const {
    const auto& drawings = contents_.drawings;
    if (fromRow < 0 || fromRow >= drawings.size() || !drawings[fromRow].movable)
        return std::nullopt;
    const int row = insertRow > fromRow ? insertRow - 1 : insertRow;
    if (row == fromRow)
        return std::nullopt;
    // A place among the drawings that cannot move is the nearest end of the
    // series that can.
    std::int16_t to = 0;
    if (row >= 0 && row < drawings.size() && drawings[row].movable)
        to = drawings[row].number;
    else
        to = row < fromRow ? std::int16_t{1} : contents_.last;
    if (to == drawings[fromRow].number)
        return std::nullopt;
    return to;
}

void DrawingList::startDrag(Qt::DropActions) {
    QListWidgetItem* dragged = currentItem();
    if (!dragged || !(dragged->flags() & Qt::ItemIsDragEnabled))
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData({dragged}));
    // The small picture beside the pointer, not under it: what is under the
    // pointer is where the drawing goes.
    drag->setPixmap(dragged->icon().pixmap(kCell / 2));
    drag->setHotSpot(QPoint(-8, -8));
    drag->exec(Qt::MoveAction);
}

void DrawingList::keyPressEvent(QKeyEvent* event) {
    QListWidget::keyPressEvent(event);
    // The first arrow or Home pressed where nothing is selected yet only
    // makes a drawing current; the teacher means to choose it.
    const int key = event->key();
    if (currentItem() && !currentItem()->isSelected() &&
        (key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Left || key == Qt::Key_Right ||
         key == Qt::Key_Up || key == Qt::Key_Down))
        currentItem()->setSelected(true);
}

int DrawingList::insertRowAt(QPoint position) const {
    for (int row = 0; row < count(); ++row) {
        const QRect rect = visualItemRect(item(row));
        const QRect cell(rect.center() - QPoint(gridSize().width() / 2, gridSize().height() / 2),
                         gridSize());
        if (cell.contains(position))
            return position.x() < cell.center().x() ? row : row + 1;
    }
    return count();
}

void DrawingList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() == this ? changesAllowed_ : !droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void DrawingList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this) {
        if (droppedFiles(event->mimeData()).isEmpty())
            return event->ignore();
        return event->acceptProposedAction();
    }
    const int row = insertRowAt(event->position().toPoint());
    if (row != dropRow_) {
        dropRow_ = row;
        viewport()->update();
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void DrawingList::dragLeaveEvent(QDragLeaveEvent* event) {
    dropRow_ = -1;
    viewport()->update();
    event->accept();
}

void DrawingList::dropEvent(QDropEvent* event) {
    dropRow_ = -1;
    viewport()->update();
    if (event->source() != this) {
        const QStringList files = droppedFiles(event->mimeData());
        if (files.isEmpty())
            return event->ignore();
        event->acceptProposedAction();
        // After the drop has ended: the drag's source waits for its answer.
        QTimer::singleShot(0, this, [this, files] { emit filesDropped(files); });
        return;
    }
    // The list is built again from the disk after the move: nothing moves here.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const int fromRow = currentRow();
    if (const auto to = placeFor(fromRow, insertRowAt(event->position().toPoint())))
        QTimer::singleShot(0, this, [this, from = contents_.drawings[fromRow].number, to] {
            emit moveRequested(from, *to);
        });
}

void DrawingList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (count() == 0) { // what to do, where the drawings would be
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(24, 24, -24, -24),
                         Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
        return;
    }
    if (dropRow_ < 0 || count() == 0)
        return;
    // A bar where the dragged drawing would go.
    const bool after = dropRow_ >= count();
    const QRect rect = visualItemRect(item(after ? count() - 1 : dropRow_));
    const int x = after ? rect.center().x() + gridSize().width() / 2
                        : rect.center().x() - gridSize().width() / 2;
    QPainter painter(viewport());
    painter.fillRect(QRect(x - 2, rect.top(), 4, rect.height()), palette().highlight());
}

} // namespace tamiro::teacher
