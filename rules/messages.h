#pragma once

// Every message the child may be shown, in one place: the window shows them
// and the teacher's checker quotes them. Each takes the platform's Spanish
// description of what failed.

#include <QString>

namespace tamiro::messages {

// A navigation step that has no drawing to show.
QString drawingNotShown(int n, int folder, const QString& description);
// The description when drawing n has neither a GIF nor a JPEG coloured file.
QString noColouredFile(const QString& gifPath, const QString& jpegPath);

// Start-up.
QString firstBrushSizeNotLoaded(const QString& description);
QString switchNotRead(const QString& description);
QString firstPointerNotLoaded(const QString& description);

// The brush-size button.
QString brushSizeNotChanged(const QString& description);

// The trap of the pointer and print buttons.
QString attention(const QString& description);

// The tiled background.
QString backgroundMissing(const QString& description);

} // namespace tamiro::messages
