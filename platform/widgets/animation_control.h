#pragma once

#include "platform/core/services.h"
#include "platform/widgets/placed.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <memory>

class QMovie;

namespace tamiro {

// Plays the animated GIF named by AnimationFile in its rectangle, frame by
// frame with the file's own timing and looping. An empty text, a bare name
// without a folder, a missing file, one that is no GIF and one larger than
// the screen show the background colour only.
class AnimationControl : public Placed<QWidget> {
    Q_OBJECT
public:
    AnimationControl(QWidget* parent, FileSystem& files);
    ~AnimationControl() override;

    void setAnimationFile(const QString& path);
    const QString& animationFile() const { return file_; }
    void setBackColor(const QColor& colour);
    // The colour set, or the system's button face.
    QColor backColor() const {
        return backColor_.isValid() ? backColor_ : palette().color(QPalette::Button);
    }
    bool isPlaying() const;
    // The frame shown now; null when nothing plays.
    QImage currentFrame() const;
    // Why the file given last shows nothing, naming it; empty otherwise.
    const QString& problem() const { return problem_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FileSystem& files_;
    QString file_;
    QString problem_;
    QColor backColor_;
    std::unique_ptr<QMovie> movie_;
};

} // namespace tamiro
