// The pointer button and the print button share one handler and one trap.

#include "platform/errors.h"
#include "ui/form1.h"

namespace tamiro {

void Form1::Command6_Click(std::int16_t Index) {
    try {
        if (Index == 0) {
            ++PointerNumber;
            const QString test =
                (AppFolder + "\\punteros\\" + QString::number(PointerNumber) + ".ico").toUpper();
            if (files_.dir(test).isEmpty())
                PointerNumber = 1;
            const QString file =
                AppFolder + "\\punteros\\" + QString::number(PointerNumber) + ".ico";
            Command6(0).setPicture(pictures_.load(file));
            Picture1->setMouseIcon(pictures_.load(file));
            Picture1->setMousePointer(kCustomPointer);
        } else if (Index == 1) {
            if (PrinterSwitch.toUpper() != QStringLiteral("SI"))
                return;
            const Picture drawing = Picture1->picture();
            const float width = Picture1->Width();
            const float height = Picture1->Height();
            services_.printer.paintPicture(drawing, 0.0f, 0.0f, width, height);
            services_.printer.endDoc();
        }
    } catch (const PlatformError& error) {
        services_.messages.show(QStringLiteral("Atención: ") + error.description());
    }
}

} // namespace tamiro
