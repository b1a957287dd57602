// The brush: the brush-size series, the brush image under the pointer, and
// the coloured drawing it reveals when dragged over the drawing area.

#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace tamiro::testing {
namespace {

class BrushTest : public FormTest {
protected:
    void SetUp() override { content.basics(); } // brush 1: 41 x 33 pixels
    void sizes(std::initializer_list<int> numbers) {
        for (int n : numbers)
            if (n > 1)
                content.gif(QStringLiteral("medida/%1.gif").arg(n), 41 + 10 * n, 33);
    }
    // Which brush-size picture a picture is, by its width.
    static int sizeOf(const Picture& picture) {
        return picture.widthPixels() == 41 ? 1 : (picture.widthPixels() - 41) / 10;
    }
    std::vector<int> sizeClicks(int count) {
        std::vector<int> numbers;
        for (int i = 0; i < count; ++i) {
            form->Picture1->setMousePointer(kDefaultPointer);
            form->Command1_Click();
            EXPECT_EQ(form->Picture1->mousePointer(), kCustomPointer);
            EXPECT_EQ(sizeOf(form->Command1->picture()), form->SizeNumber);
            EXPECT_EQ(sizeOf(form->Image1->picture()), form->SizeNumber);
            EXPECT_EQ(form->Image1->Width(), form->Image1->picture().widthTwips());
            numbers.push_back(form->SizeNumber);
        }
        return numbers;
    }
};

using Numbers = std::vector<int>;

TEST_F(BrushTest, CentresTheBrushImageOnThePointerWhileAButtonIsHeld) {
    Form1& f = startedForm();
    ASSERT_EQ(f.Image1->Width(), 615.0f);
    ASSERT_EQ(f.Image1->Height(), 495.0f);

    f.Picture1_Mousemove(LeftButton, 0, 1000, 2000);
    EXPECT_EQ(f.Image1->Top(), 1753.0f); // 2000 - Int(247.5)
    EXPECT_EQ(f.Image1->Left(), 693.0f); // 1000 - Int(307.5)
    EXPECT_FALSE(f.Image1->Visible());

    // Over the brush image itself, with or without a button.
    f.Image1_MouseMove(0, 0, 10, 20);
    EXPECT_EQ(f.Image1->Left(), 396.0f);
    EXPECT_EQ(f.Image1->Top(), 1526.0f);

    // No button: the brush image stays where it was, hidden.
    f.Picture1_Mousemove(0, ShiftKey, 5000, 5000);
    EXPECT_EQ(f.Image1->Left(), 396.0f);
    EXPECT_EQ(f.Image1->Top(), 1526.0f);
    EXPECT_FALSE(f.Image1->Visible());

    // Near the corner: negative, not clamped. Any button counts.
    f.Picture1_Mousemove(RightButton, 0, 100, 50);
    EXPECT_EQ(f.Image1->Left(), 100.0f - 307);
    EXPECT_EQ(f.Image1->Top(), 50.0f - 247);
}

TEST_F(BrushTest, EvenWidthGivesAnExactHalf) {
    content.gif("medida/1.gif", 40, 34); // 600 x 510 twips
    Form1& f = startedForm();
    f.Picture1_Mousemove(LeftButton, 0, 1000, 2000);
    EXPECT_EQ(f.Image1->Left(), 700.0f);
    EXPECT_EQ(f.Image1->Top(), 1745.0f);
}

TEST_F(BrushTest, SizeSeriesWrapsAtTheFirstMissingNumber) {
    sizes({1, 2, 3});
    startedForm();
    EXPECT_EQ(sizeClicks(4), (Numbers{2, 3, 1, 2}));
}

TEST_F(BrushTest, SizeSeriesWithAGapOrAFolderForAFile) {
    sizes({1, 2, 4});
    startedForm();
    EXPECT_EQ(sizeClicks(3), (Numbers{2, 1, 2}));

    content.folderNamed("medida/3.gif");
    startedForm();
    EXPECT_EQ(sizeClicks(3), (Numbers{2, 1, 2}));
}

TEST_F(BrushTest, SizeFileStoredInUpperCase) {
    sizes({1, 2});
    content.gif("medida/3.GIF", 41 + 30, 33);
    startedForm();
    EXPECT_EQ(sizeClicks(3), (Numbers{2, 3, 1}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(BrushTest, DamagedSizeFileIsReportedAndChangesNothingElse) {
    content.text("medida/2.gif", "GIF89a broken");
    Form1& f = startedForm();
    const Picture before = f.Image1->picture();
    f.Picture1->setMousePointer(kDefaultPointer);
    f.Command1_Click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().startsWith("No puedo cambiar el tamaño del pincel: "));
    EXPECT_TRUE(messages.shown.first().contains("2.gif")) << messages.shown.first().toStdString();
    EXPECT_EQ(f.SizeNumber, 2);
    EXPECT_EQ(f.Picture1->mousePointer(), kDefaultPointer);
    EXPECT_TRUE(f.Image1->picture().sameAs(before));
    EXPECT_EQ(f.Image1->Width(), 615.0f);
}

// Real mouse events dragged across the drawing area, after a navigation step
// has put the uncoloured drawing (white) over the coloured one (red).
class DragTest : public BrushTest {
protected:
    void SetUp() override {
        BrushTest::SetUp();
        content.drawing(1, 1, 300, 200);
        content.gif("medida/2.gif", 81, 33); // 1215 x 495 twips
        startedForm().command4_Click();
    }
    void drag(const std::vector<QPoint>& path, Qt::MouseButtons held = Qt::LeftButton) {
        for (const QPoint& at : path) {
            QMouseEvent move(QEvent::MouseMove, QPointF(at),
                             form->Picture1->mapToGlobal(QPointF(at)), Qt::NoButton, held,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(form->Picture1, &move);
        }
    }
    // The brush rectangle centred on a pointer position, in pixels.
    static QRect brushAt(QPoint at, int width, int height) {
        return QRect(at.x() - width / 2, at.y() - height / 2, width, height);
    }
    // Red inside the rectangles (one pixel in from their edges), white
    // elsewhere (one pixel out), in the inside of the drawing.
    void expectRevealed(const std::vector<QRect>& rects) {
        const QImage& shown = form->Picture1->surface();
        for (int y = 1; y < shown.height() - 1; ++y)
            for (int x = 1; x < shown.width() - 1; ++x) {
                bool inside = false, near = false;
                for (const QRect& r : rects) {
                    inside |= r.adjusted(1, 1, -1, -1).contains(x, y);
                    near |= r.adjusted(-1, -1, 1, 1).contains(x, y);
                }
                if (inside || !near) {
                    ASSERT_EQ(shown.pixelColor(x, y), QColor(inside ? Qt::red : Qt::white))
                        << x << "," << y;
                }
            }
    }
    const std::vector<QPoint> path{{60, 50}, {120, 50}, {180, 50}, {240, 120}};
};

TEST_F(DragTest, DragRevealsTheColouredDrawingInBrushRectangles) {
    ASSERT_EQ(form->Picture1->surface().size(), QSize(300, 200));
    drag(path);
    std::vector<QRect> rects;
    for (const QPoint& at : path)
        rects.push_back(brushAt(at, 41, 33));
    expectRevealed(rects);
    EXPECT_FALSE(form->Image1->Visible());
}

TEST_F(DragTest, MovingWithoutAButtonRevealsNothing) {
    drag(path, Qt::NoButton);
    expectRevealed({});
}

TEST_F(DragTest, LargerBrushRevealsWiderRectangles) {
    form->Command1_Click();
    ASSERT_EQ(form->Image1->Width(), 1215.0f);
    drag(path);
    std::vector<QRect> rects;
    for (const QPoint& at : path)
        rects.push_back(brushAt(at, 81, 33));
    expectRevealed(rects);
    EXPECT_EQ(pixel(*form->Picture1, 60 + 35, 50), QColor(Qt::red));
}

TEST_F(BrushTest, BeforeAnyDrawingTheDragShowsTheTitleUnchanged) {
    Form1& f = startedForm();
    const QImage before = f.Picture1->surface();
    f.Picture1_Mousemove(LeftButton, 0, 3000, 3000);
    f.Picture1_Mousemove(LeftButton, 0, 5000, 2000);
    EXPECT_EQ(f.Picture1->surface(), before);
}

} // namespace
} // namespace tamiro::testing
