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

// The description as a sentence of its own: first letter in upper case.
inline QString asSentence(const QString& description) {
    if (description.isEmpty())
        return description;
    return description.at(0).toUpper() + description.mid(1);
}

} // namespace tamiro
