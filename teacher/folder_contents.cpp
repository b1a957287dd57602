// One drawing folder for the teacher's window: the drawings the review's
// button sequence meets, the checker's findings given to the drawing whose
// files they name, and the rest of the folder's findings.

#include "teacher/folder_contents.h"

#include "rules/drawings.h"

#include <QFileInfo>
#include <algorithm>

namespace tamiro::teacher {

Finding::Severity MetDrawing::worst() const {
    Finding::Severity worst = Finding::Severity::Note;
    for (const Finding& finding : findings)
        worst = std::max(worst, finding.severity);
    return worst;
}

namespace {

// The numbers as the child meets them: the folder button from start-up, then
// the next arrow until the series comes round; then what only the review's
// other steps reach (the previous arrow from drawing 0, say).
QList<std::int16_t> metNumbers(const Review& review, int f, Drawings& drawings) {
    QList<std::int16_t> numbers{drawings.afterFolderButton(f, 0)};
    for (std::int16_t n = drawings.afterNext(f, numbers.first()); !numbers.contains(n);
         n = drawings.afterNext(f, n))
        numbers << n;
    if (f >= 1 && f <= review.buttons.size())
        for (const Step& step : review.buttons[f - 1].steps)
            if (!numbers.contains(step.number))
                numbers << step.number;
    return numbers;
}

// Whether a finding about a variant's folder names a file of number n, in
// any form ("2.png" beside a missing "2.gif").
bool namesNumber(const QString& file, std::int16_t n) {
    return QFileInfo(file).completeBaseName() == QString::number(n);
}

QImage thumbnailOf(const QImage& picture) {
    if (picture.isNull() ||
        (picture.width() <= kThumbnailSide && picture.height() <= kThumbnailSide))
        return picture;
    return picture.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio,
                          Qt::SmoothTransformation);
}

} // namespace

FolderContents folderContents(const Review& review, int f, FileSystem& files,
                              PictureLoader& pictures) {
    FolderContents contents;
    contents.folder = f;
    contents.summary = folderSummary(review, f);
    Drawings drawings(files, pictures);
    contents.last = drawings.last(f);
    const QString app = files.applicationFolder();
    const auto relative = [&](const QString& composed) {
        const QString onDisk = files.resolve(composed);
        return onDisk.startsWith(app + u'/') ? onDisk.mid(app.size() + 1) : onDisk;
    };
    for (const std::int16_t n : metNumbers(review, f, drawings)) {
        if (!drawings.present(f, n))
            continue; // a number without a drawing: the folder's own findings tell it
        const DrawingStep step = drawings.show(f, n);
        MetDrawing drawing;
        drawing.number = n;
        drawing.coloured = relative(step.colouredPath);
        if (!files.dir(step.uncolouredPath).isEmpty())
            drawing.uncoloured = relative(step.uncolouredPath);
        drawing.thumbnail = thumbnailOf(step.coloured.image());
        drawing.message = step.message;
        drawing.movable = n >= 1 && n <= contents.last;
        contents.drawings << drawing;
    }
    for (const Finding& finding : review.findings) {
        if (!aboutDrawingFolder(finding, f))
            continue;
        if (finding.file.count(u'/') < 3) { // the folder, or one of its variants' folders
            contents.aboutFolder << finding;
            continue;
        }
        const auto owner = std::find_if(
            contents.drawings.begin(), contents.drawings.end(), [&](const MetDrawing& drawing) {
                return finding.file == drawing.coloured || finding.file == drawing.uncoloured ||
                       (!drawing.message.isEmpty() && namesNumber(finding.file, drawing.number));
            });
        if (owner != contents.drawings.end())
            owner->findings << finding;
        else
            contents.neverMet << finding;
    }
    return contents;
}

} // namespace tamiro::teacher
