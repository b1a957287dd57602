#pragma once

#include "platform/disk_file_system.h"
#include "platform/qt_picture_loader.h"
#include "support/content_tree.h"
#include "support/fakes.h"
#include "ui/form1.h"

#include <QColor>
#include <gtest/gtest.h>
#include <memory>

namespace tamiro::testing {

// A window on a content tree of the test's own, with real files and
// decoders, and fakes for the message box, sound, printer and screen.
class FormTest : public ::testing::Test {
protected:
    ContentTree content;
    DiskFileSystem files{content.folder()};
    QtPictureLoader pictures{files};
    FakeMessageBox messages;
    FakeSound sound;
    FakePrinter printer;
    FakeScreen screen;
    std::unique_ptr<Form1> form;

    Form1& makeForm() {
        form = std::make_unique<Form1>(Services{files, pictures, sound, printer, messages, screen});
        return *form;
    }
    Form1& startedForm() {
        makeForm();
        form->Form_Load();
        return *form;
    }
    static QColor pixel(const PictureBox& box, int x, int y) {
        return box.surface().pixelColor(x, y);
    }
};

} // namespace tamiro::testing
