#include "platform/system/disk_file_system.h"

#include "platform/core/errors.h"
#include "platform/core/logging.h"
#include "platform/formats/content_file.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace tamiro {

namespace {

// A folder dated within this many seconds of the program's clock may change
// again within the same tick of the file system's clock: it is read again
// next time. One dated further away, before or after (an unpacked archive, a
// clock set back), gets the date of the moment at its next change, so its
// listing can be kept.
constexpr std::int64_t kRacySeconds = 2;

// At most this many folders are kept; the content tree has a few dozen.
constexpr int kMaxListings = 512;

QString key(const QString& name) {
    return nameKey(name);
}

// Code-point order: the order of the names' bytes on disk, which is that of
// their characters for UTF-8 names.
bool before(const QString& a, const QString& b) {
    return encodePath(a) < encodePath(b);
}

bool isHidden(const QString& name) {
    return name.startsWith(u'.');
}

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

DiskFileSystem::DiskFileSystem(QString applicationFolder)
    : applicationFolder_(std::move(applicationFolder)) {
    while (applicationFolder_.size() > 1 && applicationFolder_.endsWith(u'/'))
        applicationFolder_.chop(1);
    upperApplicationFolder_ = applicationFolder_.toUpper();
}

QString DiskFileSystem::programFolder() {
    // Qt decodes the program's path as UTF-8 and loses any other byte.
    QByteArray path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), size_t(path.size()));
    if (length <= 0 || length >= path.size())
        return QCoreApplication::applicationDirPath();
    path.truncate(length);
    path.truncate(std::max<qsizetype>(path.lastIndexOf('/'), 1));
    return decodePath(path);
}

QString DiskFileSystem::folderOnDisk(const QString& folder) {
    const QByteArray path = encodePath(folder);
    struct stat info {};
    if (path.contains('\0') || ::stat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return {};
    char resolved[PATH_MAX];
    if (!::realpath(path.constData(), resolved))
        return {};
    return decodePath(QByteArray(resolved));
}

bool DiskFileSystem::stampOf(const QString& path, Stamp& stamp, bool file) {
    // No name on disk holds a NUL character; the system would read the path
    // only up to it and answer for another folder.
    const QByteArray encoded = encodePath(path);
    if (encoded.contains('\0'))
        return false;
    struct stat info {};
    if (::stat(encoded.constData(), &info) != 0 ||
        !(file ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode)))
        return false;
    stamp.seconds = info.st_mtim.tv_sec;
    stamp.nanoseconds = info.st_mtim.tv_nsec;
    stamp.changeSeconds = info.st_ctim.tv_sec;
    stamp.changeNanoseconds = info.st_ctim.tv_nsec;
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
    fresh.trustworthy = std::abs(now.tv_sec - stamp.seconds) >= kRacySeconds;

    const QByteArray encoded = encodePath(folder);
    if (DIR* handle = ::opendir(encoded.constData())) {
        while (const dirent* item = ::readdir(handle)) {
            const QString name = decodePath(QByteArray(item->d_name));
            if (name == u"." || name == u"..")
                continue;
            Kind kind = Kind::Other;
            unsigned char type = item->d_type;
            if (type == DT_LNK || type == DT_UNKNOWN) {
                // What a link leads to; a dangling one or a loop is nothing.
                struct stat target {};
                const QByteArray full = encoded + '/' + item->d_name;
                if (::stat(full.constData(), &target) == 0)
                    type = S_ISREG(target.st_mode) ? DT_REG : S_ISDIR(target.st_mode) ? DT_DIR : 0;
                else
                    kind = Kind::Nowhere, type = 0;
            }
            if (type == DT_REG)
                kind = Kind::File;
            else if (type == DT_DIR)
                kind = Kind::Folder;
            fresh.byFoldedName[key(name)].push_back(static_cast<int>(fresh.entries.size()));
            fresh.entries.push_back({name, kind});
        }
        ::closedir(handle);
    }
    ++listingsRead_;
    qCDebug(lcFiles, "leo la carpeta «%s»: %zu entradas", qUtf8Printable(folder),
            fresh.entries.size());
    Listing& slot = listings_[folder];
    slot = std::move(fresh);
    return &slot;
}

const DiskFileSystem::Entry* DiskFileSystem::find(const QString& folder, const QString& name,
                                                  bool wantFolder, const Stamp* known) {
    const Listing* list = listing(folder, known);
    if (!list)
        return nullptr;
    const Kind wanted = wantFolder ? Kind::Folder : Kind::File;
    return choose(*list, name, [&](const Entry& entry) {
        return entry.kind == wanted && (wantFolder || !isHidden(entry.name));
    });
}

template <typename Accept>
const DiskFileSystem::Entry* DiskFileSystem::choose(const Listing& list, const QString& name,
                                                    Accept accept) {
    const auto matches = list.byFoldedName.constFind(key(name));
    if (matches == list.byFoldedName.cend())
        return nullptr;
    const Entry* best = nullptr;
    for (int index : *matches) {
        const Entry& entry = list.entries[static_cast<size_t>(index)];
        if (!accept(entry))
            continue;
        if (entry.name == name)
            return &entry; // the exact spelling wins over other letter cases
        if (!best || before(entry.name, best->name))
            best = &entry;
    }
    return best;
}

// The folder on disk that the folder part of a path names below the
// application folder, matched name by name without regard to letter case;
// empty when there is none. The stamp of the folder found is handed back, so
// that its listing needs no status call of its own.
QString DiskFileSystem::resolveFolder(const QString& rest, const QString& cacheKey, Stamp& stamp) {
    const auto kept = resolvedFolders_.constFind(cacheKey);
    if (kept != resolvedFolders_.cend() && stampOf(*kept, stamp))
        return *kept;
    QString current = applicationFolder_;
    qsizetype start = 0;
    while (start <= rest.size()) {
        qsizetype end = start;
        while (end < rest.size() && !isSeparator(rest.at(end)))
            ++end;
        const QString part = rest.mid(start, end - start);
        start = end + 1;
        if (part.isEmpty() || part == u".")
            continue;
        const QString next = joined(current, part);
        Stamp ignored;
        if (part == u".." || stampOf(next, ignored)) {
            current = next;
            continue;
        }
        const Entry* entry = find(current, part, true);
        if (!entry)
            return {};
        current = joined(current, entry->name);
    }
    if (!stampOf(current, stamp))
        return {};
    if (resolvedFolders_.size() >= kMaxListings)
        resolvedFolders_.clear();
    resolvedFolders_.insert(cacheKey, current);
    return current;
}

QString DiskFileSystem::locate(const QString& path, QString& name, Stamp& stamp, bool& below) {
    const QString* prefix = path.startsWith(applicationFolder_)        ? &applicationFolder_
                            : path.startsWith(upperApplicationFolder_) ? &upperApplicationFolder_
                                                                       : nullptr;
    const qsizetype length = prefix ? prefix->size() : 0;
    below = prefix && path.size() > length && isSeparator(path.at(length));
    if (below) {
        qsizetype last = path.size() - 1;
        while (last >= length && !isSeparator(path.at(last)))
            --last;
        name = path.mid(last + 1);
        const QString rest = path.mid(length, last - length);
        return resolveFolder(rest, path.left(last), stamp);
    }
    const qsizetype slash = path.lastIndexOf(u'/');
    name = path.mid(slash + 1);
    const QString folder = slash < 0 ? QStringLiteral(".") : path.left(slash == 0 ? 1 : slash);
    return stampOf(folder, stamp) ? folder : QString();
}

QString DiskFileSystem::dir(const QString& path) {
    QString name;
    Stamp stamp;
    bool below = false;
    const QString folder = locate(path, name, stamp, below);
    if (folder.isEmpty() || name.isEmpty())
        return {};
    const Entry* entry = find(folder, name, false, &stamp);
    return entry && (below || entry->name == name) ? entry->name : QString();
}

QString DiskFileSystem::resolve(const QString& path) {
    QString name;
    Stamp stamp;
    bool below = false;
    const QString folder = locate(path, name, stamp, below);
    if (!below)
        return path;
    QString mapped = path.mid(applicationFolder_.size());
    mapped.replace(u'\\', u'/');
    mapped.prepend(applicationFolder_);
    if (folder.isEmpty() || name.isEmpty())
        return mapped;
    QString exact = joined(folder, name);
    struct stat info {};
    const QByteArray encoded = encodePath(exact);
    if (!encoded.contains('\0') && ::stat(encoded.constData(), &info) == 0 && S_ISREG(info.st_mode))
        return exact;
    const Listing* list = listing(folder, &stamp);
    if (!list)
        return exact;
    // The file the directory query answers; without one, anything of that
    // name, so that the reader can say it is a folder.
    const Entry* best = choose(*list, name, [](const Entry& entry) {
        return entry.kind == Kind::File && !isHidden(entry.name);
    });
    if (!best)
        best = choose(*list, name, [](const Entry&) { return true; });
    return best ? joined(folder, best->name) : exact;
}

std::vector<FileSystem::Entry> DiskFileSystem::list(const QString& folder) {
    const Listing* found = listing(folder);
    if (!found)
        return {};
    std::vector<std::pair<QByteArray, const Entry*>> named;
    named.reserve(found->entries.size());
    for (const Entry& entry : found->entries)
        named.emplace_back(encodePath(entry.name), &entry);
    std::sort(named.begin(), named.end());
    std::vector<Entry> entries;
    entries.reserve(named.size());
    for (const auto& [bytes, entry] : named)
        entries.push_back(*entry);
    return entries;
}

std::optional<FileSystem::Identity> DiskFileSystem::identity(const QString& path) {
    Stamp stamp;
    if (!stampOf(resolve(path), stamp, true))
        return std::nullopt;
    return stamp;
}

QString DiskFileSystem::readFirstLine(const QString& path) {
    ContentFile input(resolve(path));
    QByteArray line;
    qsizetype searched = 0;
    while (input.readInto(line, std::min<qint64>(line.size() + 65536, kMaxLineBytes))) {
        const qsizetype end = line.indexOf('\r', searched);
        if (end >= 0) {
            line.truncate(end);
            break;
        }
        searched = line.size();
    }

    // Text written here is UTF-8; a file from an older machine may be Latin-1.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(line);
    if (utf8.hasError())
        text = QString::fromLatin1(line);
    return text;
}

} // namespace tamiro
