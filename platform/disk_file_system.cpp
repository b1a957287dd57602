#include "platform/disk_file_system.h"

#include "platform/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <dirent.h>
#include <sys/stat.h>
#include <time.h>

namespace tamiro {

namespace {

// A folder changed within this many seconds of being read may change again
// within the same tick of the file system's clock: it is read again next time.
constexpr std::int64_t kRacySeconds = 2;

// At most this many folders are kept; the content tree has a few dozen.
constexpr int kMaxListings = 512;

QString fold(const QString& name) {
    return name.toCaseFolded();
}

bool isHidden(const QString& name) {
    return name.startsWith(u'.');
}

} // namespace

DiskFileSystem::DiskFileSystem(QString applicationFolder)
    : applicationFolder_(std::move(applicationFolder)) {
    while (applicationFolder_.size() > 1 && applicationFolder_.endsWith(u'/'))
        applicationFolder_.chop(1);
}

QString DiskFileSystem::toNative(const QString& path) {
    QString native = path;
    native.replace(u'\\', u'/');
    return native;
}

bool DiskFileSystem::stampOf(const QString& path, Stamp& stamp) {
    // No name on disk holds a NUL character; the system would read the path
    // only up to it and answer for another folder.
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.contains('\0'))
        return false;
    struct stat info {};
    if (::stat(encoded.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    stamp.seconds = info.st_mtim.tv_sec;
    stamp.nanoseconds = info.st_mtim.tv_nsec;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    return true;
}

const DiskFileSystem::Listing* DiskFileSystem::listing(const QString& folder, const Stamp* known) {
    Stamp stamp;
    if (known) {
        stamp = *known;
    } else if (!stampOf(folder, stamp)) {
        listings_.remove(folder);
        return nullptr;
    }
    auto kept = listings_.find(folder);
    if (kept != listings_.end() && kept->trustworthy && kept->stamp == stamp)
        return &*kept;

    if (listings_.size() >= kMaxListings)
        listings_.clear();
    Listing fresh;
    fresh.stamp = stamp;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    fresh.trustworthy = now.tv_sec - stamp.seconds >= kRacySeconds;

    const QByteArray encoded = QFile::encodeName(folder);
    if (DIR* handle = ::opendir(encoded.constData())) {
        while (const dirent* item = ::readdir(handle)) {
            const QString name = QFile::decodeName(item->d_name);
            if (name == u"." || name == u"..")
                continue;
            Kind kind = Kind::Other;
            unsigned char type = item->d_type;
            if (type == DT_LNK || type == DT_UNKNOWN) {
                struct stat target {};
                const QByteArray full = encoded + '/' + item->d_name;
                if (::stat(full.constData(), &target) == 0)
                    type = S_ISREG(target.st_mode) ? DT_REG : S_ISDIR(target.st_mode) ? DT_DIR : 0;
                else
                    type = 0;
            }
            if (type == DT_REG)
                kind = Kind::File;
            else if (type == DT_DIR)
                kind = Kind::Folder;
            fresh.byFoldedName[fold(name)].push_back(static_cast<int>(fresh.entries.size()));
            fresh.entries.push_back({name, kind});
        }
        ::closedir(handle);
    }
    ++listingsRead_;
    return &*listings_.insert(folder, std::move(fresh));
}

const DiskFileSystem::Entry* DiskFileSystem::find(const QString& folder, const QString& name,
                                                  bool wantFolder, const Stamp* known) {
    const Listing* list = listing(folder, known);
    if (!list)
        return nullptr;
    const auto matches = list->byFoldedName.constFind(fold(name));
    if (matches == list->byFoldedName.cend())
        return nullptr;
    const Kind wanted = wantFolder ? Kind::Folder : Kind::File;
    const Entry* best = nullptr;
    for (int index : *matches) {
        const Entry& entry = list->entries[static_cast<size_t>(index)];
        if (entry.kind != wanted || (!wantFolder && isHidden(entry.name)))
            continue;
        if (entry.name == name)
            return &entry; // the exact spelling wins over other letter cases
        if (!best || entry.name < best->name)
            best = &entry;
    }
    return best;
}

// The folder on disk that a folder path names, matched name by name without
// regard to letter case; empty when there is none. The stamp of the folder
// found is handed back, so that its listing needs no status call of its own.
QString DiskFileSystem::resolveFolder(const QString& folder, Stamp& stamp) {
    if (folder.isEmpty())
        return stampOf(QStringLiteral("."), stamp) ? QStringLiteral(".") : QString();
    const auto kept = resolvedFolders_.constFind(folder);
    if (kept != resolvedFolders_.cend() && stampOf(*kept, stamp))
        return *kept;
    if (stampOf(folder, stamp)) {
        if (resolvedFolders_.size() >= kMaxListings)
            resolvedFolders_.clear();
        resolvedFolders_.insert(folder, folder);
        return folder;
    }
    const QStringList parts = folder.split(u'/');
    QString current = folder.startsWith(u'/') ? QStringLiteral("/") : QStringLiteral(".");
    for (const QString& part : parts) {
        if (part.isEmpty() || part == u".")
            continue;
        QString next = current.endsWith(u'/') ? current + part : current + u'/' + part;
        Stamp stamp;
        if (part == u".." || stampOf(next, stamp)) {
            current = next;
            continue;
        }
        const Entry* entry = find(current, part, true);
        if (!entry)
            return {};
        current = current.endsWith(u'/') ? current + entry->name : current + u'/' + entry->name;
    }
    if (!stampOf(current, stamp))
        return {};
    if (resolvedFolders_.size() >= kMaxListings)
        resolvedFolders_.clear();
    resolvedFolders_.insert(folder, current);
    return current;
}

QString DiskFileSystem::dir(const QString& path) {
    const QString native = toNative(path);
    const qsizetype slash = native.lastIndexOf(u'/');
    const QString name = native.mid(slash + 1);
    if (name.isEmpty())
        return {};
    Stamp stamp;
    const QString folder =
        resolveFolder(slash < 0 ? QString() : native.left(slash == 0 ? 1 : slash), stamp);
    if (folder.isEmpty())
        return {};
    const Entry* entry = find(folder, name, false, &stamp);
    return entry ? entry->name : QString();
}

QString DiskFileSystem::resolve(const QString& path) {
    const QString native = toNative(path);
    if (QFileInfo::exists(native))
        return native;
    const qsizetype slash = native.lastIndexOf(u'/');
    const QString name = native.mid(slash + 1);
    Stamp stamp;
    const QString folder =
        resolveFolder(slash < 0 ? QString() : native.left(slash == 0 ? 1 : slash), stamp);
    if (folder.isEmpty() || name.isEmpty())
        return native;
    const Listing* list = listing(folder, &stamp);
    if (!list)
        return native;
    const auto matches = list->byFoldedName.constFind(fold(name));
    if (matches == list->byFoldedName.cend())
        return native;
    // A file is preferred; a folder of that name still resolves, so that the
    // reader can say it is a folder.
    const Entry* best = nullptr;
    for (int index : *matches) {
        const Entry& entry = list->entries[static_cast<size_t>(index)];
        if (!best || (entry.kind == Kind::File && best->kind != Kind::File))
            best = &entry;
    }
    return folder.endsWith(u'/') ? folder + best->name : folder + u'/' + best->name;
}

QString DiskFileSystem::readFirstLine(const QString& path) {
    const QString file = resolve(path);
    const QFileInfo info(file);
    if (!info.exists())
        throw PlatformError(QStringLiteral("no encuentro el archivo «%1»").arg(file));
    if (info.isDir())
        throw PlatformError(QStringLiteral("«%1» es una carpeta, no un archivo").arg(file));
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        throw PlatformError(QStringLiteral("no puedo abrir el archivo «%1»").arg(file));

    QByteArray line;
    char buffer[4096];
    while (line.size() < kMaxLineBytes) {
        const qint64 got = input.read(buffer, sizeof buffer);
        if (got < 0)
            throw PlatformError(QStringLiteral("no puedo leer el archivo «%1»").arg(file));
        if (got == 0)
            break;
        const char* end = static_cast<const char*>(memchr(buffer, '\r', static_cast<size_t>(got)));
        line.append(buffer, end ? end - buffer : got);
        if (end)
            break;
    }
    line.truncate(std::min<qsizetype>(line.size(), kMaxLineBytes));

    // Text written here is UTF-8; a file from an older machine may be Latin-1.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(line);
    if (utf8.hasError())
        text = QString::fromLatin1(line);
    return text;
}

} // namespace tamiro
