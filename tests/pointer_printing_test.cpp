// The pointer button and the print button, which share one handler and one
// error message.

#include "support/form_fixture.h"

namespace tamiro::testing {
namespace {

const QColor kIconColour[] = {Qt::black, Qt::blue, Qt::green, Qt::magenta, Qt::cyan, Qt::yellow};

class PointerTest : public FormTest {
protected:
    void SetUp() override { content.basics(); } // pointer 1 is blue
    void icons(std::initializer_list<int> numbers) {
        for (int n : numbers)
            content.icon(QStringLiteral("punteros/%1.ico").arg(n), kIconColour[n]);
    }
    // Which icon a picture is, by its colour.
    static int iconOf(const Picture& picture) {
        const QColor colour = picture.image().pixelColor(16, 16);
        for (int n = 1; n < 6; ++n)
            if (colour == kIconColour[n])
                return n;
        return 0;
    }
    std::vector<int> pointerClicks(int count) {
        std::vector<int> numbers;
        for (int i = 0; i < count; ++i) {
            form->Picture1->setMousePointer(kDefaultPointer);
            form->Command6_Click(0);
            EXPECT_EQ(form->Picture1->mousePointer(), kCustomPointer);
            EXPECT_EQ(iconOf(form->Command6(0).picture()), form->PointerNumber);
            EXPECT_EQ(iconOf(form->Picture1->mouseIcon()), form->PointerNumber);
            numbers.push_back(form->PointerNumber);
        }
        return numbers;
    }
};

using Numbers = std::vector<int>;

TEST_F(PointerTest, SeriesWrapsAtTheFirstMissingNumber) {
    icons({2, 3, 4});
    startedForm();
    EXPECT_EQ(iconOf(form->Picture1->mouseIcon()), 1);
    EXPECT_EQ(pointerClicks(5), (Numbers{2, 3, 4, 1, 2}));
}

TEST_F(PointerTest, OnlyTheFirstIcon) {
    startedForm();
    EXPECT_EQ(pointerClicks(2), (Numbers{1, 1}));
}

TEST_F(PointerTest, GapAndUpperCaseName) {
    icons({2, 4});
    startedForm();
    EXPECT_EQ(pointerClicks(3), (Numbers{2, 1, 2}));

    content.icon("punteros/3.ICO", kIconColour[3]);
    startedForm();
    EXPECT_EQ(pointerClicks(3), (Numbers{2, 3, 4}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PointerTest, InvalidIconIsReportedAndTheOldOneKept) {
    icons({2});
    content.text("punteros/3.ico", "not an icon at all");
    startedForm();
    pointerClicks(1);
    form->Command6_Click(0);
    EXPECT_EQ(form->PointerNumber, 3);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().startsWith("Atención: "));
    EXPECT_GT(messages.shown.first().size(), QString("Atención: ").size());
    EXPECT_EQ(iconOf(form->Command6(0).picture()), 2);
    EXPECT_EQ(iconOf(form->Picture1->mouseIcon()), 2);
}

class PrintingTest : public FormTest {
protected:
    void SetUp() override { content.basics(); }
    Form1& startedWithSwitch(const QByteArray& firstLines) {
        content.text("impresora.txt", firstLines);
        return startedForm();
    }
};

TEST_F(PrintingTest, OnlyAFirstLineOfSiInAnyCasePrints) {
    const struct {
        QByteArray file;
        bool prints;
    } cases[] = {
        {"SI", true},           {"si", true},          {"Si", true},      {"sI", true},
        {"SI\r\nNO\r\n", true}, {" SI", false},        {"SI ", false},    {"S\xc3\x8d", false},
        {"NO", false},          {"\r\nSI\r\n", false}, {"SI\nNO", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        printer = {};
        startedWithSwitch(c.file).Command6_Click(1);
        EXPECT_EQ(printer.documents, c.prints ? 1 : 0);
        EXPECT_EQ(printer.drawn.size(), c.prints ? 1u : 0u);
        EXPECT_TRUE(messages.shown.isEmpty());
    }
}

TEST_F(PrintingTest, WithoutTheSwitchFileNothingIsPrinted) {
    startedForm().Command6_Click(1);
    content.text("IMPRESORA.TXT", "SI\r\n"); // another name, read only at start
    form->Command6_Click(1);
    startedForm().Command6_Click(1);
    EXPECT_EQ(printer.documents, 0);
    EXPECT_TRUE(printer.drawn.empty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PrintingTest, BeforeAnyDrawingTheTitleIsPrintedAtItsDesignSize) {
    startedWithSwitch("SI\r\n").Command6_Click(1);
    ASSERT_EQ(printer.drawn.size(), 1u);
    const auto& page = printer.drawn.front();
    EXPECT_TRUE(page.picture.sameAs(form->Picture1->picture()));
    EXPECT_EQ(page.picture.widthPixels(), 679);
    EXPECT_EQ(page.picture.heightPixels(), 440);
    EXPECT_EQ(page.x, 0.0f);
    EXPECT_EQ(page.y, 0.0f);
    EXPECT_EQ(page.width, 10185.0f);
    EXPECT_EQ(page.height, 6600.0f);
    EXPECT_EQ(printer.documents, 1);
}

TEST_F(PrintingTest, AfterAStepTheColouredDrawingIsPrintedOncePerClick) {
    content.drawing(1, 1, 40, 30);
    startedWithSwitch("si").command4_Click();
    form->Command6_Click(1);
    form->Command6_Click(1);
    ASSERT_EQ(printer.drawn.size(), 2u);
    EXPECT_EQ(printer.documents, 2);
    const auto& page = printer.drawn.back();
    EXPECT_EQ(page.picture.image().pixelColor(20, 15), QColor(Qt::red));
    EXPECT_EQ(page.width, 600.0f);
    EXPECT_EQ(page.height, 450.0f);
}

TEST_F(PrintingTest, PrinterFailureIsReportedAndNoDocumentEnded) {
    startedWithSwitch("SI");
    printer.failure = "la impresora no responde";
    form->Command6_Click(1);
    EXPECT_EQ(messages.shown, QStringList{"Atención: la impresora no responde"});
    EXPECT_EQ(printer.documents, 0);
}

TEST_F(PrintingTest, OtherIndexesDoNothing) {
    content.icon("punteros/2.ico", Qt::red);
    startedWithSwitch("SI");
    form->Command6_Click(2);
    form->Command6_Click(-1);
    EXPECT_EQ(form->PointerNumber, 1);
    EXPECT_TRUE(printer.drawn.empty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
} // namespace tamiro::testing
