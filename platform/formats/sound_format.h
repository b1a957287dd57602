#pragma once

#include <QByteArray>
#include <QString>

namespace tamiro {

// The largest sound file played; the navigation sounds are well under a second.
inline constexpr qint64 kMaxSoundBytes = qint64{16} * 1024 * 1024;

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
// The same for a file on disk of at most kMaxSoundBytes.
SoundFormat soundFormatOf(const QString& file);

} // namespace tamiro
