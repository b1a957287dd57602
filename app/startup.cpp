// Start-up of the window, the placing of the drawing area and the end button.

#include "platform/errors.h"
#include "rules/content.h"
#include "rules/drawing_area.h"
#include "rules/messages.h"
#include "ui/form1.h"

namespace tamiro {

void Form1::Form_Load() {
    FolderNumber = kStartFolder;
    AppFolder = files_.applicationFolder();
    SizeNumber = 1;

    // The first brush size, on the button and as the brush image.
    try {
        ShowBrushSize();
    } catch (const PlatformError& error) {
        services_.messages.show(messages::firstBrushSizeNotLoaded(error.description()));
    }

    // The printing switch: the first line of "impresora.txt", when a file of
    // exactly that name is there.
    const SwitchFile switchFile = readPrinterSwitch(files_, AppFolder);
    PrinterSwitch = switchFile.line;
    if (!switchFile.message.isEmpty())
        services_.messages.show(switchFile.message);

    PointerNumber = 1;
    try {
        Picture1->setMouseIcon(pictures_.load(seriesPath(AppFolder, kPointers, 1)));
    } catch (const PlatformError& error) {
        services_.messages.show(messages::firstPointerNotLoaded(error.description()));
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
    const double margin = centredMargin(band, Picture1->Height());
    if (margin >= 1) {
        Picture1->setTop(float(margin));
    } else {
        Picture1->setTop(kFittedTop);
        const double bandAgain = screenHeight - (screenHeight - Command3->Top());
        Picture1->setHeight(float(bandAgain - kFittedCut));
    }
    Tarambel1->setTop(Picture1->Top());
    Tarambel1->setLeft(float(double(Picture1->Width()) + Picture1->Left() + kAnimationGap));
}

void Form1::Command2_Click() {
    emit ended();
}

} // namespace tamiro
