#pragma once

// The report window: the review for a teacher who starts tamiro-revisar from
// the desktop menu.

#include "checker/revision.h"

#include <QWidget>

namespace tamiro {

// The review in a window: one line per finding, with small pictures of the
// drawings concerned side by side, and the summary at the foot.
class ReportWindow : public QWidget {
public:
    ReportWindow(const Review& review, const QString& folder);
};

} // namespace tamiro
