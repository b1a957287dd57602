#pragma once

// The teacher's review of a content folder: what the child will see, told file
// by file in Spanish. It runs the program's own steps (rules/) on the
// program's own file system and picture loader, so every verdict is the
// program's; what it adds is the explanation, and what to do about it.

#include "platform/core/services.h"

#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>

namespace tamiro {

struct Finding {
    enum class Severity { Note, Warning, Fails }; // in rising order
    Severity severity = Severity::Note;
    QString file;           // relative to the content folder, with "/", as stored
    QString text;           // Spanish; a warning or a failure ends with what to do
    QList<QImage> pictures; // small: coloured before uncoloured, where they say it better

    // The line the teacher reads, with control characters made visible.
    QString line() const;
};

// One click of the child's and what it brings: the drawing, or a message.
struct Step {
    enum class Button { Folder, Next, Previous };
    Button button;
    std::int16_t number;          // the folder's drawing number after the click
    QString coloured, uncoloured; // the files shown, relative to the content folder
    QString message;              // what the child reads instead, when not empty
};

// What a child meets with one folder button, from start-up on: the folder
// button, then the next button until the series comes back to a drawing it
// has shown, then the previous button until it does so again. In the folder
// chosen at start-up, the previous button comes first, before the folder
// button, as a child may press it straight away.
struct ButtonSequence {
    int folder = 0;
    QList<Step> steps;
};

struct Review {
    QList<Finding> findings;
    QList<ButtonSequence> buttons; // folders 1 to 10
    int fails = 0, warnings = 0, drawings = 0;
    bool passes() const { return fails == 0; }
    QString summary() const;
};

// Reviews the content folder that `files` holds as the application folder.
Review reviewContent(FileSystem& files, PictureLoader& pictures);

// The review as tamiro-revisar prints it: a heading naming `folder`, one line
// per finding headed by its severity, and the summary; each line ends with a
// line break.
QString reportText(const Review& review, const QString& folder);

// Whether a finding is about drawing folder f: the folder itself or a file in
// it (the folder "dibujos" in any letter case, as the program finds it).
bool aboutDrawingFolder(const Finding& finding, int f);
// What the review says of drawing folder f alone, in the words of summary():
// what fails there, and what is worth a look.
QString folderSummary(const Review& review, int f);

// The word that heads a finding of this severity ("Falla", "Aviso" or empty).
QString severityWord(Finding::Severity severity);

// The screen the drawing area is measured on, in pixels.
inline constexpr int kReviewScreenWidth = 1024, kReviewScreenHeight = 768;

// The side of the square a finding's pictures are made to fit, in pixels.
inline constexpr int kThumbnailPixels = 96;

// Text from the content (names, a quoted line) made safe to show: control
// characters and bytes that are no text become visible escapes ("\e",
// "\x01"); longer than `limit` characters, it is cut with "…".
QString visibleText(const QString& text, qsizetype limit = -1);

} // namespace tamiro
