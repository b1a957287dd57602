#pragma once

// Stand-ins for the services that would reach a person (message boxes,
// loudspeakers, paper) or depend on the machine's screen.

#include "platform/errors.h"
#include "platform/services.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace tamiro::testing {

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
    struct Drawn {
        Picture picture;
        float x, y, width, height;
    };
    std::vector<Drawn> drawn;
    int documents = 0;
    QString failure; // when set, drawing fails with this description
    void paintPicture(const Picture& picture, float x, float y, float width,
                      float height) override {
        if (!failure.isEmpty())
            throw PlatformError(failure);
        drawn.push_back({picture, x, y, width, height});
    }
    void endDoc() override { ++documents; }
};

struct FakeScreen : Screen {
    float w = 15360, h = 11520; // 1024 x 768 pixels
    float width() const override { return w; }
    float height() const override { return h; }
};

} // namespace tamiro::testing
