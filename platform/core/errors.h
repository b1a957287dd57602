#pragma once

#include <QString>
#include <stdexcept>

namespace tamiro {

// The one exception a failing platform operation throws. The description is
// Spanish, starts in lower case and names the file or device concerned, so
// that it reads well after a fixed text such as "Atención: ". A file refused
// for what it is, rather than for being missing or damaged, says so in its
// cause, so that whoever mends the content can be told what to do.
class PlatformError : public std::runtime_error {
public:
    enum class Cause {
        Other,
        TooLarge,    // a picture or animation with more pixels than allowed
        TooLong,     // an animation with too many frames
        OtherFormat, // a file in a format its name does not ask for
    };
    explicit PlatformError(const QString& description, Cause cause = Cause::Other)
        : std::runtime_error(description.toStdString()), description_(description), cause_(cause) {}
    const QString& description() const { return description_; }
    Cause cause() const { return cause_; }

private:
    QString description_;
    Cause cause_;
};

} // namespace tamiro
