#include "platform/system/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace tamiro {

using namespace Qt::StringLiterals;

namespace {

// The program's catalogue and the Spanish plural forms of its source texts,
// which are built into the program: a plural reads "1 dibujo" even where no
// catalogue was installed.
const QString kCatalogue = QStringLiteral("tamiro_");
const QString kSourcePlurals = QStringLiteral(":/translations/tamiro_es.qm");

// language[_TERRITORY][.codeset][@modifier], as a locale is named.
struct LocaleName {
    QString language, territory, modifier;

    explicit LocaleName(QString name) {
        if (const qsizetype at = name.indexOf(u'@'); at >= 0) {
            modifier = name.mid(at + 1);
            name.truncate(at);
        }
        if (const qsizetype dot = name.indexOf(u'.'); dot >= 0)
            name.truncate(dot);
        language = name.section(u'_', 0, 0);
        territory = name.section(u'_', 1);
    }

    // The catalogue names it reaches, most particular first.
    QStringList catalogues() const {
        QStringList names;
        const QString inTerritory = language + u'_' + territory;
        if (!modifier.isEmpty()) {
            if (!territory.isEmpty())
                names << inTerritory + u'@' + modifier;
            names << language + u'@' + modifier;
        }
        if (!territory.isEmpty())
            names << inTerritory;
        return names << language;
    }

    QLocale locale() const {
        return QLocale(territory.isEmpty() ? language : language + u'_' + territory);
    }
};

bool plainLocale(const QString& locale) {
    return locale.isEmpty() || locale == u"C" || locale.startsWith(u"C.") || locale == u"POSIX";
}

} // namespace

QString translationsFolder(const QString& programFolder) {
    QString beside = programFolder + QStringLiteral("/translations");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programFolder + QStringLiteral("/../../share/tamiro/translations"));
}

LanguageChoice chooseLanguage(const std::function<QString(const char* name)>& environment,
                              const std::function<bool(const QString& catalogue)>& exists) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (plainLocale(locale))
        return {};
    QStringList wanted = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    if (wanted.isEmpty())
        wanted << locale;
    for (const QString& entry : wanted) {
        const LocaleName name(entry);
        if (name.language == u"es")
            return {};
        const QStringList names = name.catalogues();
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (!exists(names[i]))
                continue;
            LanguageChoice choice{{}, name.locale()};
            for (qsizetype general = names.size() - 1; general >= i; --general)
                if (general == i || exists(names[general]))
                    choice.catalogues << names[general];
            return choice;
        }
    }
    return {};
}

Translations::Translations(const LanguageChoice& choice, const QString& folder) {
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale spanish(QLocale::Spanish);
    const QLocale language = choice.locale;
    if (language.language() != QLocale::English)
        install([&](QTranslator& t) { return t.load(spanish, u"qtbase"_s, u"_"_s, qtFolder); });
    install([](QTranslator& t) { return t.load(kSourcePlurals); });
    if (!choice.spanish()) {
        // Debian has Galician only in the older catalogue "qt".
        install([&](QTranslator& t) {
            return t.load(language, u"qtbase"_s, u"_"_s, qtFolder) ||
                   t.load(language, u"qt"_s, u"_"_s, qtFolder);
        });
        for (const QString& catalogue : choice.catalogues)
            install([&](QTranslator& t) { return t.load(kCatalogue + catalogue, folder); });
    }
    previous_ = QLocale();
    QLocale::setDefault(language);
}

Translations::~Translations() {
    QLocale::setDefault(previous_);
}

void Translations::install(const std::function<bool(QTranslator&)>& load) {
    auto translator = std::make_unique<QTranslator>();
    if (load(*translator) && QCoreApplication::installTranslator(translator.get()))
        translators_.push_back(std::move(translator));
}

std::unique_ptr<Translations> useDesktopLanguage(const QString& programFolder) {
    const QString folder = translationsFolder(programFolder);
    const LanguageChoice choice = chooseLanguage(
        [](const char* name) { return qEnvironmentVariable(name); },
        [&](const QString& catalogue) {
            return QFileInfo::exists(folder + u'/' + kCatalogue + catalogue + u".qm"_s);
        });
    return std::make_unique<Translations>(choice, folder);
}

} // namespace tamiro
