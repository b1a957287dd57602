#include "platform/system/posix_content_writer.h"

#include "platform/formats/content_file.h"
#include "platform/system/desktop_trash.h"
#include "platform/system/write_failure.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamiro {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::ContentWriter)
};

[[noreturn]] void fail(int error, const QString& folder) {
    throw writeFailure(error, folder);
}

QString temporaryName() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = kTemporaryPrefix;
    for (int i = 0; i < 10; ++i)
        name +=
            QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return name;
}

// Whether an error means the file system lacks the call, rather than that
// the call failed.
bool unsupported(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// Whether a hard link failed only because the file system (or the rule that
// only a file's owner links it) allows none.
bool noLink(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == EXDEV || error == EMLINK;
}

int writeAll(int descriptor, const QByteArray& bytes) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        const ssize_t done = ::write(descriptor, bytes.constData() + at, size_t(bytes.size() - at));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return done < 0 ? errno : ENOSPC;
        at += done;
    }
    return 0;
}

// A new name reaches the disk with its folder. Only the renames that put
// new files in place wait for it: swaps and replacements within a folder
// need no more than the order the file system's journal keeps, and waiting
// for each would make a long move take seconds.
void syncFolder(const QString& folder) {
    const int descriptor =
        ::open(encodePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

class FolderHold : public ContentWriter::Hold {
public:
    explicit FolderHold(int descriptor) : descriptor_(descriptor) {}
    ~FolderHold() override { ::close(descriptor_); }
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;

private:
    int descriptor_;
};

} // namespace

QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
}

int renameWithoutReplacing(const QString& from, const QString& to) {
    const QByteArray source = encodePath(from), target = encodePath(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return 0;
    if (!unsupported(errno))
        return errno;
    // A link fails when the name is taken; the old name then goes.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return 0;
    }
    if (!noLink(errno))
        return errno;
    // Neither: look first. Another writer could take the name in between,
    // which the folder's hold keeps among the teachers' tools.
    struct stat info {};
    if (::lstat(target.constData(), &info) == 0)
        return EEXIST;
    return ::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
}

bool PosixContentWriter::makeFolder(const QString& folder) {
    const QByteArray path = encodePath(folder);
    struct stat info {};
    if (::stat(path.constData(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return false;
        throw PlatformError(
            Text::tr("«%1» no es una carpeta, y ahí tiene que haber una: muévalo a otro "
                     "sitio y vuelva a intentarlo")
                .arg(folder));
    }
    const QString parent = folderOf(folder);
    struct stat above {};
    if (::stat(encodePath(parent).constData(), &above) != 0)
        fail(errno, parent);
    if (::mkdir(path.constData(), 0777) != 0) {
        // Made by someone else just now, or a link that leads nowhere.
        const int error = errno;
        if (error == EEXIST && ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode))
            return false;
        if (error == EEXIST)
            throw PlatformError(
                Text::tr("«%1» no lleva a ninguna carpeta: compruebe adónde lleva y "
                         "vuelva a intentarlo")
                    .arg(folder));
        fail(error, parent);
    }
    // In a folder the teachers share, what they make is theirs too, and what
    // goes in later belongs to the folder's group.
    if (above.st_mode & S_IWGRP) {
        if (::chown(path.constData(), uid_t(-1), above.st_gid) != 0) {
            // Not in that group: the folder keeps the teacher's own.
        }
        ::chmod(path.constData(), 02775);
    }
    return true;
}

QString PosixContentWriter::writeTemporary(const QString& folder, const QByteArray& bytes) {
    struct stat info {};
    if (::stat(encodePath(folder).constData(), &info) != 0)
        fail(errno, folder);
    const mode_t mode = 0644 | (info.st_mode & S_IWGRP);
    for (int attempt = 0;; ++attempt) {
        QString path = folder + u'/' + temporaryName();
        const QByteArray encoded = encodePath(path);
        const int descriptor =
            ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (descriptor < 0 && errno == EEXIST && attempt < 100)
            continue;
        if (descriptor < 0)
            fail(errno, folder);
        int error = writeAll(descriptor, bytes);
        if (!error && (info.st_mode & S_IWGRP) &&
            ::fchown(descriptor, uid_t(-1), info.st_gid) != 0) {
            // Not in the folder's group: the file keeps the teacher's own.
        }
        if (!error && ::fchmod(descriptor, mode) != 0)
            error = errno;
        if (!error && ::fsync(descriptor) != 0)
            error = errno;
        if (::close(descriptor) != 0 && !error && errno != EINTR)
            error = errno;
        if (error) {
            ::unlink(encoded.constData());
            fail(error, folder);
        }
        return path;
    }
}

QString PosixContentWriter::copyTemporary(const QString& file) {
    const QString folder = folderOf(file);
    const QByteArray source = encodePath(file);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString path = folder + u'/' + temporaryName();
        if (::link(source.constData(), encodePath(path).constData()) == 0)
            return path;
        if (errno == EEXIST)
            continue;
        if (!noLink(errno))
            fail(errno, folder);
        break;
    }
    return writeTemporary(folder, readContentFile(file, kMaxCopyBytes));
}

void PosixContentWriter::rename(const QString& from, const QString& to) {
    const int error = renameWithoutReplacing(from, to);
    if (error == EEXIST)
        throw PlatformError(
            Text::tr("ya hay un archivo «%1», y no escribo encima de nada: bórrelo o "
                     "muévalo a otro sitio y vuelva a intentarlo")
                .arg(to));
    if (error)
        fail(error, folderOf(to));
    syncFolder(folderOf(to));
}

void PosixContentWriter::replace(const QString& from, const QString& to) {
    if (::rename(encodePath(from).constData(), encodePath(to).constData()) != 0)
        fail(errno, folderOf(to));
}

bool PosixContentWriter::exchange(const QString& a, const QString& b) {
    if (::renameat2(AT_FDCWD, encodePath(a).constData(), AT_FDCWD, encodePath(b).constData(),
                    RENAME_EXCHANGE) != 0) {
        if (unsupported(errno))
            return false;
        fail(errno, folderOf(b));
    }
    return true;
}

void PosixContentWriter::trash(const QStringList& files) {
    std::vector<Trashed> done;
    try {
        for (const QString& file : files)
            done.push_back(moveToTrash(file));
    } catch (...) {
        for (auto it = done.rbegin(); it != done.rend(); ++it)
            restoreFromTrash(*it);
        throw;
    }
}

void PosixContentWriter::remove(const QString& file) noexcept {
    try {
        const QByteArray path = encodePath(file);
        if (::unlink(path.constData()) != 0 && (errno == EISDIR || errno == EPERM))
            ::rmdir(path.constData());
    } catch (...) {
        // Nothing more to undo with.
    }
}

std::unique_ptr<ContentWriter::Hold> PosixContentWriter::hold(const QString& folder) {
    const int descriptor =
        ::open(encodePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        fail(errno, folder);
    const QDeadlineTimer deadline(kHoldMilliseconds);
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            break; // no locks on this file system
        if (deadline.hasExpired()) {
            ::close(descriptor);
            throw PlatformError(
                Text::tr("alguien está cambiando ahora mismo los dibujos de la carpeta "
                         "«%1»: espere a que termine y vuelva a intentarlo")
                    .arg(folder));
        }
        ::usleep(20000);
    }
    return std::make_unique<FolderHold>(descriptor);
}

} // namespace tamiro
