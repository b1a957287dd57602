// The picture box that keeps nothing drawn on it, the windowless image
// control inside it, and the animation control.

#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

Picture solid(int w, int h, const QColor& colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return Picture(image);
}

} // namespace

TEST(PictureBoxSurface, TakesThePicturesSizePlusBorderAndShowsIt) {
    PictureBox box(nullptr);
    box.setPicture(solid(20, 10, Qt::red));
    EXPECT_FLOAT_EQ(300, box.Width());
    EXPECT_FLOAT_EQ(150, box.Height());
    EXPECT_EQ(QColor(Qt::red), box.surface().pixelColor(19, 9));

    PictureBox framed(nullptr);
    framed.setSunkenBorder(true);
    framed.setPicture(solid(20, 10, Qt::red));
    EXPECT_FLOAT_EQ(360, framed.Width());
    EXPECT_FLOAT_EQ(210, framed.Height());
    EXPECT_EQ(QSize(20, 10), framed.surface().size());
}

TEST(PictureBoxSurface, KeepsADrawingOnlyUntilThatPartIsRepainted) {
    PictureBox box(nullptr);
    box.setBackColor(Qt::white);
    box.setPicture(solid(20, 10, Qt::red));
    box.PaintPicture(solid(10, 5, Qt::blue), 0, 0, 300, 150, 0, 0, 150, 75);
    EXPECT_EQ(QColor(Qt::blue), box.surface().pixelColor(19, 9)) << "stretched over the box";

    box.repaintRect(QRect(2, 2, 3, 3));
    EXPECT_EQ(QColor(Qt::red), box.surface().pixelColor(2, 2));
    EXPECT_EQ(QColor(Qt::red), box.surface().pixelColor(4, 4));
    EXPECT_EQ(QColor(Qt::blue), box.surface().pixelColor(5, 5));

    box.Cls();
    EXPECT_EQ(QColor(Qt::red), box.surface().pixelColor(10, 5));

    box.setHeight(300); // taller than the picture: the background shows below it
    EXPECT_EQ(QColor(Qt::white), box.surface().pixelColor(10, 15));
}

TEST(PictureBoxSurface, ShowingAndHidingTheImageControlRepaintsExactlyItsRectangle) {
    PictureBox box(nullptr);
    box.setPicture(solid(40, 40, Qt::red));
    ImageControl& image = box.addImageControl();
    image.setPicture(solid(6, 4, Qt::green));
    box.PaintPicture(solid(1, 1, Qt::blue), 0, 0, 600, 600, 0, 0, 15, 15);

    image.Move(150, 300); // pixels (10, 20)
    image.setVisible(true);
    EXPECT_EQ(QColor(Qt::green), box.surface().pixelColor(10, 20)) << "shown while visible";
    image.setVisible(false);
    for (int x = 10; x < 16; ++x)
        for (int y = 20; y < 24; ++y)
            EXPECT_EQ(QColor(Qt::red), box.surface().pixelColor(x, y));
    EXPECT_EQ(QColor(Qt::blue), box.surface().pixelColor(9, 20));
    EXPECT_EQ(QColor(Qt::blue), box.surface().pixelColor(16, 20));
    EXPECT_EQ(QColor(Qt::blue), box.surface().pixelColor(10, 24));
    EXPECT_EQ(QColor(Qt::blue), box.surface().pixelColor(10, 19));
}

TEST(PictureBoxSurface, KeepsPlacesInTwipsExactlyAsSet) {
    PictureBox box(nullptr);
    box.setLeft(907.5f);
    box.setTop(-7.25f);
    EXPECT_FLOAT_EQ(907.5f, box.Left());
    EXPECT_FLOAT_EQ(-7.25f, box.Top());
}

using Animation = FormTest;

TEST_F(Animation, PlaysAGifClearsForEmptyTextAndIgnoresAMissingFile) {
    content.folderNamed("animados");
    QFile::copy(QStringLiteral(TAMIRO_SOURCE_DIR "/content/animados/1.gif"),
                content.path("animados/1.gif"));
    Form1& f = makeForm();
    EXPECT_FALSE(f.Tarambel1->isPlaying()) << "a bare name shows nothing";

    f.Tarambel1->setAnimationFile(content.folder() + "\\animados\\1.gif");
    ASSERT_TRUE(f.Tarambel1->isPlaying());
    const QImage first = f.Tarambel1->currentFrame();
    QElapsedTimer clock;
    clock.start();
    while (f.Tarambel1->currentFrame() == first && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_NE(first, f.Tarambel1->currentFrame()) << "frames advance with the file's timing";

    f.Tarambel1->setAnimationFile("");
    EXPECT_FALSE(f.Tarambel1->isPlaying());
    EXPECT_EQ("", f.Tarambel1->animationFile());

    f.Tarambel1->setAnimationFile(content.folder() + "\\animados\\9.gif");
    EXPECT_FALSE(f.Tarambel1->isPlaying());
    content.text("animados/2.gif", "not a picture");
    f.Tarambel1->setAnimationFile(content.folder() + "\\animados\\2.gif");
    EXPECT_FALSE(f.Tarambel1->isPlaying());

    f.Tarambel1->setLeft(1500);
    f.Tarambel1->setTop(300);
    EXPECT_EQ(QPoint(100, 20), f.Tarambel1->geometry().topLeft());
}
