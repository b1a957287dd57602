#pragma once

#include <QString>
#include <stdexcept>

namespace tamiro {

// The one exception a failing platform operation throws. The description is
// Spanish, starts in lower case and names the file or device concerned, so
// that it reads well after a fixed text such as "Atención: ".
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(const QString& description)
        : std::runtime_error(description.toStdString()), description_(description) {}
    const QString& description() const { return description_; }

private:
    QString description_;
};

} // namespace tamiro
