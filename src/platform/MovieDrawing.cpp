#include "MovieDrawing.h"

#include <QBuffer>
#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
const QString kNamespace = QStringLiteral("urn:zanfroni");
const QSet<QString> kGroups = {QStringLiteral("cappello"), QStringLiteral("secchio")};
const QSet<QString> kSkipped = {QStringLiteral("defs"), QStringLiteral("title"), QStringLiteral("desc"),
                                QStringLiteral("metadata"), QStringLiteral("style")};
const QHash<QString, int> kRows = {
    {QStringLiteral("cappello"), 1}, {QStringLiteral("ciuffo"), 2}, {QStringLiteral("capelli"), 2},
    {QStringLiteral("camicia"), 3},  {QStringLiteral("gile"), 4},   {QStringLiteral("bottoni"), 5},
    {QStringLiteral("pantaloni"), 6}, {QStringLiteral("scarpe"), 7}, {QStringLiteral("secchio"), 8},
};
constexpr int kSizesKept = 6;

QHash<QString, std::shared_ptr<MovieDrawing>> &cache()
{
    static QHash<QString, std::shared_ptr<MovieDrawing>> c;
    return c;
}

QString partOf(const QString &id)
{
    for (const char *suffix : {".interno", ".contorno"}) {
        if (id.endsWith(QLatin1String(suffix))) {
            const QString part = id.left(id.size() - int(qstrlen(suffix)));
            if (kRows.contains(part))
                return part;
        }
    }
    return {};
}
} // namespace

int MovieDrawing::rowOf(const QString &part) { return kRows.value(part, 0); }

std::shared_ptr<MovieDrawing> MovieDrawing::load(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return nullptr;
    const QString key = info.absoluteFilePath() + QLatin1Char('|')
                        + QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('|')
                        + QString::number(info.size());
    if (auto found = cache().value(key))
        return found;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    std::shared_ptr<MovieDrawing> d(new MovieDrawing);
    d->source_ = f.readAll();
    if (!d->parse())
        return nullptr;
    cache().insert(key, d);
    return d;
}

void MovieDrawing::clearCache() { cache().clear(); }

MovieDrawing::~MovieDrawing() { delete renderer_; }

bool MovieDrawing::parse()
{
    // Checked here first so that a broken file gives one line from the caller, not a parser's flood.
    QXmlStreamReader xml(source_);
    struct Open { bool inside; QString group; };
    QList<Open> stack;
    bool unaddressable = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::EndElement) {
            stack.removeLast();
            continue;
        }
        if (xml.tokenType() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        const QString id = xml.attributes().value(QLatin1String("id")).toString();
        if (stack.isEmpty()) {
            if (name != QLatin1String("svg"))
                return false;
            const auto clic = xml.attributes().value(kNamespace, QLatin1String("clic"));
            click_ = clic == QLatin1String("parti") ? Click::Parts
                     : clic == QLatin1String("tutto") ? Click::Whole : Click::None;
            stack.append({false, QString()});
            continue;
        }
        const Open parent = stack.last();
        if (name.startsWith(QLatin1String("animate")) || name == QLatin1String("set"))
            animated_ = true;
        if (parent.inside || kSkipped.contains(name)) {
            stack.append({true, parent.group});
        } else if (name == QLatin1String("g") && kGroups.contains(id)) {
            stack.append({false, id});
        } else if (!id.isEmpty()) {
            layers_.append({id, partOf(id), parent.group, id.startsWith(QLatin1String("deco"))});
            stack.append({true, parent.group});
        } else if (name == QLatin1String("g")) {
            stack.append({false, parent.group});
        } else {
            unaddressable = true;
            stack.append({true, parent.group});
        }
    }
    if (xml.hasError())
        return false;
    renderer_ = new QSvgRenderer(source_);
    if (!renderer_->isValid())
        return false;
    animated_ = animated_ || renderer_->animated();
    renderer_->setFramesPerSecond(0); // views that play it keep their own clock
    const bool anyPart = std::any_of(layers_.begin(), layers_.end(),
                                     [](const Layer &l) { return !l.part.isEmpty(); });
    layered_ = anyPart && !unaddressable && !animated_;
    if (!layered_)
        layers_.clear();
    return true;
}

QRectF MovieDrawing::viewBox() const { return renderer_ ? renderer_->viewBoxF() : QRectF(); }

QRectF MovieDrawing::fit(const QRectF &target) const
{
    const QRectF box = viewBox();
    if (box.isEmpty() || target.isEmpty())
        return target;
    const qreal s = std::min(target.width() / box.width(), target.height() / box.height());
    QRectF r(0, 0, box.width() * s, box.height() * s);
    r.moveCenter(target.center());
    return r;
}

std::shared_ptr<const MovieDrawing::Rendered> MovieDrawing::rendered(const QSize &size)
{
    for (int i = 0; i < sizes_.size(); ++i) {
        if (sizes_[i]->size == size) {
            auto hit = sizes_[i];
            sizes_.move(i, 0);
            return hit;
        }
    }
    auto r = std::make_shared<Rendered>();
    r->size = size;
    r->area = fit(QRectF(QPointF(0, 0), size));
    const QRectF box = viewBox();
    const qreal s = box.isEmpty() ? 1.0 : r->area.width() / box.width();
    const QRect bounds(QPoint(0, 0), size);
    for (const Layer &layer : std::as_const(layers_)) {
        const QRectF inBox = renderer_->transformForElement(layer.id).mapRect(renderer_->boundsOnElement(layer.id));
        const QRectF target(r->area.topLeft() + (inBox.topLeft() - box.topLeft()) * s, inBox.size() * s);
        const QRect pixels = target.toAlignedRect().intersected(bounds);
        QImage image;
        if (!pixels.isEmpty()) {
            image = QImage(pixels.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.translate(-pixels.topLeft());
            renderer_->render(&p, layer.id, target);
        }
        r->images.append(image);
        r->positions.append(pixels.topLeft());
    }
    sizes_.prepend(r);
    if (sizes_.size() > kSizesKept)
        sizes_.removeLast();
    return r;
}

QByteArray MovieDrawing::recoloured(const QHash<QString, QColor> &colours, const QSet<QString> &hidden) const
{
    QByteArray out;
    QXmlStreamReader in(source_);
    in.setNamespaceProcessing(false);
    QXmlStreamWriter w(&out);
    while (!in.atEnd()) {
        in.readNext();
        if (in.tokenType() != QXmlStreamReader::StartElement) {
            if (in.tokenType() != QXmlStreamReader::StartDocument && in.tokenType() != QXmlStreamReader::DTD)
                w.writeCurrentToken(in);
            continue;
        }
        const QString id = in.attributes().value(QLatin1String("id")).toString();
        const QColor colour = colours.value(id);
        const QString painted = !colour.isValid() ? QString()
                                : id.endsWith(QLatin1String(".contorno")) ? QStringLiteral("stroke")
                                                                          : QStringLiteral("fill");
        w.writeStartElement(in.qualifiedName().toString());
        for (const QXmlStreamAttribute &a : in.attributes()) {
            const QString name = a.qualifiedName().toString();
            if (name != painted && !(name == QLatin1String("display") && hidden.contains(id)))
                w.writeAttribute(name, a.value().toString());
        }
        if (!painted.isEmpty())
            w.writeAttribute(painted, colour.name());
        if (!id.isEmpty() && hidden.contains(id))
            w.writeAttribute(QStringLiteral("display"), QStringLiteral("none"));
    }
    return out;
}
