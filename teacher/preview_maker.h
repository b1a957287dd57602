#pragma once

// The drawing maker behind the preview: it reads the picture and finds its
// kind once, then makes the drawing again for every change of the controls
// on a worker thread, one make at a time, so the window never waits. Changes
// that arrive while a make runs are folded into one make of the newest
// settings.

#include "maker/maker.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <optional>

namespace tamiro::teacher {

class PreviewMaker : public QObject {
    Q_OBJECT

public:
    explicit PreviewMaker(QObject* parent = nullptr);
    ~PreviewMaker() override;

    // Reads the picture (and the colouring page, when one is given) and makes
    // its drawing; loaded() or failed() follows, then made().
    void load(const QString& picture, const QString& page = {});
    const QString& pageFile() const { return pageFile_; }
    void setSettings(const maker::Settings& settings);

    bool isLoaded() const { return source_.has_value(); }
    // The kind the picture looks like, found once.
    maker::Kind detectedKind() const { return detected_; }
    // The newest drawing made, and the settings it was made with.
    const maker::Drawing& drawing() const { return drawing_; }
    // The drawing for the settings asked last: waits for the make running,
    // and makes it here when none has been made for them yet.
    const maker::Drawing& finish();
    // How long the last make took, from the change to its result.
    qint64 lastMakeMilliseconds() const { return lastMake_; }

signals:
    void loaded();
    void failed(const QString& message);
    void made();

private:
    struct Result {
        std::optional<maker::Source> source, page;
        maker::Kind detected = maker::Kind::Automatic;
        maker::Drawing drawing;
        maker::Settings settings;
        QString pageFile; // the page the job was given
        QString error;
        bool failedOnPage = false;
    };
    void start();
    void finished();
    maker::Settings effective(maker::Settings settings) const;

    QFutureWatcher<Result> watcher_;
    int launched_ = 0, handled_ = 0; // jobs started, and results taken
    QString pictureFile_, pageFile_, loadedPicture_;
    std::optional<maker::Source> source_, page_;
    maker::Kind detected_ = maker::Kind::Automatic;
    maker::Settings wanted_;
    std::optional<maker::Settings> madeWith_;
    maker::Drawing drawing_;
    bool pending_ = false;
    QElapsedTimer sinceChange_;
    qint64 lastMake_ = 0;
};

} // namespace tamiro::teacher
