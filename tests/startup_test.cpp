// The window as designed, start-up, and the placing of the drawing area.

#include "support/form_fixture.h"

#include <QApplication>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

struct Place {
    float left, top, width, height;
};
Place placeOf(const GraphicalButton& b) {
    return {b.Left(), b.Top(), b.Width(), b.Height()};
}
void expectPlace(const Place& p, float left, float top, float width, float height) {
    EXPECT_FLOAT_EQ(left, p.left);
    EXPECT_FLOAT_EQ(top, p.top);
    EXPECT_FLOAT_EQ(width, p.width);
    EXPECT_FLOAT_EQ(height, p.height);
}

} // namespace

using DesignedWindow = FormTest;

TEST_F(DesignedWindow, HasEveryControlAsDesignedBeforeStartUp) {
    Form1& f = makeForm();
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(f.windowIcon().isNull());

    expectPlace(placeOf(f.Command6(1)), 3120, 5040, 975, 1095);
    expectPlace(placeOf(f.Command6(0)), 7200, 5040, 975, 1095);
    expectPlace(placeOf(f.Command5(9)), 6600, 5640, 495, 495);
    expectPlace(placeOf(f.Command5(0)), 4200, 5040, 495, 495);
    expectPlace(placeOf(*f.Command4), 2040, 5040, 975, 1125);
    expectPlace(placeOf(*f.Command3), 960, 5040, 975, 1125);
    expectPlace(placeOf(*f.Command1), 9360, 5040, 975, 1125);
    expectPlace(placeOf(*f.Command2), 8280, 5040, 975, 1155);
    EXPECT_FLOAT_EQ(3240, f.Tarambel1->Top());
    EXPECT_FLOAT_EQ(1365, f.Tarambel1->Width());
    EXPECT_FLOAT_EQ(1350, f.Tarambel1->Height());

    EXPECT_EQ(QColor(255, 255, 0), f.Command6(1).backColor());
    EXPECT_EQ(QColor(0, 255, 0), f.Command5(4).backColor());
    EXPECT_EQ(f.palette().color(QPalette::Button), f.Command3->backColor());
    for (std::int16_t i = 0; i < 10; ++i)
        EXPECT_EQ(32, f.Command5(i).picture().widthPixels()) << "folder picture " << i;
    EXPECT_EQ(74, f.Command4->picture().widthPixels());
    EXPECT_EQ(55, f.Command2->picture().widthPixels());
    EXPECT_EQ(67, f.Command6(1).picture().widthPixels());

    EXPECT_TRUE(f.Command1->picture().isNull());
    EXPECT_TRUE(f.Image1->picture().isNull());
    EXPECT_FALSE(f.Image1->Visible());
    EXPECT_TRUE(f.Picture2->isHidden());
    EXPECT_FALSE(f.Picture1->isHidden());
    EXPECT_FLOAT_EQ(10185, f.Picture1->Width()) << "the title picture is 679 x 440";
    EXPECT_FLOAT_EQ(6600, f.Picture1->Height());
    EXPECT_FLOAT_EQ(720, f.Picture1->Left());
    EXPECT_FLOAT_EQ(10245, f.Picture2->Width()) << "679 pixels plus the border";
    EXPECT_FLOAT_EQ(6660, f.Picture2->Height());
    EXPECT_FLOAT_EQ(3720, f.Image1->Left());
    EXPECT_FLOAT_EQ(2520, f.Image1->Top());
    EXPECT_EQ(QColor(255, 255, 0).red(), pixel(*f.Picture1, 2, 2).red()) << "T1 is on yellow";
}

TEST_F(DesignedWindow, TabOrderFollowsTheWindowDefinitionAndSkipsHiddenControls) {
    Form1& f = makeForm();
    f.show();
    QWidget* expected[] = {f.Picture1,     f.Command2,     f.Command1,     f.Tarambel1,
                           f.Command3,     f.Command4,     &f.Command5(0), &f.Command5(1),
                           &f.Command5(2), &f.Command5(3), &f.Command5(4), &f.Command5(5),
                           &f.Command5(6), &f.Command5(7), &f.Command5(8), &f.Command5(9),
                           &f.Command6(0), &f.Command6(1)};
    QWidget* at = f.Picture1;
    for (size_t i = 1; i < std::size(expected); ++i) {
        do
            at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible());
        EXPECT_EQ(expected[i], at) << "position " << i;
    }
}

using StartUp = FormTest;

TEST_F(StartUp, SetsTheWindowLevelStateBrushPointerAndColours) {
    content.basics();
    Form1& f = startedForm();
    EXPECT_EQ(content.folder(), f.AppFolder);
    EXPECT_EQ(1, f.FolderNumber);
    EXPECT_EQ(1, f.SizeNumber);
    EXPECT_EQ(1, f.PointerNumber);
    EXPECT_EQ(0, f.AnimationNumber);
    for (std::int16_t n : f.PictureNumber)
        EXPECT_EQ(0, n);
    EXPECT_EQ("", f.PrinterSwitch);

    EXPECT_EQ(41, f.Command1->picture().widthPixels()) << "brush size 1 on the button";
    EXPECT_FLOAT_EQ(615, f.Image1->Width()) << "and as the brush image";
    EXPECT_FLOAT_EQ(495, f.Image1->Height());
    EXPECT_EQ(32, f.Picture1->mouseIcon().widthPixels());
    EXPECT_EQ(kCustomPointer, f.Picture1->mousePointer());
    EXPECT_EQ(Qt::BitmapCursor, f.Picture1->cursor().shape());
    EXPECT_EQ(QColor(255, 0, 0), f.Picture1->fillColor());
    EXPECT_EQ(QColor(0, 0, 0), f.ForeColor);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();

    EXPECT_FLOAT_EQ(f.Picture1->Top(), f.Tarambel1->Top());
    EXPECT_FLOAT_EQ(f.Picture1->Left() + f.Picture1->Width() + 100, f.Tarambel1->Left());
}

TEST_F(StartUp, ReadsThePrintingSwitchFromTheFirstLineOfAnExactlyNamedFile) {
    content.basics();
    const auto switchAfterStart = [&](const QString& name, const QByteArray& bytes) {
        content.remove("impresora.txt");
        content.remove("Impresora.txt");
        if (!name.isEmpty())
            content.text(name, bytes);
        return startedForm().PrinterSwitch;
    };
    EXPECT_EQ("", switchAfterStart("", ""));
    EXPECT_EQ("SI", switchAfterStart("impresora.txt", "SI\r\nmore\r\n"));
    EXPECT_EQ("SI\nNO", switchAfterStart("impresora.txt", "SI\nNO"));
    EXPECT_EQ(" SI ", switchAfterStart("impresora.txt", " SI \r\n"));
    EXPECT_EQ("", switchAfterStart("impresora.txt", ""));
    EXPECT_EQ("", switchAfterStart("Impresora.txt", "SI\r\n")) << "another letter case is absent";
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StartUp, TellsWhichFileIsMissingAndStillLaysOutTheWindow) {
    content.gif("fondo.gif", 4, 4);
    Form1& f = startedForm();
    ASSERT_EQ(2, messages.shown.size());
    EXPECT_TRUE(messages.shown[0].startsWith("No puedo cargar el primer tamaño de pincel"));
    EXPECT_TRUE(messages.shown[0].contains(content.path("medida/1.gif")));
    EXPECT_TRUE(messages.shown[1].startsWith("No puedo cargar el primer puntero"));
    EXPECT_TRUE(messages.shown[1].contains(content.path("punteros/1.ico")));
    EXPECT_FLOAT_EQ(11520 - 1225, f.Command3->Top()) << "the layout still ran";
    EXPECT_EQ(QColor(255, 0, 0), f.Picture1->fillColor());
    EXPECT_EQ(1, f.SizeNumber);
}

TEST_F(StartUp, ReportsABrushPictureThatCannotBeDecoded) {
    content.basics();
    content.text("medida/1.gif", "GIF89a\x10\x00");
    startedForm();
    ASSERT_EQ(1, messages.shown.size());
    EXPECT_TRUE(messages.shown[0].contains("no es una imagen válida"))
        << messages.shown[0].toStdString();
}

using PlacingThePictureArea = FormTest;

// Puts Command3's top (the band) and Picture1's height as given, places the
// area and answers Picture1's top and height.
static std::pair<float, float> placed(Form1& f, float band, float height) {
    f.Command3->setTop(band);
    f.Picture1->setHeight(height);
    f.PlacePictureArea();
    return {f.Picture1->Top(), f.Picture1->Height()};
}

TEST_F(PlacingThePictureArea, CentresInTheBandRoundingHalvesToEven) {
    Form1& f = makeForm();
    EXPECT_EQ(std::make_pair(300.0f, 6600.0f), placed(f, 7200, 6600));
    EXPECT_EQ(std::make_pair(2.0f, 6600.0f), placed(f, 6605, 6600)) << "2.5 gives 2";
    EXPECT_EQ(std::make_pair(4.0f, 6600.0f), placed(f, 6607, 6600)) << "3.5 gives 4";
}

TEST_F(PlacingThePictureArea, FitsATooTallAreaWithSmallMargins) {
    Form1& f = makeForm();
    EXPECT_EQ(std::make_pair(5.0f, 6576.0f), placed(f, 6601, 6600)) << "0.5 gives 0";
    EXPECT_EQ(std::make_pair(5.0f, 4975.0f), placed(f, 5000, 6600));
    EXPECT_FLOAT_EQ(5, f.Tarambel1->Top());
    EXPECT_FLOAT_EQ(f.Picture1->Left() + f.Picture1->Width() + 100, f.Tarambel1->Left());
}

TEST_F(StartUp, EndButtonEndsTheProgram) {
    content.basics();
    Form1& f = startedForm();
    int ended = 0;
    QObject::connect(&f, &Form1::ended, [&] { ++ended; });
    f.Command2->click();
    EXPECT_EQ(1, ended);
}
