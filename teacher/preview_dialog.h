#pragma once

// The preview of a new drawing: both pictures side by side at the size the
// child sees them, the kind of picture, the lines' width and the detail, the
// maker's warnings, an optional colouring page of its own, and the button
// that saves it as the next drawing of a folder.

#include "maker/maker.h"
#include "teacher/preview_maker.h"

#include <QDialog>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QScrollArea;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace tamiro::teacher {

// Where a new drawing goes: the number a folder's next drawing gets, and
// putting a drawing there (it returns the number it took). Both throw
// PlatformError with a sentence for the teacher.
struct Placing {
    std::function<std::int16_t(int folder)> nextNumber;
    std::function<std::int16_t(int folder, const maker::EncodedPair& pair)> add;
};

class PreviewDialog : public QDialog {
    Q_OBJECT

public:
    PreviewDialog(const QString& picture, int folder, Placing placing, QWidget* parent = nullptr);

    int folder() const;
    // The save button as it reads now.
    QPushButton* saveButton() const { return save_; }
    PreviewMaker& previewMaker() { return maker_; }

public slots:
    // Asks again for the number the drawing would get (another drawing may
    // have gone in meanwhile).
    void refreshNumber();

signals:
    void saved(int folder, std::int16_t number);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void settingsChanged();
    void showPictures();
    void showDrawing();
    void choosePage();
    void dropPage();
    void saveDrawing();
    void pictureRefused(const QString& message);

    PreviewMaker maker_;
    Placing placing_;
    QString picture_;
    QLabel *coloured_, *uncoloured_, *state_, *warnings_, *page_, *numberProblem_;
    QLabel *lineValue_, *detailValue_;
    QButtonGroup* kinds_;
    QAbstractButton* automatic_;
    QSlider *lineWidth_, *detail_;
    QPushButton *pageButton_, *dropPageButton_, *save_;
    QComboBox* folders_;
    QCheckBox* whole_;
    QScrollArea* scroll_;
};

// The kind's name as the teacher reads it ("con contorno", "foto"...).
QString kindName(maker::Kind kind);
// The file types the maker reads, for a file chooser.
QString pictureFilter();

} // namespace tamiro::teacher
