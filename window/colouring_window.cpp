#include "window/colouring_window.h"

#include "platform/core/logging.h"
#include "rules/drawing_area.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <vector>

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
ColouringWindow::ColouringWindow(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      pointerAndPrintButtons(this, 2,
                             [this](std::int16_t index) { onPointerOrPrintClicked(index); }),
      folderButtons(this, 10, [this](std::int16_t index) { onFolderClicked(index); }),
      services_(services), files_(services.files), pictures_(services.pictures),
      drawings_(files_, pictures_) {
    setWindowTitle(QString());
    setWindowIcon(QIcon(builtIn(pictures_, QStringLiteral("I1.ico")).pixmap()));
    resize(twipsToPixels(10695), twipsToPixels(7695));

    pointerAndPrintButtons(kPrintButton).setPlaceTwips(3120, 5040, 975, 1095);
    pointerAndPrintButtons(kPrintButton).setBackColor(kYellow);
    pointerAndPrintButtons(kPrintButton).setPicture(builtIn(pictures_, QStringLiteral("B1.gif")));
    pointerAndPrintButtons(kPointerButton).setPlaceTwips(7200, 5040, 975, 1095);
    pointerAndPrintButtons(kPointerButton).setBackColor(kYellow);
    pointerAndPrintButtons(kPointerButton).setPicture(builtIn(pictures_, QStringLiteral("B2.ico")));

    static constexpr float kFolderPlaces[10][2] = {
        {4200, 5040}, {4800, 5040}, {5400, 5040}, {6000, 5040}, {6600, 5040},
        {4200, 5640}, {4800, 5640}, {5400, 5640}, {6000, 5640}, {6600, 5640}};
    for (std::int16_t i = 0; i < 10; ++i) {
        folderButtons(i).setPlaceTwips(kFolderPlaces[i][0], kFolderPlaces[i][1], 495, 495);
        folderButtons(i).setBackColor(kGreen);
        folderButtons(i).setPicture(builtIn(pictures_, QStringLiteral("F%1.ico").arg(i)));
        //: The accessible name of a green button: it opens drawing folder %1.
        folderButtons(i).setAccessibleName(tr("Carpeta %1").arg(i + 1));
    }

    nextButton = new GraphicalButton(this);
    nextButton->setPlaceTwips(2040, 5040, 975, 1125);
    nextButton->setPicture(builtIn(pictures_, QStringLiteral("B3.gif")));
    previousButton = new GraphicalButton(this);
    previousButton->setPlaceTwips(960, 5040, 975, 1125);
    previousButton->setPicture(builtIn(pictures_, QStringLiteral("B4.gif")));

    animation = new AnimationControl(this, files_);
    animation->setPlaceTwips(0, 3240, kAnimationWidth,
                             1350); // its saved extent, 2408 x 2381 HIMETRIC
    animation->setAnimationFile(QStringLiteral("animacion.gif"));

    brushSizeButton = new GraphicalButton(this);
    brushSizeButton->setPlaceTwips(9360, 5040, 975, 1125);
    endButton = new GraphicalButton(this);
    endButton->setPlaceTwips(8280, 5040, 975, 1155);
    endButton->setPicture(builtIn(pictures_, QStringLiteral("B5.bmp")));
    QFont font(QStringLiteral("MS Sans Serif"), 12);
    font.setBold(true);
    endButton->setFont(font);

    drawingArea = new PictureBox(this);
    drawingArea->setPlaceTwips(720, 840, 10185, 6600);
    drawingArea->setBackColor(kWhite);
    drawingArea->setFocusPolicy(Qt::TabFocus);
    drawingArea->setPicture(builtIn(pictures_, QStringLiteral("T1.gif")));
    brushImage = &drawingArea->addImageControl();
    brushImage->moveTwips(3720, 2520);
    brushImage->setDesignSizeTwips(615, 495);

    uncolouredHolder = new PictureBox(this);
    uncolouredHolder->setSunkenBorder(true);
    uncolouredHolder->setPlaceTwips(6480, 960, 10245, 6660);
    uncolouredHolder->setFocusPolicy(Qt::TabFocus);
    uncolouredHolder->hide();

    // The bar stays usable whatever the size of the drawing: its buttons
    // stand above the drawing area.
    for (QWidget* button : {brushSizeButton, endButton, previousButton, nextButton})
        button->raise();
    for (std::int16_t i = 0; i < 10; ++i)
        folderButtons(i).raise();
    pointerAndPrintButtons(kPointerButton).raise();
    pointerAndPrintButtons(kPrintButton).raise();

    // What a screen reader says of each control.
    nextButton->setAccessibleName(tr("Dibujo siguiente"));
    previousButton->setAccessibleName(tr("Dibujo anterior"));
    brushSizeButton->setAccessibleName(tr("Tamaño del pincel"));
    endButton->setAccessibleName(tr("Salir"));
    pointerAndPrintButtons(kPointerButton).setAccessibleName(tr("Puntero"));
    pointerAndPrintButtons(kPrintButton).setAccessibleName(tr("Imprimir"));
    //: The drawing the child colours.
    drawingArea->setAccessibleName(tr("Dibujo"));
    animation->setAccessibleName(tr("Animación"));

    // Tab order of the form's layout.
    std::vector<QWidget*> order = {drawingArea, endButton,      brushSizeButton,
                                   animation,   previousButton, nextButton};
    for (std::int16_t i = 0; i < 10; ++i)
        order.push_back(&folderButtons(i));
    order.insert(order.end(), {uncolouredHolder, &pointerAndPrintButtons(kPointerButton),
                               &pointerAndPrintButtons(kPrintButton)});
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The first in the tab order has the focus when the window opens, so a
    // child's first key press never goes to a button.
    drawingArea->setFocus();

    connect(brushSizeButton, &QAbstractButton::clicked, this, [this] { onBrushSizeClicked(); });
    connect(endButton, &QAbstractButton::clicked, this, [this] { onEndClicked(); });
    connect(previousButton, &QAbstractButton::clicked, this, [this] { onPreviousClicked(); });
    connect(nextButton, &QAbstractButton::clicked, this, [this] { onNextClicked(); });
    drawingArea->setMouseMoveHandler(
        [this](std::int16_t button, std::int16_t shift, float x, float y) {
            onDrawingAreaMouseMove(button, shift, x, y);
        });
    brushImage->setMouseMoveHandler(
        [this](std::int16_t button, std::int16_t shift, float x, float y) {
            onBrushImageMouseMove(button, shift, x, y);
        });
}

ColouringWindow::~ColouringWindow() = default;

// The layout is computed for the whole screen, so the window covers all of
// it, above any desktop panel: a window manager keeps a full-screen window
// over its panels, and without one nobody acts on that request, so the window
// takes the screen's place and size itself.
void ColouringWindow::showOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->geometry());
    showFullScreen();
    if (screen)
        setGeometry(screen->geometry());
}

void ColouringWindow::tell(const QString& message) {
    qCDebug(lcWindow, "mensaje: %s", qUtf8Printable(message));
    services_.messages.show(message);
}

void ColouringWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintBackground(painter, event->region());
}

} // namespace tamiro
