// The window with the keyboard alone: the tab order of the window definition,
// the space bar on the focused button, and a Spanish name for every control
// a screen reader announces.

#include "support/form_fixture.h"

#include <QSignalSpy>
#include <QTest>
#include <set>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

class KeyboardTest : public FormTest {
protected:
    void SetUp() override {
        content.basics();
        content.icon(QStringLiteral("punteros/2.ico"), Qt::red);
        content.drawing(1, 1);
        content.drawing(3, 1);
        startedForm();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Gives w the focus and presses the key on it, as the keyboard would.
    void press(QWidget* w, Qt::Key key) {
        w->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(w, QApplication::focusWidget());
        QTest::keyClick(w, key);
    }

    QString focusName() const {
        const QWidget* w = QApplication::focusWidget();
        return w ? w->accessibleName() : QStringLiteral("(nothing)");
    }
};

} // namespace

TEST_F(KeyboardTest, TabGoesThroughTheControlsInTheOrderOfTheWindowDefinition) {
    Form1& f = *form;
    // The hidden Picture2 between the folder buttons and the pointer button
    // is skipped; the brush image never takes the focus.
    const std::vector<QWidget*> order = {
        f.Picture1,     f.Command2,     f.Command1,     f.Tarambel1,    f.Command3,
        f.Command4,     &f.Command5(0), &f.Command5(1), &f.Command5(2), &f.Command5(3),
        &f.Command5(4), &f.Command5(5), &f.Command5(6), &f.Command5(7), &f.Command5(8),
        &f.Command5(9), &f.Command6(0), &f.Command6(1), f.Picture1};
    f.Picture1->setFocus(Qt::TabFocusReason);
    for (size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(order[i], QApplication::focusWidget())
            << "Tab number " << i << " went to " << focusName().toStdString() << " instead of "
            << order[i]->accessibleName().toStdString();
    }
    for (size_t i = order.size() - 1; i > order.size() - 5; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(order[i - 1], QApplication::focusWidget())
            << "Shift+Tab went to " << focusName().toStdString();
    }
}

TEST_F(KeyboardTest, SpacePressesTheFocusedButton) {
    Form1& f = *form;
    press(f.Command4, Qt::Key_Space);
    EXPECT_EQ(1, f.PictureNumber[1]) << "next drawing";
    EXPECT_EQ(QStringList{content.folder() + "\\sonido1.wav"}, sound.played);

    press(&f.Command5(2), Qt::Key_Space);
    EXPECT_EQ(3, f.FolderNumber) << "folder button 3";

    press(&f.Command6(0), Qt::Key_Space);
    EXPECT_EQ(2, f.PointerNumber) << "pointer button";

    // Other keys do not press a button.
    const qsizetype sounds = sound.played.size();
    press(f.Command3, Qt::Key_A);
    press(f.Command3, Qt::Key_Return);
    EXPECT_EQ(sounds, sound.played.size()) << "Command3 ran without the space bar";

    QSignalSpy ended(&f, &Form1::ended);
    press(f.Command2, Qt::Key_Space);
    EXPECT_EQ(1, ended.count()) << "end button";
}

TEST_F(KeyboardTest, EveryControlThatTakesTheFocusHasItsOwnSpanishName) {
    std::set<QString> names;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisible())
            continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        EXPECT_TRUE(names.insert(w->accessibleName()).second)
            << "two controls are called " << w->accessibleName().toStdString();
    }
    EXPECT_EQ(18u, names.size()) << "16 buttons, the drawing and the animation";
    EXPECT_EQ(1u, names.count(QStringLiteral("Dibujo siguiente")));
    EXPECT_EQ(1u, names.count(QStringLiteral("Carpeta 10")));
}
