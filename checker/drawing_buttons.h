#pragma once

// Drawing buttons: each folder button pressed as a child presses it from
// start-up on, what every step shows, and why a step shows no drawing, told
// at the file to mend.

#include "checker/findings.h"
#include "rules/drawings.h"

#include <QHash>
#include <QSet>

namespace tamiro::checker {

class DrawingButtons {
public:
    DrawingButtons(FindingCollector& findings, Drawings& drawings)
        : findings_(findings), drawings_(drawings) {}

    // Folder f's button and arrows, as ButtonSequence tells; a note saying
    // which drawings they show heads the findings of the folder.
    ButtonSequence press(int f);
    // The coloured files shown by the buttons pressed so far.
    int shownDrawings() const { return static_cast<int>(shown_.size()); }

private:
    // What one drawing number shows, found once per number.
    struct Outcome {
        QString coloured, uncoloured, message;
    };
    const Outcome& outcome(int f, std::int16_t n, QHash<int, Outcome>& known);
    void explainFailure(int f, std::int16_t n, const DrawingStep& step);

    FindingCollector& findings_;
    Drawings& drawings_;
    QSet<QString> shown_;
};

} // namespace tamiro::checker
