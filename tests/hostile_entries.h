#pragma once

// Entries of the content folder that no careful teacher would make.

#include <QString>

namespace tamiro::testing {

enum class Hostile { Zero, Random, Fifo, Socket, Broken, ScreenGif, ManyScans, HugeIcon, LyingWav };

// Puts the entry at `file`, replacing what was there.
void makeHostile(Hostile kind, const QString& file);

} // namespace tamiro::testing
