#include "rules/drawing_area.h"

#include "platform/core/twips.h"

namespace tamiro {

double centredMargin(double band, double height) {
    return roundHalfEven((band - height) / 2);
}

float centredLeft(double screenWidth, double width) {
    return float((screenWidth - width) / 2);
}

DrawingFit fitOnScreen(QSize size, QSize screen) {
    const double screenWidth = pixelsToTwips(screen.width());
    const double band = pixelsToTwips(screen.height()) - kBarButtonHeight - kBelowBar;
    const double width = pixelsToTwips(size.width());
    const double left = centredLeft(screenWidth, width);
    DrawingFit fit;
    fit.cutBelow = centredMargin(band, pixelsToTwips(size.height())) < 1;
    fit.cutAtSides = left < 0;
    fit.animationOut = left + width + kAnimationGap + kAnimationWidth > screenWidth;
    return fit;
}

QSize largestWhole(QSize screen) {
    QSize largest(screen.width(), screen.height());
    while (largest.width() > 0 && !fitOnScreen({largest.width(), 1}, screen).whole())
        largest.rwidth()--;
    while (largest.height() > 0 && !fitOnScreen({1, largest.height()}, screen).whole())
        largest.rheight()--;
    return largest;
}

} // namespace tamiro
