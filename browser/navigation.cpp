// Choosing a drawing folder and stepping through its numbered drawings.

#include "platform/errors.h"
#include "ui/form1.h"

#include <limits>

namespace tamiro {

namespace {

QString numeral(int number) {
    return QString::number(number);
}

QString shown(QString path) {
    return path.replace(u'\\', u'/');
}

} // namespace

void Form1::Command5_Click(std::int16_t Index) {
    if (Index < 0 || Index > 9)
        return; // the group has ten buttons
    FolderNumber = static_cast<std::uint8_t>(Index + 1);
    ClearAnimation();
    Picture1->hide();
    std::int16_t& n = currentPictureNumber();
    if (!drawingPresent(n, Search::Forward))
        n = 1;
    showDrawing(SourceSize::OfPicture1, QStringLiteral("\\sonido1.wav"));
}

void Form1::command4_Click() {
    ClearAnimation();
    Picture1->hide();
    std::int16_t& n = currentPictureNumber();
    const bool pastTheTop = n == std::numeric_limits<std::int16_t>::max();
    n = pastTheTop ? n : static_cast<std::int16_t>(n + 1);
    if (pastTheTop || !drawingPresent(n, Search::Forward))
        n = 1;
    showDrawing(SourceSize::OfPicture1, QStringLiteral("\\sonido1.wav"));
}

void Form1::Command3_Click() {
    ClearAnimation();
    std::int16_t& n = currentPictureNumber();
    if (n > std::numeric_limits<std::int16_t>::min())
        n = static_cast<std::int16_t>(n - 1);
    Picture1->hide();
    if (!drawingPresent(n, Search::Forward)) {
        // The last drawing: the number before the first one missing from 1 on.
        std::int16_t i = 1;
        while (i < std::numeric_limits<std::int16_t>::max() && drawingPresent(i, Search::Back))
            ++i;
        n = static_cast<std::int16_t>(i - 1);
    }
    showDrawing(SourceSize::OfPicture2, QStringLiteral("\\sonido2.wav"));
}

std::int16_t& Form1::currentPictureNumber() {
    return PictureNumber.at(FolderNumber);
}

// Drawing n is there when its coloured variant is, as a GIF or as a JPEG file.
// Both questions are always asked. The back search asks for the GIF with a
// lower-case extension; the answer is upper-cased either way.
bool Form1::drawingPresent(std::int16_t n, Search search) {
    const QString folder =
        AppFolder + "\\dibujos\\" + numeral(FolderNumber) + "\\si coloreado\\" + numeral(n);
    const QString gifAnswer =
        files_.dir(folder + (search == Search::Back ? ".gif" : ".GIF")).toUpper();
    const QString jpegAnswer = files_.dir(folder + ".JPG").toUpper();
    return gifAnswer == numeral(n) + ".GIF" || jpegAnswer == numeral(n) + ".JPG";
}

// Shows the drawing now chosen in the folder: the coloured variant as the
// picture of the drawing area, the uncoloured one drawn over it; then the
// sound and the next animation.
void Form1::showDrawing(SourceSize source, const QString& sound) {
    const std::int16_t n = currentPictureNumber();
    const QString drawing = AppFolder + "\\dibujos\\" + numeral(FolderNumber);
    const QString gif = drawing + "\\si coloreado\\" + numeral(n) + ".GIF";
    const QString jpeg = drawing + "\\si coloreado\\" + numeral(n) + ".JPG";
    const QString uncolouredPath = drawing + "\\no coloreado\\" + numeral(n) + ".GIF";

    QString extension;
    if (!files_.dir(gif).isEmpty())
        extension = QStringLiteral(".GIF");
    else if (!files_.dir(jpeg).isEmpty())
        extension = QStringLiteral(".JPG");
    const QString colouredPath = drawing + "\\si coloreado\\" + numeral(n) + extension;

    // Both variants are read before the drawing area changes: a missing or
    // damaged file leaves the drawing shown before as it was.
    Picture coloured, uncoloured;
    try {
        if (extension.isEmpty())
            throw PlatformError(
                QStringLiteral("no encuentro «%1» ni «%2»").arg(shown(gif), shown(jpeg)));
        coloured = pictures_.load(colouredPath);
        uncoloured = pictures_.load(uncolouredPath);
    } catch (const PlatformError& error) {
        Picture1->show();
        services_.messages.show(
            QStringLiteral("No puedo mostrar el dibujo %1 de la carpeta %2: %3.")
                .arg(n)
                .arg(FolderNumber)
                .arg(error.description()));
        return;
    }

    Picture1->setPicture(coloured);                                               // D1
    Picture1->setLeft(float((services_.screen.width() - Picture1->Width()) / 2)); // D2
    PlacePictureArea();                                                           // D3
    Picture1->Cls();                                                              // D4
    Picture1->show();                                                             // D5
    Picture2->setPicture(uncoloured);                                             // D6
    Picture1->setPicture(coloured);                                               // D7
    const bool ofPicture2 = source == SourceSize::OfPicture2;
    Picture1->PaintPicture(Picture2->picture(), 0, 0, Picture1->Width(), Picture1->Height(), 0, 0,
                           ofPicture2 ? Picture2->Width() : Picture1->Width(),
                           ofPicture2 ? Picture2->Height() : Picture1->Height());
    PlayNavigationSound(sound); // D8
    ShowNextAnimation();
}

} // namespace tamiro
