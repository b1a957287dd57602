// The teacher's changes to a folder of 10 to 10,000 drawings: adding one,
// moving the first to the end and removing the first (which moves it to the
// end before the trash takes it). Each folder is made anew in /tmp, its
// files hard links to one tiny GIF; the trash is a home of the run's own.

#include "bench/support.h"
#include "platform/system/posix_content_writer.h"
#include "rules/drawing_changes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

namespace tamiro::bench {
namespace {

struct Folder {
    QTemporaryDir dir, home;
    DiskFileSystem files{dir.path()};
    PosixContentWriter writer;
    DrawingChanges changes{files, writer};

    explicit Folder(int count) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        for (const char* variant : {"si coloreado", "no coloreado"}) {
            const QString folder = dir.path() + "/dibujos/1/" + variant;
            QDir().mkpath(folder);
            const QByteArray tiny = QFile::encodeName(folder + "/1.gif");
            copyFile(kSample + "/medida/1.gif", folder + "/1.gif");
            for (int n = 2; n <= count; ++n)
                if (::link(tiny.constData(),
                           QFile::encodeName(folder + QString("/%1.gif").arg(n)).constData()) != 0)
                    qFatal("cannot link drawing %d", n);
        }
        dateBack(dir.path());
    }
};

NewDrawing tinyDrawing() {
    QFile file(kSample + "/medida/1.gif");
    file.open(QIODevice::ReadOnly);
    const QByteArray gif = file.readAll();
    return {gif, gif, ".gif"};
}

void BM_Add(benchmark::State& state) {
    Folder folder(int(state.range(0)));
    const NewDrawing drawing = tinyDrawing();
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] { folder.changes.add(1, drawing); });
}
BENCHMARK(BM_Add)
    ->ArgName("drawings")
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_MoveFirstToLast(benchmark::State& state) {
    const auto count = std::int16_t(state.range(0));
    Folder folder(count);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] { folder.changes.move(1, 1, count); });
}
BENCHMARK(BM_MoveFirstToLast)
    ->ArgName("drawings")
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_RemoveFirst(benchmark::State& state) {
    Folder folder(int(state.range(0)));
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] { folder.changes.remove(1, 1); });
}
BENCHMARK(BM_RemoveFirst)
    ->ArgName("drawings")
    ->Arg(10)
    ->Arg(1000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tamiro::bench
