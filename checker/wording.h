#pragma once

// Wording: the pieces of the teacher's sentences that every part of the
// review uses (counts, sizes, quoted names, what to do about a refused file).

#include "platform/core/errors.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tamiro::checker {

// "1 dibujo", "3 dibujos".
QString count(qsizetype n, const char* one, const char* many);
// "40 × 30".
QString sizeText(const QSize& size);
// «name»
QString quoted(const QString& name);
// "1 a 5", "0, 2 y 3": the numbers a button shows, in runs.
QString numberRuns(QList<int> numbers);
// «a», «b» y «c»
QString nameList(const QStringList& names);

// What to do about a picture that Tamiro refuses, by why it refuses it: save
// it again `as` a GIF, say, and smaller than `fits` where that is given.
QString pictureRemedy(PlatformError::Cause cause, const QString& as, const QSize& fits = {});
// The same for an animation that will not play, saved again as `name`.
QString animationRemedy(PlatformError::Cause cause, const QString& name);

} // namespace tamiro::checker
