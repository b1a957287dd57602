#include "bench/support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamiro::bench {

Session::Session(const QString& folder, bool shown) : files(folder) {
    window = std::make_unique<ColouringWindow>(
        Services{files, pictures, sound, printer, messages, screen});
    window->start();
    if (shown) {
        window->showOnScreen();
        QCoreApplication::processEvents(); // the window is exposed
        settle();
    }
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint)
        for (const QRect& part : static_cast<QPaintEvent*>(event)->region())
            pixels += qint64(part.width()) * part.height();
    return false;
}

long residentKilobytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

StepTimer::~StepTimer() {
    if (samples_.empty())
        return;
    std::sort(samples_.begin(), samples_.end());
    state_.counters["median_ms"] = samples_[samples_.size() / 2] * 1e3;
    state_.counters["max_ms"] = samples_.back() * 1e3;
}

void copyFile(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    if (!QFile::copy(from, to))
        qFatal("cannot copy %s", qPrintable(from));
}

void dateBack(const QString& root, long seconds) {
    const timespec past[2] = {{0, UTIME_OMIT}, {time(nullptr) + seconds, 0}};
    QStringList folders{root};
    while (!folders.isEmpty()) {
        const QString folder = folders.takeLast();
        for (const QString& inner : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            folders << folder + '/' + inner;
        ::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), past, 0);
    }
}

void sampleBasics(const QString& root) {
    for (const char* file : {"fondo.gif", "impresora.txt", "sonido1.wav", "sonido2.wav",
                             "medida/1.gif", "medida/2.gif", "medida/3.gif", "medida/4.gif",
                             "punteros/1.ico", "animados/1.gif", "animados/2.gif"})
        copyFile(kSample + '/' + file, root + '/' + file);
}

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

QString seriesTree(int count, long dated) {
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

QString convertedOnce(const QString& name, const QString& arguments) {
    const QString file = kGenerated + '/' + name;
    QDir().mkpath(kGenerated);
    if (!QFile::exists(file) &&
        std::system(qPrintable("convert " + arguments + " '" + file + "'")) != 0)
        qFatal("cannot make %s with ImageMagick's convert", qPrintable(file));
    return file;
}

} // namespace tamiro::bench
