// The language the programs speak: chosen from the locale as a Debian desktop
// sets it, and every text a window shows or the child is told taken from the
// catalogue (under the pseudo-language x-test, whose texts stand in ⟦ ⟧).

#include "checker/report_window.h"
#include "platform/system/languages.h"
#include "support/window_fixture.h"
#include "teacher/drawings_window.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <map>

namespace tamiro::testing {
namespace {

using Environment = std::map<std::string, QString>;

LanguageChoice choose(const Environment& environment, const QStringList& catalogues) {
    return chooseLanguage(
        [&](const char* name) {
            const auto found = environment.find(name);
            return found == environment.end() ? QString() : found->second;
        },
        [&](const QString& catalogue) { return catalogues.contains(catalogue); });
}

TEST(Languages, ChosenAsGettextChoosesThem) {
    const QStringList shipped{"ca", "ca@valencia", "gl", "eu", "en"};
    const struct {
        Environment environment;
        QStringList catalogues; // none: Spanish, the source
        const char* locale;
        QStringList missing = {}; // of the shipped catalogues
    } rows[] = {
        {{{"LANG", "ca_ES.UTF-8"}}, {"ca"}, "ca_ES"},
        {{{"LANG", "ca_ES.UTF-8@valencia"}}, {"ca", "ca@valencia"}, "ca_ES"},
        {{{"LANG", "ca_ES.UTF-8@valencia"}}, {"ca"}, "ca_ES", {"ca@valencia"}},
        {{{"LANG", "en_GB.UTF-8"}}, {"en"}, "en_GB"},
        {{{"LANG", "es_ES.UTF-8"}}, {}, "es_ES"},
        {{{"LANG", "de_DE.UTF-8"}}, {}, "es_ES"},
        {{{"LANG", "POSIX"}}, {}, "es_ES"},
        // LANGUAGE is a list, tried in turn, and ignored in the C locale.
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "ca"}}, {}, "es_ES"},
        {{{"LANG", "es_ES.UTF-8"}, {"LANGUAGE", "gl:es"}}, {"gl"}, "gl_ES"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "fr:eu_ES:ca"}}, {"eu"}, "eu_ES"},
        {{{"LANG", "ca_ES.UTF-8"}, {"LANGUAGE", "es:ca"}}, {}, "es_ES"},
        // LC_ALL over LC_MESSAGES over LANG.
        {{{"LANG", "es_ES.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, {"en"}, "en_GB"},
        {{{"LC_ALL", "gl_ES.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, {"gl"}, "gl_ES"},
    };
    for (const auto& row : rows) {
        QStringList available = shipped;
        for (const QString& name : row.missing)
            available.removeAll(name);
        const LanguageChoice choice = choose(row.environment, available);
        const QString what = row.environment.empty() ? "nothing" : row.environment.begin()->second;
        EXPECT_EQ(choice.catalogues, row.catalogues) << what.toStdString();
        EXPECT_EQ(choice.locale.name().toStdString(), row.locale) << what.toStdString();
    }
}

// What a person reads of a widget and of those inside it.
QStringList textsOf(QWidget& top) {
    QStringList texts{top.windowTitle()};
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets << &top;
    for (QWidget* widget : widgets) {
        texts << widget->accessibleName() << widget->toolTip();
        if (const auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (const auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* list = qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text() << list->item(i)->toolTip();
    }
    return texts;
}

// Texts with words that stand outside the pseudo-language's ⟦ ⟧.
std::string outsideTheCatalogue(const QStringList& texts) {
    QStringList outside;
    for (const QString& text : texts)
        if (text.contains(QRegularExpression("[A-Za-z]{2}")) && !text.contains(u'⟦'))
            outside << text;
    return outside.join(" | ").toStdString();
}

TEST(Languages, EveryTextShownComesFromTheCatalogue) {
    const Translations pseudo(choose({{"LANG", "x-test"}}, {"x-test"}), TAMIRO_TRANSLATIONS_DIR);
    // The child's window, on content without a brush size and without drawing 1.
    World world;
    world.content.basics();
    world.content.remove("medida/1.gif");
    ColouringWindow& child = world.startedWindow();
    world.click('1');
    ASSERT_EQ(world.messages.shown.size(), 2);
    EXPECT_EQ(outsideTheCatalogue(world.messages.shown), "");
    EXPECT_EQ(outsideTheCatalogue(textsOf(child)), "");
    // The checker's window and the teacher's, on the same content.
    const QString folder = world.content.folder();
    ReportWindow report(reviewContent(world.files, world.pictures), folder);
    EXPECT_EQ(outsideTheCatalogue(textsOf(report)), "");
    teacher::DrawingsWindow drawings(folder);
    EXPECT_EQ(outsideTheCatalogue(textsOf(drawings)), "");
    // Qt's own dialogs, as the programs open them.
    QMessageBox box(QMessageBox::NoIcon, "⟦⟧", "⟦⟧", QMessageBox::Ok);
    EXPECT_EQ(outsideTheCatalogue(textsOf(box)), "");
    QFileDialog chooser(nullptr, "⟦⟧");
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(outsideTheCatalogue(textsOf(chooser)), "");
}

} // namespace
} // namespace tamiro::testing
