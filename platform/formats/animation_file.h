#pragma once

#include <QMovie>
#include <QSize>
#include <QString>
#include <memory>

namespace tamiro {

// An animation is decoded frame by frame over its whole logical screen once,
// and then played from its frames kept in memory: at most 500 of them, and
// 64 M pixels decoded in all (85 frames of 1024 x 768, 500 of 360 x 360).
constexpr int kMaxAnimationFrames = 500;
constexpr qint64 kMaxAnimationPixels = qint64{64} * 1024 * 1024;

// An animation that will play: Qt's movie player on the file's bytes, read
// once, not started yet, and the size its frames come out at.
struct Animation {
    std::unique_ptr<QMovie> movie;
    QSize size;
};
// Whether the animated GIF `file` plays on a screen of `screen` pixels: the
// animation control plays what this gives, and the teacher's checker asks
// the same. The file is read and checked like any picture; it must be a GIF
// no larger than the screen, counting its logical screen and every frame,
// within the limits above, that the movie player takes as valid. Otherwise
// throws PlatformError naming the file, whose cause tells a file too large,
// too long or no GIF.
Animation openAnimation(const QString& file, QSize screen);

} // namespace tamiro
