// The pointer button and the print button share one handler and one trap.

#include "platform/errors.h"
#include "rules/content.h"
#include "rules/messages.h"
#include "ui/form1.h"

namespace tamiro {

void Form1::Command6_Click(std::int16_t Index) {
    try {
        if (Index == 0) {
            PointerNumber = nextInSeries(files_, AppFolder, kPointers, PointerNumber);
            const QString file = seriesPath(AppFolder, kPointers, PointerNumber);
            Command6(0).setPicture(pictures_.load(file));
            Picture1->setMouseIcon(pictures_.load(file));
            Picture1->setMousePointer(kCustomPointer);
        } else if (Index == 1) {
            if (!printingOn(PrinterSwitch))
                return;
            const Picture drawing = Picture1->picture();
            const float width = Picture1->Width();
            const float height = Picture1->Height();
            services_.printer.paintPicture(drawing, 0.0f, 0.0f, width, height);
            services_.printer.endDoc();
        }
    } catch (const PlatformError& error) {
        services_.messages.show(messages::attention(error.description()));
    }
}

} // namespace tamiro
