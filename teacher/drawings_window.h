#pragma once

// "Dibujos de Tamiro", the teacher's window: the ten folders down the side,
// the chosen folder's drawings as the child meets them with what the checker
// says about each, the files the child never meets, and the checker's verdict
// for the folder at the foot, asked again after every change. New drawings
// come from the file chooser or from files dropped on the window; thumbnails
// dragged to another place move their drawing; "Quitar" sends one to the
// trash. Its changes are in window_changes.cpp.

#include "checker/revision.h"
#include "teacher/folder_contents.h"
#include "teacher/preview_dialog.h"

#include <QStringList>
#include <QWidget>
#include <memory>
#include <utility>

class QLabel;
class QListWidget;
class QPushButton;

namespace tamiro {
class ContentWriter;
class DiskFileSystem;
class QtPictureLoader;
} // namespace tamiro

namespace tamiro::teacher {

class DrawingList;
class FolderList;

class DrawingsWindow : public QWidget {
    Q_OBJECT

public:
    explicit DrawingsWindow(const QString& contentFolder, QWidget* parent = nullptr);
    ~DrawingsWindow() override;

    int folder() const;
    void chooseFolder(int f);
    const FolderContents& contents() const { return contents_; }
    // The verdict at the foot, as the teacher reads it.
    QString verdict() const;
    // Why drawings cannot be changed here; empty when they can.
    const QString& readOnlyReason() const { return readOnly_; }
    // Opens the preview of each picture in turn, to be saved in folder f.
    void addPictures(const QStringList& files, int f);
    // Where new drawings go and how; the window's own by default.
    Placing placing();

signals:
    // The checker has looked at the content again and the folder is shown.
    void reviewed();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void review();
    void showFolder();
    void showSelection();
    void chooseFiles();
    void previewNext();
    void moveDrawing(std::int16_t from, std::int16_t to);
    void moveSelected(int step);
    void removeSelected();
    // Says what is being changed, and what a child may meet meanwhile.
    void working(const QString& what);
    void done(const QString& what);
    void failed(const QString& title, const QString& description);

    QString contentFolder_;
    QString readOnly_;
    std::unique_ptr<DiskFileSystem> files_;
    std::unique_ptr<QtPictureLoader> pictures_;
    std::unique_ptr<ContentWriter> writer_;
    Review review_;
    FolderContents contents_;
    QList<std::pair<QString, int>> waiting_; // pictures whose preview comes next, and their folder
    int previewed_ = 0; // of the pictures queued since the queue was last empty
    QString lastAction_;

    FolderList* folders_;
    DrawingList* drawings_;
    QListWidget* neverMet_;
    QLabel *heading_, *neverMetTitle_, *selection_, *notice_, *action_, *summary_, *verdict_;
    QPushButton *add_, *remove_, *earlier_, *later_;
};

} // namespace tamiro::teacher
