// The preview dialog: its controls feed the preview's maker, whose drawings
// it shows as they come.

#include "teacher/preview_dialog.h"

#include "platform/core/errors.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

namespace tamiro::teacher {

using maker::Kind;

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::Outlined:
        return PreviewDialog::tr("con contorno");
    case Kind::Flat:
        return PreviewDialog::tr("sin contorno");
    case Kind::Page:
        return PreviewDialog::tr("página para colorear");
    case Kind::Photo:
        return PreviewDialog::tr("foto");
    case Kind::Automatic:
        break;
    }
    return PreviewDialog::tr("automático");
}

QString pictureFilter() {
    return PreviewDialog::tr("Imágenes (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)");
}

namespace {

// A picture at its own size, with a caption above it, in the middle of the
// height it is given.
QLabel* pictureColumn(QBoxLayout* row, const QString& caption) {
    auto* column = new QVBoxLayout;
    column->addStretch(1);
    auto* title = new QLabel(caption);
    title->setWordWrap(true);
    column->addWidget(title);
    auto* picture = new QLabel;
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setAccessibleName(caption);
    column->addWidget(picture);
    column->addStretch(1);
    row->addLayout(column);
    return picture;
}

QSlider* slider(int least, int most, int value, const QString& name) {
    auto* control = new QSlider(Qt::Horizontal);
    control->setRange(least, most);
    control->setValue(value);
    control->setPageStep(1);
    control->setTickPosition(QSlider::TicksBelow);
    control->setAccessibleName(name);
    control->setMinimumWidth(160);
    return control;
}

} // namespace

PreviewDialog::PreviewDialog(const QString& picture, int folder, Placing placing, QWidget* parent)
    : QDialog(parent), placing_(std::move(placing)), picture_(picture) {
    setWindowTitle(tr("Añadir «%1»").arg(QFileInfo(picture).fileName()));
    auto* layout = new QVBoxLayout(this);

    // Both pictures at the child's size, scrolled when the screen is small.
    auto* pictures = new QWidget;
    auto* row = new QHBoxLayout(pictures);
    coloured_ = pictureColumn(row, tr("Coloreado: lo que descubre el niño al pintar"));
    uncoloured_ = pictureColumn(row, tr("Sin colorear: lo que ve al empezar"));
    row->addStretch();
    scroll_ = new QScrollArea;
    scroll_->setWidget(pictures);
    scroll_->setWidgetResizable(true);
    scroll_->setAccessibleName(tr("Vista previa del dibujo"));
    layout->addWidget(scroll_, 1);
    // Right under the pictures: as the warnings come and go, the pictures'
    // room changes, and the controls below stay where the mouse is.
    warnings_ = new QLabel;
    warnings_->setWordWrap(true);
    warnings_->setStyleSheet(QStringLiteral("color: #8a4b00"));
    warnings_->setTextFormat(Qt::PlainText);
    layout->addWidget(warnings_);
    state_ = new QLabel(tr("Preparando el dibujo…"));
    whole_ = new QCheckBox(tr("Ver los dos &enteros, más pequeños"));
    auto* stateRow = new QHBoxLayout;
    stateRow->addWidget(state_, 1);
    stateRow->addWidget(whole_);
    layout->addLayout(stateRow);

    // The kind of picture, with the one the automatic choice found.
    auto* kindBox = new QWidget;
    kindBox->setAccessibleName(tr("Tipo de imagen"));
    auto* kindRow = new QHBoxLayout(kindBox);
    kindRow->setContentsMargins(0, 0, 0, 0);
    kindRow->addWidget(new QLabel(tr("Tipo de imagen:")));
    kinds_ = new QButtonGroup(this);
    for (const Kind kind : {Kind::Automatic, Kind::Outlined, Kind::Flat, Kind::Page, Kind::Photo}) {
        QString text = kindName(kind);
        auto* button = new QRadioButton(text.replace(0, 1, text[0].toUpper()));
        kinds_->addButton(button, static_cast<int>(kind));
        kindRow->addWidget(button);
    }
    kindRow->addStretch();
    automatic_ = kinds_->button(static_cast<int>(Kind::Automatic));
    automatic_->setChecked(true);
    layout->addWidget(kindBox);

    auto* controls = new QGridLayout;
    maker::Settings defaults;
    lineWidth_ = slider(maker::Settings::kThinnest, maker::Settings::kThickest, defaults.lineWidth,
                        tr("Grosor de las líneas"));
    detail_ = slider(maker::Settings::kLeastDetail, maker::Settings::kMostDetail, defaults.detail,
                     tr("Detalle"));
    lineValue_ = new QLabel(QString::number(defaults.lineWidth));
    detailValue_ = new QLabel(QString::number(defaults.detail));
    auto* lineLabel = new QLabel(tr("Grosor de las &líneas:"));
    lineLabel->setBuddy(lineWidth_);
    auto* detailLabel = new QLabel(tr("&Detalle:"));
    detailLabel->setBuddy(detail_);
    controls->addWidget(lineLabel, 0, 0);
    controls->addWidget(lineWidth_, 0, 1);
    controls->addWidget(lineValue_, 0, 2);
    controls->addWidget(detailLabel, 0, 3);
    controls->addWidget(detail_, 0, 4);
    controls->addWidget(detailValue_, 0, 5);
    controls->setColumnStretch(1, 1);
    controls->setColumnStretch(4, 1);
    controls->setColumnMinimumWidth(2, 24);

    // The colouring page of a coloured picture, when the teacher has both.
    pageButton_ = new QPushButton(tr("&Página para colorear..."));
    pageButton_->setAccessibleDescription(
        tr("Elegir la página para colorear que va con esta imagen coloreada"));
    dropPageButton_ = new QPushButton(tr("&Sin página"));
    dropPageButton_->setAccessibleDescription(tr("Hacer las líneas con la imagen sola"));
    page_ = new QLabel;
    page_->setWordWrap(true);
    controls->addWidget(pageButton_, 1, 0);
    controls->addWidget(page_, 1, 1, 1, 4);
    controls->addWidget(dropPageButton_, 1, 5);
    layout->addLayout(controls);

    auto* foot = new QHBoxLayout;
    auto* folderLabel = new QLabel(tr("&Carpeta:"));
    folders_ = new QComboBox;
    for (int f = 1; f <= 10; ++f)
        folders_->addItem(tr("Carpeta %1").arg(f), f);
    folders_->setCurrentIndex(std::clamp(folder, 1, 10) - 1);
    folderLabel->setBuddy(folders_);
    numberProblem_ = new QLabel;
    numberProblem_->setWordWrap(true);
    numberProblem_->setStyleSheet(QStringLiteral("color: #b40000"));
    auto* buttons = new QDialogButtonBox;
    save_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancelar"), QDialogButtonBox::RejectRole);
    foot->addWidget(folderLabel);
    foot->addWidget(folders_);
    foot->addWidget(numberProblem_, 1);
    foot->addWidget(buttons);
    layout->addLayout(foot);

    connect(kinds_, &QButtonGroup::idClicked, this, &PreviewDialog::settingsChanged);
    connect(lineWidth_, &QSlider::valueChanged, this, &PreviewDialog::settingsChanged);
    connect(detail_, &QSlider::valueChanged, this, &PreviewDialog::settingsChanged);
    connect(whole_, &QCheckBox::toggled, this, &PreviewDialog::showPictures);
    connect(pageButton_, &QPushButton::clicked, this, &PreviewDialog::choosePage);
    connect(dropPageButton_, &QPushButton::clicked, this, &PreviewDialog::dropPage);
    connect(folders_, &QComboBox::currentIndexChanged, this, &PreviewDialog::refreshNumber);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreviewDialog::saveDrawing);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&maker_, &PreviewMaker::made, this, &PreviewDialog::showDrawing);
    connect(&maker_, &PreviewMaker::failed, this, &PreviewDialog::pictureRefused);

    refreshNumber();
    showDrawing();
    maker_.load(picture);
    settingsChanged();

    // Both pictures whole when the screen has room, else as much as fits.
    const QSize area = maker::drawingArea();
    const QRect screen =
        (parent ? parent->screen() : QApplication::primaryScreen())->availableGeometry();
    resize(std::min(2 * area.width() + 80, screen.width() - 16),
           std::min(area.height() + 330, screen.height() - 40));
}

int PreviewDialog::folder() const {
    return folders_->currentData().toInt();
}

void PreviewDialog::refreshNumber() {
    try {
        const std::int16_t number = placing_.nextNumber(folder());
        save_->setText(
            //: %1 is the number the new drawing takes, %2 the folder.
            tr("&Guardar como dibujo n.º %1 de la carpeta %2").arg(number).arg(folder()));
        numberProblem_->clear();
        save_->setEnabled(maker_.isLoaded());
    } catch (const PlatformError& error) {
        save_->setText(tr("&Guardar en la carpeta %1").arg(folder()));
        save_->setEnabled(false);
        numberProblem_->setText(error.description());
    }
    save_->setAccessibleName(save_->text().remove(u'&'));
}

void PreviewDialog::settingsChanged() {
    maker::Settings settings;
    settings.kind = static_cast<Kind>(kinds_->checkedId());
    settings.lineWidth = lineWidth_->value();
    settings.detail = detail_->value();
    lineValue_->setText(QString::number(settings.lineWidth));
    detailValue_->setText(QString::number(settings.detail));
    maker_.setSettings(settings);
}

void PreviewDialog::showDrawing() {
    const bool ready = maker_.isLoaded();
    const bool withPage = !maker_.pageFile().isEmpty();
    for (QAbstractButton* button : kinds_->buttons())
        button->setEnabled(ready && !withPage);
    for (QWidget* control : {static_cast<QWidget*>(lineWidth_), static_cast<QWidget*>(detail_),
                             static_cast<QWidget*>(pageButton_)})
        control->setEnabled(ready);
    dropPageButton_->setEnabled(withPage);
    page_->setText(
        withPage
            ? tr("Las líneas salen de la página «%1».").arg(QFileInfo(maker_.pageFile()).fileName())
            : tr("¿Tiene también la página para colorear de esta imagen? "
                 "Elíjala y las líneas saldrán de ella."));
    if (!ready)
        return;
    //: %1 is the kind of picture the maker sees ("con contorno", "foto"...).
    automatic_->setText(tr("Automático: %1").arg(kindName(maker_.detectedKind())));
    const maker::Drawing& drawing = maker_.drawing();
    showPictures();
    //: %1 is the kind of drawing ("con contorno", "foto"...), %2 × %3 its size, %n how many
    //: parts the child may colour.
    state_->setText(
        tr("Tipo: %1. %2 × %3 píxeles, %n zona(s) para colorear.", nullptr, drawing.regions)
            .arg(kindName(drawing.kind))
            .arg(drawing.coloured.width())
            .arg(drawing.coloured.height()));
    warnings_->setText(drawing.warnings.join(u'\n'));
    warnings_->setVisible(!drawing.warnings.isEmpty());
    if (!numberProblem_->text().isEmpty())
        return;
    save_->setEnabled(true);
}

void PreviewDialog::showPictures() {
    if (!maker_.isLoaded())
        return;
    const maker::Drawing& drawing = maker_.drawing();
    QSize room = drawing.coloured.size();
    if (whole_->isChecked()) // both side by side in the scrolled area's room
        room = QSize(scroll_->viewport()->width() / 2 - 24,
                     scroll_->viewport()->height() - 3 * fontMetrics().lineSpacing());
    const auto fitted = [&](const QImage& image) {
        return QPixmap::fromImage(
            image.size() == room || !whole_->isChecked()
                ? image
                : image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    };
    coloured_->setPixmap(fitted(drawing.coloured));
    uncoloured_->setPixmap(fitted(drawing.uncoloured));
}

void PreviewDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (whole_->isChecked())
        showPictures();
}

void PreviewDialog::choosePage() {
    const QString page = QFileDialog::getOpenFileName(
        this, tr("Página para colorear de «%1»").arg(QFileInfo(picture_).fileName()),
        QFileInfo(picture_).path(), pictureFilter(), nullptr, QFileDialog::DontUseNativeDialog);
    if (page.isEmpty())
        return;
    state_->setText(tr("Preparando el dibujo…"));
    maker_.load(picture_, page);
    showDrawing();
}

void PreviewDialog::dropPage() {
    maker_.load(picture_);
    showDrawing();
}

void PreviewDialog::pictureRefused(const QString& message) {
    if (maker_.isLoaded()) { // the page was refused; the picture stays
        QMessageBox::warning(this, tr("No se puede usar esta página"), message);
        showDrawing();
        return;
    }
    QMessageBox::warning(this, tr("No se puede usar esta imagen"), message);
    reject();
}

void PreviewDialog::saveDrawing() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const maker::EncodedPair pair = maker::encodeDrawing(maker_.finish());
        const std::int16_t number = placing_.add(folder(), pair);
        QApplication::restoreOverrideCursor();
        emit saved(folder(), number);
        accept();
    } catch (const PlatformError& error) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, tr("No se ha guardado el dibujo"), error.description());
        refreshNumber();
    }
}

} // namespace tamiro::teacher
