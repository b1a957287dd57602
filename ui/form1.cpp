#include "ui/form1.h"

#include "rules/drawing_area.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace tamiro {

namespace {

const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);

// The window's pictures are built in; one that fails to load leaves its
// control without a picture rather than stopping the program.
Picture builtIn(PictureLoader& pictures, const QString& name) {
    try {
        return pictures.builtIn(name);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

// The window as designed: every control with its place, size, colours,
// picture, visibility and tab order. Start-up and the handlers change some of
// these at run time.
Form1::Form1(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      Command6(this, 2, [this](std::int16_t index) { Command6_Click(index); }),
      Command5(this, 10, [this](std::int16_t index) { Command5_Click(index); }),
      services_(services), files_(services.files), pictures_(services.pictures),
      drawings_(files_, pictures_) {
    setWindowTitle(QString());
    setWindowIcon(QIcon(builtIn(pictures_, QStringLiteral("I1.ico")).pixmap()));
    resize(twipsToPixels(10695), twipsToPixels(7695));

    Command6(1).setPlace(3120, 5040, 975, 1095);
    Command6(1).setBackColor(kYellow);
    Command6(1).setPicture(builtIn(pictures_, QStringLiteral("B1.gif")));
    Command6(0).setPlace(7200, 5040, 975, 1095);
    Command6(0).setBackColor(kYellow);
    Command6(0).setPicture(builtIn(pictures_, QStringLiteral("B2.ico")));

    static constexpr float kFolderPlaces[10][2] = {
        {4200, 5040}, {4800, 5040}, {5400, 5040}, {6000, 5040}, {6600, 5040},
        {4200, 5640}, {4800, 5640}, {5400, 5640}, {6000, 5640}, {6600, 5640}};
    for (std::int16_t i = 0; i < 10; ++i) {
        Command5(i).setPlace(kFolderPlaces[i][0], kFolderPlaces[i][1], 495, 495);
        Command5(i).setBackColor(kGreen);
        Command5(i).setPicture(builtIn(pictures_, QStringLiteral("F%1.ico").arg(i)));
        Command5(i).setAccessibleName(QStringLiteral("Carpeta %1").arg(i + 1));
    }

    Command4 = new GraphicalButton(this);
    Command4->setPlace(2040, 5040, 975, 1125);
    Command4->setPicture(builtIn(pictures_, QStringLiteral("B3.gif")));
    Command3 = new GraphicalButton(this);
    Command3->setPlace(960, 5040, 975, 1125);
    Command3->setPicture(builtIn(pictures_, QStringLiteral("B4.gif")));

    Tarambel1 = new AnimationControl(this, files_);
    Tarambel1->setPlace(0, 3240, kAnimationWidth, 1350); // its saved extent, 2408 x 2381 HIMETRIC
    Tarambel1->setAnimationFile(QStringLiteral("animacion.gif"));

    Command1 = new GraphicalButton(this);
    Command1->setPlace(9360, 5040, 975, 1125);
    Command2 = new GraphicalButton(this);
    Command2->setPlace(8280, 5040, 975, 1155);
    Command2->setPicture(builtIn(pictures_, QStringLiteral("B5.bmp")));
    QFont font(QStringLiteral("MS Sans Serif"), 12);
    font.setBold(true);
    Command2->setFont(font);

    Picture1 = new PictureBox(this);
    Picture1->setPlace(720, 840, 10185, 6600);
    Picture1->setBackColor(kWhite);
    Picture1->setFocusPolicy(Qt::TabFocus);
    Picture1->setPicture(builtIn(pictures_, QStringLiteral("T1.gif")));
    Image1 = &Picture1->addImageControl();
    Image1->Move(3720, 2520);
    Image1->setDesignSize(615, 495);

    Picture2 = new PictureBox(this);
    Picture2->setSunkenBorder(true);
    Picture2->setPlace(6480, 960, 10245, 6660);
    Picture2->setFocusPolicy(Qt::TabFocus);
    Picture2->hide();

    // The bar stays usable whatever the size of the drawing: its buttons
    // stand above the drawing area.
    for (QWidget* button : {Command1, Command2, Command3, Command4})
        button->raise();
    for (std::int16_t i = 0; i < 10; ++i)
        Command5(i).raise();
    Command6(0).raise();
    Command6(1).raise();

    Command4->setAccessibleName(QStringLiteral("Dibujo siguiente"));
    Command3->setAccessibleName(QStringLiteral("Dibujo anterior"));
    Command1->setAccessibleName(QStringLiteral("Tamaño del pincel"));
    Command2->setAccessibleName(QStringLiteral("Salir"));
    Command6(0).setAccessibleName(QStringLiteral("Puntero"));
    Command6(1).setAccessibleName(QStringLiteral("Imprimir"));
    Picture1->setAccessibleName(QStringLiteral("Dibujo"));
    Tarambel1->setAccessibleName(QStringLiteral("Animación"));

    // Tab order of the window definition.
    QWidget* order[] = {Picture1,     Command2,     Command1,     Tarambel1,    Command3,
                        Command4,     &Command5(0), &Command5(1), &Command5(2), &Command5(3),
                        &Command5(4), &Command5(5), &Command5(6), &Command5(7), &Command5(8),
                        &Command5(9), Picture2,     &Command6(0), &Command6(1)};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The first in the tab order has the focus when the window opens, so a
    // child's first key press never goes to a button.
    Picture1->setFocus();

    connect(Command1, &QAbstractButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QAbstractButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QAbstractButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QAbstractButton::clicked, this, [this] { command4_Click(); });
    Picture1->setMouseMoveHandler([this](std::int16_t button, std::int16_t shift, float x,
                                         float y) { Picture1_Mousemove(button, shift, x, y); });
    Image1->setMouseMoveHandler([this](std::int16_t button, std::int16_t shift, float x, float y) {
        Image1_MouseMove(button, shift, x, y);
    });
}

Form1::~Form1() = default;

// The layout is computed for the whole screen, so the window covers all of
// it, above any desktop panel: a window manager keeps a full-screen window
// over its panels, and without one nobody acts on that request, so the window
// takes the screen's place and size itself.
void Form1::showOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->geometry());
    showFullScreen();
    if (screen)
        setGeometry(screen->geometry());
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Form_Paint(painter, event->region());
}

} // namespace tamiro
