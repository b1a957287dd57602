#pragma once

// Wording: the words of the teacher's report that every part of the review
// shares (sizes, quoted names, lists, what to do about a refused file), in
// the report's language.

#include "platform/core/errors.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tamiro::checker {

// "40 × 30".
QString sizeText(const QSize& size);
// «name»
QString quoted(const QString& name);
// "a, b y c".
QString listed(const QStringList& items);
// "a y b".
QString both(const QString& first, const QString& second);
// "1 a 5", "0, 2 y 3": the numbers a button shows, in runs.
QString numberRuns(QList<int> numbers);
// «a», «b» y «c»
QString nameList(const QStringList& names);

// What Tamiro takes a picture as, where the teacher is told to save it so.
enum class SaveAs { Gif, GifOrJpeg, Icon };

// What to do about a picture that Tamiro refuses, by why it refuses it: save
// it again `as` a GIF, say, and smaller than `fits` where that is given.
QString pictureRemedy(PlatformError::Cause cause, SaveAs as, const QSize& fits = {});
// The same for an animation that will not play, saved again as `name`.
QString animationRemedy(PlatformError::Cause cause, const QString& name);

} // namespace tamiro::checker
