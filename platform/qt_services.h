#pragma once

#include "platform/services.h"

#include <QString>
#include <memory>
#include <vector>

class QPrinter;
class QPainter;
class QSoundEffect;
class QWidget;

namespace tamiro {

// Sound through Qt Multimedia. One player is kept per sound file, so clicking
// for an hour reuses the same two players.
class QtSoundPlayer : public SoundPlayer {
public:
    explicit QtSoundPlayer(FileSystem& files);
    ~QtSoundPlayer() override;
    void play(const QString& path) override;

private:
    FileSystem& files_;
    struct Player {
        QString file;
        std::unique_ptr<QSoundEffect> effect;
    };
    std::vector<Player> players_;
};

// The default printer of the machine. A document begins with the first
// picture drawn and ends with endDoc().
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    void paintPicture(const Picture& picture, float x, float y, float width, float height) override;
    void endDoc() override;

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString printerName_;
};

class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(const QString& text) override;

private:
    QWidget* parent_;
};

class QtScreen : public Screen {
public:
    float width() const override;
    float height() const override;
};

} // namespace tamiro
