// Start-up of the window, the placing of the drawing area and the end button.

#include "platform/errors.h"
#include "ui/form1.h"

#include <optional>

namespace tamiro {

void Form1::Form_Load() {
    FolderNumber = 1;
    AppFolder = files_.applicationFolder();
    SizeNumber = 1;

    // The first brush size, on the button and as the brush image.
    try {
        ShowBrushSize();
    } catch (const PlatformError& error) {
        services_.messages.show(QStringLiteral("No puedo cargar el primer tamaño de pincel: %1.")
                                    .arg(error.description()));
    }

    // The printing switch: the first line of "impresora.txt", when a file of
    // exactly that name is there.
    const QString switchFile = AppFolder + "\\impresora.txt";
    if (files_.dir(switchFile) == QStringLiteral("impresora.txt")) {
        try {
            PrinterSwitch = files_.readFirstLine(switchFile);
        } catch (const PlatformError& error) {
            services_.messages.show(
                QStringLiteral("No puedo leer el interruptor de impresión: %1. La impresión queda "
                               "desactivada.")
                    .arg(error.description()));
        }
    }

    PointerNumber = 1;
    try {
        Picture1->setMouseIcon(pictures_.load(AppFolder + "\\punteros\\1.ico"));
    } catch (const PlatformError& error) {
        services_.messages.show(
            QStringLiteral("No puedo cargar el primer puntero: %1.").arg(error.description()));
    }
    Picture1->setMousePointer(kCustomPointer);

    PictureNumber.at(FolderNumber) = 0;
    ForeColor = QColor(0, 0, 0);
    ArrangeControls();
    Picture1->setFillColor(QColor(255, 0, 0));
    PlacePictureArea();
}

// Centres the drawing area in the band above the button bar, or fits it in
// with small margins when it is too tall, and puts the animation beside it.
void Form1::PlacePictureArea() {
    const double screenHeight = services_.screen.height();
    const double band = screenHeight - (screenHeight - Command3->Top());
    const double margin = roundHalfEven((band - Picture1->Height()) / 2);
    if (margin >= 1) {
        Picture1->setTop(float(margin));
    } else {
        Picture1->setTop(5);
        const double bandAgain = screenHeight - (screenHeight - Command3->Top());
        Picture1->setHeight(float(bandAgain - 25));
    }
    Tarambel1->setTop(Picture1->Top());
    Tarambel1->setLeft(float(double(Picture1->Width()) + Picture1->Left() + 100));
}

void Form1::Command2_Click() {
    emit ended();
}

} // namespace tamiro
