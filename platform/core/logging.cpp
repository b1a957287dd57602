#include "platform/core/logging.h"

namespace tamiro {

Q_LOGGING_CATEGORY(lcWindow, "tamiro.window", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFiles, "tamiro.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPictures, "tamiro.pictures", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSound, "tamiro.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPrinter, "tamiro.printer", QtWarningMsg)
Q_LOGGING_CATEGORY(lcChecker, "tamiro.checker", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTeacher, "tamiro.teacher", QtWarningMsg)

} // namespace tamiro
