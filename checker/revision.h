#pragma once

// The teacher's review of a content folder: what the child will see, told file
// by file in Spanish, found with the program's own directory query and picture
// loader so that every verdict is the program's.

#include "platform/services.h"

#include <QImage>
#include <QList>
#include <QString>

namespace tamiro {

struct Finding {
    enum class Severity { Note, Warning, Fails }; // in rising order
    Severity severity = Severity::Note;
    QString file;           // relative to the content folder, with "/"
    QString text;           // Spanish, one line
    QList<QImage> pictures; // coloured before uncoloured, where they say it better

    QString line() const { return file.isEmpty() ? text : file + QStringLiteral(": ") + text; }
};

struct Review {
    QList<Finding> findings;
    int fails = 0, warnings = 0, drawings = 0;
    bool passes() const { return fails == 0; }
    QString summary() const;
};

// Reviews the content folder that `files` holds as the application folder.
Review reviewContent(FileSystem& files, PictureLoader& pictures);

// The screen the drawing area is measured on, in pixels.
inline constexpr int kReviewScreenWidth = 1024, kReviewScreenHeight = 768;

} // namespace tamiro
