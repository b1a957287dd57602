#pragma once

// Picture checks: what the child will see amiss in a drawing that shows (its
// two variants of different sizes, see-through parts, a drawing too large for
// the screen).

#include "checker/findings.h"
#include "rules/drawings.h"

namespace tamiro::checker {

// `coloured` and `uncoloured` are the step's files, relative to the content
// folder.
void checkShownDrawing(FindingCollector& findings, const DrawingStep& step, const QString& coloured,
                       const QString& uncoloured);

} // namespace tamiro::checker
