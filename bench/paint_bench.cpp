// What the window paints: the tiled background, what a button press or an
// animation frame repaints, the whole window, and the processor time of an
// animation while it plays.

#include "bench/support.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <time.h>

namespace tamiro::bench {
namespace {

// ---- background ---------------------------------------------------------------

// The tiling alone, over a 1920 x 1080 client area.
void BM_Background(benchmark::State& state) {
    Session session(kSample);
    session.window->resize(1920, 1080);
    QImage canvas(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] {
            QPainter painter(&canvas);
            session.window->paintBackground(painter);
        });
}
BENCHMARK(BM_Background)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The sample content with a background of one pixel, so that the tiling draws
// one tile per pixel.
QString tinyBackgroundTree() {
    const QString root = kGenerated + "/tiny-background";
    if (QFile::exists(root + "/.complete"))
        return root;
    QDir(root).removeRecursively();
    sampleBasics(root);
    for (const char* variant : {"si coloreado", "no coloreado"})
        copyFile(kSample + "/dibujos/1/" + variant + "/1.gif",
                 root + "/dibujos/1/" + variant + "/1.gif");
    static const char kOnePixelGif[] = "GIF89a\1\0\1\0\x80\0\0\xff\xcc\0\0\0\0"
                                       "\x2c\0\0\0\0\1\0\1\0\0\2\2\x44\1\0\x3b";
    QFile gif(root + "/fondo.gif");
    if (!gif.open(QIODevice::WriteOnly) || gif.write(kOnePixelGif, sizeof kOnePixelGif - 1) < 0)
        qFatal("cannot write the one-pixel background");
    gif.close();
    QFile(root + "/.complete").open(QIODevice::WriteOnly);
    dateBack(root);
    return root;
}

// A window shown over the whole screen after a first step, and one of its
// controls: arg 0 picks the control (0 the next button, 1 the animation),
// arg 1 the background (0 the sample's, 1 one pixel).
struct SessionAndControl : Session {
    QWidget* control;
    explicit SessionAndControl(const benchmark::State& state)
        : Session(state.range(1) ? tinyBackgroundTree() : kSample, true) {
        window->onNextClicked();
        settle();
        control = state.range(0) ? static_cast<QWidget*>(window->animation)
                                 : static_cast<QWidget*>(window->nextButton);
    }
};

// What is painted when one control asks for a repaint of its own rectangle,
// as a button does when pressed or released and the animation at every frame.
void BM_ControlRepaint(benchmark::State& state) {
    SessionAndControl session(state);
    PaintCounter painted;
    session.window->installEventFilter(&painted);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] {
            session.control->update();
            session.settle();
        });
    state.counters["window_painted_px"] =
        benchmark::Counter(double(painted.pixels), benchmark::Counter::kAvgIterations);
    state.counters["messages"] = session.messages.shown;
}
BENCHMARK(BM_ControlRepaint)
    ->ArgNames({"animation", "tiny_background"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The window's own paint (the tiled background) for the rectangle of one
// control.
void BM_WindowPaintOfControl(benchmark::State& state) {
    SessionAndControl session(state);
    const QRegion part(session.control->geometry());
    QImage canvas(session.window->size(), QImage::Format_ARGB32_Premultiplied);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] {
            session.window->render(&canvas, QPoint(), part, QWidget::DrawWindowBackground);
        });
}
BENCHMARK(BM_WindowPaintOfControl)
    ->ArgNames({"animation", "tiny_background"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The whole window, controls included, at 1920 x 1080.
void BM_WindowPaint(benchmark::State& state) {
    Session session(kSample);
    session.window->onNextClicked();
    session.window->resize(1920, 1080);
    QImage canvas(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] { session.window->render(&canvas); });
}
BENCHMARK(BM_WindowPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// ---- the animation ---------------------------------------------------------

// A 1024 x 768 animation of eight frames, 100 ms each, whose colours shift
// over the whole picture from frame to frame.
QString screenSizedAnimation() {
    QString frames;
    for (int i = 0; i < 8; ++i)
        frames += QString(" -size 1024x768 gradient:'rgb(%1,0,%2)'-'rgb(0,%2,%1)'")
                      .arg(i * 32)
                      .arg(255 - i * 32);
    return convertedOnce("screen-animation.gif", "-delay 10" + frames + " -loop 0");
}

double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The processor time an animation takes while it plays for five seconds in a
// shown window, as a share of one core: each sample animation in turn (0), or
// the 1024 x 768 one (1).
void BM_AnimationPlaying(benchmark::State& state) {
    Session session(kSample, true);
    QStringList files{screenSizedAnimation()};
    if (state.range(0) == 0) {
        files.clear();
        for (const QString& name : QDir(kSample + "/animados").entryList(QDir::Files))
            files << kSample + "/animados/" + name;
    }
    for (auto _ : state) {
        double cpu = 0, wall = 0;
        for (const QString& file : files) {
            session.window->animation->setAnimationFile(file);
            if (!session.window->animation->isPlaying())
                qFatal("%s does not play", qPrintable(file));
            const double startCpu = processSeconds();
            const auto start = Clock::now();
            QEventLoop loop;
            QTimer::singleShot(5000, &loop, &QEventLoop::quit);
            loop.exec();
            cpu += processSeconds() - startCpu;
            wall += std::chrono::duration<double>(Clock::now() - start).count();
        }
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100 * cpu / wall;
    }
}
BENCHMARK(BM_AnimationPlaying)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
} // namespace tamiro::bench
