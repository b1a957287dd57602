#pragma once

#include "platform/core/picture.h"
#include "platform/widgets/placed.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

namespace tamiro {

class ImageControl;

// Mouse buttons and modifier keys as the handlers receive them.
enum MouseButtonFlag : std::int16_t { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftFlag : std::int16_t { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };
using MouseMoveHandler =
    std::function<void(std::int16_t button, std::int16_t shift, float x, float y)>;

// Pointer modes of a picture box.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kCustomPointer = 99;

// A picture box that takes the size of its picture and keeps nothing drawn on
// it. It holds two images: its own picture, and the surface the user sees.
// Drawing a picture onto the box paints the surface; repainting a rectangle
// (clearing, a new picture, an image control inside it shown or hidden)
// paints that rectangle of the surface from the background colour and the own
// picture again. Painting the widget only copies the surface.
class PictureBox : public Placed<QWidget> {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);
    ~PictureBox() override;

    void setBackColor(const QColor& colour) { backColor_ = colour; }
    QColor backColor() const { return backColor_; }
    void setVisible(bool visible) override;
    void setSunkenBorder(bool sunken);
    void setFillColor(const QColor& colour) { fillColor_ = colour; }
    QColor fillColor() const { return fillColor_; }
    // The inside's own scale starts at its corner.
    float scaleLeftTwips() const { return 0.0f; }
    float scaleTopTwips() const { return 0.0f; }

    // Giving the box a picture sizes it to the picture (plus the border) and
    // repaints it at once.
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

    // Clears what was drawn: the whole surface shows the own picture again.
    void clearDrawing();
    // Draws the source rectangle of a picture stretched over the destination
    // rectangle of the surface; all measures in twips.
    void paintPictureTwips(const Picture& picture, float x1, float y1, float width1, float height1,
                           float x2, float y2, float width2, float height2);

    void setMouseIcon(const Picture& icon);
    const Picture& mouseIcon() const { return mouseIcon_; }
    void setMousePointer(int mode);
    int mousePointer() const { return mousePointer_; }

    void setMouseMoveHandler(MouseMoveHandler handler) { onMouseMove_ = std::move(handler); }

    // The windowless image control inside this box.
    ImageControl& addImageControl();

    // What the user sees of the box's inside, pixel for pixel.
    const QImage& surface() const { return surface_; }
    // Paints a rectangle (in pixels of the inside) from the own picture.
    void repaintRect(const QRect& pixels);
    // Part of the window was uncovered: the part of the box in it is painted
    // from the own picture.
    void uncovered(WId window, const QRect& devicePixels);

protected:
    void place() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int border() const { return sunken_ ? 2 : 0; }
    class UncoverWatch;

    QColor backColor_ = Qt::white;
    QColor fillColor_ = Qt::black;
    bool sunken_ = false;
    Picture picture_;
    Picture mouseIcon_;
    int mousePointer_ = kDefaultPointer;
    QImage surface_;
    std::unique_ptr<ImageControl> image_;
    MouseMoveHandler onMouseMove_;
    std::unique_ptr<UncoverWatch> uncoverWatch_;
};

// A picture control without a window of its own, inside a picture box. It
// takes the size of its picture; showing or hiding it repaints the rectangle
// it covers in the box. Measures are twips in the box's scale.
class ImageControl {
public:
    explicit ImageControl(PictureBox& container) : container_(container) {}

    float leftTwips() const { return left_; }
    float topTwips() const { return top_; }
    float widthTwips() const { return width_; }
    float heightTwips() const { return height_; }
    void setLeftTwips(float value) { moveTwips(value, top_); }
    void setTopTwips(float value) { moveTwips(left_, value); }
    void moveTwips(float left, float top);
    // The size it has until it is given a picture.
    void setDesignSizeTwips(float width, float height) {
        width_ = width;
        height_ = height;
    }
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    void setMouseMoveHandler(MouseMoveHandler handler) { onMouseMove_ = std::move(handler); }

    QRect pixelRect() const { return twipsToPixels(left_, top_, width_, height_); }
    bool contains(float x, float y) const {
        return visible_ && x >= left_ && y >= top_ && x < left_ + width_ && y < top_ + height_;
    }
    void mouseMoved(std::int16_t button, std::int16_t shift, float x, float y) const {
        if (onMouseMove_)
            onMouseMove_(button, shift, x, y);
    }

private:
    PictureBox& container_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = false;
    Picture picture_;
    MouseMoveHandler onMouseMove_;
};

} // namespace tamiro
