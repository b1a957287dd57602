#pragma once

// The language the programs speak: chosen from the locale a Debian desktop
// sets, and made the application's, with Qt's own texts (the buttons of its
// dialogs) in the same language. Spanish is the language of the source
// texts: a locale without a catalogue, "C" and "POSIX" among them, gets every
// text exactly as the code writes it. One catalogue, "tamiro", holds the
// texts of every program.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>
#include <vector>

namespace tamiro {

// The catalogues of a program in `programFolder`: the folder "translations"
// beside it in the build, else share/tamiro/translations under the prefix it
// is installed in (the program being in <prefix>/lib/tamiro).
QString translationsFolder(const QString& programFolder);

// The language chosen: its catalogues, the most general first ("ca", then
// "ca@valencia", whose catalogue holds only the words where Valencian
// differs), none for Spanish; and the locale numbers are written in.
struct LanguageChoice {
    QStringList catalogues;
    QLocale locale{QLocale::Spanish, QLocale::Spain};
    bool spanish() const { return catalogues.isEmpty(); }
};

// The language as gettext would choose it: the locale of messages is the
// first of LC_ALL, LC_MESSAGES and LANG that is set; when it is "C" or
// "POSIX" (or none is set) the texts stay Spanish, else the languages of
// LANGUAGE are tried in turn, or the locale itself without it. Each is tried
// from the most to the least particular ("ca_ES@valencia", "ca@valencia",
// "ca_ES", "ca"); Spanish ("es") ends the search. `environment` reads a
// variable, `exists` says whether a catalogue of that name is there.
LanguageChoice chooseLanguage(const std::function<QString(const char* name)>& environment,
                              const std::function<bool(const QString& catalogue)>& exists);

// A language installed into the running application, and QLocale's default
// set to its locale, for as long as the object lives: Qt's Spanish texts
// beneath everything but English (what a catalogue lacks stays as the rest of
// the program, Spanish), the Spanish plural forms of the source texts, Qt's
// own catalogue of the language, then the program's catalogues.
class Translations {
public:
    Translations(const LanguageChoice& choice, const QString& folder);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    void install(const std::function<bool(QTranslator&)>& load);

    std::vector<std::unique_ptr<QTranslator>> translators_;
    QLocale previous_;
};

// The desktop's language for a program in `programFolder`; every main()
// calls it right after making its application.
std::unique_ptr<Translations> useDesktopLanguage(const QString& programFolder);

} // namespace tamiro
