#include "platform/formats/sound_format.h"

#include "platform/core/errors.h"
#include "platform/formats/content_file.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

namespace tamiro {

namespace {

// Why a sound will not play: a description that completes the teacher's
// line, in lower case.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::SoundProblems)
};

// The library refuses a RIFF size or a chunk size of 0 or of 64 MB and more.
constexpr quint32 kLargestChunk = 64u * 1024 * 1024;
// The sound server's limits: channels, and the highest rate it takes.
constexpr int kMaxChannels = 32;
constexpr quint32 kMaxRate = 48000u * 8;
// Without a map of their places in the file, the server places at most six
// channels itself.
constexpr int kMaxChannelsUnplaced = 6;
// Of a WAVE_FORMAT_EXTENSIBLE channel mask, the places the library knows.
constexpr int kKnownPlaces = 18;

const char kPcmGuid[16] = {1,          0, 0, 0,          0, 0,    0x10,       0,
                           char(0x80), 0, 0, char(0xaa), 0, 0x38, char(0x9b), 0x71};

// The file read as the library reads it: from `at`, chunk header after chunk
// header, skipping each body by its size as written (no padding byte), up to
// the chunk `id`, whose size comes back. Empty when the walk fails.
QString skipToChunk(const QByteArray& wav, qsizetype& at, const char* id, quint32& size) {
    for (;;) {
        if (at + 8 > wav.size())
            return Text::tr("está incompleto o sus partes están mal encadenadas");
        size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (size == 0 || size >= kLargestChunk)
            return Text::tr("su cabecera dice que una de sus partes mide %1 bytes").arg(size);
        const bool found = memcmp(wav.constData() + at, id, 4) == 0;
        at += 8;
        if (found)
            return {};
        at += size;
    }
}

} // namespace

SoundFormat soundFormat(const QByteArray& wav) {
    SoundFormat format;
    const char* bytes = wav.constData();
    if (wav.size() < 12 || memcmp(bytes, "RIFF", 4) != 0 || memcmp(bytes + 8, "WAVE", 4) != 0)
        return {Text::tr("no es un archivo WAV")};
    const quint32 riffSize = qFromLittleEndian<quint32>(bytes + 4);
    if (riffSize == 0 || riffSize >= kLargestChunk)
        return {Text::tr("su cabecera dice que mide %1 bytes").arg(riffSize)};
    qsizetype at = 12;
    quint32 size = 0;
    // untranslated: the name of a part of the file
    if (QString problem = skipToChunk(wav, at, "fmt ", size); !problem.isEmpty())
        return {problem};
    const bool extensible = size == 40;
    if (size != 16 && size != 18 && !extensible)
        //: Its format header is of a kind the sound library cannot play.
        return {Text::tr("su cabecera de formato es de un tipo que no se puede tocar")};
    if (at + size > wav.size())
        return {Text::tr("está incompleto")};
    const char* fmt = bytes + at;
    const quint16 tag = qFromLittleEndian<quint16>(fmt);
    format.channels = qFromLittleEndian<quint16>(fmt + 2);
    format.rate = int(std::min<quint32>(qFromLittleEndian<quint32>(fmt + 4), INT_MAX));
    format.bits = qFromLittleEndian<quint16>(fmt + 14);
    const bool pcm = extensible ? tag == 0xfffe && memcmp(fmt + 24, kPcmGuid, 16) == 0 : tag == 1;
    const quint32 mask = extensible ? qFromLittleEndian<quint32>(fmt + 20) : 0;
    at += size;
    if (!pcm || (format.bits != 8 && format.bits != 16))
        return {Text::tr("no es PCM de 8 o 16 bits"), format.channels, format.rate, format.bits};
    if (format.channels == 0 || format.rate == 0)
        //: %1 is the number of channels, %2 the rate, as the file's header says.
        return {Text::tr("su cabecera dice que tiene %1 canales a %2 Hz")
                    .arg(format.channels)
                    .arg(format.rate)};
    if (format.channels > kMaxChannels || quint32(format.rate) > kMaxRate)
        //: %1 is the number of channels, %2 the rate.
        return {Text::tr("tiene %1 canales a %2 Hz, más de lo que el sonido del "
                         "ordenador admite")
                    .arg(format.channels)
                    .arg(format.rate)};
    const int placed = std::popcount(mask & ((1u << kKnownPlaces) - 1));
    if (placed != format.channels && format.channels > kMaxChannelsUnplaced)
        return {Text::tr("tiene %1 canales sin decir dónde suena cada uno").arg(format.channels)};
    if (QString problem = skipToChunk(wav, at, "data", size); !problem.isEmpty())
        return {problem};
    const int frame = format.channels * format.bits / 8;
    if (size % quint32(format.bits / 8) != 0)
        return {Text::tr("su parte de sonido está cortada a medias")};
    const qint64 heard = std::min<qint64>(size, wav.size() - at) / frame;
    if (heard <= 0)
        return {Text::tr("no tiene sonido")};
    format.seconds = double(heard) / format.rate;
    return format;
}

SoundFormat soundFormatOf(const QString& file) {
    try {
        return soundFormat(readContentFile(file, kMaxSoundBytes));
    } catch (const PlatformError& error) {
        return {error.description()};
    }
}

} // namespace tamiro
