#include "rules/messages.h"

#include <QCoreApplication>

namespace tamiro::messages {

namespace {

// The message boxes the child sees; the checker quotes them to the teacher.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::ChildMessages)
};

QString shown(QString path) {
    return path.replace(u'\\', u'/');
}

} // namespace

QString drawingNotShown(int n, int folder, const QString& description) {
    //: %1 is the drawing's number, %2 the folder's (its green button), %3 the description
    //: of what failed (lower case, without a final stop), from the messages that follow.
    return Text::tr("No puedo mostrar el dibujo %1 de la carpeta %2: %3.")
        .arg(n)
        .arg(folder)
        .arg(description);
}

QString noColouredFile(const QString& gifPath, const QString& jpegPath) {
    //: A description, completing another message: the two files that may hold a coloured
    //: drawing, neither of which is there.
    return Text::tr("no encuentro «%1» ni «%2»").arg(shown(gifPath), shown(jpegPath));
}

QString firstBrushSizeNotLoaded(const QString& description) {
    //: At start-up. %1 is the description of what failed, lower case.
    return Text::tr("No puedo cargar el primer tamaño de pincel: %1.").arg(description);
}

QString switchNotRead(const QString& description) {
    //: At start-up, the file that says whether printing is allowed cannot be read. %1 is
    //: the description of what failed, lower case.
    return Text::tr("No puedo leer el interruptor de impresión: %1. La impresión queda "
                    "desactivada.")
        .arg(description);
}

QString firstPointerNotLoaded(const QString& description) {
    //: At start-up. %1 is the description of what failed, lower case.
    return Text::tr("No puedo cargar el primer puntero: %1.").arg(description);
}

QString brushSizeNotChanged(const QString& description) {
    //: After a click on the brush-size button. %1 is the description of what failed.
    return Text::tr("No puedo cambiar el tamaño del pincel: %1.").arg(description);
}

QString attention(const QString& description) {
    //: After a click on the pointer or the printer button. %1 is the description of what
    //: failed.
    return Text::tr("Atención: %1").arg(description);
}

QString backgroundMissing(const QString& description) {
    //: At start-up, the background picture fails. The line break is part of the message,
    //: and the word ERROR heads its second line. %1 is the description of what failed.
    return Text::tr("No encuentro la imagen de fondo \r\nERROR: %1").arg(description);
}

} // namespace tamiro::messages
