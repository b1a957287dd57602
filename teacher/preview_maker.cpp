// The preview's maker: one job at a time on Qt's thread pool, the newest
// settings made next.

#include "teacher/preview_maker.h"

#include "platform/core/errors.h"
#include "platform/core/logging.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>

namespace tamiro::teacher {

namespace {

bool sameSettings(const maker::Settings& a, const maker::Settings& b) {
    return a.kind == b.kind && a.lineWidth == b.lineWidth && a.detail == b.detail;
}

} // namespace

PreviewMaker::PreviewMaker(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<Result>::finished, this, &PreviewMaker::finished);
}

PreviewMaker::~PreviewMaker() {
    watcher_.waitForFinished(); // the job holds copies only, but its result has nowhere to go
}

void PreviewMaker::load(const QString& picture, const QString& page) {
    pictureFile_ = picture;
    pageFile_ = page;
    if (picture != loadedPicture_)
        source_.reset();
    page_.reset();
    madeWith_.reset();
    start();
}

void PreviewMaker::setSettings(const maker::Settings& settings) {
    wanted_ = settings;
    sinceChange_.start();
    start();
}

maker::Settings PreviewMaker::effective(maker::Settings settings) const {
    if (settings.kind == maker::Kind::Automatic)
        settings.kind = detected_;
    return settings;
}

void PreviewMaker::start() {
    if (watcher_.isRunning()) {
        pending_ = true;
        return;
    }
    pending_ = false;
    if (!sinceChange_.isValid())
        sinceChange_.start();
    ++launched_;
    watcher_.setFuture(QtConcurrent::run([source = source_, page = page_, picture = pictureFile_,
                                          pageFile = pageFile_, detected = detected_,
                                          settings = wanted_]() mutable {
        Result result;
        result.settings = settings;
        try {
            if (!source) {
                source = maker::loadSource(picture);
                detected = maker::detectKind(source->image); // once per picture
                result.source = source;
                result.detected = detected;
            }
            if (!pageFile.isEmpty() && !page) {
                result.failedOnPage = true;
                page = maker::loadSource(pageFile);
                result.page = page;
                result.failedOnPage = false;
            }
            if (settings.kind == maker::Kind::Automatic)
                settings.kind = detected;
            result.drawing = page ? maker::makeDrawing(*source, *page, settings)
                                  : maker::makeDrawing(*source, settings);
        } catch (const PlatformError& error) {
            result.error = error.description();
        } catch (const std::exception&) {
            result.error = QCoreApplication::translate(
                "tamiro::teacher::PreviewMaker",
                "No hay memoria bastante para preparar este dibujo. Pruebe con una imagen "
                "más pequeña.");
        }
        return result;
    }));
}

void PreviewMaker::finished() {
    if (handled_ == launched_)
        return; // finish() took this result already
    handled_ = launched_;
    Result result = watcher_.result();
    if (result.source) {
        source_ = result.source;
        loadedPicture_ = pictureFile_;
        detected_ = result.detected;
    }
    // A page dropped or changed while the job ran is not taken back.
    if (result.page && result.pageFile == pageFile_)
        page_ = result.page;
    if (!result.error.isEmpty()) {
        if (result.failedOnPage && result.pageFile == pageFile_) // the picture stays
            pageFile_.clear();
        pending_ = false;
        emit failed(result.error);
        if (source_ && result.failedOnPage)
            start();
        return;
    }
    drawing_ = std::move(result.drawing);
    // Made with a page since dropped or changed, it is shown but never saved.
    madeWith_ =
        result.pageFile == pageFile_ ? std::optional(effective(result.settings)) : std::nullopt;
    if (result.source)
        emit loaded();
    if (pending_) {
        start();
    } else {
        lastMake_ = sinceChange_.elapsed();
        sinceChange_.invalidate();
        qCDebug(lcTeacher, "vista previa de «%s» hecha en %lld ms", qUtf8Printable(pictureFile_),
                lastMake_);
    }
    emit made();
}

const maker::Drawing& PreviewMaker::finish() {
    if (watcher_.isRunning() || handled_ != launched_) {
        watcher_.waitForFinished();
        finished();
        if (watcher_.isRunning()) // the newest settings went out at once
            return finish();
    }
    const maker::Settings settings = effective(wanted_);
    if (source_ && (!madeWith_ || !sameSettings(*madeWith_, settings))) {
        drawing_ = page_ ? maker::makeDrawing(*source_, *page_, settings)
                         : maker::makeDrawing(*source_, settings);
        madeWith_ = settings;
    }
    return drawing_;
}

} // namespace tamiro::teacher
