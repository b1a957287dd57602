#pragma once

#include "checker/revision.h"

#include <QWidget>

namespace tamiro {

// The review in a window: one line per finding, with small pictures of the
// drawings concerned side by side, and the summary at the foot.
class ReportWindow : public QWidget {
public:
    ReportWindow(const Review& review, const QString& folder);
};

// The word that heads a finding of this severity ("Falla", "Aviso" or empty).
QString severityWord(Finding::Severity severity);

} // namespace tamiro
