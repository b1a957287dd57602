#pragma once

#include "app/window_state.h"
#include "platform/animation_control.h"
#include "platform/graphical_button.h"
#include "platform/picture_box.h"
#include "platform/services.h"
#include "rules/drawings.h"

#include <QWidget>
#include <cstdint>

class QPainter;
class QRegion;

namespace tamiro {

// The program's only window: its controls, the state its handlers share and
// every handler. The handlers' bodies live with the behaviour they belong to:
// start-up in app/, layout and background in ui/, navigation and its sound and
// animation in browser/, brush, pointer and printing in tools/.
class Form1 : public QWidget, public WindowState {
    Q_OBJECT
public:
    explicit Form1(Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Shows the window over the whole screen, without a title bar.
    void showOnScreen();

    // Controls, in the order of the window definition.
    ButtonGroup Command6;      // 0: next pointer, 1: print
    ButtonGroup Command5;      // folder buttons 0 to 9
    GraphicalButton* Command4; // next drawing
    GraphicalButton* Command3; // previous drawing
    AnimationControl* Tarambel1;
    GraphicalButton* Command1; // next brush size
    GraphicalButton* Command2; // end
    PictureBox* Picture1;      // drawing area
    ImageControl* Image1;      // brush image, inside Picture1
    PictureBox* Picture2;      // hidden holder of the uncoloured drawing
    QColor ForeColor;          // drawing colour of the window

    // Event handlers.
    void Form_Load();
    // Paints the whole window, or only the region being repainted.
    void Form_Paint(QPainter& painter);
    void Form_Paint(QPainter& painter, const QRegion& region);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void command4_Click();
    void Command5_Click(std::int16_t Index);
    void Command6_Click(std::int16_t Index);
    void Picture1_Mousemove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Image1_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);

    // Procedures of the window.
    void ArrangeControls();
    void PlacePictureArea();
    void TileBackground(const QString& path, QPainter& painter, const QRegion& region);

    // Sound and animation that go with every navigation step.
    void ClearAnimation();
    void PlayNavigationSound(const QString& name);
    void ShowNextAnimation();

    // The brush size SizeNumber on Command1 and as the brush image.
    void ShowBrushSize();

signals:
    // The end button was clicked: the program ends now.
    void ended();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Navigation: showing the drawing finally chosen.
    enum class SourceSize { OfPicture1, OfPicture2 };
    void showDrawing(SourceSize source, const QString& sound);
    std::int16_t& currentPictureNumber();

    void reportBackgroundProblem(const QString& description);

    Services services_;
    FileSystem& files_;
    PictureLoader& pictures_;
    Drawings drawings_;

    // Kept by TileBackground once the background has loaded.
    Picture BackgroundPicture;
    std::int32_t BackgroundWidth = 0;
    std::int32_t BackgroundHeight = 0;
    bool backgroundProblemShown_ = false;
};

} // namespace tamiro
