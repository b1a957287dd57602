// The review in order: the ten drawing buttons and their folders, the files
// beside them, the numbered series, then the single files; each part adds its
// findings to one collector.

#include "checker/revision.h"

#include "checker/decoded_files.h"
#include "checker/drawing_buttons.h"
#include "checker/findings.h"
#include "checker/never_seen.h"
#include "checker/series.h"
#include "checker/single_files.h"
#include "rules/drawings.h"

#include <utility>

namespace tamiro {

Review reviewContent(FileSystem& files, PictureLoader& pictures) {
    using namespace checker;
    FindingCollector findings(files);
    DecodedFiles decoded(files, pictures);
    Drawings drawings(files, decoded);
    DrawingButtons buttons(findings, drawings);
    QList<ButtonSequence> sequences;
    for (int f = 1; f <= 10; ++f) {
        sequences.append(buttons.press(f));
        QSet<int> reached;
        for (const Step& step : sequences.last().steps)
            reached.insert(step.number);
        neverSeenInDrawingFolder(findings, drawings, f, reached);
    }
    otherDrawingFolders(findings);
    reviewAnimations(findings);
    reviewBrushSizes(findings, decoded);
    reviewPointers(findings, decoded);
    reviewBackground(findings, decoded);
    reviewSounds(findings);
    reviewPrinting(findings);
    topLevelTwins(findings);
    Review review = findings.takeReview();
    review.buttons = std::move(sequences);
    review.drawings = buttons.shownDrawings();
    return review;
}

} // namespace tamiro
