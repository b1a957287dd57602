#pragma once

// What the teacher's window shows of one drawing folder: its drawings in the
// order the child meets them, each with what the checker says about its
// files, and the files the child never meets. Built from the checker's review
// and the program's own steps, without widgets.

#include "checker/revision.h"
#include "platform/core/services.h"

#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>

namespace tamiro::teacher {

// The side of the square a drawing's thumbnail fits in, in pixels.
inline constexpr int kThumbnailSide = 120;

struct MetDrawing {
    std::int16_t number = 0;
    QString coloured, uncoloured; // relative to the content folder, as stored; empty if missing
    QImage thumbnail;             // the coloured drawing, small; null when it does not open
    QString message;              // what the child reads here instead, when not empty
    QList<Finding> findings;      // the checker's, about this drawing's files
    // Whether the teacher may move it: one of the unbroken series from 1.
    bool movable = false;
    Finding::Severity worst() const;
};

struct FolderContents {
    int folder = 0;
    QList<MetDrawing> drawings; // in the order the child meets them
    QList<Finding> aboutFolder; // the checker's lines about the folder as a whole
    QList<Finding> neverMet;    // files of the folder the child never meets, and why
    QString summary;            // the checker's verdict for the folder
    std::int16_t last = 0;      // the last drawing of the unbroken series from 1
};

// Folder f as the child meets it: the steps of the review's button sequence,
// the folder button and the next arrow first, then what only the previous
// arrow reaches; `files` and `pictures` are those the review was made with.
FolderContents folderContents(const Review& review, int f, FileSystem& files,
                              PictureLoader& pictures);

} // namespace tamiro::teacher
