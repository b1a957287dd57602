#pragma once

#include "platform/core/errors.h"
#include "platform/system/disk_file_system.h"
#include "platform/system/qt_picture_loader.h"
#include "support/content_tree.h"
#include "window/colouring_window.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tamiro::testing {

// Stand-ins for the services that reach a person or depend on the screen.
struct FakeMessageBox : MessageBox {
    QStringList shown;
    void show(const QString& text) override { shown << text; }
};

struct FakeSound : SoundPlayer {
    QStringList played;
    std::function<void()> onPlay; // called as each sound starts
    void play(const QString& path) override {
        played << path;
        if (onPlay)
            onPlay();
    }
};

struct FakePrinter : Printer {
    std::vector<std::pair<Picture, QRectF>> drawn;
    int documents = 0;
    QString failure; // when set, drawing fails with this description
    void paintPicture(const Picture& picture, float x, float y, float width,
                      float height) override {
        if (!failure.isEmpty())
            throw PlatformError(failure);
        drawn.emplace_back(picture, QRectF(x, y, width, height));
    }
    void endDoc() override { ++documents; }
};

struct FakeScreen : Screen {
    float w = 15360, h = 11520; // 1024 x 768 pixels
    float width() const override { return w; }
    float height() const override { return h; }
};

// A window on a content tree of its own, with real files and decoders.
struct World {
    ContentTree content;
    DiskFileSystem files{content.folder()};
    QtPictureLoader pictures{files};
    FakeMessageBox messages;
    FakeSound sound;
    FakePrinter printer;
    FakeScreen screen;
    std::unique_ptr<ColouringWindow> window;

    ColouringWindow& makeWindow() {
        window = std::make_unique<ColouringWindow>(
            Services{files, pictures, sound, printer, messages, screen});
        return *window;
    }
    ColouringWindow& startedWindow() {
        makeWindow().start();
        return *window;
    }
    // One click: n next, p previous, 1 to 9 and 0 a folder button, b the
    // brush size, h the pointer, r print.
    void click(char button) {
        QAbstractButton* named[] = {
            window->nextButton, window->previousButton, window->brushSizeButton,
            &window->pointerAndPrintButtons(ColouringWindow::kPointerButton),
            &window->pointerAndPrintButtons(ColouringWindow::kPrintButton)};
        const auto at = QByteArray("npbhr").indexOf(button);
        (at >= 0 ? named[at] : &window->folderButtons(std::int16_t((button - '0' + 9) % 10)))
            ->click();
    }
};

class WindowTest : public ::testing::Test, public World {};

} // namespace tamiro::testing
