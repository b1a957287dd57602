#pragma once

#include "platform/core/services.h"

#include <QString>
#include <memory>
#include <thread>

namespace tamiro {

// Navigation sounds through the desktop's event-sound library, which streams
// each WAV file whole to the sound server and stays silent without a device.
// Only sounds that soundFormat() accepts reach it (docs/design/sound.md says
// why this library).
//
// A new sound stops the one still playing, so rapid clicks never pile up.
// The library waits for the sound server while it starts a sound, so it is
// only called from a thread of the player's own: a sound server that hangs
// never holds up the window.
class EventSoundPlayer : public SoundPlayer {
public:
    explicit EventSoundPlayer(FileSystem& files);
    ~EventSoundPlayer() override;
    void play(const QString& path) override;

private:
    struct Queue;
    FileSystem& files_;
    std::shared_ptr<Queue> queue_;
    std::thread thread_;
};

// A descriptor open for reading on a sound file, or -1 when the path names
// anything but a regular file of at most kMaxSoundBytes. Never blocks,
// whatever the path names (a FIFO, a device, a link to one).
int openSoundFile(const QString& file);

} // namespace tamiro
