#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace tamiro {

// The state every handler of the window shares, for as long as the window
// lives. Nothing of it is saved between runs.
struct WindowState {
    QString appFolder;                             // the application folder
    std::uint8_t folderNumber = 0;                 // drawing folder chosen, 1 to 10
    std::array<std::int16_t, 11> pictureNumbers{}; // drawing shown last, per folder (0 unused)
    QString printerSwitch;                         // first line of "impresora.txt"
    int pointerNumber = 0;                         // pointer icon in use
    int brushSizeNumber = 0;                       // brush-size picture in use
    std::int16_t animationNumber = 0;              // animation given last
};

} // namespace tamiro
