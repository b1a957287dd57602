#pragma once

// The desktop's trash, laid out as the desktops share it (freedesktop.org):
// a file on the home folder's mount goes to the home trash; a file on
// another mount goes to the trash at the top of that mount (".Trash/UID"
// where the administrator made a shared one, else ".Trash-UID"), so that it
// is renamed, not copied. Where that mount has no trash the user may make
// (the system's own disk, with the homes on another), the home trash takes a
// copy and the file goes. File managers list it and put it back.

#include <QString>

namespace tamiro {

struct Trashed {
    QString original, file, info; // where it was; where it is; its record
};

// Moves a file (a link itself, not what it leads to) to the trash;
// PlatformError when it cannot, with nothing moved.
Trashed moveToTrash(const QString& file);
// Puts a file moved to the trash back where it was, unless that name was
// taken since.
void restoreFromTrash(const Trashed& trashed) noexcept;

} // namespace tamiro
