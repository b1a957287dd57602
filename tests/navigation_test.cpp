// A navigation step: what the drawing area shows, the sound and the
// animation; broken content; the animation control.

#include "support/form_fixture.h"

using namespace tamiro;
using namespace tamiro::testing;

// After every step the whole drawing area shows the uncoloured drawing (white)
// over the coloured one (red), which is its picture. The previous button
// stretches from the size of the hidden box, 2 pixels of border wider on each
// side than its picture, so a strip of the coloured drawing stays visible at
// the right and the bottom; the others cover the area exactly.
TEST(Navigation, EachStepShowsTheUncolouredOverTheColoured) {
    const struct {
        char button;
        bool fromTheHiddenBox;
        const char* sound;
    } rows[] = {
        {'n', false, "\\sonido1.wav"}, {'p', true, "\\sonido2.wav"}, {'1', false, "\\sonido1.wav"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        World w;
        w.content.basics();
        w.content.drawing(1, 1, 41, 30);
        w.content.gif("animados/1.gif", 20, 20);
        Form1& f = w.startedForm();
        QStringList animationWhileSounding;
        w.sound.onPlay = [&] { animationWhileSounding << f.Tarambel1->animationFile(); };
        w.click(row.button);
        EXPECT_EQ(QStringList{""}, animationWhileSounding) << "until the end of the step";
        EXPECT_EQ(f.AppFolder + "\\animados\\1.gif", f.Tarambel1->animationFile());
        EXPECT_EQ(QStringList{w.files.applicationFolder() + row.sound}, w.sound.played);
        EXPECT_TRUE(f.Picture1->isVisibleTo(&f));
        EXPECT_EQ(QColor(Qt::red), f.Picture1->picture().image().pixelColor(20, 15));
        EXPECT_EQ(7372.5f, f.Picture1->Left()) << "centred, halves kept";
        const QImage shown = f.Picture1->surface().convertToFormat(QImage::Format_RGB32);
        if (row.fromTheHiddenBox) {
            ASSERT_EQ(QSizeF(45 * 15, 34 * 15), QSizeF(f.Picture2->Width(), f.Picture2->Height()));
            EXPECT_EQ(QColor(Qt::white), shown.pixelColor(20, 15));
            EXPECT_EQ(QColor(Qt::red), shown.pixelColor(39, 15)); // beyond 41 * 41 / 45
            EXPECT_EQ(QColor(Qt::red), shown.pixelColor(20, 28)); // beyond 30 * 30 / 34
        } else {
            EXPECT_EQ(framedImage(41, 30, Qt::white), shown);
        }
    }
}

// Broken content: the message names the file at fault, and what the window
// showed stays; the series' number moves on, so the next click gets past.
TEST(BrokenContent, NamedInAMessageAndTheWindowGoesOn) {
    const struct {
        const char* damaged; // made of these bytes, or removed
        const char* bytes;
        const char* clicks; // the last one fails; none: start-up fails
        const char* named;  // in the message, in any letter case
        int number;         // the series' number afterwards
    } rows[] = {
        {"dibujos/5/si coloreado/leeme.txt", "", "5", "dibujos/5/si coloreado/1.", 1},
        {"dibujos/5/si coloreado/leeme.txt", "", "5p", "dibujos/5/si coloreado/0.", 0},
        {"dibujos/1/no coloreado/2.gif", nullptr, "nn", "dibujos/1/no coloreado/2.gif", 2},
        {"dibujos/1/si coloreado/2.gif", "GIF89a", "nn", "dibujos/1/si coloreado/2.gif", 2},
        {"medida/2.gif", "GIF89a broken", "b", "medida/2.gif", 2},
        {"punteros/3.ico", "no icon", "hh", "punteros/3.ico", 3},
        {"medida/1.gif", nullptr, "", "medida/1.gif", 0},
        {"medida/1.gif", "GIF89a\x10", "", "medida/1.gif", 0},
        {"punteros/1.ico", nullptr, "", "punteros/1.ico", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.named) + " " + row.clicks);
        World w;
        w.content.basics();
        w.content.drawing(1, 1);
        w.content.drawing(1, 2);
        w.content.picture("punteros/2.ico", framedImage(32, 32, Qt::red));
        w.content.remove(row.damaged);
        if (row.bytes)
            w.content.text(row.damaged, row.bytes);
        Form1& f = w.startedForm();
        EXPECT_EQ(11520 - 1225, f.Command3->Top()) << "the layout is done";
        const std::string clicks = row.clicks;
        for (size_t i = 0; i + 1 < clicks.size(); ++i)
            w.click(clicks[i]);
        // What the window shows, and what has been heard.
        const auto state = [&] {
            return std::make_tuple(
                f.Picture1->surface(), f.Picture1->picture().image(), f.Picture1->Left(),
                f.Image1->picture().image(), f.Image1->Width(), f.Command6(0).picture().image(),
                f.Picture1->mouseIcon().image(), w.sound.played.size(), f.AnimationNumber);
        };
        const auto before = state();
        const qsizetype messagesBefore = w.messages.shown.size();
        if (!clicks.empty())
            w.click(clicks.back());
        ASSERT_EQ(clicks.empty() ? 1 : messagesBefore + 1, w.messages.shown.size());
        const QString message = w.messages.shown.back();
        EXPECT_TRUE(message.contains(row.named, Qt::CaseInsensitive)) << message.toStdString();
        EXPECT_TRUE(!clicks.ends_with('h') || message.startsWith("Atención: "));
        if (clicks.empty())
            continue;
        EXPECT_EQ(before, state());
        EXPECT_TRUE(f.Picture1->isVisibleTo(&f));
        const char last = clicks.back();
        EXPECT_EQ(row.number, last == 'b'   ? f.SizeNumber
                              : last == 'h' ? f.PointerNumber
                                            : f.PictureNumber[f.FolderNumber]);
    }
}

// The animation control plays a GIF and shows nothing for an empty text, the
// bare name it is designed with, a missing file or one that is no picture.
TEST(AnimationControl, PlaysOnlyAPicture) {
    World w;
    w.content.gif("animados/1.gif", 20, 20);
    w.content.text("animados/2.gif", "not a picture");
    AnimationControl& animation = *w.makeForm().Tarambel1;
    EXPECT_FALSE(animation.isPlaying()) << "the bare name";
    for (const char* file : {"\\animados\\1.gif", "", "\\animados\\9.gif", "\\animados\\2.gif"}) {
        animation.setAnimationFile(*file ? w.content.folder() + file : QString());
        EXPECT_EQ(QString(file).endsWith("1.gif"), animation.isPlaying()) << file;
    }
}
