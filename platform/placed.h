#pragma once

#include "platform/twips.h"

namespace tamiro {

// A control whose place and size are kept in twips exactly as set and read
// back unchanged; the widget itself stands on the nearest whole pixels.
template <class Widget> class Placed : public Widget {
public:
    using Widget::Widget;

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float value) { left_ = value, place(); }
    void setTop(float value) { top_ = value, place(); }
    void setWidth(float value) { width_ = value, place(); }
    void setHeight(float value) { height_ = value, place(); }
    void setPlace(float left, float top, float width, float height) {
        left_ = left, top_ = top, width_ = width, height_ = height;
        place();
    }

protected:
    virtual void place() { this->setGeometry(twipsToPixels(left_, top_, width_, height_)); }

private:
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

} // namespace tamiro
