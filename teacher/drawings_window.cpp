// The teacher's window: its layout, and the chosen folder as the checker's
// review, made afresh after every change, sees it.

#include "teacher/drawings_window.h"

#include "platform/core/logging.h"
#include "platform/formats/content_file.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/posix_content_writer.h"
#include "platform/system/qt_picture_loader.h"
#include "platform/system/write_failure.h"
#include "teacher/drawing_list.h"
#include "teacher/folder_list.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSplitter>
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
    earlier_->setToolTip(tr("Mover el dibujo un puesto antes (Ctrl+Izquierda)"));
    later_ = new QPushButton(tr("Des&pués ▶"));
    later_->setAccessibleName(tr("Mover el dibujo un puesto después"));
    later_->setToolTip(tr("Mover el dibujo un puesto después (Ctrl+Derecha)"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* button : {add_, remove_, earlier_, later_})
        bar->addWidget(button);
    bar->addStretch();

    notice_ = wrappedLabel();
    notice_->setStyleSheet(
        QStringLiteral("background: #fff3c4; border: 1px solid #d8b200; padding: 6px"));
    //: %1 is why the folder cannot be written (a sentence of its own, with or without its
    //: final stop).
    notice_->setText(
        readOnly_.endsWith(u'.')
            ? tr("Aquí no se pueden añadir, mover ni quitar dibujos: %1").arg(readOnly_)
            : tr("Aquí no se pueden añadir, mover ni quitar dibujos: %1.").arg(readOnly_));
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
    //: The drawing's files: %1 the coloured one, %2 the uncoloured one.
    const QString files = drawing->uncoloured.isEmpty()
                              ? tr("«%1», sin versión sin colorear").arg(drawing->coloured)
                              : tr("«%1» y «%2»").arg(drawing->coloured, drawing->uncoloured);
    const Finding::Severity worst =
        drawing->message.isEmpty() ? drawing->worst() : Finding::Severity::Fails;
    selection_->setStyleSheet(worst == Finding::Severity::Note
                                  ? QString()
                                  : QStringLiteral("color: %1").arg(severityColour(worst).name()));
    const QString number = QString::number(drawing->number);
    if (!drawing->findings.isEmpty())
        //: The drawing chosen: %1 its number, %2 its files, %3 the checker's lines about it,
        //: one under another.
        return selection_->setText(
            tr("Dibujo %1 (%2): \n%3").arg(number, files, findingLines(drawing->findings)));
    if (!drawing->message.isEmpty())
        //: The drawing chosen: %1 its number, %2 its files, %3 what the child will see instead.
        return selection_->setText(
            tr("Dibujo %1 (%2): el niño verá «%3».").arg(number, files, drawing->message));
    //: The drawing chosen: %1 its number, %2 its files.
    selection_->setText(tr("Dibujo %1 (%2): sin problemas.").arg(number, files));
}

} // namespace tamiro::teacher
