// The end-to-end tests' file manager: a small window at the place given that
// starts a drag of the files named on its command line when pressed.
//   drag_source X Y FILE...

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> files) : files_(std::move(files)) {
        setWindowTitle(QStringLiteral("drag source"));
        setStyleSheet(QStringLiteral("background: #4060c0"));
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* files = new QMimeData;
        files->setUrls(files_);
        auto* drag = new QDrag(this);
        drag->setMimeData(files);
        drag->exec(Qt::CopyAction);
    }

private:
    QList<QUrl> files_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4)
        return 2;
    QList<QUrl> files;
    for (const QString& file : arguments.mid(3))
        files << QUrl::fromLocalFile(file);
    DragSource source(files);
    source.setGeometry(arguments[1].toInt(), arguments[2].toInt(), 80, 80);
    source.show();
    return QApplication::exec();
}
