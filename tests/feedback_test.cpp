// The sound and the animation that go with every navigation click.

#include "support/form_fixture.h"

#include <functional>

namespace tamiro::testing {
namespace {

class FeedbackTest : public FormTest {
protected:
    void SetUp() override {
        content.basics();
        for (int n = 1; n <= 3; ++n)
            content.drawing(1, n);
    }
    void animations(std::initializer_list<int> numbers) {
        for (int n : numbers)
            content.gif(QStringLiteral("animados/%1.gif").arg(n), 20, 20, Qt::yellow);
    }
    QString animation(int n) const {
        return form->AppFolder + QStringLiteral("\\animados\\%1.gif").arg(n);
    }

    // The animation given by each of a mix of navigation clicks.
    QStringList givenBy(int count) {
        const std::function<void()> mix[] = {[&] { form->command4_Click(); },
                                             [&] { form->Command3_Click(); },
                                             [&] { form->Command5_Click(0); }};
        QStringList given;
        for (int i = 0; i < count; ++i) {
            mix[i % 3]();
            given << form->Tarambel1->animationFile();
        }
        return given;
    }
};

TEST_F(FeedbackTest, OneSeriesOverAllNavigationButtons) {
    animations({1, 2, 3});
    startedForm();
    EXPECT_EQ(givenBy(5),
              (QStringList{animation(1), animation(2), animation(3), animation(1), animation(2)}));
    EXPECT_TRUE(form->Tarambel1->isPlaying());
}

TEST_F(FeedbackTest, AGapEndsTheSeries) {
    animations({1, 2, 4});
    startedForm();
    EXPECT_EQ(givenBy(4), (QStringList{animation(1), animation(2), animation(1), animation(2)}));
}

TEST_F(FeedbackTest, WithoutAnyAnimationTheFirstIsAlwaysGiven) {
    startedForm();
    EXPECT_EQ(givenBy(3), (QStringList{animation(1), animation(1), animation(1)}));
    EXPECT_FALSE(form->Tarambel1->isPlaying());
}

TEST_F(FeedbackTest, UpperCaseAnimationIsFoundAndPlayed) {
    animations({1, 2, 3, 4});
    content.gif("animados/5.GIF", 20, 20, Qt::yellow);
    startedForm();
    form->AnimationNumber = 4;
    form->command4_Click();
    EXPECT_EQ(form->Tarambel1->animationFile(), animation(5));
    EXPECT_TRUE(form->Tarambel1->isPlaying());
}

TEST_F(FeedbackTest, AnimationNumberAtTheTopOfItsRangeWrapsToOne) {
    animations({1});
    startedForm();
    form->AnimationNumber = 32767;
    form->command4_Click();
    EXPECT_EQ(form->AnimationNumber, 1);
    EXPECT_EQ(form->Tarambel1->animationFile(), animation(1));
}

TEST_F(FeedbackTest, SoundOfEachButton) {
    startedForm();
    form->command4_Click();
    form->Command3_Click();
    form->Command5_Click(0);
    form->Command5_Click(0);
    const QString folder = files.applicationFolder();
    EXPECT_EQ(sound.played, (QStringList{folder + "\\sonido1.wav", folder + "\\sonido2.wav",
                                         folder + "\\sonido1.wav", folder + "\\sonido1.wav"}));
}

// The animation is taken away at the start of a click and given back only
// at its very end, after the sound.
struct WatchingSound : SoundPlayer {
    std::function<void()> onPlay;
    void play(const QString&) override { onPlay(); }
};

TEST_F(FeedbackTest, ControlHasNoAnimationUntilTheEndOfTheClick) {
    animations({1, 2});
    WatchingSound watching;
    form = std::make_unique<Form1>(Services{files, pictures, watching, printer, messages, screen});
    form->Form_Load();
    QStringList whilePlaying;
    watching.onPlay = [&] { whilePlaying << form->Tarambel1->animationFile(); };
    form->command4_Click();
    form->Command3_Click();
    form->Command5_Click(0);
    EXPECT_EQ(whilePlaying, (QStringList{"", "", ""}));
    EXPECT_EQ(form->Tarambel1->animationFile(), animation(1));
}

} // namespace
} // namespace tamiro::testing
