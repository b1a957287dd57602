#pragma once

// Single files: the background, the two sounds and the printing switch, each
// read as start-up or its button reads it.

#include "checker/findings.h"

namespace tamiro::checker {

void reviewBackground(FindingCollector& findings, PictureLoader& pictures);
void reviewSounds(FindingCollector& findings);
void reviewPrinting(FindingCollector& findings);

} // namespace tamiro::checker
