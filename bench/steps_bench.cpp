// What a child's click or drag costs: start-up, the navigation steps with the
// paint that follows them, and brush moves with their repaint.

#include "bench/support.h"
#include "tests/support/window_state_access.h"

#include <cmath>

namespace tamiro::bench {
namespace {

// ---- start-up -----------------------------------------------------------------

void BM_StartUp(benchmark::State& state) {
    StepTimer timer(state);
    for (auto _ : state) {
        timer.time([] {
            DiskFileSystem files(kSample);
            QtPictureLoader pictures(files);
            QuietSound sound;
            QuietPrinter printer;
            CountingMessages messages;
            QtScreen screen;
            ColouringWindow window(Services{files, pictures, sound, printer, messages, screen});
            window.start();
            window.resize(twipsToPixels(screen.width()), twipsToPixels(screen.height()));
            const QPixmap frame = window.grab();
            benchmark::DoNotOptimize(frame.cacheKey());
        });
    }
}
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---- navigation ---------------------------------------------------------------

// Arg 0: GIF drawings, 1: JPEG coloured variants. Each step includes the
// paint that follows it.
void BM_NextDrawing(benchmark::State& state) {
    Session session(drawingsTree(), true);
    session.window->onFolderClicked(std::int16_t(state.range(0)));
    StepTimer timer(state);
    const auto decodesBefore = session.pictures.decodes();
    for (auto _ : state)
        timer.time([&] {
            session.window->onNextClicked();
            session.settle();
        });
    state.counters["decodes"] = benchmark::Counter(
        double(session.pictures.decodes() - decodesBefore), benchmark::Counter::kAvgIterations);
    state.counters["messages"] = session.messages.shown;
}
BENCHMARK(BM_NextDrawing)
    ->ArgName("jpeg")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_PreviousDrawing(benchmark::State& state) {
    Session session(drawingsTree(), true);
    session.window->onFolderClicked(std::int16_t(state.range(0)));
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] {
            session.window->onPreviousClicked();
            session.settle();
        });
    state.counters["messages"] = session.messages.shown;
}
BENCHMARK(BM_PreviousDrawing)
    ->ArgName("jpeg")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Switching between the two folders, each time at another drawing.
void BM_FolderButton(benchmark::State& state) {
    Session session(drawingsTree(), true);
    const auto index = std::int16_t(state.range(0));
    StepTimer timer(state);
    std::int16_t n = 0;
    for (auto _ : state) {
        n = std::int16_t(n % 12 + 1);
        WindowStateAccess::of(*session.window).pictureNumbers[size_t(index + 1)] = n;
        timer.time([&] {
            session.window->onFolderClicked(index);
            session.settle();
        });
    }
    state.counters["messages"] = session.messages.shown;
}
BENCHMARK(BM_FolderButton)
    ->ArgName("jpeg")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// ---- brush --------------------------------------------------------------------

// Arg: the brush-size picture, 1 (smallest, 16 x 16) or 4 (largest, 64 x 64).
void BM_BrushMove(benchmark::State& state) {
    Session session(kSample, true);
    session.window->onNextClicked();
    while (session.window->state().brushSizeNumber != state.range(0))
        session.window->onBrushSizeClicked();
    session.settle();
    PaintCounter painted;
    session.window->drawingArea->installEventFilter(&painted);
    const float width = session.window->drawingArea->widthTwips(),
                height = session.window->drawingArea->heightTwips();
    StepTimer timer(state);
    float x = 0, y = height / 3, step = 45;
    for (auto _ : state) {
        x += step;
        if (x < 0 || x > width)
            step = -step, y = std::fmod(y + 600, height);
        timer.time([&] {
            session.window->onDrawingAreaMouseMove(LeftButton, 0, x, y);
            session.settle();
        });
    }
    state.counters["painted_px"] =
        benchmark::Counter(double(painted.pixels), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BrushMove)
    ->ArgName("size")
    ->Arg(1)
    ->Arg(4)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tamiro::bench
