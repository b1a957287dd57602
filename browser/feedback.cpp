// The sound and the animation that go with every navigation step.

#include "ui/form1.h"

#include <limits>

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
    const bool pastTheTop = AnimationNumber == std::numeric_limits<std::int16_t>::max();
    AnimationNumber = pastTheTop ? AnimationNumber : static_cast<std::int16_t>(AnimationNumber + 1);
    const QString test =
        (AppFolder + "\\animados\\" + QString::number(AnimationNumber) + ".gif").toUpper();
    if (pastTheTop || files_.dir(test).isEmpty())
        AnimationNumber = 1;
    Tarambel1->setAnimationFile(AppFolder + "\\animados\\" + QString::number(AnimationNumber) +
                                ".gif");
}

} // namespace tamiro
