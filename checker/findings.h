#pragma once

// The findings collector: every part of the review adds what it finds here,
// and asks here how a file is named to the teacher and what the child reads
// (beside it, the few measures all the parts share).

#include "checker/revision.h"
#include "platform/core/services.h"

#include <QSet>
#include <QSize>

namespace tamiro::checker {

using Severity = Finding::Severity;

// The screen the review measures drawings and animations on.
inline constexpr QSize kScreen(kReviewScreenWidth, kReviewScreenHeight);
// Clicks of one button before the review gives up on a series that never
// comes back: as many as its 16-bit counter has values.
inline constexpr int kStepLimit = 2 * 32768;

class FindingCollector {
public:
    explicit FindingCollector(FileSystem& files);

    FileSystem& files() const { return files_; }
    // The content folder on disk, as the program composes its paths from it.
    const QString& contentFolder() const { return contentFolder_; }

    // A finding about `file` (relative to the content folder); its pictures
    // are kept small, and only for the first findings that have some.
    void add(Severity severity, const QString& file, const QString& text,
             const QList<QImage>& pictures = {});
    // A note put before the finding at `position`, so that it heads the
    // findings added since.
    void insertNote(qsizetype position, const QString& file, const QString& text);
    qsizetype size() const { return review_.findings.size(); }

    // Files shown, or named in a finding: the checks for files never seen
    // leave them alone.
    void account(const QString& file) { accounted_.insert(file); }
    bool accounted(const QString& file) const { return accounted_.contains(file); }

    // A path on disk, relative to the content folder.
    QString relative(const QString& onDisk) const;
    // The file on disk that a composed content path reaches.
    QString onDisk(const QString& composed) const { return files_.resolve(composed); }
    // The same, relative to the content folder.
    QString reached(const QString& composed) const { return relative(onDisk(composed)); }

    // A message of the child's, or a failure's description, as the teacher
    // reads it: on one line, with the content folder's own path left out.
    QString forTeacher(const QString& message) const;

    // The findings and their counts; the collector is left empty.
    Review takeReview();

private:
    FileSystem& files_;
    QString contentFolder_;
    Review review_;
    QSet<QString> accounted_;
    int thumbnailed_ = 0; // findings given pictures so far
};

// The composed path of drawing folder f, as the program writes it.
QString drawingFolderPath(const QString& contentFolder, int f);

} // namespace tamiro::checker
