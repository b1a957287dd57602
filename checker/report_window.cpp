// The report window: the findings with their pictures, and the summary.

#include "checker/report_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tamiro {

using namespace Qt::StringLiterals;

namespace {

// The checker's window, opened from the desktop's menu.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::CheckerWindow)
};

// The pictures of a finding side by side, each in a square cell: the
// coloured drawing on the left, the uncoloured one on the right.
QIcon thumbnails(const QList<QImage>& pictures) {
    if (std::all_of(pictures.begin(), pictures.end(), [](const QImage& p) { return p.isNull(); }))
        return {};
    QPixmap strip(2 * kThumbnailPixels + 8, kThumbnailPixels);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (qsizetype i = 0; i < std::min<qsizetype>(pictures.size(), 2); ++i) {
        if (pictures[i].isNull())
            continue;
        // Smaller pictures keep their own size: a brush shows how big it is.
        const QImage& picture = pictures[i];
        const QImage small =
            picture.width() > kThumbnailPixels || picture.height() > kThumbnailPixels
                ? picture.scaled(kThumbnailPixels, kThumbnailPixels, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation)
                : picture;
        const QPoint corner(int(i) * (kThumbnailPixels + 8) +
                                (kThumbnailPixels - small.width()) / 2,
                            (kThumbnailPixels - small.height()) / 2);
        painter.drawImage(corner, small);
        painter.setPen(Qt::gray);
        painter.drawRect(QRect(corner, small.size()).adjusted(0, 0, -1, -1));
    }
    return QIcon(strip);
}

QColor colourOf(Finding::Severity severity) {
    static const QColor colours[] = {{40, 40, 40}, {150, 80, 0}, {180, 0, 0}};
    return colours[int(severity)];
}

} // namespace

ReportWindow::ReportWindow(const Review& review, const QString& folder) {
    //: The window's title: the name of its entry in the desktop's menu.
    setWindowTitle(Text::tr("Revisar los dibujos de Tamiro"));
    auto* layout = new QVBoxLayout(this);
    auto* heading =
        //: %1 is the content folder reviewed.
        new QLabel(Text::tr("Lo que verá el niño con la carpeta %1 (de cada dibujo, a la izquierda "
                            "el coloreado y a la derecha el sin colorear):")
                       .arg(visibleText(folder)));
    heading->setTextFormat(Qt::PlainText); // a folder's name is no markup
    layout->addWidget(heading);

    auto* list = new QListWidget;
    list->setIconSize(QSize(2 * kThumbnailPixels + 8, kThumbnailPixels));
    list->setWordWrap(true);
    list->setSpacing(2);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    // A list of hundreds of thousands of lines would take minutes to lay out;
    // the terminal report has them all.
    constexpr qsizetype kShownFindings = 5000;
    for (const Finding& finding : review.findings.mid(0, kShownFindings)) {
        const QString word = severityWord(finding.severity);
        //: A line of the report: %1 is its severity ("Falla", "Aviso"), %2 the line.
        auto* item = new QListWidgetItem(
            thumbnails(finding.pictures),
            word.isEmpty() ? finding.line() : Text::tr("%1: %2").arg(word, finding.line()), list);
        item->setForeground(colourOf(finding.severity));
    }
    if (review.findings.size() > kShownFindings)
        //: %n lines of the report are left out of the window; %1 is the command that
        //: prints them all.
        new QListWidgetItem(Text::tr("… y %n línea(s) más: la lista entera sale con «%1».", nullptr,
                                     int(review.findings.size() - kShownFindings))
                                .arg(u"tamiro-revisar --texto"_s), // untranslated: a command
                            list);
    layout->addWidget(list);
    list->setFocus();

    auto* summary = new QLabel(review.summary());
    summary->setWordWrap(true);
    QFont bold = summary->font();
    bold.setBold(true);
    summary->setFont(bold);
    summary->setStyleSheet(
        QStringLiteral("color: %1")
            .arg(colourOf(review.passes() ? Finding::Severity::Note : Finding::Severity::Fails)
                     .name()));
    layout->addWidget(summary);

    auto* close = new QPushButton(Text::tr("Cerrar"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(960, 640);
}

} // namespace tamiro
