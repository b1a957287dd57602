// Choosing a drawing folder and stepping through its numbered drawings. Where
// each step leads and what it shows are the content's rules (rules/drawings).

#include "rules/content.h"
#include "rules/drawing_area.h"
#include "ui/form1.h"

namespace tamiro {

void Form1::Command5_Click(std::int16_t Index) {
    if (Index < 0 || Index > 9)
        return; // the group has ten buttons
    FolderNumber = static_cast<std::uint8_t>(Index + 1);
    ClearAnimation();
    Picture1->hide();
    std::int16_t& n = currentPictureNumber();
    n = drawings_.afterFolderButton(FolderNumber, n); // the presence test of n, else 1
    showDrawing(SourceSize::OfPicture1, kNextSound);
}

void Form1::command4_Click() {
    ClearAnimation();
    Picture1->hide();
    std::int16_t& n = currentPictureNumber();
    n = drawings_.afterNext(FolderNumber, n); // n + 1 when present, else 1
    showDrawing(SourceSize::OfPicture1, kNextSound);
}

void Form1::Command3_Click() {
    ClearAnimation();
    Picture1->hide(); // hidden before the number moves: nothing it does reads the other
    std::int16_t& n = currentPictureNumber();
    n = drawings_.afterPrevious(FolderNumber, n); // n - 1 when present, else the last one
    showDrawing(SourceSize::OfPicture2, kPreviousSound);
}

std::int16_t& Form1::currentPictureNumber() {
    return PictureNumber.at(FolderNumber);
}

// Shows the drawing now chosen in the folder: the coloured variant as the
// picture of the drawing area, the uncoloured one drawn over it; then the
// sound and the next animation. Both variants are read before the drawing
// area changes: a missing or damaged file leaves the drawing shown before as
// it was, and the child is told.
void Form1::showDrawing(SourceSize source, const QString& sound) {
    const DrawingStep step = drawings_.show(FolderNumber, currentPictureNumber());
    if (!step.shown()) {
        Picture1->show();
        services_.messages.show(step.message);
        return;
    }

    Picture1->setPicture(step.coloured);                                         // D1
    Picture1->setLeft(centredLeft(services_.screen.width(), Picture1->Width())); // D2
    PlacePictureArea();                                                          // D3
    Picture1->Cls();                                                             // D4
    Picture1->show();                                                            // D5
    Picture2->setPicture(step.uncoloured);                                       // D6
    Picture1->setPicture(step.coloured);                                         // D7
    const bool ofPicture2 = source == SourceSize::OfPicture2;
    Picture1->PaintPicture(Picture2->picture(), 0, 0, Picture1->Width(), Picture1->Height(), 0, 0,
                           ofPicture2 ? Picture2->Width() : Picture1->Width(),
                           ofPicture2 ? Picture2->Height() : Picture1->Height());
    PlayNavigationSound(sound); // D8
    ShowNextAnimation();
}

} // namespace tamiro
