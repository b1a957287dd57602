// Qt's own texts that the programs' windows show, read by lupdate only (this
// file is not compiled). Qt has no catalogue for some languages (Basque) and
// an old one for others (Galician), so the program's catalogue carries these
// under Qt's own contexts, for a translator to fill. Where Qt's catalogue of
// the language has them, its words do.

#include <QtGlobal>

[[maybe_unused]] static const char* const kQtTexts[] = {
    //: Qt's text: the button of the child's message box.
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),

    //: Qt's text: the menu of a scroll bar (its right button), in the checker's list.
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll here"),
    QT_TRANSLATE_NOOP("QScrollBar", "Top"),
    QT_TRANSLATE_NOOP("QScrollBar", "Bottom"),
    QT_TRANSLATE_NOOP("QScrollBar", "Left edge"),
    QT_TRANSLATE_NOOP("QScrollBar", "Right edge"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page up"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page down"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page left"),
    QT_TRANSLATE_NOOP("QScrollBar", "Page right"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll up"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll down"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll left"),
    QT_TRANSLATE_NOOP("QScrollBar", "Scroll right"),
};
