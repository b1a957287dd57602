#pragma once

#include <QByteArray>
#include <QString>
#include <utility>

namespace tamiro {

// Names on disk are bytes. Bytes that are not UTF-8 become the lone
// surrogates U+DC80 to U+DCFF and back again, so that every name, even one
// written by an older machine, turns into text and back unchanged.
QByteArray encodePath(const QString& path);
QString decodePath(const QByteArray& bytes);

// A content file opened for reading. Only an ordinary file counts, after
// following links: a device, a pipe, a socket or a dangling link is refused
// like a missing file, before anything is read and without ever waiting for a
// writer. The type is checked on the path and again on the opened descriptor.
// Nothing beyond the size the file had when it was opened is read. Failures
// throw PlatformError with a Spanish description that names the file.
class ContentFile {
public:
    explicit ContentFile(const QString& file);
    ~ContentFile();
    ContentFile(const ContentFile&) = delete;
    ContentFile& operator=(const ContentFile&) = delete;

    const QString& name() const { return name_; }
    // The size and the time of the last change (in nanoseconds) when the
    // file was opened.
    qint64 size() const { return size_; }
    qint64 modified() const { return modified_; }
    // Appends to `bytes` the next bytes of the file, until it holds `upTo`
    // bytes or the file ends; answers whether anything was added.
    bool readInto(QByteArray& bytes, qint64 upTo);
    // Hands the open descriptor over to the caller, who closes it.
    int release() { return std::exchange(descriptor_, -1); }

private:
    QString name_;
    int descriptor_ = -1;
    qint64 size_ = 0, modified_ = 0, read_ = 0;
};

// The whole of an ordinary file of at most `limit` bytes, or PlatformError.
// The sound player reads its WAV files so: readContentFile(path, limit).
QByteArray readContentFile(const QString& file, qint64 limit);

} // namespace tamiro
