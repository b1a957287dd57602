// The sound and the animation that go with every navigation step.

#include "rules/content.h"
#include "ui/form1.h"

namespace tamiro {

void Form1::ClearAnimation() {
    Tarambel1->setAnimationFile(QString());
}

void Form1::PlayNavigationSound(const QString& name) {
    services_.sound.play(files_.applicationFolder() + name);
}

// The next animation of the numbered series; the first number missing sends
// the series back to 1, which is taken without a further test.
void Form1::ShowNextAnimation() {
    AnimationNumber =
        static_cast<std::int16_t>(nextInSeries(files_, AppFolder, kAnimations, AnimationNumber));
    Tarambel1->setAnimationFile(seriesPath(AppFolder, kAnimations, AnimationNumber));
}

} // namespace tamiro
