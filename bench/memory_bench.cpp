// Resident memory over many navigation steps and over the largest drawings.

#include "bench/support.h"

#include <QFile>
#include <fstream>
#include <malloc.h>
#include <string>

namespace tamiro::bench {
namespace {

// Resident memory after start-up, and its growth over 10,000 navigation steps
// of every kind on the sample content (after 200 steps that fill the caches):
// resident memory at the end and at its highest, and the heap in use, which
// shows a leak without the noise of freed pages the allocator keeps. Before
// the warm and the end readings the allocator hands its free pages back, so
// both count only memory still in use.
void BM_MemoryOverSteps(benchmark::State& state) {
    for (auto _ : state) {
        const long before = residentKilobytes();
        Session session(kSample, true);
        const long afterStartUp = residentKilobytes();
        const auto step = [&](int i) {
            switch (i % 4) {
            case 0:
                session.window->onNextClicked();
                break;
            case 1:
                session.window->onPreviousClicked();
                break;
            case 2:
                session.window->onFolderClicked(std::int16_t(i / 4 % 6));
                break;
            default:
                session.window->onNextClicked();
                session.window->onDrawingAreaMouseMove(LeftButton, 0, float(i % 9000), 3000);
            }
            QCoreApplication::processEvents(); // as the event loop would between clicks
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        for (int i = 0; i < 200; ++i)
            step(i);
        malloc_trim(0);
        const long warm = residentKilobytes();
        const size_t heapWarm = mallinfo2().uordblks;
        long highest = warm;
        for (int i = 0; i < 10000; ++i) {
            step(i);
            if (i % 500 == 499)
                highest = std::max(highest, residentKilobytes());
        }
        malloc_trim(0);
        const long end = residentKilobytes();
        const size_t heapEnd = mallinfo2().uordblks;
        state.counters["startup_rss_MB"] = double(afterStartUp) / 1024;
        state.counters["startup_cost_MB"] = double(afterStartUp - before) / 1024;
        state.counters["growth_10k_MB"] = double(end - warm) / 1024;
        state.counters["heap_growth_10k_MB"] = (double(heapEnd) - double(heapWarm)) / (1 << 20);
        state.counters["highest_over_warm_MB"] = double(highest - warm) / 1024;
        state.counters["growth_total_MB"] = double(end - afterStartUp) / 1024;
        state.counters["messages"] = session.messages.shown;
        if (session.messages.shown)
            std::fprintf(stderr, "last message: %s\n", qPrintable(session.messages.last));
    }
}
BENCHMARK(BM_MemoryOverSteps)->Iterations(1)->Unit(benchmark::kSecond);

// Resident memory with four GIF drawings of 8192 x 2048 (8192) or 4096 x 1024
// pixels (4096, the largest the program takes) in folder 1, clicked in turn
// three times round, with a drag after each click: at the end, and at its
// highest (the kernel's peak).
void BM_MemoryLargeDrawings(benchmark::State& state) {
    const QString size = QString("%1x%2").arg(state.range(0)).arg(state.range(0) / 4);
    const QString root = kGenerated + "/large-drawings-" + size;
    if (!QFile::exists(root + "/.complete")) {
        sampleBasics(root);
        for (int n = 1; n <= 4; ++n)
            for (const char* variant : {"si", "no"}) {
                const QString colour = variant == QStringLiteral("si")
                                           ? QString("'rgb(0,%1,0)'").arg(n * 60)
                                           : QString("white");
                copyFile(convertedOnce(QString("large-%1-%2-%3.gif").arg(size, variant).arg(n),
                                       "-size " + size + " xc:" + colour),
                         root + QString("/dibujos/1/%1 coloreado/%2.gif").arg(variant).arg(n));
            }
        QFile(root + "/.complete").open(QIODevice::WriteOnly);
        dateBack(root);
    }
    for (auto _ : state) {
        Session session(root, true);
        for (int click = 0; click < 12; ++click) {
            session.window->onNextClicked();
            session.window->onDrawingAreaMouseMove(LeftButton, 0, 3000, 3000);
            session.settle();
            QCoreApplication::processEvents();
        }
        state.counters["rss_end_MB"] = double(residentKilobytes()) / 1024;
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmHWM:", 0) == 0)
                state.counters["rss_peak_MB"] = double(std::atol(line.c_str() + 6)) / 1024;
        state.counters["messages"] = session.messages.shown;
    }
}
BENCHMARK(BM_MemoryLargeDrawings)->Arg(8192)->Arg(4096)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace tamiro::bench
