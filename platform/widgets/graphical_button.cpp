#include "platform/widgets/graphical_button.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tamiro {

GraphicalButton::GraphicalButton(QWidget* parent) : Placed<QAbstractButton>(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void GraphicalButton::setBackColor(const QColor& colour) {
    backColor_ = colour;
    tellIfOpaque();
    update();
}

// The face is filled with its colour, so with an opaque colour the button
// paints every pixel of its rectangle, and the window behind it need not be
// painted when the button is. The style clears that for buttons when it
// polishes them, so it is said again afterwards.
void GraphicalButton::tellIfOpaque() {
    setAttribute(Qt::WA_OpaquePaintEvent, backColor().alpha() == 255);
}

bool GraphicalButton::event(QEvent* event) {
    const bool handled = Placed<QAbstractButton>::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::PaletteChange)
        tellIfOpaque();
    return handled;
}

QColor GraphicalButton::backColor() const {
    return backColor_.isValid() ? backColor_ : palette().color(QPalette::Button);
}

void GraphicalButton::setPicture(const Picture& picture) {
    picture_ = picture;
    update();
}

void GraphicalButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, backColor());

    // A raised bevel, sunk while the button is held down.
    const bool down = isDown();
    const QColor light = down ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = down ? QColor(255, 255, 255) : QColor(64, 64, 64);
    painter.setPen(light);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());

    if (!picture_.isNull()) {
        const QPixmap& pixmap = picture_.pixmap();
        QPoint corner((width() - pixmap.width()) / 2, (height() - pixmap.height()) / 2);
        if (down)
            corner += QPoint(1, 1);
        painter.drawPixmap(corner, pixmap);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = face.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

ButtonGroup::ButtonGroup(QWidget* parent, std::int16_t count,
                         const std::function<void(std::int16_t)>& onClick) {
    for (std::int16_t index = 0; index < count; ++index) {
        auto* button = new GraphicalButton(parent);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [onClick, index] { onClick(index); });
        buttons_.push_back(button);
    }
}

} // namespace tamiro
