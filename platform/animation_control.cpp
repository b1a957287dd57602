#include "platform/animation_control.h"

#include "platform/errors.h"
#include "platform/picture_file.h"

#include <QBuffer>
#include <QMovie>
#include <QPainter>

namespace tamiro {

AnimationControl::AnimationControl(QWidget* parent, FileSystem& files)
    : Placed<QWidget>(parent), files_(files) {
    setFocusPolicy(Qt::TabFocus);
    setBackColor(QColor());
}

AnimationControl::~AnimationControl() = default;

// Every frame fills the whole rectangle with the background colour before
// the picture, so with an opaque colour the window behind is not painted at
// each frame.
void AnimationControl::setBackColor(const QColor& colour) {
    backColor_ = colour;
    setAttribute(Qt::WA_OpaquePaintEvent, backColor().alpha() == 255);
    update();
}

void AnimationControl::setAnimationFile(const QString& path) {
    file_ = path;
    movie_.reset();
    update();
    if (!path.contains(u'\\') && !path.contains(u'/'))
        return;
    // Read once and checked like every picture; the movie plays the bytes.
    QByteArray bytes;
    try {
        bytes = readPictureFile(files_.resolve(path));
    } catch (const PlatformError&) {
        return;
    }
    auto movie = std::make_unique<QMovie>();
    auto* buffer = new QBuffer(movie.get());
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    movie->setDevice(buffer);
    if (!movie->isValid())
        return;
    connect(movie.get(), &QMovie::updated, this, [this] { update(); });
    movie_ = std::move(movie);
    movie_->start();
}

bool AnimationControl::isPlaying() const {
    return movie_ && movie_->state() == QMovie::Running;
}

QImage AnimationControl::currentFrame() const {
    return movie_ ? movie_->currentImage() : QImage();
}

void AnimationControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    if (!movie_)
        return;
    const QImage frame = movie_->currentImage();
    if (frame.isNull())
        return;
    // Shown at its own size, centred; a larger one is shrunk to fit.
    QSize size = frame.size();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame);
}

} // namespace tamiro
