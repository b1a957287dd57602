#include "platform/system/desktop_trash.h"

#include "platform/formats/content_file.h"
#include "platform/system/posix_content_writer.h"
#include "platform/system/write_failure.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tamiro {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::ContentWriter)
};

// Which mount a path is on: a rename only works within one.
struct Mount {
    dev_t device = 0;
    std::uint64_t id = 0;
    bool operator==(const Mount&) const = default;
};

bool mountOf(const QString& path, Mount& mount) {
    struct statx info {};
    unsigned mask = STATX_BASIC_STATS;
#ifdef STATX_MNT_ID
    mask |= STATX_MNT_ID;
#endif
    if (::statx(AT_FDCWD, encodePath(path).constData(), 0, mask, &info) != 0)
        return false;
    mount.device = makedev(info.stx_dev_major, info.stx_dev_minor);
#ifdef STATX_MNT_ID
    mount.id = (info.stx_mask & STATX_MNT_ID) ? info.stx_mnt_id : 0;
#endif
    return true;
}

// The folder's real path, links followed; empty when it cannot be had.
QString realFolder(const QString& folder) {
    char resolved[PATH_MAX];
    return ::realpath(encodePath(folder).constData(), resolved) ? decodePath(QByteArray(resolved))
                                                                : QString();
}

// Makes a folder of the user's own where it is missing: 0 when it is one
// now (hers, not a link), else why not.
int ownFolder(const QString& folder) {
    const QByteArray path = encodePath(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return errno;
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() ? 0 : EACCES;
}

QString homeData() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.startsWith(u'/'))
        return data;
    return qEnvironmentVariable("HOME", QDir::homePath()) + QStringLiteral("/.local/share");
}

// The nearest folder on the way to `path` that is there.
QString nearestExisting(QString path) {
    struct stat info {};
    while (path.size() > 1 && ::stat(encodePath(path).constData(), &info) != 0)
        path = folderOf(path);
    return path;
}

// The top of the mount that holds `folder` (a real path).
QString mountTop(QString folder, const Mount& mount) {
    Mount above;
    while (folder != u"/" && mountOf(folderOf(folder), above) && above == mount)
        folder = folderOf(folder);
    return folder;
}

struct TrashPlace {
    QString folder;      // holds files/ and info/
    QString top;         // the names in its records are relative to it; empty: absolute
    bool copies = false; // on another mount: files are copied there, then removed
};

TrashPlace trashFor(const QString& folder) {
    Mount mount, home;
    if (!mountOf(folder, mount))
        throw writeFailure(errno, folder);
    const QString data = homeData();
    if (mountOf(nearestExisting(data), home) && home == mount) {
        QDir().mkpath(data);
        if (ownFolder(data + QStringLiteral("/Trash")) == 0)
            return {data + QStringLiteral("/Trash"), {}};
    }
    const QString top = mountTop(folder, mount);
    const QString uid = QString::number(::getuid());
    // A shared trash the administrator made: sticky, so that each user only
    // reaches her own folder in it.
    struct stat shared {};
    const QString sharedTrash = (top == u"/" ? QString() : top) + QStringLiteral("/.Trash");
    if (::lstat(encodePath(sharedTrash).constData(), &shared) == 0 && S_ISDIR(shared.st_mode) &&
        (shared.st_mode & S_ISVTX) && ownFolder(sharedTrash + u'/' + uid) == 0)
        return {sharedTrash + u'/' + uid, top};
    const QString own = (top == u"/" ? QString() : top) + QStringLiteral("/.Trash-") + uid;
    if (ownFolder(own) == 0)
        return {own, top};
    // No trash can be had on that mount (the system's own disk, with the
    // homes on another): the home trash takes a copy.
    QDir().mkpath(data);
    if (ownFolder(data + QStringLiteral("/Trash")) == 0)
        return {data + QStringLiteral("/Trash"), {}, true};
    throw PlatformError(
        Text::tr("no puedo llevar los archivos a la papelera: en este disco, la "
                 "papelera tiene que estar en «%1», donde usted no puede escribir. Un "
                 "administrador puede hacer allí una papelera para todos "
                 "(«sudo mkdir %2» y «sudo chmod 1777 %2»)")
            .arg(top, sharedTrash));
}

// The record's Path: the original's bytes, escaped as a URL's path.
QByteArray recordPath(const QString& original, const QString& top) {
    const QString path =
        top.isEmpty() ? original : original.mid(top.size() + (top == u"/" ? 0 : 1));
    return encodePath(path).toPercentEncoding("/");
}

// Writes a new file whole, synced: 0, or the system's error number.
int writeNew(const QString& path, const QByteArray& text) {
    const int descriptor = ::open(encodePath(path).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0)
        return errno;
    qsizetype at = 0;
    int error = 0;
    while (!error && at < text.size()) {
        const ssize_t done = ::write(descriptor, text.constData() + at, size_t(text.size() - at));
        if (done > 0)
            at += done;
        else if (!(done < 0 && errno == EINTR))
            error = done < 0 ? errno : ENOSPC;
    }
    if (!error && ::fsync(descriptor) != 0)
        error = errno;
    ::close(descriptor);
    if (error)
        ::unlink(encodePath(path).constData());
    return error;
}

// A file moved to another mount: copied whole, then removed where it was.
int copyAcross(const QString& from, const QString& to) {
    QByteArray bytes;
    try {
        bytes = readContentFile(from, PosixContentWriter::kMaxCopyBytes);
    } catch (const PlatformError&) {
        return EIO;
    }
    int error = writeNew(to, bytes);
    if (!error && ::unlink(encodePath(from).constData()) != 0) {
        error = errno;
        ::unlink(encodePath(to).constData());
    }
    return error;
}

} // namespace

Trashed moveToTrash(const QString& file) {
    const QString name = file.section(u'/', -1), folder = realFolder(folderOf(file));
    if (folder.isEmpty())
        throw writeFailure(errno, folderOf(file));
    const QString original = (folder == u"/" ? QString() : folder) + u'/' + name;
    const TrashPlace trash = trashFor(folder);
    for (const char* part : {"/files", "/info"})
        if (const int error = ownFolder(trash.folder + QLatin1String(part)))
            throw writeFailure(error, trash.folder);

    const QByteArray record = // untranslated: the desktop's own record
        "[Trash Info]\nPath=" + recordPath(original, trash.top) + "\nDeletionDate=" +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() +
        '\n';
    // "5.gif", "5 (2).gif", ...: the record's name is taken first, which
    // reserves the name among everyone who trashes here.
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name, extension = dot > 0 ? name.mid(dot) : "";
    for (int i = 1; i < 10000; ++i) {
        const QString chosen =
            i == 1 ? name : QStringLiteral("%1 (%2)%3").arg(stem).arg(i).arg(extension);
        const QString info =
            trash.folder + QStringLiteral("/info/") + chosen + QStringLiteral(".trashinfo");
        const int written = writeNew(info, record);
        if (written == EEXIST)
            continue;
        if (written)
            throw writeFailure(written, trash.folder);
        const QString target = trash.folder + QStringLiteral("/files/") + chosen;
        const int moved =
            trash.copies ? copyAcross(file, target) : renameWithoutReplacing(file, target);
        if (moved == 0)
            return {file, target, info};
        ::unlink(encodePath(info).constData());
        if (moved != EEXIST)
            throw writeFailure(moved, folderOf(file));
    }
    throw writeFailure(EEXIST, trash.folder);
}

void restoreFromTrash(const Trashed& trashed) noexcept {
    try {
        int back = renameWithoutReplacing(trashed.file, trashed.original);
        if (back == EXDEV)
            back = copyAcross(trashed.file, trashed.original);
        if (back == 0)
            ::unlink(encodePath(trashed.info).constData());
    } catch (...) {
        // Left in the trash, where the teacher can still find it.
    }
}

} // namespace tamiro
