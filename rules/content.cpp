#include "rules/content.h"

#include "platform/core/errors.h"
#include "rules/messages.h"

namespace tamiro {

QString seriesPath(const QString& appFolder, const Series& series, int n) {
    return appFolder + u'\\' + QLatin1String(series.folder) + u'\\' + QString::number(n) +
           QLatin1String(series.extension);
}

int nextInSeries(FileSystem& files, const QString& appFolder, const Series& series, int n) {
    const bool pastTheTop = n >= series.top;
    n = pastTheTop ? n : n + 1;
    if (pastTheTop || files.dir(seriesPath(appFolder, series, n).toUpper()).isEmpty())
        n = 1;
    return n;
}

QString drawingPath(const QString& appFolder, int folder, Variant variant, int n,
                    const QString& extension) {
    return appFolder + QStringLiteral("\\dibujos\\") + QString::number(folder) +
           (variant == Variant::Coloured ? QStringLiteral("\\si coloreado\\")
                                         : QStringLiteral("\\no coloreado\\")) +
           QString::number(n) + extension;
}

SoundFormat navigationSound(FileSystem& files, const QString& name) {
    return soundFormatOf(files.resolve(files.applicationFolder() + name));
}

bool printingOn(const QString& printerSwitch) {
    return printerSwitch.toUpper() == QStringLiteral("SI");
}

SwitchFile readPrinterSwitch(FileSystem& files, const QString& appFolder) {
    const QString path = appFolder + kSwitchFile;
    if (files.dir(path) != kSwitchFile.mid(1))
        return {};
    try {
        return {files.readFirstLine(path), {}};
    } catch (const PlatformError& error) {
        return {{}, messages::switchNotRead(error.description())};
    }
}

} // namespace tamiro
