#include "platform/formats/content_file.h"

#include "platform/core/errors.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamiro {

QByteArray encodePath(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size() * 3);
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) {
        if (end > start)
            bytes += QStringView(path).mid(start, end - start).toUtf8();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        // A lone surrogate of the reserved range stands for one raw byte.
        const bool paired = QChar::isHighSurrogate(i > 0 ? path.at(i - 1).unicode() : 0);
        if (unit >= 0xdc80 && unit <= 0xdcff && !paired) {
            flush(i);
            bytes += char(unit - 0xdc00);
            start = i + 1;
        }
    }
    flush(path.size());
    return bytes;
}

QString decodePath(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    qsizetype start = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        // The length of the UTF-8 sequence that starts here, or 0 when the
        // bytes there are not one.
        const unsigned char lead = data[i];
        int length = lead < 0x80                    ? 1
                     : lead >= 0xc2 && lead <= 0xdf ? 2
                     : lead >= 0xe0 && lead <= 0xef ? 3
                     : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                    : 0;
        if (length > 1 && i + length <= size) {
            for (int k = 1; k < length; ++k)
                if ((data[i + k] & 0xc0) != 0x80)
                    length = 0;
            const unsigned second = data[i + 1];
            if ((lead == 0xe0 && second < 0xa0) || (lead == 0xed && second >= 0xa0) ||
                (lead == 0xf0 && second < 0x90) || (lead == 0xf4 && second >= 0x90))
                length = 0; // overlong, a surrogate or beyond U+10FFFF
        } else if (length > 1) {
            length = 0;
        }
        if (length == 0) {
            text += utf8.decode(QByteArrayView(bytes).sliced(start, i - start));
            text += QChar(char16_t(0xdc00 + lead));
            start = ++i;
        } else {
            i += length;
        }
    }
    text += utf8.decode(QByteArrayView(bytes).sliced(start));
    return text;
}

namespace {

// Why a content file cannot be read: a description that completes the
// child's message or the teacher's line, in lower case.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::FileProblems)
};

[[noreturn]] void missing(const QString& file) {
    //: %1 is the file's path.
    throw PlatformError(Text::tr("no encuentro el archivo «%1»").arg(file));
}

// Folders keep the message they always had; every other entry that is no
// ordinary file is no file at all.
void checkType(const QString& file, mode_t mode) {
    if (S_ISDIR(mode))
        throw PlatformError(Text::tr("«%1» es una carpeta, no un archivo").arg(file));
    if (!S_ISREG(mode))
        missing(file);
}

} // namespace

ContentFile::ContentFile(const QString& file) : name_(file) {
    const QByteArray encoded = encodePath(file);
    struct stat info {};
    // A NUL inside the name would make the system read only the part before it.
    if (encoded.isEmpty() || encoded.contains('\0') || ::stat(encoded.constData(), &info) != 0)
        missing(file);
    // Looked at before opening: opening a device may already do something.
    checkType(file, info.st_mode);
    do
        descriptor_ = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (descriptor_ < 0 && errno == EINTR);
    if (descriptor_ < 0) {
        if (errno == ENOENT || errno == ENXIO || errno == ENOTDIR || errno == ELOOP)
            missing(file);
        throw PlatformError(Text::tr("no puedo abrir el archivo «%1»").arg(file));
    }
    // The entry may have been replaced between the two looks.
    if (::fstat(descriptor_, &info) != 0) {
        ::close(descriptor_);
        throw PlatformError(Text::tr("no puedo leer el archivo «%1»").arg(file));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(descriptor_);
        checkType(file, info.st_mode);
    }
    size_ = info.st_size;
    modified_ = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

ContentFile::~ContentFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

bool ContentFile::readInto(QByteArray& bytes, qint64 upTo) {
    const qint64 wanted = std::min(upTo, size_ - read_ + bytes.size());
    const qsizetype before = bytes.size();
    if (wanted <= before)
        return false;
    bytes.resize(qsizetype(wanted));
    qsizetype at = before;
    while (at < bytes.size()) {
        const ssize_t got = ::read(descriptor_, bytes.data() + at, size_t(bytes.size() - at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw PlatformError(Text::tr("no puedo leer el archivo «%1»").arg(name_));
        if (got == 0)
            break; // the file shrank since it was opened
        at += got;
    }
    bytes.truncate(at);
    read_ += at - before;
    return at > before;
}

QByteArray readContentFile(const QString& file, qint64 limit) {
    ContentFile input(file);
    if (input.size() > limit)
        //: %1 is the file's path, %2 its size and %3 the largest size read, in bytes.
        throw PlatformError(Text::tr("el archivo «%1» es demasiado grande (%2 bytes; el "
                                     "máximo es %3)")
                                .arg(file)
                                .arg(input.size())
                                .arg(limit));
    QByteArray bytes;
    input.readInto(bytes, limit);
    return bytes;
}

} // namespace tamiro
