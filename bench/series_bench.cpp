// Long series: the back search over 1,000 to 30,000 drawings, the teacher's
// checker over them, and the directory query in a folder of 10,000 files.

#include "bench/support.h"
#include "checker/revision.h"
#include "tests/support/window_state_access.h"

namespace tamiro::bench {
namespace {

// Stepping back from drawing 1 searches the whole series for its last drawing.
void BM_BackSearch(benchmark::State& state) {
    const int count = int(state.range(0));
    Session session(seriesTree(count));
    StepTimer timer(state);
    for (auto _ : state) {
        WindowStateAccess::of(*session.window).pictureNumbers[1] = 1;
        timer.time([&] { session.window->onPreviousClicked(); });
        if (session.window->state().pictureNumbers[1] != count)
            state.SkipWithError("the back search did not find the last drawing");
    }
    state.counters["listings_read"] = double(session.files.listingsRead());
}
BENCHMARK(BM_BackSearch)
    ->ArgName("drawings")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The previous-button wrap over 5,000 drawings whose folders are dated a day
// ahead (clock skew, an unpacked archive): their listings are kept too.
void BM_BackSearchDatedAhead(benchmark::State& state) {
    Session session(seriesTree(5000, 86400));
    StepTimer timer(state);
    for (auto _ : state) {
        WindowStateAccess::of(*session.window).pictureNumbers[1] = 1;
        timer.time([&] { session.window->onPreviousClicked(); });
        if (session.window->state().pictureNumbers[1] != 5000)
            state.SkipWithError("the back search did not find the last drawing");
    }
    state.counters["listings_read"] = double(session.files.listingsRead());
}
BENCHMARK(BM_BackSearchDatedAhead)->UseManualTime()->Unit(benchmark::kMillisecond);

// The teacher's checker over a folder of 1,000 or 32,767 drawings, with
// nothing else to report: every step of every button, and every file named.
void BM_Review(benchmark::State& state) {
    const QString root = seriesTree(int(state.range(0)));
    StepTimer timer(state);
    for (auto _ : state) {
        DiskFileSystem files(root);
        QtPictureLoader pictures(files);
        timer.time([&] { benchmark::DoNotOptimize(reviewContent(files, pictures)); });
    }
}
BENCHMARK(BM_Review)
    ->ArgName("drawings")
    ->Arg(1000)
    ->Arg(32767)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One directory query in a folder of 10,000 files, with the folder's listing
// kept (warm) and on a fresh file system that must read it (cold).
void BM_DirQuery(benchmark::State& state) {
    const QString root = seriesTree(10000);
    DiskFileSystem files(root);
    const QString path = root + "\\dibujos\\1\\si coloreado\\5000.GIF";
    files.dir(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(files.dir(path));
}
BENCHMARK(BM_DirQuery)->Unit(benchmark::kMicrosecond);

void BM_DirQueryCold(benchmark::State& state) {
    const QString root = seriesTree(10000);
    const QString path = root + "\\dibujos\\1\\si coloreado\\5000.GIF";
    for (auto _ : state) {
        DiskFileSystem files(root);
        benchmark::DoNotOptimize(files.dir(path));
    }
}
BENCHMARK(BM_DirQueryCold)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tamiro::bench
