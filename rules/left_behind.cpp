#include "rules/left_behind.h"

#include "platform/core/content_writer.h"

#include <QRegularExpression>

namespace tamiro {

bool isTrashFolder(const QString& name) {
    static const QRegularExpression trash(QStringLiteral("^\\.Trash(-[0-9]+)?$"));
    return trash.match(name).hasMatch();
}

bool isTemporaryFile(const QString& name) {
    return name.startsWith(kTemporaryPrefix);
}

bool abandoned(FileSystem& files, const QString& path, std::int64_t now) {
    const auto identity = files.identity(path);
    return identity && now - identity->seconds > kAbandonedAfterSeconds;
}

} // namespace tamiro
