#include "rules/messages.h"

namespace tamiro::messages {

namespace {
QString shown(QString path) {
    return path.replace(u'\\', u'/');
}
} // namespace

QString drawingNotShown(int n, int folder, const QString& description) {
    return QStringLiteral("No puedo mostrar el dibujo %1 de la carpeta %2: %3.")
        .arg(n)
        .arg(folder)
        .arg(description);
}

QString noColouredFile(const QString& gifPath, const QString& jpegPath) {
    return QStringLiteral("no encuentro «%1» ni «%2»").arg(shown(gifPath), shown(jpegPath));
}

QString firstBrushSizeNotLoaded(const QString& description) {
    return QStringLiteral("No puedo cargar el primer tamaño de pincel: %1.").arg(description);
}

QString switchNotRead(const QString& description) {
    return QStringLiteral("No puedo leer el interruptor de impresión: %1. La impresión queda "
                          "desactivada.")
        .arg(description);
}

QString firstPointerNotLoaded(const QString& description) {
    return QStringLiteral("No puedo cargar el primer puntero: %1.").arg(description);
}

QString brushSizeNotChanged(const QString& description) {
    return QStringLiteral("No puedo cambiar el tamaño del pincel: %1.").arg(description);
}

QString attention(const QString& description) {
    return QStringLiteral("Atención: ") + description;
}

QString backgroundMissing(const QString& description) {
    return QStringLiteral("No encuentro la imagen de fondo \r\nERROR: ") + description;
}

} // namespace tamiro::messages
