#include "rules/drawings.h"

#include "platform/core/errors.h"
#include "rules/content.h"
#include "rules/messages.h"

#include <limits>

namespace tamiro {

namespace {
constexpr std::int16_t kTop = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kBottom = std::numeric_limits<std::int16_t>::min();
constexpr std::int16_t kFirst = 1;
} // namespace

bool Drawings::present(int f, std::int16_t n, Search search) {
    const QString app = files_.applicationFolder(), numeral = QString::number(n);
    const QString gif =
        drawingPath(app, f, Variant::Coloured, n,
                    search == Search::Back ? QStringLiteral(".gif") : QStringLiteral(".GIF"));
    const QString gifAnswer = files_.dir(gif).toUpper();
    const QString jpegAnswer =
        files_.dir(drawingPath(app, f, Variant::Coloured, n, QStringLiteral(".JPG"))).toUpper();
    return gifAnswer == numeral + ".GIF" || jpegAnswer == numeral + ".JPG";
}

std::int16_t Drawings::last(int f) {
    std::int16_t i = 1;
    while (present(f, i, Search::Back)) {
        if (i == kTop)
            return i; // every number up to the top is there
        ++i;
    }
    return static_cast<std::int16_t>(i - 1);
}

std::int16_t Drawings::afterFolderButton(int f, std::int16_t n) {
    return present(f, n) ? n : kFirst;
}

std::int16_t Drawings::afterNext(int f, std::int16_t n) {
    if (n == kTop) // the counter holds no more
        return 1;
    n = static_cast<std::int16_t>(n + 1);
    return present(f, n) ? n : kFirst;
}

std::int16_t Drawings::afterPrevious(int f, std::int16_t n) {
    if (n > kBottom)
        n = static_cast<std::int16_t>(n - 1);
    return present(f, n) ? n : last(f);
}

DrawingStep Drawings::show(int f, std::int16_t n) {
    const QString app = files_.applicationFolder();
    const QString gif = drawingPath(app, f, Variant::Coloured, n, QStringLiteral(".GIF"));
    const QString jpeg = drawingPath(app, f, Variant::Coloured, n, QStringLiteral(".JPG"));
    QString extension;
    if (!files_.dir(gif).isEmpty())
        extension = QStringLiteral(".GIF");
    else if (!files_.dir(jpeg).isEmpty())
        extension = QStringLiteral(".JPG");

    DrawingStep step;
    step.colouredPath = drawingPath(app, f, Variant::Coloured, n, extension);
    step.uncolouredPath = drawingPath(app, f, Variant::Uncoloured, n, QStringLiteral(".GIF"));
    try {
        if (extension.isEmpty())
            throw PlatformError(messages::noColouredFile(gif, jpeg));
        step.coloured = pictures_.load(step.colouredPath);
        step.uncoloured = pictures_.load(step.uncolouredPath);
    } catch (const PlatformError& error) {
        step.message = messages::drawingNotShown(n, f, error.description());
        step.cause = error.cause();
    }
    return step;
}

} // namespace tamiro
