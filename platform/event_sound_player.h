#pragma once

#include "platform/services.h"

#include <QString>
#include <memory>
#include <thread>

namespace tamiro {

// Navigation sounds through libcanberra, the desktop's event-sound library.
// Only sounds that soundFormat() accepts reach it.
// It streams each WAV file whole to the sound server (PulseAudio or its
// successors through the PulseAudio backend, plain ALSA where no server
// runs), can cancel a sound by its id, and stays silent without a device.
// Qt's QSoundEffect dropped or cut short sounds of a sequence; the bare
// PulseAudio client library would need a WAV reader of our own and plays
// nothing without a server; GStreamer builds a pipeline per sound and decodes
// whatever a file claims to be.
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

// The largest sound file played; the navigation sounds are well under a second.
inline constexpr qint64 kMaxSoundBytes = 16 * 1024 * 1024;

// A sound file as the player takes it. The player hands the sound library
// only the files it accepts here, and accepts only what the library and the
// sound server play: PCM WAV of 8 or 16 bits, read chunk by chunk as the
// library reads it, with a layout of channels the server knows, at a rate it
// takes, and at least one sample to hear.
struct SoundFormat {
    QString problem; // empty when it plays; else why not, in Spanish
    int channels = 0, rate = 0, bits = 0;
    double seconds = 0;
    bool plays() const { return problem.isEmpty(); }
};
SoundFormat soundFormat(const QByteArray& wav);
// The same for a file on disk, read through openSoundFile.
SoundFormat soundFormatOf(const QString& file);

// A descriptor open for reading on a sound file, or -1 when the path names
// anything but a regular file of at most 16 MB. Never blocks, whatever the
// path names (a FIFO, a device, a link to one).
int openSoundFile(const QString& file);

} // namespace tamiro
