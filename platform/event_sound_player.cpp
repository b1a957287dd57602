#include "platform/event_sound_player.h"

#include <QFile>
#include <canberra.h>
#include <condition_variable>
#include <cstdint>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tamiro {

namespace {
constexpr off_t kMaxSoundBytes = 16 * 1024 * 1024;
constexpr uint32_t kSoundId = 1; // every sound of the program, so one cancel stops it

bool isSoundFile(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_size <= kMaxSoundBytes;
}
} // namespace

int openSoundFile(const QString& file) {
    const QByteArray name = QFile::encodeName(file);
    struct stat info;
    // Looked at before it is opened, because opening some devices does
    // something; checked again on the descriptor, which is what is played.
    if (::stat(name.constData(), &info) != 0 || !isSoundFile(info))
        return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !isSoundFile(info))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The sound waiting to be played: only the latest one is kept.
struct EventSoundPlayer::Queue {
    std::mutex mutex;
    std::condition_variable wake;
    int next = -1; // descriptor of the sound to play next
    bool busy = false, stop = false;

    void run() {
        ca_context* context = nullptr;
        std::unique_lock lock(mutex);
        while (!stop) {
            wake.wait(lock, [this] { return stop || next >= 0; });
            if (stop)
                break;
            const int fd = std::exchange(next, -1);
            busy = true;
            lock.unlock();
            // The library opens the checked file through its descriptor, so
            // the name cannot be swapped for something else meanwhile.
            const std::string file = "/proc/self/fd/" + std::to_string(fd);
            for (int attempt = 0; attempt < 2; ++attempt) {
                if (!context && ca_context_create(&context) == CA_SUCCESS)
                    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tamiro",
                                            CA_PROP_APPLICATION_ID, "org.tamiro.Tamiro", nullptr);
                if (!context)
                    break;
                ca_context_cancel(context, kSoundId);
                const int played = ca_context_play(context, kSoundId, CA_PROP_MEDIA_FILENAME,
                                                   file.c_str(), nullptr);
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
    const int fd = openSoundFile(files_.resolve(path));
    if (fd < 0)
        return; // a missing sound is not worth a word to the child
    {
        std::lock_guard lock(queue_->mutex);
        if (queue_->next >= 0)
            ::close(queue_->next);
        queue_->next = fd;
    }
    queue_->wake.notify_one();
}

} // namespace tamiro
