// The teacher's window: the changes it makes, each through the rules'
// drawing changes and followed by the checker's verdict for the folder: new
// drawings from the chooser or from drops, one preview at a time; moves by
// drag or by key; removals to the trash after a confirmation.

#include "platform/core/errors.h"
#include "platform/core/logging.h"
#include "platform/system/disk_file_system.h"
#include "rules/drawing_changes.h"
#include "teacher/drawing_list.h"
#include "teacher/drawings_window.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace tamiro::teacher {

Placing DrawingsWindow::placing() {
    return {[this](int f) { return DrawingChanges(*files_, *writer_).nextNumber(f); },
            [this](int f, const maker::EncodedPair& pair) {
                return DrawingChanges(*files_, *writer_)
                    .add(f, {pair.coloured, pair.uncoloured, pair.colouredExtension()});
            }};
}

void DrawingsWindow::chooseFiles() {
    static QString lastFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Añadir dibujo a la carpeta %1").arg(folder()), lastFolder, pictureFilter(),
        nullptr, QFileDialog::DontUseNativeDialog);
    if (files.isEmpty())
        return;
    lastFolder = QFileInfo(files.first()).path();
    addPictures(files, folder());
}

void DrawingsWindow::addPictures(const QStringList& files, int f) {
    if (!readOnly_.isEmpty()) {
        failed(tr("No se pueden añadir dibujos"), readOnly_);
        return;
    }
    chooseFolder(f);
    const bool idle = waiting_.isEmpty();
    if (idle)
        previewed_ = 0;
    for (const QString& file : files)
        waiting_.append({file, f});
    if (idle)
        previewNext();
}

void DrawingsWindow::previewNext() {
    if (waiting_.isEmpty())
        return;
    auto* preview =
        new PreviewDialog(waiting_.first().first, waiting_.first().second, placing(), this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    ++previewed_;
    if (waiting_.size() > 1 || previewed_ > 1) // "Añadir «gato.png» (2 de 3)"
        //: The preview's title: %1 says which picture is added, %2 of %3 is its place in the
        //: queue.
        preview->setWindowTitle(tr("%1 (%2 de %3)")
                                    .arg(preview->windowTitle())
                                    .arg(previewed_)
                                    .arg(previewed_ + waiting_.size() - 1));
    connect(preview, &PreviewDialog::saved, this, [this](int f, std::int16_t n) {
        chooseFolder(f);
        review();
        drawings_->selectNumber(n);
        done(tr("Guardado como dibujo %1 de la carpeta %2.").arg(n).arg(f));
    });
    connect(preview, &QDialog::finished, this, [this] {
        waiting_.removeFirst();
        QTimer::singleShot(0, this, &DrawingsWindow::previewNext);
    });
    preview->open();
}

void DrawingsWindow::moveDrawing(std::int16_t from, std::int16_t to) {
    if (!readOnly_.isEmpty() || from == to)
        return;
    const int f = folder();
    working(tr("Moviendo el dibujo %1 al puesto %2…").arg(from).arg(to));
    try {
        DrawingChanges(*files_, *writer_).move(f, from, to);
        QApplication::restoreOverrideCursor();
        qCDebug(lcTeacher, "carpeta %d: el dibujo %d pasa al puesto %d", f, from, to);
        review();
        drawings_->selectNumber(to);
        done(tr("El dibujo %1 es ahora el %2 de la carpeta %3.").arg(from).arg(to).arg(f));
    } catch (const PlatformError& error) {
        QApplication::restoreOverrideCursor();
        review();
        failed(tr("No se ha movido el dibujo"), error.description());
    }
}

void DrawingsWindow::moveSelected(int step) {
    const MetDrawing* drawing = drawings_->selectedDrawing();
    if (!drawing || !drawing->movable)
        return;
    const int to = drawing->number + step;
    if (to >= 1 && to <= contents_.last)
        moveDrawing(drawing->number, static_cast<std::int16_t>(to));
}

void DrawingsWindow::removeSelected() {
    const MetDrawing* drawing = drawings_->selectedDrawing();
    if (!readOnly_.isEmpty() || !drawing || !drawing->movable)
        return;
    const std::int16_t n = drawing->number;
    const int f = folder();
    QMessageBox ask(QMessageBox::Question, tr("Quitar el dibujo"),
                    tr("¿Quitar el dibujo %1 de la carpeta %2?").arg(n).arg(f),
                    QMessageBox::NoButton, this);
    ask.setInformativeText(
        tr("Sus dos archivos irán a la papelera, de donde se pueden recuperar. Los dibujos "
           "que van detrás avanzan un puesto."));
    QPushButton* yes = ask.addButton(tr("Quitar"), QMessageBox::DestructiveRole);
    ask.addButton(tr("Cancelar"), QMessageBox::RejectRole);
    ask.setDefaultButton(yes);
    ask.exec();
    if (ask.clickedButton() != yes)
        return;
    working(tr("Quitando el dibujo %1…").arg(n)); // it goes to the end first
    try {
        DrawingChanges(*files_, *writer_).remove(f, n);
        QApplication::restoreOverrideCursor();
        qCDebug(lcTeacher, "carpeta %d: el dibujo %d va a la papelera", f, n);
        review();
        done(tr("El dibujo %1 de la carpeta %2 está en la papelera.").arg(n).arg(f));
    } catch (const PlatformError& error) {
        QApplication::restoreOverrideCursor();
        review();
        failed(tr("No se ha quitado el dibujo"), error.description());
    }
}

void DrawingsWindow::working(const QString& what) {
    // A move takes a moment per drawing between the two places, and a child
    // stepping through the folder meanwhile may meet one of them half-way.
    action_->setText(what + u' ' +
                     tr("Si un niño pasa de dibujo en esta carpeta justo ahora, puede ver un "
                        "momento los colores de un dibujo con las líneas de otro (en una carpeta "
                        "compartida de la red, volver al dibujo 1 o un aviso de que no se puede "
                        "mostrar); al pasar al siguiente, todo vuelve a estar bien."));
    action_->setStyleSheet(QString());
    action_->show();
    action_->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void DrawingsWindow::done(const QString& what) {
    action_->setText(what);
    action_->setStyleSheet(QString());
    action_->setVisible(true);
}

void DrawingsWindow::failed(const QString& title, const QString& description) {
    action_->setText(description);
    action_->setStyleSheet(QStringLiteral("color: #b40000"));
    action_->setVisible(true);
    QMessageBox::warning(this, title, description);
}

void DrawingsWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFiles(event->mimeData()).isEmpty())
        return event->ignore();
    event->acceptProposedAction();
}

void DrawingsWindow::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return event->ignore();
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, files] { addPictures(files, folder()); });
}

} // namespace tamiro::teacher
