#pragma once

#include "platform/core/picture.h"
#include "platform/widgets/placed.h"

#include <QAbstractButton>
#include <QColor>
#include <cstdint>
#include <functional>
#include <vector>

namespace tamiro {

// A push button that shows a picture, centred, on a plain colour; no text.
class GraphicalButton : public Placed<QAbstractButton> {
    Q_OBJECT
public:
    explicit GraphicalButton(QWidget* parent);

    void setBackColor(const QColor& colour);
    QColor backColor() const;
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void tellIfOpaque();

    QColor backColor_; // invalid: the system's button face
    Picture picture_;
};

// Several buttons under one name, told apart by a 16-bit index; one click
// handler serves them all and receives the index.
class ButtonGroup {
public:
    ButtonGroup(QWidget* parent, std::int16_t count,
                const std::function<void(std::int16_t)>& onClick);
    GraphicalButton& operator()(std::int16_t index) const { return *buttons_.at(size_t(index)); }
    std::int16_t count() const { return std::int16_t(buttons_.size()); }

private:
    std::vector<GraphicalButton*> buttons_;
};

} // namespace tamiro
