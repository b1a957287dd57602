#pragma once

// Never-seen files: what lies in the content folder that no button ever
// shows, plays or reads, each with why and what to do.

#include "checker/findings.h"
#include "rules/drawings.h"

#include <QStringList>
#include <functional>

namespace tamiro::checker {

// A file name split into its number and its extension, as a numbered series
// names them: "12.gif" is 12 and "gif".
struct NumberedName {
    QString stem, extension; // the extension in lower case, without its dot
    bool isNumber = false, canonical = false;
    long long number = 0;
    explicit NumberedName(const QString& name);
};

// The file (relative to the content folder) that the program reads for
// number n with that extension; empty when it reads none.
using UsedFile = std::function<QString(long long n, const QString& extension)>;

// Names the files of one folder of a numbered series that the child never
// sees. `composed` is the folder as the program writes it, `extensions` what
// it is read for, `gap` the first number whose absence ends the series, and
// `numbered` what its files are numbered as.
enum class Numbered {
    Drawings,           // coloured drawings, by their number
    UncolouredDrawings, // uncoloured drawings, by the coloured drawing they go with
    Series,             // animations, brush sizes, pointers
};
void neverSeen(FindingCollector& findings, const QString& composed, const QStringList& extensions,
               int gap, Numbered numbered, const UsedFile& usedFile);

// The same for drawing folder f, whose buttons reached `numbers`; and the
// files beside its two folders.
void neverSeenInDrawingFolder(FindingCollector& findings, Drawings& drawings, int f,
                              const QSet<int>& numbers);

// Folders and files beside the ten drawing folders, which are never opened.
void otherDrawingFolders(FindingCollector& findings);

// Two entries of the content folder that the program takes for one.
void topLevelTwins(FindingCollector& findings);

} // namespace tamiro::checker
