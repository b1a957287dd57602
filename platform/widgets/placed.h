#pragma once

#include "platform/core/twips.h"

namespace tamiro {

// A control whose place and size are kept in twips exactly as set and read
// back unchanged; the widget itself stands on the nearest whole pixels.
template <class Widget> class Placed : public Widget {
public:
    using Widget::Widget;

    float leftTwips() const { return left_; }
    float topTwips() const { return top_; }
    float widthTwips() const { return width_; }
    float heightTwips() const { return height_; }
    void setLeftTwips(float value) { left_ = value, place(); }
    void setTopTwips(float value) { top_ = value, place(); }
    void setWidthTwips(float value) { width_ = value, place(); }
    void setHeightTwips(float value) { height_ = value, place(); }
    void setPlaceTwips(float left, float top, float width, float height) {
        left_ = left, top_ = top, width_ = width, height_ = height;
        place();
    }

protected:
    virtual void place() { this->setGeometry(twipsToPixels(left_, top_, width_, height_)); }

private:
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

} // namespace tamiro
