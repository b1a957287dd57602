#pragma once

// What the benchmarks share: quiet services, a window on real content, a
// timer that keeps every step, and the generated content they run on.
//
// Run through scripts/bench.sh (Release, offscreen, a 1920 x 1080 screen).
// Generated content lives in /tmp/tamiro-bench and is made once.

#include "platform/system/disk_file_system.h"
#include "platform/system/qt_picture_loader.h"
#include "platform/system/qt_screen.h"
#include "window/colouring_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QString>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace tamiro::bench {

using Clock = std::chrono::steady_clock;

inline const QString kSample = QStringLiteral(TAMIRO_SOURCE_DIR "/content");
inline const QString kGenerated = QStringLiteral("/tmp/tamiro-bench");

// Services that would reach a person do nothing here.
struct QuietSound : SoundPlayer {
    void play(const QString&) override {}
};
struct QuietPrinter : Printer {
    void paintPicture(const Picture&, float, float, float, float) override {}
    void endDoc() override {}
};
struct CountingMessages : MessageBox {
    int shown = 0;
    QString last;
    void show(const QString& text) override { ++shown, last = text; }
};

// A window with real files and decoders on one application folder.
struct Session {
    DiskFileSystem files;
    QtPictureLoader pictures{files};
    QuietSound sound;
    QuietPrinter printer;
    CountingMessages messages;
    QtScreen screen;
    std::unique_ptr<ColouringWindow> window;

    explicit Session(const QString& folder, bool shown = false);
    // Paints what the handlers left to paint, as the event loop would next.
    void settle() const { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }
};

// Counts what a widget paints.
struct PaintCounter : QObject {
    qint64 pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override;
};

long residentKilobytes();

// Times each iteration itself, so that the median and the slowest step can be
// reported besides the mean.
class StepTimer {
public:
    explicit StepTimer(benchmark::State& state) : state_(state) {}
    template <class Step> void time(Step&& step) {
        const auto start = Clock::now();
        step();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state_.SetIterationTime(seconds);
        samples_.push_back(seconds);
    }
    ~StepTimer();

private:
    benchmark::State& state_;
    std::vector<double> samples_;
};

// ---- generated content ------------------------------------------------------

void copyFile(const QString& from, const QString& to);
// A just-written folder may still change within its clock tick, so the
// directory query reads it again on every call; content that has been
// installed for a while is read once. The generated folders are dated back so
// that they count as installed.
void dateBack(const QString& root, long seconds = -3600);
// The files that start-up and the feedback read, from the sample content.
void sampleBasics(const QString& root);
// Folder 1: twelve 679 x 440 GIF drawings; folder 2: the same with JPEG
// coloured variants. Twelve drawings are more than the loader keeps, so every
// step decodes.
QString drawingsTree();
// Folder 1 with a series of `count` drawings, every file of a variant a hard
// link to one tiny GIF (a file takes at most 65,000 links); its folders dated
// an hour back, or `dated` seconds from now.
QString seriesTree(int count, long dated = -3600);
// A file made with ImageMagick, since Qt writes no GIF; kept in the
// generated folder.
QString convertedOnce(const QString& name, const QString& arguments);

} // namespace tamiro::bench
