#include "platform/widgets/picture_box.h"

#include "platform/core/errors.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <xcb/xcb.h>

namespace tamiro {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::PictureProblems)
};

} // namespace

// The parts of the window that the X server says were uncovered. Qt itself
// answers an uncovering by copying its own copy of the window back, which
// would bring back what was drawn on the box; and Qt's own repaints (showing a
// control, grab()) are no uncovering at all. So the box takes the uncovered
// rectangles from the X server's Expose events, before Qt sees them: they
// come only when part of the window really was hidden and shown again (under
// a compositor nothing is ever uncovered, and none come).
class PictureBox::UncoverWatch : public QAbstractNativeEventFilter {
public:
    explicit UncoverWatch(PictureBox& box) : box_(box) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" ||
            (static_cast<xcb_generic_event_t*>(message)->response_type & 0x7f) != XCB_EXPOSE)
            return false;
        const auto* expose = static_cast<xcb_expose_event_t*>(message);
        box_.uncovered(WId(expose->window),
                       QRect(expose->x, expose->y, expose->width, expose->height));
        return false;
    }

private:
    PictureBox& box_;
};

PictureBox::PictureBox(QWidget* parent)
    : Placed<QWidget>(parent), uncoverWatch_(std::make_unique<UncoverWatch>(*this)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::uncovered(WId window, const QRect& devicePixels) {
    if (!isVisible() || window != this->window()->internalWinId())
        return;
    const qreal ratio = devicePixelRatioF();
    const QRectF inWindow(devicePixels.x() / ratio, devicePixels.y() / ratio,
                          devicePixels.width() / ratio, devicePixels.height() / ratio);
    repaintRect(
        inWindow.toAlignedRect().translated(-mapTo(this->window(), QPoint(border(), border()))));
}

PictureBox::~PictureBox() = default;

void PictureBox::setSunkenBorder(bool sunken) {
    sunken_ = sunken;
    place();
}

void PictureBox::place() {
    Placed<QWidget>::place();
    const QSize inside = geometry().size() - QSize(2 * border(), 2 * border());
    const QSize wanted = inside.expandedTo(QSize(0, 0));
    if (surface_.size() == wanted)
        return;
    // A hidden box shows nothing, and a drawing of the largest size costs
    // 16 MB of surface: the box that only holds the uncoloured variant never
    // has one, and the drawing area lets the old one go while a step loads
    // the next drawing. Shown again, the box shows its own picture.
    if (isHidden()) {
        surface_ = QImage();
        return;
    }
    // Keep what is shown; newly uncovered parts show the own picture.
    QImage grown(wanted, QImage::Format_RGB32);
    QImage kept = surface_;
    surface_ = grown;
    repaintRect(surface_.rect());
    if (!kept.isNull()) {
        QPainter painter(&surface_);
        painter.drawImage(0, 0, kept);
    }
    update();
}

void PictureBox::setVisible(bool visible) {
    Placed<QWidget>::setVisible(visible);
    if (visible)
        place();
}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    if (!picture_.isNull())
        setPlaceTwips(leftTwips(), topTwips(), picture_.widthTwips() + pixelsToTwips(2 * border()),
                      picture_.heightTwips() + pixelsToTwips(2 * border()));
    repaintRect(surface_.rect());
}

void PictureBox::clearDrawing() {
    repaintRect(surface_.rect());
}

void PictureBox::repaintRect(const QRect& pixels) {
    const QRect area = pixels.intersected(surface_.rect());
    if (area.isEmpty())
        return;
    QPainter painter(&surface_);
    painter.setClipRect(area);
    painter.fillRect(area, backColor_);
    if (!picture_.isNull())
        painter.drawImage(0, 0, picture_.image());
    if (image_ && image_->isVisible() && !image_->picture().isNull())
        painter.drawImage(image_->pixelRect().topLeft(), image_->picture().image());
    update(area.translated(border(), border()));
}

void PictureBox::paintPictureTwips(const Picture& picture, float x1, float y1, float width1,
                                   float height1, float x2, float y2, float width2, float height2) {
    if (picture.isNull() || surface_.isNull())
        return;
    const auto pixels = [](float twips) { return double(twips) / kTwipsPerPixel; };
    const QRectF target(pixels(x1), pixels(y1), pixels(width1), pixels(height1));
    const QRectF source(pixels(x2), pixels(y2), pixels(width2), pixels(height2));
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture.image(), source);
    update(target.toAlignedRect().translated(border(), border()));
}

// The X server takes larger pointers in principle, but one of 2048 x 2048
// breaks the program's connection to it. 256 x 256 is the largest picture an
// icon file describes and the largest size of common pointer themes.
constexpr int kMaxPointerSide = 256;

void PictureBox::setMouseIcon(const Picture& icon) {
    if (icon.widthPixels() > kMaxPointerSide || icon.heightPixels() > kMaxPointerSide)
        throw PlatformError(
            //: %1 is the pointer's file, %2 × %3 its size, %4 × %4 the largest a pointer may be.
            Text::tr("el puntero «%1» es demasiado grande: mide %2 × %3 píxeles y no puede "
                     "pasar de %4 × %4")
                .arg(icon.file())
                .arg(icon.widthPixels())
                .arg(icon.heightPixels())
                .arg(kMaxPointerSide));
    mouseIcon_ = icon;
    setMousePointer(mousePointer_);
}

void PictureBox::setMousePointer(int mode) {
    mousePointer_ = mode;
    if (mode == kCustomPointer && !mouseIcon_.isNull()) {
        const QPixmap& icon = mouseIcon_.pixmap();
        setCursor(QCursor(icon, icon.width() / 2, icon.height() / 2));
    } else {
        unsetCursor();
    }
}

ImageControl& PictureBox::addImageControl() {
    image_ = std::make_unique<ImageControl>(*this);
    return *image_;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (sunken_) {
        const QRect outer = rect();
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(outer.topLeft(), outer.topRight());
        painter.drawLine(outer.topLeft(), outer.bottomLeft());
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(outer.bottomLeft(), outer.bottomRight());
        painter.drawLine(outer.topRight(), outer.bottomRight());
        painter.setPen(QColor(64, 64, 64));
        painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.topRight() + QPoint(-1, 1));
        painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.bottomLeft() + QPoint(1, -1));
    }
    for (const QRect& part : event->region())
        painter.drawImage(part, surface_, part.translated(-border(), -border()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    std::int16_t button = 0;
    const Qt::MouseButtons held = event->buttons();
    if (held & Qt::LeftButton)
        button |= LeftButton;
    if (held & Qt::RightButton)
        button |= RightButton;
    if (held & Qt::MiddleButton)
        button |= MiddleButton;
    std::int16_t shift = 0;
    const Qt::KeyboardModifiers keys = event->modifiers();
    if (keys & Qt::ShiftModifier)
        shift |= ShiftKey;
    if (keys & Qt::ControlModifier)
        shift |= CtrlKey;
    if (keys & Qt::AltModifier)
        shift |= AltKey;
    const QPointF inside = event->position() - QPointF(border(), border());
    const float x = float(inside.x()) * kTwipsPerPixel + scaleLeftTwips();
    const float y = float(inside.y()) * kTwipsPerPixel + scaleTopTwips();
    if (image_ && image_->contains(x, y))
        image_->mouseMoved(button, shift, x - image_->leftTwips(), y - image_->topTwips());
    else if (onMouseMove_)
        onMouseMove_(button, shift, x, y);
}

void ImageControl::moveTwips(float left, float top) {
    const QRect before = pixelRect();
    left_ = left;
    top_ = top;
    if (visible_) {
        container_.repaintRect(before);
        container_.repaintRect(pixelRect());
    }
}

void ImageControl::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    container_.repaintRect(pixelRect());
}

void ImageControl::setPicture(const Picture& picture) {
    const QRect before = pixelRect();
    picture_ = picture;
    width_ = picture.widthTwips();
    height_ = picture.heightTwips();
    if (visible_) {
        container_.repaintRect(before);
        container_.repaintRect(pixelRect());
    }
}

} // namespace tamiro
