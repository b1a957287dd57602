// The print button: the switch file read at start-up, and what is printed.

#include "support/form_fixture.h"

using namespace tamiro;
using namespace tamiro::testing;

using Printing = FormTest;

// The switch file's name and bytes -> prints or not. Only a first line (up
// to a carriage return) of SI in any letter case prints; nothing is trimmed.
TEST_F(Printing, SwitchFromTheFilesBytes) {
    content.basics();
    const struct {
        QByteArray bytes;
        bool prints;
        const char* name = "impresora.txt"; // none: no file
    } rows[] = {
        {"si", true},   {"sI", true},          {"SI\r\nNO", true},
        {" SI", false}, {"SI ", false},        {"S\xc3\x8d", false},
        {"NO", false},  {"\r\nSI\r\n", false}, {"SI\nNO", false},
        {"", false},    {"", false, nullptr},  {"SI", false, "Impresora.txt"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        content.remove("impresora.txt");
        content.remove("Impresora.txt");
        if (row.name)
            content.text(row.name, row.bytes);
        printer = {};
        startedForm();
        click('r');
        EXPECT_EQ(row.prints ? 1 : 0, printer.documents);
        EXPECT_TRUE(messages.shown.isEmpty());
    }
    content.text("impresora.txt", "SI"); // read only at start-up
    click('r');
    EXPECT_EQ(0, printer.documents);
}

// The drawing area's picture at (0, 0), at the area's size in twips, one
// document per click; a printer failure is told and ends no document.
TEST_F(Printing, WhatWhereAndFailure) {
    content.basics();
    content.text("impresora.txt", "SI");
    content.drawing(1, 1, 40, 30);
    content.picture("punteros/2.ico", framedImage(32, 32, Qt::red));
    Form1& f = startedForm();
    for (char button : std::string("rnrr")) // the title, then the drawing twice
        click(button);
    ASSERT_EQ(3u, printer.drawn.size());
    EXPECT_EQ(3, printer.documents);
    const auto& title = printer.drawn[0];
    EXPECT_EQ(pictures.builtIn("T1.gif").image(), title.picture.image());
    EXPECT_EQ(QRectF(0, 0, 10185, 6600), QRectF(title.x, title.y, title.width, title.height));
    const auto& drawing = printer.drawn[2];
    EXPECT_TRUE(drawing.picture.sameAs(f.Picture1->picture()));
    EXPECT_EQ(QColor(Qt::red), drawing.picture.image().pixelColor(20, 15)) << "the coloured one";
    EXPECT_EQ(QRectF(0, 0, 600, 450), QRectF(drawing.x, drawing.y, drawing.width, drawing.height));
    EXPECT_EQ(1, f.PointerNumber);
    EXPECT_TRUE(messages.shown.isEmpty());

    printer.failure = "la impresora no responde";
    click('r');
    EXPECT_EQ(QStringList{"Atención: la impresora no responde"}, messages.shown);
    EXPECT_EQ(3, printer.documents);
}
