// The sound and the animation that go with every navigation step.

#include "rules/content.h"
#include "window/colouring_window.h"

namespace tamiro {

void ColouringWindow::clearAnimation() {
    animation->setAnimationFile(QString());
}

void ColouringWindow::playNavigationSound(const QString& name) {
    services_.sound.play(files_.applicationFolder() + name);
}

// The next animation of the numbered series; the first number missing sends
// the series back to 1, which is taken without a further test.
void ColouringWindow::showNextAnimation() {
    state_.animationNumber = static_cast<std::int16_t>(
        nextInSeries(files_, state_.appFolder, kAnimations, state_.animationNumber));
    animation->setAnimationFile(seriesPath(state_.appFolder, kAnimations, state_.animationNumber));
}

} // namespace tamiro
