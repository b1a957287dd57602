#pragma once

// What the content tree means to the program: the name of every content file,
// the numbered series and how a click steps through one, the sound of each
// button and the printing switch. The window's handlers and the teacher's
// checker both ask here, so that they cannot tell two different stories.

#include "platform/core/services.h"
#include "platform/formats/sound_format.h"

#include <QString>
#include <climits>
#include <cstdint>

namespace tamiro {

// Content paths are the application folder followed by a literal that begins
// with a backslash; the file system maps the backslashes.
inline const QString kBackgroundFile = QStringLiteral("\\fondo.gif");
inline const QString kSwitchFile = QStringLiteral("\\impresora.txt");
// The sound of the next and folder buttons, and of the previous button.
inline const QString kNextSound = QStringLiteral("\\sonido1.wav");
inline const QString kPreviousSound = QStringLiteral("\\sonido2.wav");

// The largest drawing and animation number: the counters are 16 bits wide.
inline constexpr int kLastNumber = 32767;

// A numbered series of files 1, 2, 3, ... in one folder, stepped through by
// one click each.
struct Series {
    const char* folder; // under the application folder
    const char* extension;
    int top; // the largest number the series' counter holds
};
inline constexpr Series kAnimations{"animados", ".gif", kLastNumber};
inline constexpr Series kBrushSizes{"medida", ".gif", INT_MAX};
inline constexpr Series kPointers{"punteros", ".ico", INT_MAX};

// AppFolder\folder\n.ext, written as the handlers write it.
QString seriesPath(const QString& appFolder, const Series& series, int n);

// The number after n, when a click steps on: n + 1 when its file is there (the
// whole path asked in upper case), else 1, which is taken without a test.
int nextInSeries(FileSystem& files, const QString& appFolder, const Series& series, int n);

// The two variants of a drawing, in "\dibujos\" folder "\si coloreado\" or
// "\no coloreado\".
enum class Variant { Coloured, Uncoloured };
QString drawingPath(const QString& appFolder, int folder, Variant variant, int n,
                    const QString& extension);

// The sound a button plays, as the player takes it: the application folder
// and the button's sound name, resolved by the file system.
SoundFormat navigationSound(FileSystem& files, const QString& name);

// Printing is on when the upper case of the switch is exactly "SI".
bool printingOn(const QString& printerSwitch);

// The printing switch as start-up reads it: the first line of a file named
// exactly "impresora.txt" (other letter case counts as absent), or empty.
// When the file is there but cannot be read, `message` is what the child is
// told.
struct SwitchFile {
    QString line;
    QString message;
};
SwitchFile readPrinterSwitch(FileSystem& files, const QString& appFolder);

} // namespace tamiro
