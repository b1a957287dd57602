#pragma once

// What the teachers' tools leave in the content folder besides drawings,
// none of which the program ever shows: the trash a desktop makes at the top
// of a mount, and the hidden temporary files of a change, which a change
// that never finished (the machine switched off halfway) leaves behind.

#include "platform/core/services.h"

#include <QString>
#include <cstdint>

namespace tamiro {

// ".Trash" or ".Trash-1000": the desktop's trash at the top of a mount.
bool isTrashFolder(const QString& name);
// A temporary file of a change: a hidden name the program never counts.
bool isTemporaryFile(const QString& name);

// A change writes and renames its temporary files within seconds; one
// untouched for longer was left by a change that never finished.
inline constexpr std::int64_t kAbandonedAfterSeconds = 900; // a quarter of an hour
// Whether the temporary file at `path` (on disk) was left behind, at `now`
// (seconds since the epoch).
bool abandoned(FileSystem& files, const QString& path, std::int64_t now);

} // namespace tamiro
