// The checker's prediction against the real window on seeded random damaged
// trees: for every folder button (folder 1: previous from start-up first), the
// folder click, next until the series comes back, then previous likewise; the
// drawings shown (by colour) and the messages are the predicted ones.

#include "checker/revision.h"
#include "support/window_fixture.h"

#include <QFile>
#include <QHash>
#include <random>
#include <unistd.h>

using namespace tamiro;
using namespace tamiro::testing;

namespace {

// A damaged tree: each picture file a colour of its own, kept in `colours`
// by its path (a link by its own path, with its target's colour).
struct RandomTree {
    World& world;
    std::mt19937 random;
    QHash<QString, QRgb> colours;

    bool chance(double p) { return std::uniform_real_distribution<>(0, 1)(random) < p; }
    int below(int n) { return std::uniform_int_distribution<>(0, n - 1)(random); }
    template <typename T> T pick(std::initializer_list<T> among) {
        return among.begin()[below(int(among.size()))];
    }

    void picture(const QString& file, int width, int height) {
        const int i = int(colours.size());
        const QColor colour(32 * (i % 8) + 16, 32 * (i / 8 % 8) + 16, 32 * (i / 64 % 8) + 16);
        world.content.picture(file, framedImage(width, height, colour));
        colours[file] = colour.rgb();
    }
    void link(const QString& file, const QString& target) {
        ::symlink(QFile::encodeName(target).constData(),
                  QFile::encodeName(world.content.path(file)).constData());
        const QString beside = file.section(u'/', 0, -2) + u'/' + target;
        if (colours.contains(beside))
            colours[file] = colours[beside];
    }

    void make() {
        world.content.basics();
        world.content.gif("animados/1.gif", 10, 10);
        for (int f = 1; f <= 10; ++f) {
            const QString folder = QStringLiteral("dibujos/%1/").arg(f);
            const QString coloured = folder + (chance(0.1) ? "SI COLOREADO/" : "si coloreado/"),
                          uncoloured = folder + "no coloreado/";
            world.content.folderNamed(coloured);
            world.content.folderNamed(uncoloured);
            if (chance(0.1))
                picture(folder + "Si Coloreado/1.gif", 20, 15); // a twin folder
            const int count = below(6);
            for (int n = chance(0.3) ? pick({-1, 0}) : 1; n <= count; ++n) {
                if ((n == 0 && chance(0.5)) || (n == 1 && chance(0.15)) || (n > 1 && chance(0.1)))
                    continue; // a missing drawing 0 or 1, or a gap
                const QString number = QString::number(n);
                const QString extension = pick({".gif", ".GIF", ".jpg", ".Gif", ".JPG"});
                const int width = pick({20, 24}), height = chance(0.1) ? 18 : 15;
                if (chance(0.08))
                    world.content.text(coloured + number + extension, "GIF89a");
                else
                    picture(coloured + number + extension, width, 15);
                if (chance(0.1)) // another spelling of the same name
                    picture(coloured + number + (extension == ".gif" ? ".Gif" : ".gif"), 20, 15);
                if (chance(0.05))
                    picture(coloured + number + ".jpg", 20, 15);
                if (chance(0.08))
                    continue; // no uncoloured drawing
                const QString plain = uncoloured + number + (chance(0.06) ? ".jpg" : ".gif");
                if (chance(0.06))
                    world.content.text(plain, "");
                else
                    picture(plain, 20, height);
            }
            if (chance(0.2))
                picture(coloured + pick({"02.gif", "7.gif", ".3.gif", "x.png"}), 20, 15);
            if (chance(0.3)) {
                const QString name = QString::number(count + pick({0, 1}) + 1) + ".gif";
                link(coloured + name, pick({"1.gif", "nada", "."}));
                link(uncoloured + name, "1.gif");
            }
        }
    }
};

// Whether a picture shown is the file's, by its colour (a JPEG keeps it within
// a few steps).
bool shows(const QHash<QString, QRgb>& colours, const QString& file, const QImage& picture) {
    const QRgb want = colours.value(file), seen = picture.pixel(picture.rect().center());
    const int off = std::abs(qRed(want) - qRed(seen)) + std::abs(qGreen(want) - qGreen(seen));
    return colours.contains(file) && off + std::abs(qBlue(want) - qBlue(seen)) < 24;
}

} // namespace

// TAMIRO_PREDICTION_TREES sets the number of trees (20 by default).
TEST(Prediction, TheWindowShowsWhatTheCheckerPredicts) {
    const int trees = std::max(20, qEnvironmentVariableIntValue("TAMIRO_PREDICTION_TREES"));
    int steps = 0, messages = 0;
    for (int seed = 1; seed <= trees; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        World world;
        RandomTree tree{world, std::mt19937(std::uint32_t(seed)), {}};
        tree.make();
        DiskFileSystem files(world.content.folder()); // as tamiro-revisar has its own
        QtPictureLoader pictures(files);
        const Review review = reviewContent(files, pictures);
        ASSERT_EQ(10, review.buttons.size());
        ColouringWindow& window = world.startedWindow();
        for (const ButtonSequence& predicted : review.buttons) {
            const int f = predicted.folder;
            SCOPED_TRACE(f);
            qsizetype at = 0;
            const auto click = [&](char button) {
                const qsizetype before = world.messages.shown.size();
                world.click(button);
                ASSERT_LT(at, predicted.steps.size());
                const Step& want = predicted.steps[at++];
                SCOPED_TRACE(qPrintable(want.coloured + " " + want.uncoloured));
                EXPECT_EQ(want.number, window.state().pictureNumbers[f]);
                EXPECT_EQ(want.message, world.messages.shown.size() > before
                                            ? world.messages.shown.last()
                                            : QString());
                if (want.message.isEmpty()) {
                    EXPECT_TRUE(
                        shows(tree.colours, want.coloured, window.drawingArea->picture().image()));
                    EXPECT_TRUE(shows(tree.colours, want.uncoloured,
                                      window.uncolouredHolder->picture().image()));
                } else {
                    ++messages;
                }
            };
            // The folder of start-up answers "previous" before its button.
            for (const char button : QByteArray(f == kStartFolder ? "pFnp" : "Fnp")) {
                if (button == 'F') {
                    click(char('0' + f % 10));
                    continue;
                }
                QSet<int> numbers{window.state().pictureNumbers[f]};
                while (at < 200) {
                    click(button);
                    if (numbers.contains(window.state().pictureNumbers[f]))
                        break;
                    numbers.insert(window.state().pictureNumbers[f]);
                }
            }
            EXPECT_EQ(predicted.steps.size(), at);
            steps += int(at);
        }
    }
    std::printf("%d trees, %d steps compared, %d of them with a message\n", trees, steps, messages);
}
