// Stepping through the drawings: which drawing each click chooses, where the
// drawing area goes, what its surface shows, and what a broken drawing does.

#include "support/form_fixture.h"

#include <initializer_list>

namespace tamiro::testing {
namespace {

class NavigationTest : public FormTest {
protected:
    void SetUp() override { content.basics(); }

    // Drawing n of folder f is (20 + n) x (10 + f) pixels, so the size of the
    // drawing area tells which drawing of which folder is shown.
    void drawings(int folder, std::initializer_list<int> numbers) {
        for (int n : numbers)
            content.drawing(folder, n, 20 + n, 10 + folder);
    }
    int shownNumber() const { return int(form->Picture1->Width() / 15) - 20; }
    int shownFolder() const { return int(form->Picture1->Height() / 15) - 10; }

    // The numbers shown by a series of clicks of one button.
    template <class Click> std::vector<int> clicks(int count, Click click) {
        std::vector<int> numbers;
        for (int i = 0; i < count; ++i) {
            click();
            numbers.push_back(shownNumber());
        }
        return numbers;
    }
    std::vector<int> next(int count) {
        return clicks(count, [&] { form->command4_Click(); });
    }
    std::vector<int> previous(int count) {
        return clicks(count, [&] { form->Command3_Click(); });
    }

    bool surfaceIs(const QImage& expected) const {
        return form->Picture1->surface().convertToFormat(QImage::Format_RGB32) ==
               expected.convertToFormat(QImage::Format_RGB32);
    }
};

using Numbers = std::vector<int>;

TEST_F(NavigationTest, FirstClickOfEachKindAfterStartUp) {
    drawings(1, {1, 2, 3});
    drawings(4, {1, 2});

    startedForm().command4_Click();
    EXPECT_EQ(shownNumber(), 1);
    EXPECT_EQ(form->PictureNumber[1], 1);

    startedForm().Command3_Click();
    EXPECT_EQ(shownNumber(), 3);
    EXPECT_EQ(form->PictureNumber[1], 3);

    startedForm().Command5_Click(3);
    EXPECT_EQ(form->FolderNumber, 4);
    EXPECT_EQ(shownFolder(), 4);
    EXPECT_EQ(shownNumber(), 1);
    EXPECT_TRUE(form->Picture1->isVisibleTo(form.get()));
}

TEST_F(NavigationTest, WrapsAtBothEndsOfAnUnbrokenSeries) {
    drawings(1, {1, 2, 3, 4, 5});
    startedForm();
    EXPECT_EQ(next(6), (Numbers{1, 2, 3, 4, 5, 1}));
    EXPECT_EQ(previous(6), (Numbers{5, 4, 3, 2, 1, 5}));
}

TEST_F(NavigationTest, AGapEndsTheSeries) {
    drawings(1, {1, 2, 3, 5});
    startedForm();
    EXPECT_EQ(next(4), (Numbers{1, 2, 3, 1}));
    EXPECT_EQ(previous(3), (Numbers{3, 2, 1}));
}

TEST_F(NavigationTest, ADrawingNumberedZero) {
    drawings(2, {0, 1, 2});
    startedForm().Command5_Click(1); // the folder is still at 0
    EXPECT_EQ(shownNumber(), 0);
    EXPECT_EQ(next(1), (Numbers{1}));
    EXPECT_EQ(previous(2), (Numbers{0, 2})); // back from 0: the last one
}

TEST_F(NavigationTest, ColouredFileTypeAndLetterCase) {
    // 6 exists as GIF (red) and JPEG (blue): the GIF is shown. 7 is a JPEG
    // stored in lower case, found and loaded through ".JPG".
    content.drawing(1, 6, 30, 20);
    content.jpeg("dibujos/1/si coloreado/6.jpg", framedImage(30, 20, Qt::blue));
    content.drawing(1, 7, 30, 20, /*jpegColoured=*/true);
    content.jpeg("dibujos/1/si coloreado/7.jpg", framedImage(30, 20, Qt::blue));
    startedForm();
    form->PictureNumber[1] = 5;

    form->command4_Click();
    EXPECT_EQ(form->PictureNumber[1], 6);
    EXPECT_EQ(form->Picture1->picture().image().pixelColor(15, 10), QColor(Qt::red));

    form->command4_Click();
    EXPECT_EQ(form->PictureNumber[1], 7);
    const QColor jpeg = form->Picture1->picture().image().pixelColor(15, 10);
    EXPECT_LT(jpeg.red(), 16);
    EXPECT_GT(jpeg.blue(), 240);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

TEST_F(NavigationTest, EveryFolderKeepsItsPlace) {
    drawings(1, {1, 2});
    drawings(3, {1, 2, 3, 4, 5});
    content.gif("animados/1.gif", 20, 20);
    content.gif("animados/2.gif", 20, 20);
    startedForm().Command5_Click(2);
    next(3);
    ASSERT_EQ(shownNumber(), 4);

    form->Command5_Click(0);
    EXPECT_EQ(shownFolder(), 1);
    EXPECT_EQ(shownNumber(), 1);
    form->Command5_Click(2);
    EXPECT_EQ(shownFolder(), 3);
    EXPECT_EQ(shownNumber(), 4);

    // The same folder again: the same drawing, with its sound and animation.
    sound.played.clear();
    const auto animation = form->AnimationNumber;
    form->Command5_Click(2);
    EXPECT_EQ(shownNumber(), 4);
    EXPECT_EQ(sound.played.size(), 1);
    EXPECT_NE(form->AnimationNumber, animation);
}

TEST_F(NavigationTest, CentredWithoutRoundingAndPlacedAboveTheBar) {
    drawings(1, {21}); // 41 pixels = 615 twips wide
    startedForm();
    form->PictureNumber[1] = 20;
    form->command4_Click();
    ASSERT_EQ(form->Picture1->Width(), 615.0f);
    EXPECT_EQ(form->Picture1->Left(), (15360.0f - 615.0f) / 2); // 7372.5
    EXPECT_EQ(form->Tarambel1->Left(), 7372.5f + 615 + 100);
    EXPECT_EQ(form->Tarambel1->Top(), form->Picture1->Top());
    EXPECT_GE(form->Picture1->Top(), 1);
    EXPECT_LE(form->Picture1->Top() + form->Picture1->Height(), form->Command3->Top());

    // Wider than the screen: a negative left, not clamped.
    screen.w = 300;
    form->PictureNumber[1] = 20;
    form->command4_Click();
    EXPECT_EQ(form->Picture1->Left(), (300.0f - 615.0f) / 2);
}

TEST_F(NavigationTest, SurfaceShowsTheUncolouredVariantUntilRepainted) {
    content.drawing(1, 1, 40, 30);
    const QImage uncoloured = framedImage(40, 30, Qt::white);
    startedForm().command4_Click();
    EXPECT_TRUE(surfaceIs(uncoloured));
    EXPECT_EQ(form->Picture1->picture().image().pixelColor(20, 15), QColor(Qt::red));

    // Showing and hiding the brush image repaints its rectangle from the
    // coloured picture; the rest keeps the overlay.
    form->Image1->Move(5 * 15, 6 * 15);
    form->Image1->setVisible(true);
    form->Image1->setVisible(false);
    const QRect brush(5, 6, 41, 33);
    const QImage& shown = form->Picture1->surface();
    for (int y = 1; y < 29; ++y)
        for (int x = 1; x < 39; ++x)
            ASSERT_EQ(shown.pixelColor(x, y), QColor(brush.contains(x, y) ? Qt::red : Qt::white))
                << x << "," << y;

    // Any other repaint, such as uncovering, does the same.
    form->Picture1->repaintRect(QRect(0, 0, 3, 3));
    EXPECT_EQ(pixel(*form->Picture1, 2, 2), QColor(Qt::red));
    EXPECT_EQ(pixel(*form->Picture1, 3, 3), QColor(Qt::white));
}

// The previous button stretches the uncoloured drawing from the size of the
// hidden box, which is 2 pixels of border wider on each side than its
// picture: the drawing shrinks and a strip of the coloured one stays visible
// at the right and bottom. The other buttons stretch from the drawing area's
// own size and cover it exactly.
TEST_F(NavigationTest, SourceRectangleOfThePreviousButton) {
    content.drawing(1, 1, 40, 30);
    startedForm().command4_Click();
    EXPECT_EQ(pixel(*form->Picture1, 38, 15), QColor(Qt::white));
    EXPECT_EQ(pixel(*form->Picture1, 39, 15), QColor(Qt::black)); // the frame
    EXPECT_EQ(pixel(*form->Picture1, 20, 29), QColor(Qt::black));

    form->Command3_Click();
    ASSERT_EQ(form->Picture2->Width(), 44 * 15.0f);
    ASSERT_EQ(form->Picture2->Height(), 34 * 15.0f);
    EXPECT_EQ(pixel(*form->Picture1, 20, 15), QColor(Qt::white));
    EXPECT_EQ(pixel(*form->Picture1, 38, 15), QColor(Qt::red)); // beyond 40 * 40 / 44
    EXPECT_EQ(pixel(*form->Picture1, 20, 28), QColor(Qt::red)); // beyond 30 * 30 / 34
    EXPECT_EQ(pixel(*form->Picture1, 33, 15), QColor(Qt::white));

    form->Command5_Click(0);
    EXPECT_EQ(pixel(*form->Picture1, 38, 15), QColor(Qt::white));
}

// A drawing that cannot be shown is reported by its number and folder; the
// drawing shown before stays as it was, with its overlay; the number moves
// on, so the next click gets past the broken drawing.
class BrokenDrawingTest : public NavigationTest {
protected:
    void expectNothingChanged(int number, int folder) {
        ASSERT_EQ(messages.shown.size(), 1);
        const QString text = messages.shown.first();
        EXPECT_TRUE(
            text.startsWith(QStringLiteral("No puedo mostrar el dibujo %1 de la carpeta %2: ")
                                .arg(number)
                                .arg(folder)))
            << text.toStdString();
        EXPECT_TRUE(form->Picture1->isVisibleTo(form.get()));
        EXPECT_TRUE(form->Picture1->picture().sameAs(pictureBefore));
        EXPECT_EQ(form->Picture1->surface(), surfaceBefore);
        EXPECT_EQ(form->Picture1->Left(), leftBefore);
        EXPECT_TRUE(sound.played.isEmpty());
        EXPECT_EQ(form->AnimationNumber, animationBefore);
    }
    void remember() {
        pictureBefore = form->Picture1->picture();
        surfaceBefore = form->Picture1->surface();
        leftBefore = form->Picture1->Left();
        animationBefore = form->AnimationNumber;
        sound.played.clear();
        messages.shown.clear();
    }
    Picture pictureBefore;
    QImage surfaceBefore;
    float leftBefore = 0;
    std::int16_t animationBefore = 0;
};

TEST_F(BrokenDrawingTest, FolderWithoutDrawingOne) {
    drawings(1, {1});
    content.folderNamed("dibujos/5/si coloreado");
    startedForm();
    remember(); // the title picture
    form->Command5_Click(4);
    expectNothingChanged(1, 5);
    EXPECT_EQ(form->PictureNumber[5], 1);

    // Back from a folder with no drawing at all: the search gives 0.
    remember();
    form->Command3_Click();
    expectNothingChanged(0, 5);
    EXPECT_EQ(form->PictureNumber[5], 0);
}

TEST_F(BrokenDrawingTest, MissingUncolouredOrDamagedColouredFile) {
    drawings(1, {1, 2, 3});
    content.remove("dibujos/1/no coloreado/2.gif");
    content.text("dibujos/1/si coloreado/3.gif", "GIF89a not really a picture");
    startedForm().command4_Click();

    remember(); // drawing 1 with its overlay
    form->command4_Click();
    expectNothingChanged(2, 1);
    EXPECT_EQ(form->PictureNumber[1], 2);
    EXPECT_TRUE(messages.shown.first().contains("2.gif", Qt::CaseInsensitive));

    remember();
    form->command4_Click();
    expectNothingChanged(3, 1);
    EXPECT_EQ(form->PictureNumber[1], 3);
    EXPECT_TRUE(messages.shown.first().contains("3.gif", Qt::CaseInsensitive));

    messages.shown.clear();
    form->command4_Click(); // past the broken ones: back to 1
    EXPECT_EQ(shownNumber(), 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(NavigationTest, NumberAtTheTopOfItsRangeWrapsToOne) {
    drawings(1, {1, 2});
    startedForm();
    form->PictureNumber[1] = 32767;
    form->command4_Click();
    EXPECT_EQ(form->PictureNumber[1], 1);
    EXPECT_EQ(shownNumber(), 1);
}

} // namespace
} // namespace tamiro::testing
