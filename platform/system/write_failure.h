#pragma once

#include "platform/core/errors.h"

#include <QString>

namespace tamiro {

// What a failed change to `folder` means to a teacher, from the system's
// error number: a plain Spanish sentence that says what to do (add the
// drawings where a read-only share is kept, join the folder's group, make
// room on a full disk).
PlatformError writeFailure(int error, const QString& folder);

} // namespace tamiro
