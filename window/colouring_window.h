#pragma once

#include "platform/core/services.h"
#include "platform/widgets/animation_control.h"
#include "platform/widgets/graphical_button.h"
#include "platform/widgets/picture_box.h"
#include "rules/drawings.h"
#include "window/window_state.h"

#include <QWidget>
#include <cstdint>

class QPainter;
class QRegion;

namespace tamiro {

// The one way in to the window's state for the tests and the benchmarks that
// must start from a given number; defined in tests/support.
struct WindowStateAccess;

// The program's only window: its controls, the state its handlers share and
// every handler. The handlers' bodies live in this folder by what they do:
// startup.cpp, layout.cpp, background.cpp, navigation.cpp with feedback.cpp
// (the sound and animation of each step), brush.cpp and
// pointer_and_printing.cpp.
//
// The form's layout names the controls otherwise:
//
//   form name   control                  what it is
//   Command1    brushSizeButton          the next brush size
//   Command2    endButton                ends the program
//   Command3    previousButton           the previous drawing
//   Command4    nextButton               the next drawing
//   Command5    folderButtons            the ten folders, index 0 to 9
//   Command6    pointerAndPrintButtons   kPointerButton and kPrintButton
//   Picture1    drawingArea              the drawing the child colours
//   Picture2    uncolouredHolder         hidden; holds the uncoloured drawing
//   Image1      brushImage               the brush, inside drawingArea
//   Tarambel1   animation                the animation beside the drawing
class ColouringWindow : public QWidget {
    Q_OBJECT
public:
    explicit ColouringWindow(Services services, QWidget* parent = nullptr);
    ~ColouringWindow() override;

    // Shows the window over the whole screen, without a title bar.
    void showOnScreen();
    // Lays the button bar out along the bottom of the screen, whatever its
    // size; start-up does it first.
    void arrangeControls();

    // The state the handlers share.
    const WindowState& state() const { return state_; }

    // Controls, in the order of the form's layout.
    static constexpr std::int16_t kPointerButton = 0, kPrintButton = 1;
    ButtonGroup pointerAndPrintButtons;
    ButtonGroup folderButtons;
    GraphicalButton* nextButton;
    GraphicalButton* previousButton;
    AnimationControl* animation;
    GraphicalButton* brushSizeButton;
    GraphicalButton* endButton;
    PictureBox* drawingArea;
    ImageControl* brushImage;
    PictureBox* uncolouredHolder;

    // Event handlers.
    void start();
    // Paints the whole window, or only the region being repainted.
    void paintBackground(QPainter& painter);
    void paintBackground(QPainter& painter, const QRegion& region);
    void onBrushSizeClicked();
    void onEndClicked();
    void onPreviousClicked();
    void onNextClicked();
    void onFolderClicked(std::int16_t index);
    void onPointerOrPrintClicked(std::int16_t index);
    void onDrawingAreaMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void onBrushImageMouseMove(std::int16_t button, std::int16_t shift, float x, float y);

signals:
    // The end button was clicked: the program ends now.
    void ended();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend struct WindowStateAccess;

    void placeDrawingArea();
    void tileBackground(const QString& path, QPainter& painter, const QRegion& region);
    void reportBackgroundProblem(const QString& message);
    // Shows the child a message, and logs it.
    void tell(const QString& message);

    // Sound and animation that go with every navigation step.
    void clearAnimation();
    void playNavigationSound(const QString& name);
    void showNextAnimation();

    // Navigation: showing the drawing finally chosen.
    enum class SourceSize { OfDrawingArea, OfUncolouredHolder };
    void showDrawing(SourceSize source, const QString& sound);
    std::int16_t& currentPictureNumber();

    // The brush size brushSizeNumber on brushSizeButton and as brushImage.
    void showBrushSize();

    Services services_;
    FileSystem& files_;
    PictureLoader& pictures_;
    Drawings drawings_;
    WindowState state_;
    QColor foreColor_; // drawing colour of the window

    // Kept by tileBackground once the background has loaded.
    Picture backgroundPicture_;
    std::int32_t backgroundWidth_ = 0;
    std::int32_t backgroundHeight_ = 0;
    bool backgroundProblemShown_ = false;
};

} // namespace tamiro
