// The findings collector: the findings in order, counted, with small pictures.

#include "checker/findings.h"

#include <utility>

namespace tamiro::checker {

using namespace Qt::StringLiterals;

namespace {

// Findings with pictures; the rest have none, so that a tree of thousands of
// damaged drawings keeps the report small.
constexpr int kMaxThumbnailed = 200;

QImage thumbnail(const QImage& picture) {
    if (picture.width() <= kThumbnailPixels && picture.height() <= kThumbnailPixels)
        return picture;
    return picture.scaled(kThumbnailPixels, kThumbnailPixels, Qt::KeepAspectRatio,
                          Qt::SmoothTransformation);
}

} // namespace

FindingCollector::FindingCollector(FileSystem& files)
    : files_(files), contentFolder_(files.applicationFolder()) {}

void FindingCollector::add(Severity severity, const QString& file, const QString& text,
                           const QList<QImage>& pictures) {
    review_.fails += severity == Severity::Fails;
    review_.warnings += severity == Severity::Warning;
    accounted_.insert(file);
    QList<QImage> small;
    if (thumbnailed_ < kMaxThumbnailed && !pictures.isEmpty()) {
        ++thumbnailed_;
        for (const QImage& picture : pictures)
            small << (picture.isNull() ? QImage() : thumbnail(picture));
    }
    review_.findings.append({severity, file, text, small});
}

void FindingCollector::insertNote(qsizetype position, const QString& file, const QString& text) {
    review_.findings.insert(position, {Severity::Note, file, text, {}});
}

QString FindingCollector::relative(const QString& onDisk) const {
    return onDisk.startsWith(contentFolder_ + u'/') ? onDisk.mid(contentFolder_.size() + 1)
                                                    : onDisk;
}

QString FindingCollector::forTeacher(const QString& message) const {
    QString line = message;
    return line.replace(u"\r\n"_s, QString()).replace(contentFolder_ + u'/', QString());
}

Review FindingCollector::takeReview() {
    accounted_.clear();
    thumbnailed_ = 0;
    return std::exchange(review_, {});
}

QString drawingFolderPath(const QString& contentFolder, int f) {
    return u"%1\\dibujos\\%2"_s.arg(contentFolder).arg(f);
}

} // namespace tamiro::checker
