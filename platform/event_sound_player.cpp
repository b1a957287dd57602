#include "platform/event_sound_player.h"

#include "platform/content_file.h"
#include "platform/errors.h"

#include <canberra.h>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <unistd.h>
#include <utility>

namespace tamiro {

namespace {
constexpr uint32_t kSoundId = 1; // every sound of the program, so one cancel stops it
} // namespace

int openSoundFile(const QString& file) {
    try {
        ContentFile sound(file);
        return sound.size() <= kMaxSoundBytes ? sound.release() : -1;
    } catch (const PlatformError&) {
        return -1; // a missing or unreadable sound is not worth a word to the child
    }
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
