#pragma once

// Numbered series: the animations, the brush sizes and the pointers, each
// stepped through as its button steps from start-up on, every file opened as
// the program opens it; then the files the button never reaches.

#include "checker/findings.h"

namespace tamiro::checker {

// Each animation that plays counts, as the animation control would take it
// on the review's screen; the others are named, though the child is told
// nothing.
void reviewAnimations(FindingCollector& findings);
// Brush sizes that do not grow are named, and the sizes listed.
void reviewBrushSizes(FindingCollector& findings, PictureLoader& pictures);
// Pointers that are no icon of 32 × 32 are named.
void reviewPointers(FindingCollector& findings, PictureLoader& pictures);

} // namespace tamiro::checker
