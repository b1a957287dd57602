#include "platform/system/event_sound_player.h"

#include "platform/core/errors.h"
#include "platform/core/logging.h"
#include "platform/formats/content_file.h"
#include "platform/formats/sound_format.h"

#include <algorithm>
#include <canberra.h>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tamiro {

namespace {

constexpr uint32_t kSoundId = 1; // every sound of the program, so one cancel stops it

} // namespace

int openSoundFile(const QString& file) {
    try {
        ContentFile sound(file);
        if (sound.size() <= kMaxSoundBytes)
            return sound.release();
        qCDebug(lcSound, "sin sonido: «%s» mide %lld bytes, más de %lld", qUtf8Printable(file),
                sound.size(), kMaxSoundBytes);
    } catch (const PlatformError& error) {
        // A missing or unreadable sound is not worth a word to the child.
        qCDebug(lcSound, "sin sonido: %s", qUtf8Printable(error.description()));
    }
    return -1;
}

// Whether the sound library gets the file open on `fd` (read from its start);
// `name` is the file's, for the log.
static bool accepted(int fd, const QString& name) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return false;
    QByteArray wav(qsizetype(std::clamp<off_t>(info.st_size, 0, kMaxSoundBytes)),
                   Qt::Uninitialized);
    qsizetype at = 0;
    while (at < wav.size()) {
        const ssize_t got = ::pread(fd, wav.data() + at, size_t(wav.size() - at), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        at += got;
    }
    wav.truncate(at);
    const SoundFormat format = soundFormat(wav);
    if (!format.plays())
        qCDebug(lcSound, "sin sonido: «%s» %s", qUtf8Printable(name),
                qUtf8Printable(format.problem));
    return format.plays();
}

// The sound waiting to be played: only the latest one is kept.
struct EventSoundPlayer::Queue {
    std::mutex mutex;
    std::condition_variable wake;
    int next = -1;    // descriptor of the sound to play next
    QString nextName; // its file, for the log
    bool busy = false, stop = false;

    void run() {
        ca_context* context = nullptr;
        std::unique_lock lock(mutex);
        while (!stop) {
            wake.wait(lock, [this] { return stop || next >= 0; });
            if (stop)
                break;
            const int fd = std::exchange(next, -1);
            const QString name = nextName;
            busy = true;
            lock.unlock();
            // The library opens the checked file through its descriptor, so
            // the name cannot be swapped for something else meanwhile.
            const std::string file = "/proc/self/fd/" + std::to_string(fd);
            for (int attempt = accepted(fd, name) ? 0 : 2; attempt < 2; ++attempt) {
                if (!context) {
                    const int created = ca_context_create(&context);
                    if (created == CA_SUCCESS)
                        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tamiro",
                                                CA_PROP_APPLICATION_ID, "org.tamiro.Tamiro",
                                                nullptr);
                    else
                        qCDebug(lcSound, "sin sonido: la biblioteca de sonido no empieza (%s)",
                                ca_strerror(created));
                }
                if (!context)
                    break;
                ca_context_cancel(context, kSoundId);
                const int played = ca_context_play(context, kSoundId, CA_PROP_MEDIA_FILENAME,
                                                   file.c_str(), nullptr);
                if (played == CA_SUCCESS)
                    qCDebug(lcSound, "suena «%s»", qUtf8Printable(name));
                else
                    qCDebug(lcSound, "sin sonido: «%s» (%s)", qUtf8Printable(name),
                            ca_strerror(played));
                // A sound server that went away (restarted, for one) leaves
                // the context useless: start again with a new one.
                if (played != CA_ERROR_STATE && played != CA_ERROR_DISCONNECTED)
                    break;
                ca_context_destroy(std::exchange(context, nullptr));
            }
            ::close(fd);
            lock.lock();
            busy = false;
        }
        if (next >= 0)
            ::close(std::exchange(next, -1));
        lock.unlock();
        if (context)
            ca_context_destroy(context);
    }
};

EventSoundPlayer::EventSoundPlayer(FileSystem& files)
    : files_(files), queue_(std::make_shared<Queue>()) {
    thread_ = std::thread([queue = queue_] { queue->run(); });
}

EventSoundPlayer::~EventSoundPlayer() {
    bool hung;
    {
        std::lock_guard lock(queue_->mutex);
        queue_->stop = true;
        hung = queue_->busy;
    }
    queue_->wake.notify_one();
    // A thread still waiting for a hung sound server keeps the queue alive
    // and ends with the program.
    if (hung)
        thread_.detach();
    else
        thread_.join();
}

void EventSoundPlayer::play(const QString& path) {
    const QString file = files_.resolve(path);
    const int fd = openSoundFile(file);
    if (fd < 0)
        return; // a missing sound is not worth a word to the child
    {
        std::lock_guard lock(queue_->mutex);
        if (queue_->next >= 0)
            ::close(queue_->next);
        queue_->next = fd;
        queue_->nextName = file;
    }
    queue_->wake.notify_one();
}

} // namespace tamiro
