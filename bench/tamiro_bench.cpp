// Speed and memory of the window's handlers: start-up, navigation steps,
// brush moves with their repaint, the tiled background, the back search over
// long series, the directory query, the processor time of a playing
// animation, resident memory over many steps and over the largest drawings;
// and the teacher's checker over long series.
//
// Run through scripts/bench.sh (Release, offscreen, a 1920 x 1080 screen).
// Generated content lives in /tmp/tamiro-bench and is made once.

#include "checker/revision.h"
#include "platform/disk_file_system.h"
#include "platform/qt_picture_loader.h"
#include "platform/qt_services.h"
#include "ui/form1.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace tamiro;
using Clock = std::chrono::steady_clock;

const QString kSample = QStringLiteral(TAMIRO_SOURCE_DIR "/content");
const QString kGenerated = QStringLiteral("/tmp/tamiro-bench");

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
struct Window {
    DiskFileSystem files;
    QtPictureLoader pictures{files};
    QuietSound sound;
    QuietPrinter printer;
    CountingMessages messages;
    QtScreen screen;
    std::unique_ptr<Form1> form;

    explicit Window(const QString& folder, bool shown = false) : files(folder) {
        form = std::make_unique<Form1>(Services{files, pictures, sound, printer, messages, screen});
        form->Form_Load();
        if (shown) {
            form->showOnScreen();
            QCoreApplication::processEvents(); // the window is exposed
            settle();
        }
    }
    // Paints what the handlers left to paint, as the event loop would next.
    void settle() const { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }
};

long residentKilobytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

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
    ~StepTimer() {
        if (samples_.empty())
            return;
        std::sort(samples_.begin(), samples_.end());
        state_.counters["median_ms"] = samples_[samples_.size() / 2] * 1e3;
        state_.counters["max_ms"] = samples_.back() * 1e3;
    }

private:
    benchmark::State& state_;
    std::vector<double> samples_;
};

// ---- generated content ------------------------------------------------------

void copyFile(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    if (!QFile::copy(from, to))
        qFatal("cannot copy %s", qPrintable(from));
}

// A just-written folder may still change within its clock tick, so the
// directory query reads it again on every call; content that has been
// installed for a while is read once. The generated folders are dated back so
// that they count as installed.
void dateBack(const QString& root, long seconds = -3600) {
    const timespec past[2] = {{0, UTIME_OMIT}, {time(nullptr) + seconds, 0}};
    QStringList folders{root};
    while (!folders.isEmpty()) {
        const QString folder = folders.takeLast();
        for (const QString& inner : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            folders << folder + '/' + inner;
        ::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), past, 0);
    }
}

// The files that start-up and the feedback read, from the sample content.
void sampleBasics(const QString& root) {
    for (const char* file : {"fondo.gif", "impresora.txt", "sonido1.wav", "sonido2.wav",
                             "medida/1.gif", "medida/2.gif", "medida/3.gif", "medida/4.gif",
                             "punteros/1.ico", "animados/1.gif", "animados/2.gif"})
        copyFile(kSample + '/' + file, root + '/' + file);
}

// Folder 1: twelve 679 x 440 GIF drawings; folder 2: the same with JPEG
// coloured variants. Twelve drawings are more than the loader keeps, so every
// step decodes.
QString drawingsTree() {
    const QString root = kGenerated + "/drawings";
    if (QFile::exists(root + "/.complete"))
        return root;
    QDir(root).removeRecursively();
    sampleBasics(root);
    for (int n = 1; n <= 12; ++n) {
        static constexpr int kFolders[] = {1, 2, 4}; // names all in lower case
        const QString from = kSample + QString("/dibujos/%1/").arg(kFolders[(n - 1) / 3 % 3]);
        const QString name = QString::number((n - 1) % 3 + 1) + ".gif";
        for (int folder : {1, 2}) {
            const QString to = root + QString("/dibujos/%1/").arg(folder);
            copyFile(from + "no coloreado/" + name, to + QString("no coloreado/%1.gif").arg(n));
            if (folder == 1) {
                copyFile(from + "si coloreado/" + name, to + QString("si coloreado/%1.gif").arg(n));
            } else {
                QDir().mkpath(to + "si coloreado");
                QImage coloured(from + "si coloreado/" + name);
                if (coloured.isNull() ||
                    !coloured.save(to + QString("si coloreado/%1.jpg").arg(n), "JPG", 90))
                    qFatal("cannot write the JPEG drawings");
            }
        }
    }
    QFile(root + "/.complete").open(QIODevice::WriteOnly);
    dateBack(root);
    return root;
}

// Folder 1 with a series of `count` drawings, every file of a variant a hard
// link to one tiny GIF (a file takes at most 65,000 links); its folders dated
// an hour back, or `dated` seconds from now.
QString seriesTree(int count, long dated = -3600) {
    const QString root =
        kGenerated + QString("/series-%1%2")
                         .arg(count)
                         .arg(dated == -3600 ? QString() : QString("-dated%1").arg(dated));
    if (QFile::exists(root + "/.complete")) {
        dateBack(root, dated);
        return root;
    }
    QDir(root).removeRecursively();
    sampleBasics(root);
    for (const char* variant : {"si coloreado", "no coloreado"}) {
        const QString tiny = root + "/.tiny-" + variant + ".gif";
        copyFile(kSample + "/medida/1.gif", tiny);
        const QString folder = root + "/dibujos/1/" + variant;
        QDir().mkpath(folder);
        const QByteArray from = QFile::encodeName(tiny);
        for (int n = 1; n <= count; ++n) {
            const QByteArray to = QFile::encodeName(folder + QString("/%1.gif").arg(n));
            if (::link(from.constData(), to.constData()) != 0)
                qFatal("cannot link %s", to.constData());
        }
    }
    QFile(root + "/.complete").open(QIODevice::WriteOnly);
    dateBack(root, dated);
    return root;
}

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
            Form1 form(Services{files, pictures, sound, printer, messages, screen});
            form.Form_Load();
            form.resize(twipsToPixels(screen.width()), twipsToPixels(screen.height()));
            const QPixmap frame = form.grab();
            benchmark::DoNotOptimize(frame.cacheKey());
        });
    }
}
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---- navigation ---------------------------------------------------------------

// Arg 0: GIF drawings, 1: JPEG coloured variants. Each step includes the
// paint that follows it.
void BM_NextDrawing(benchmark::State& state) {
    Window window(drawingsTree(), true);
    window.form->Command5_Click(std::int16_t(state.range(0)));
    StepTimer timer(state);
    const auto decodesBefore = window.pictures.decodes();
    for (auto _ : state)
        timer.time([&] {
            window.form->command4_Click();
            window.settle();
        });
    state.counters["decodes"] = benchmark::Counter(
        double(window.pictures.decodes() - decodesBefore), benchmark::Counter::kAvgIterations);
    state.counters["messages"] = window.messages.shown;
}
BENCHMARK(BM_NextDrawing)
    ->ArgName("jpeg")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_PreviousDrawing(benchmark::State& state) {
    Window window(drawingsTree(), true);
    window.form->Command5_Click(std::int16_t(state.range(0)));
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] {
            window.form->Command3_Click();
            window.settle();
        });
    state.counters["messages"] = window.messages.shown;
}
BENCHMARK(BM_PreviousDrawing)
    ->ArgName("jpeg")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Switching between the two folders, each time at another drawing.
void BM_FolderButton(benchmark::State& state) {
    Window window(drawingsTree(), true);
    const auto index = std::int16_t(state.range(0));
    StepTimer timer(state);
    std::int16_t n = 0;
    for (auto _ : state) {
        n = std::int16_t(n % 12 + 1);
        window.form->PictureNumber[size_t(index + 1)] = n;
        timer.time([&] {
            window.form->Command5_Click(index);
            window.settle();
        });
    }
    state.counters["messages"] = window.messages.shown;
}
BENCHMARK(BM_FolderButton)
    ->ArgName("jpeg")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// ---- brush --------------------------------------------------------------------

// Counts what the drawing area paints.
struct PaintCounter : QObject {
    qint64 pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& part : static_cast<QPaintEvent*>(event)->region())
                pixels += qint64(part.width()) * part.height();
        return false;
    }
};

// Arg: the brush-size picture, 1 (smallest, 16 x 16) or 4 (largest, 64 x 64).
void BM_BrushMove(benchmark::State& state) {
    Window window(kSample, true);
    window.form->command4_Click();
    while (window.form->SizeNumber != state.range(0))
        window.form->Command1_Click();
    window.settle();
    PaintCounter painted;
    window.form->Picture1->installEventFilter(&painted);
    const float width = window.form->Picture1->Width(), height = window.form->Picture1->Height();
    StepTimer timer(state);
    float x = 0, y = height / 3, step = 45;
    for (auto _ : state) {
        x += step;
        if (x < 0 || x > width)
            step = -step, y = std::fmod(y + 600, height);
        timer.time([&] {
            window.form->Picture1_Mousemove(LeftButton, 0, x, y);
            window.settle();
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

// ---- background ---------------------------------------------------------------

// The tiling alone, over a 1920 x 1080 client area.
void BM_Background(benchmark::State& state) {
    Window window(kSample);
    window.form->resize(1920, 1080);
    QImage canvas(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] {
            QPainter painter(&canvas);
            window.form->Form_Paint(painter);
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
struct WindowAndControl : Window {
    QWidget* control;
    explicit WindowAndControl(const benchmark::State& state)
        : Window(state.range(1) ? tinyBackgroundTree() : kSample, true) {
        form->command4_Click();
        settle();
        control = state.range(0) ? static_cast<QWidget*>(form->Tarambel1)
                                 : static_cast<QWidget*>(form->Command4);
    }
};

// What is painted when one control asks for a repaint of its own rectangle,
// as a button does when pressed or released and the animation at every frame.
void BM_ControlRepaint(benchmark::State& state) {
    WindowAndControl window(state);
    PaintCounter painted;
    window.form->installEventFilter(&painted);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] {
            window.control->update();
            window.settle();
        });
    state.counters["window_painted_px"] =
        benchmark::Counter(double(painted.pixels), benchmark::Counter::kAvgIterations);
    state.counters["messages"] = window.messages.shown;
}
BENCHMARK(BM_ControlRepaint)
    ->ArgNames({"animation", "tiny_background"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The window's own paint (the tiled background) for the rectangle of one
// control.
void BM_WindowPaintOfControl(benchmark::State& state) {
    WindowAndControl window(state);
    const QRegion part(window.control->geometry());
    QImage canvas(window.form->size(), QImage::Format_ARGB32_Premultiplied);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time(
            [&] { window.form->render(&canvas, QPoint(), part, QWidget::DrawWindowBackground); });
}
BENCHMARK(BM_WindowPaintOfControl)
    ->ArgNames({"animation", "tiny_background"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The whole window, controls included, at 1920 x 1080.
void BM_WindowPaint(benchmark::State& state) {
    Window window(kSample);
    window.form->command4_Click();
    window.form->resize(1920, 1080);
    QImage canvas(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    StepTimer timer(state);
    for (auto _ : state)
        timer.time([&] { window.form->render(&canvas); });
}
BENCHMARK(BM_WindowPaint)->UseManualTime()->Unit(benchmark::kMicrosecond);

// ---- long series --------------------------------------------------------------

// Stepping back from drawing 1 searches the whole series for its last drawing.
void BM_BackSearch(benchmark::State& state) {
    const int count = int(state.range(0));
    Window window(seriesTree(count));
    StepTimer timer(state);
    for (auto _ : state) {
        window.form->PictureNumber[1] = 1;
        timer.time([&] { window.form->Command3_Click(); });
        if (window.form->PictureNumber[1] != count)
            state.SkipWithError("the back search did not find the last drawing");
    }
    state.counters["listings_read"] = double(window.files.listingsRead());
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
    Window window(seriesTree(5000, 86400));
    StepTimer timer(state);
    for (auto _ : state) {
        window.form->PictureNumber[1] = 1;
        timer.time([&] { window.form->Command3_Click(); });
        if (window.form->PictureNumber[1] != 5000)
            state.SkipWithError("the back search did not find the last drawing");
    }
    state.counters["listings_read"] = double(window.files.listingsRead());
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

// ---- the animation -------------------------------------------------------------

// Made with ImageMagick, since Qt writes no GIF; kept in the generated folder.
QString convertedOnce(const QString& name, const QString& arguments) {
    const QString file = kGenerated + '/' + name;
    QDir().mkpath(kGenerated);
    if (!QFile::exists(file) &&
        std::system(qPrintable("convert " + arguments + " '" + file + "'")) != 0)
        qFatal("cannot make %s with ImageMagick's convert", qPrintable(file));
    return file;
}

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
    Window window(kSample, true);
    QStringList files{screenSizedAnimation()};
    if (state.range(0) == 0) {
        files.clear();
        for (const QString& name : QDir(kSample + "/animados").entryList(QDir::Files))
            files << kSample + "/animados/" + name;
    }
    for (auto _ : state) {
        double cpu = 0, wall = 0;
        for (const QString& file : files) {
            window.form->Tarambel1->setAnimationFile(file);
            if (!window.form->Tarambel1->isPlaying())
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

// ---- memory -------------------------------------------------------------------

// Resident memory after start-up, and its growth over 10,000 navigation steps
// of every kind on the sample content (after 200 steps that fill the caches):
// resident memory at the end and at its highest, and the heap in use, which
// shows a leak without the noise of freed pages the allocator keeps. Before
// the warm and the end readings the allocator hands its free pages back, so
// both count only memory still in use.
void BM_MemoryOverSteps(benchmark::State& state) {
    for (auto _ : state) {
        const long before = residentKilobytes();
        Window window(kSample, true);
        const long afterStartUp = residentKilobytes();
        const auto step = [&](int i) {
            switch (i % 4) {
            case 0:
                window.form->command4_Click();
                break;
            case 1:
                window.form->Command3_Click();
                break;
            case 2:
                window.form->Command5_Click(std::int16_t(i / 4 % 6));
                break;
            default:
                window.form->command4_Click();
                window.form->Picture1_Mousemove(LeftButton, 0, float(i % 9000), 3000);
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
        state.counters["messages"] = window.messages.shown;
        if (window.messages.shown)
            std::fprintf(stderr, "last message: %s\n", qPrintable(window.messages.last));
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
        Window window(root, true);
        for (int click = 0; click < 12; ++click) {
            window.form->command4_Click();
            window.form->Picture1_Mousemove(LeftButton, 0, 3000, 3000);
            window.settle();
            QCoreApplication::processEvents();
        }
        state.counters["rss_end_MB"] = double(residentKilobytes()) / 1024;
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmHWM:", 0) == 0)
                state.counters["rss_peak_MB"] = double(std::atol(line.c_str() + 6)) / 1024;
        state.counters["messages"] = window.messages.shown;
    }
}
BENCHMARK(BM_MemoryLargeDrawings)->Arg(8192)->Arg(4096)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
