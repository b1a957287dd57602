#include "platform/widgets/animation_control.h"

#include "platform/core/errors.h"
#include "platform/core/logging.h"
#include "platform/formats/animation_file.h"

#include <QMovie>
#include <QPainter>
#include <QScreen>

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
    problem_.clear();
    movie_.reset();
    update();
    if (!path.contains(u'\\') && !path.contains(u'/'))
        return;
    // Read once, and checked like every picture and against the screen.
    const QString file = files_.resolve(path);
    Animation animation;
    try {
        animation = openAnimation(file, screen()->size());
    } catch (const PlatformError& error) {
        problem_ = error.description();
        qCDebug(lcPictures, "sin animación: %s", qUtf8Printable(problem_));
        return;
    }
    auto& movie = animation.movie;
    const QSize frame = animation.size;
    if (frame.width() > width() || frame.height() > height())
        movie->setScaledSize(frame.scaled(size(), Qt::KeepAspectRatio).expandedTo({1, 1}));
    // Each frame is decoded once, already shrunk to the rectangle, and played
    // from memory after the first round: at most 500 frames of 91 x 90
    // pixels, 16 MB.
    movie->setCacheMode(QMovie::CacheAll);
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
    const QPixmap frame = movie_->currentPixmap();
    if (frame.isNull())
        return;
    // Shown at its own size, centred; a larger one is shrunk to fit (the
    // frames already are, unless the control has grown smaller since).
    QSize size = frame.size();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, frame);
}

} // namespace tamiro
