#include "platform/system/single_instance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tamiro {

namespace {

// The lock and the socket, without their endings: one pair per display, so
// that a second session of the same user has a copy of its own.
QString placeName() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {};
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    for (QChar& c : display)
        if (!c.isLetterOrNumber())
            c = u'_';
    return folder + QStringLiteral("/tamiro-") + display;
}

} // namespace

SingleInstance::SingleInstance() {
    const QString place = placeName();
    if (!place.isEmpty())
        lock_ = ::open(QFile::encodeName(place + QStringLiteral(".lock")).constData(),
                       O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ < 0)
        return;
    // The kernel drops the lock when its holder ends, however it ends.
    if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) {
        // Only the lock's holder removes a socket that an ended copy left.
        QLocalServer::removeServer(place);
        connect(&server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* other = server_.nextPendingConnection())
                other->deleteLater();
            emit startedAgain();
        });
        // Unheard, later starts would end without a window: they run as copies instead.
        if (!server_.listen(place)) {
            ::close(lock_);
            lock_ = -1;
        }
        return;
    }
    runs_ = false;
    // The running copy listens a moment after it takes the lock; on a busy
    // machine that moment may be long.
    QLocalSocket socket;
    for (const QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(100)) {
        socket.connectToServer(place);
        if (socket.waitForConnected(1000))
            return;
    }
    //: On the terminal, when the child's program is started while a copy that does not
    //: answer is running.
    std::fputs(qUtf8Printable(QCoreApplication::translate("tamiro::ColouringWindow",
                                                          "Tamiro ya está abierto, pero no "
                                                          "contesta.\n")),
               stderr);
}

SingleInstance::~SingleInstance() {
    if (lock_ >= 0)
        ::close(lock_);
}

} // namespace tamiro
