// The teacher's window: its layout, the checker asked again after every
// change, and the changes themselves through the rules' drawing changes.

#include "teacher/drawings_window.h"

#include "platform/core/logging.h"
#include "platform/formats/content_file.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/posix_content_writer.h"
#include "platform/system/qt_picture_loader.h"
#include "platform/system/write_failure.h"
#include "rules/drawing_changes.h"
#include "teacher/drawing_list.h"
#include "teacher/folder_list.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cerrno>
#include <unistd.h>

namespace tamiro::teacher {

namespace {

QLabel* wrappedLabel() {
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QColor severityColour(Finding::Severity severity) {
    static const QColor colours[] = {{30, 100, 30}, {150, 80, 0}, {180, 0, 0}};
    return colours[static_cast<int>(severity)];
}

Finding::Severity worstOf(const Review& review, int f) {
    Finding::Severity worst = Finding::Severity::Note;
    for (const Finding& finding : review.findings)
        if (aboutDrawingFolder(finding, f))
            worst = std::max(worst, finding.severity);
    return worst;
}

// Why nothing can be written in the drawings' folder, in the words a failed
// change would use; empty when something can.
QString whyReadOnly(const QString& contentFolder) {
    QString drawings = contentFolder + QStringLiteral("/dibujos");
    if (::access(encodePath(drawings).constData(), F_OK) != 0)
        drawings = contentFolder; // the first drawing makes it
    if (::access(encodePath(drawings).constData(), W_OK) == 0)
        return {};
    return writeFailure(errno, drawings).description();
}

} // namespace

DrawingsWindow::DrawingsWindow(const QString& contentFolder, QWidget* parent)
    : QWidget(parent), contentFolder_(contentFolder),
      files_(std::make_unique<DiskFileSystem>(contentFolder)),
      pictures_(std::make_unique<QtPictureLoader>(*files_)),
      writer_(std::make_unique<PosixContentWriter>()) {
    setWindowTitle(tr("Dibujos de Tamiro"));
    setWindowIcon(QIcon(pictures_->builtIn(QStringLiteral("I1.ico")).pixmap()));
    setAcceptDrops(true);
    readOnly_ = whyReadOnly(contentFolder_);

    add_ = new QPushButton(tr("&Añadir dibujo..."));
    add_->setToolTip(tr("Elegir una imagen y hacer con ella un dibujo nuevo. También puede "
                        "arrastrar imágenes a esta ventana o a una carpeta."));
    remove_ = new QPushButton(tr("&Quitar"));
    remove_->setToolTip(tr("Mandar el dibujo elegido a la papelera (tecla Supr)"));
    earlier_ = new QPushButton(tr("◀ A&ntes"));
    earlier_->setAccessibleName(tr("Mover el dibujo un puesto antes"));
    earlier_->setToolTip(earlier_->accessibleName() + tr(" (Ctrl+Izquierda)"));
    later_ = new QPushButton(tr("Des&pués ▶"));
    later_->setAccessibleName(tr("Mover el dibujo un puesto después"));
    later_->setToolTip(later_->accessibleName() + tr(" (Ctrl+Derecha)"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* button : {add_, remove_, earlier_, later_})
        bar->addWidget(button);
    bar->addStretch();

    notice_ = wrappedLabel();
    notice_->setStyleSheet(
        QStringLiteral("background: #fff3c4; border: 1px solid #d8b200; padding: 6px"));
    notice_->setText(
        tr("Aquí no se pueden añadir, mover ni quitar dibujos: %1%2")
            .arg(readOnly_, readOnly_.endsWith(u'.') ? QString() : QStringLiteral(".")));
    notice_->setVisible(!readOnly_.isEmpty());

    folders_ = new FolderList(*pictures_);
    folders_->setFixedWidth(folders_->sizeHintForColumn(0) + 24);
    drawings_ = new DrawingList;
    selection_ = wrappedLabel();
    neverMetTitle_ = new QLabel;
    neverMet_ = new QListWidget;
    neverMet_->setWordWrap(true);
    neverMet_->setIconSize(QSize(2 * kThumbnailPixels / 2 + 4, kThumbnailPixels / 2));
    neverMet_->setAccessibleName(tr("Archivos que el niño no verá nunca"));
    neverMet_->setSelectionMode(QAbstractItemView::NoSelection);

    auto* below = new QWidget;
    auto* belowLayout = new QVBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    auto* selectionScroll = new QScrollArea;
    selectionScroll->setWidget(selection_);
    selectionScroll->setWidgetResizable(true);
    selectionScroll->setFrameShape(QFrame::NoFrame);
    selectionScroll->setMinimumHeight(3 * fontMetrics().lineSpacing());
    belowLayout->addWidget(selectionScroll, 1);
    belowLayout->addWidget(neverMetTitle_);
    belowLayout->addWidget(neverMet_, 2);
    heading_ = new QLabel;
    heading_->setBuddy(drawings_);
    auto* above = new QWidget;
    auto* aboveLayout = new QVBoxLayout(above);
    aboveLayout->setContentsMargins(0, 0, 0, 0);
    aboveLayout->addWidget(heading_);
    aboveLayout->addWidget(drawings_, 1);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(above);
    split->addWidget(below);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setSizes({320, 240}); // a row or two of thumbnails, and room for what is said
    split->setChildrenCollapsible(false);

    auto* middle = new QHBoxLayout;
    middle->addWidget(folders_);
    middle->addWidget(split, 1);

    action_ = wrappedLabel();
    action_->hide(); // until there is something done to tell
    summary_ = wrappedLabel();
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    verdict_ = wrappedLabel();
    auto* foot = new QFrame;
    foot->setFrameShape(QFrame::StyledPanel);
    auto* footLayout = new QVBoxLayout(foot);
    footLayout->addWidget(action_);
    footLayout->addWidget(summary_);
    footLayout->addWidget(verdict_);
    foot->setAccessibleName(tr("Lo que dice la revisión"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(notice_);
    layout->addLayout(middle, 1);
    layout->addWidget(foot);

    connect(add_, &QPushButton::clicked, this, &DrawingsWindow::chooseFiles);
    connect(remove_, &QPushButton::clicked, this, &DrawingsWindow::removeSelected);
    connect(earlier_, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(later_, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(folders_, &QListWidget::currentRowChanged, this, &DrawingsWindow::showFolder);
    connect(folders_, &FolderList::filesDropped, this, &DrawingsWindow::addPictures);
    connect(drawings_, &DrawingList::filesDropped, this,
            [this](const QStringList& files) { addPictures(files, folder()); });
    connect(drawings_, &DrawingList::moveRequested, this, &DrawingsWindow::moveDrawing);
    connect(drawings_, &QListWidget::itemSelectionChanged, this, &DrawingsWindow::showSelection);
    const auto shortcut = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, drawings_, nullptr, nullptr, Qt::WidgetShortcut),
                &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence::Delete, [this] { removeSelected(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Left), [this] { moveSelected(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { moveSelected(1); });

    drawings_->setChangesAllowed(readOnly_.isEmpty());
    add_->setEnabled(readOnly_.isEmpty());
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(1000, screen.width()), std::min(720, screen.height() - 40));
    review();
    drawings_->setFocus();
}

DrawingsWindow::~DrawingsWindow() = default;

int DrawingsWindow::folder() const {
    return folders_->folder();
}

void DrawingsWindow::chooseFolder(int f) {
    folders_->setFolder(f);
}

QString DrawingsWindow::verdict() const {
    return summary_->text() + u'\n' + verdict_->text();
}

Placing DrawingsWindow::placing() {
    return {[this](int f) { return DrawingChanges(*files_, *writer_).nextNumber(f); },
            [this](int f, const maker::EncodedPair& pair) {
                return DrawingChanges(*files_, *writer_)
                    .add(f, {pair.coloured, pair.uncoloured, pair.colouredExtension()});
            }};
}

void DrawingsWindow::review() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A file system and a loader of its own each time: nothing of what was
    // read before the change is taken for what is there now.
    files_ = std::make_unique<DiskFileSystem>(contentFolder_);
    pictures_ = std::make_unique<QtPictureLoader>(*files_);
    review_ = reviewContent(*files_, *pictures_);
    for (int f = 1; f <= 10; ++f)
        folders_->setVerdict(f, folderSummary(review_, f),
                             worstOf(review_, f) == Finding::Severity::Fails);
    showFolder();
    QApplication::restoreOverrideCursor();
    emit reviewed();
}

void DrawingsWindow::showFolder() {
    const int f = folder();
    contents_ = folderContents(review_, f, *files_, *pictures_);
    drawings_->showFolder(contents_);
    drawings_->setEmptyText(
        readOnly_.isEmpty()
            ? tr("La carpeta %1 no tiene dibujos que el niño vea. Añada uno con «Añadir "
                 "dibujo...» o arrastrando una imagen aquí.")
                  .arg(f)
            : tr("La carpeta %1 no tiene dibujos que el niño vea.").arg(f));
    heading_->setText(
        readOnly_.isEmpty()
            ? tr("Carpeta %1: sus dibujos en el orden en que los encuentra el "
                 "niño. Para cambiar el orden, arrastre uno a otro sitio.")
                  .arg(f)
            : tr("Carpeta %1: sus dibujos en el orden en que los encuentra el niño.").arg(f));
    neverMet_->clear();
    for (const Finding& finding : contents_.neverMet) {
        auto* item = new QListWidgetItem(findingLines({finding}), neverMet_);
        item->setForeground(severityColour(finding.severity));
        if (!finding.pictures.isEmpty() && !finding.pictures[0].isNull())
            item->setIcon(QIcon(QPixmap::fromImage(finding.pictures[0])));
    }
    neverMetTitle_->setText(tr("Archivos de la carpeta %1 que el niño no verá nunca:").arg(f));
    neverMetTitle_->setVisible(!contents_.neverMet.isEmpty());
    neverMet_->setVisible(!contents_.neverMet.isEmpty());
    const Finding::Severity worst = worstOf(review_, f);
    summary_->setText(contents_.summary);
    summary_->setStyleSheet(QStringLiteral("color: %1").arg(severityColour(worst).name()));
    verdict_->setText(findingLines(contents_.aboutFolder));
    qCDebug(lcTeacher, "carpeta %d: %s %s", f, qUtf8Printable(contents_.summary),
            qUtf8Printable(verdict_->text().replace(u'\n', QStringLiteral(" / "))));
    showSelection();
}

void DrawingsWindow::showSelection() {
    const MetDrawing* drawing = drawings_->selectedDrawing();
    const bool changes = readOnly_.isEmpty() && drawing && drawing->movable;
    remove_->setEnabled(changes);
    earlier_->setEnabled(changes && drawing->number > 1);
    later_->setEnabled(changes && drawing->number < contents_.last);
    if (!drawing) {
        selection_->setStyleSheet(QString());
        selection_->setText(contents_.drawings.isEmpty()
                                ? QString()
                                : tr("Elija un dibujo para ver lo que dice de él la revisión."));
        return;
    }
    QString files = drawing->uncoloured.isEmpty()
                        ? tr("«%1», sin versión sin colorear").arg(drawing->coloured)
                        : tr("«%1» y «%2»").arg(drawing->coloured, drawing->uncoloured);
    const Finding::Severity worst =
        drawing->message.isEmpty() ? drawing->worst() : Finding::Severity::Fails;
    selection_->setStyleSheet(worst == Finding::Severity::Note
                                  ? QString()
                                  : QStringLiteral("color: %1").arg(severityColour(worst).name()));
    QString text = tr("Dibujo %1 (%2): ").arg(drawing->number).arg(files);
    if (!drawing->findings.isEmpty())
        text += u'\n' + findingLines(drawing->findings);
    else if (!drawing->message.isEmpty())
        text += tr("el niño verá «%1».").arg(drawing->message);
    else
        text += tr("sin problemas.");
    selection_->setText(text);
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
    waiting_ << files;
    waitingFolder_ = f;
    if (idle)
        previewNext();
}

void DrawingsWindow::previewNext() {
    if (waiting_.isEmpty())
        return;
    auto* preview = new PreviewDialog(waiting_.first(), waitingFolder_, placing(), this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    ++previewed_;
    if (waiting_.size() > 1 || previewed_ > 1) // "Añadir «gato.png» (2 de 3)"
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
    // The change takes a moment per drawing between the two places.
    action_->setText(tr("Moviendo el dibujo %1 al puesto %2… Si un niño pasa de dibujo en esta "
                        "carpeta justo ahora, puede ver un momento los colores de un dibujo con "
                        "las líneas de otro, hasta que pase al siguiente.")
                         .arg(from)
                         .arg(to));
    action_->show();
    action_->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
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
    QApplication::setOverrideCursor(Qt::WaitCursor);
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
