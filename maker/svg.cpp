#include "maker/svg.h"

#include "maker/maker.h"
#include "platform/core/errors.h"
#include "platform/formats/picture_file.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <vector>

namespace tamiro::maker {

namespace {

// Deeper nesting than this is no drawing, and would only deepen the
// renderer's own recursion.
constexpr int kMaxSvgDepth = 256;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::DrawingMaker)
};

[[noreturn]] void refuseLink(const QString& file, const QString& target) {
    refuseDamaged(file,
                  Text::tr("el dibujo SVG enlaza con «%1», fuera de su propio archivo; guárdelo "
                           "con todo dentro")
                      .arg(target.left(80)));
}

// A reference inside the document is a fragment, "#name"; anything else
// (a file, a network address, an embedded file) reaches outside.
void checkReference(const QString& file, QStringView value) {
    const QStringView target = value.trimmed();
    if (!target.startsWith(u'#'))
        refuseLink(file, target.toString());
}

// Every url(...) in an attribute or a style sheet, and any @import.
void checkUrls(const QString& file, const QString& text) {
    static const QRegularExpression url(QStringLiteral(R"(url\s*\(\s*['"]?([^'")]*))"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto it = url.globalMatch(text); it.hasNext();)
        checkReference(file, it.next().capturedView(1));
    if (text.contains(u"@import", Qt::CaseInsensitive))
        refuseLink(file, text.mid(text.indexOf(u"@import", 0, Qt::CaseInsensitive), 60));
}

struct Node {
    int parent;
    QString use; // the element a <use> repeats
    std::vector<int> children;
};

// How many elements drawing `node` costs, each reuse counted again; a reuse
// that refers to itself costs more than any budget.
qint64 drawnElements(std::vector<Node>& nodes, const QHash<QString, int>& ids,
                     std::vector<qint64>& cost, std::vector<char>& state, int node, int depth) {
    if (state[std::size_t(node)] == 2)
        return cost[std::size_t(node)];
    if (state[std::size_t(node)] == 1 || depth > 4 * kMaxSvgDepth)
        return kMaxSvgDrawnElements + 1;
    state[std::size_t(node)] = 1;
    qint64 total = 1;
    const Node& here = nodes[std::size_t(node)];
    std::vector<int> parts = here.children;
    if (const auto target = ids.find(here.use); !here.use.isEmpty() && target != ids.end())
        parts.push_back(*target);
    for (const int part : parts) {
        total += drawnElements(nodes, ids, cost, state, part, depth + 1);
        if (total > kMaxSvgDrawnElements)
            break;
    }
    state[std::size_t(node)] = 2;
    return cost[std::size_t(node)] = std::min(total, kMaxSvgDrawnElements + 1);
}

} // namespace

void checkSvg(const QByteArray& bytes, const QString& file) {
    if (bytes.size() > kMaxSvgBytes)
        throw PlatformError(
            //: %1 is the file, %2 its size, %3 the largest read.
            Text::tr("el dibujo SVG «%1» es demasiado grande (%2 MB; el máximo es %3 MB)")
                .arg(file)
                .arg(bytes.size() / (qint64{1024} * 1024))
                .arg(kMaxSvgBytes / (qint64{1024} * 1024)),
            PlatformError::Cause::TooLarge);
    QXmlStreamReader reader(bytes);
    std::vector<Node> nodes;
    QHash<QString, int> ids;
    std::vector<int> open;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            // A bare document type, as many drawing programs write, names a
            // definition that nothing fetches; one with declarations of its
            // own could define entities or defaults.
            if (!reader.text().contains(u'['))
                break;
            [[fallthrough]];
        case QXmlStreamReader::EntityReference:
            refuseDamaged(file, Text::tr("declara entidades o su propio tipo de documento, que un "
                                         "dibujo SVG no necesita"));
        case QXmlStreamReader::StartElement: {
            if (nodes.size() >= std::size_t(kMaxSvgElements) || open.size() >= kMaxSvgDepth)
                refuseDamaged(file,
                              Text::tr("el dibujo SVG tiene demasiados elementos (el máximo es %1)")
                                  .arg(kMaxSvgElements));
            Node node{open.empty() ? -1 : open.back(), {}, {}};
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                const QString value = attribute.value().toString();
                if (attribute.name() == u"href") {
                    checkReference(file, value);
                    if (reader.name() == u"use")
                        node.use = value.trimmed().mid(1);
                }
                if (attribute.name() == u"id")
                    ids.insert(value, int(nodes.size()));
                checkUrls(file, value);
            }
            if (node.parent >= 0)
                nodes[std::size_t(node.parent)].children.push_back(int(nodes.size()));
            open.push_back(int(nodes.size()));
            nodes.push_back(std::move(node));
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            break;
        case QXmlStreamReader::Characters:
            checkUrls(file, reader.text().toString());
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || nodes.empty())
        refuseDamaged(file, Text::tr("sus datos están dañados o incompletos"));
    std::vector<qint64> cost(nodes.size(), 0);
    std::vector<char> state(nodes.size(), 0);
    if (drawnElements(nodes, ids, cost, state, 0, 0) > kMaxSvgDrawnElements)
        refuseDamaged(file, Text::tr("el dibujo SVG repite sus partes demasiadas veces"));
}

QImage renderSvg(const QByteArray& bytes, const QString& file, QSize area) {
    checkSvg(bytes, file);
    QSvgRenderer renderer(bytes);
    const QSizeF size =
        renderer.viewBoxF().isEmpty() ? QSizeF(renderer.defaultSize()) : renderer.viewBoxF().size();
    if (!renderer.isValid() || size.isEmpty())
        refuseDamaged(file, Text::tr("no es un dibujo SVG que se pueda dibujar"));
    const QSize fitted = size.scaled(QSizeF(area), Qt::KeepAspectRatio)
                             .toSize()
                             .expandedTo(QSize(1, 1))
                             .boundedTo(area);
    QImage image(fitted, QImage::Format_RGB32);
    image.fill(Qt::white);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(fitted)));
    return image;
}

} // namespace tamiro::maker
