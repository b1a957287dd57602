#pragma once

// What the program tells whoever looks after it, one category per area. All
// are silent below warnings unless asked for, so a child's session prints
// nothing; an administrator who wants to know why a sound or a printer is
// silent starts the program with, for example,
//   QT_LOGGING_RULES="tamiro.sound.debug=true" tamiro

#include <QLoggingCategory>

namespace tamiro {

Q_DECLARE_LOGGING_CATEGORY(lcWindow)   // tamiro.window: start-up, what the child is told
Q_DECLARE_LOGGING_CATEGORY(lcFiles)    // tamiro.files: folders read from disk
Q_DECLARE_LOGGING_CATEGORY(lcPictures) // tamiro.pictures: pictures and animations refused
Q_DECLARE_LOGGING_CATEGORY(lcSound)    // tamiro.sound: sounds not played, and why
Q_DECLARE_LOGGING_CATEGORY(lcPrinter)  // tamiro.printer: the printer used and its answer
Q_DECLARE_LOGGING_CATEGORY(lcChecker)  // tamiro.checker: the folder reviewed, the verdict
Q_DECLARE_LOGGING_CATEGORY(lcTeacher)  // tamiro.teacher: the drawings window, its changes and times

} // namespace tamiro
