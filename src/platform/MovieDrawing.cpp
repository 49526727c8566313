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
#include <functional>

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
constexpr int kTintsKept = 128; // a few colours for each layer; past it, made again as needed

QHash<QString, std::shared_ptr<MovieDrawing>> &cache()
{
    static QHash<QString, std::shared_ptr<MovieDrawing>> c;
    return c;
}

qreal strokeWidth(const QString &text)
{
    bool ok = false;
    const qreal w = text.trimmed().toDouble(&ok);
    return ok ? w : 1.0;
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
            if (isOutline(id)) {
                const qreal w = strokeWidth(xml.attributes().value(QLatin1String("stroke-width")).toString());
                thinnestOutline_ = thinnestOutline_ > 0 ? std::min(thinnestOutline_, w) : w;
            }
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

namespace {
std::shared_ptr<const MovieDrawing::Rendered> cached(QList<std::shared_ptr<const MovieDrawing::Rendered>> &sizes,
                                                     const QSize &size)
{
    for (int i = 0; i < sizes.size(); ++i) {
        if (sizes[i]->size == size) {
            auto hit = sizes[i];
            sizes.move(i, 0);
            return hit;
        }
    }
    return nullptr;
}

std::shared_ptr<const MovieDrawing::Rendered> keep(QList<std::shared_ptr<const MovieDrawing::Rendered>> &sizes,
                                                   std::shared_ptr<const MovieDrawing::Rendered> r)
{
    sizes.prepend(r);
    if (sizes.size() > kSizesKept)
        sizes.removeLast();
    return r;
}

using Attributes = QList<QPair<QString, QString>>;
// Returns the attributes to write for an element; may fill `copy` with the attributes of a second
// element of the same name written right after it.
using Edit = std::function<Attributes(const QString &id, Attributes attributes, Attributes &copy)>;

QByteArray rewrite(const QByteArray &source, const Edit &edit)
{
    QByteArray out;
    QXmlStreamReader in(source);
    in.setNamespaceProcessing(false);
    QXmlStreamWriter w(&out);
    QList<QPair<QString, Attributes>> copies; // one per open element
    auto write = [&w](const QString &name, const Attributes &attributes) {
        w.writeStartElement(name);
        for (const auto &[key, value] : attributes)
            w.writeAttribute(key, value);
    };
    while (!in.atEnd()) {
        switch (in.readNext()) {
        case QXmlStreamReader::StartDocument:
        case QXmlStreamReader::DTD:
            break;
        case QXmlStreamReader::StartElement: {
            Attributes attributes, copy;
            QString id;
            for (const QXmlStreamAttribute &a : in.attributes()) {
                attributes.append({a.qualifiedName().toString(), a.value().toString()});
                if (a.qualifiedName() == QLatin1String("id"))
                    id = a.value().toString();
            }
            const QString name = in.qualifiedName().toString();
            write(name, edit(id, attributes, copy));
            copies.append({copy.isEmpty() ? QString() : name, copy});
            break;
        }
        case QXmlStreamReader::EndElement: {
            w.writeCurrentToken(in);
            const auto copy = copies.takeLast();
            if (!copy.first.isEmpty()) {
                write(copy.first, copy.second);
                w.writeEndElement();
            }
            break;
        }
        default:
            w.writeCurrentToken(in);
        }
    }
    return out;
}

void set(Attributes &attributes, const QString &key, const QString &value)
{
    for (auto &a : attributes)
        if (a.first == key) {
            a.second = value;
            return;
        }
    attributes.append({key, value});
}

QString get(const Attributes &attributes, const QString &key)
{
    for (const auto &a : attributes)
        if (a.first == key)
            return a.second;
    return {};
}

} // namespace

bool MovieDrawing::isOutline(const QString &id) { return id.endsWith(QLatin1String(".contorno")); }

QColor MovieDrawing::coreColour(const QColor &outline)
{
    if (!outline.isValid() || outline.rgb() == qRgb(0, 0, 0))
        return {};
    const int light = (299 * outline.red() + 587 * outline.green() + 114 * outline.blue()) / 1000;
    return light > 160 ? QColor(Qt::black) : QColor(Qt::white);
}

qreal MovieDrawing::scaleFor(const QSize &size) const
{
    const QRectF box = viewBox();
    return box.isEmpty() ? 1.0 : fit(QRectF(QPointF(0, 0), size)).width() / box.width();
}

std::shared_ptr<const MovieDrawing::Rendered> MovieDrawing::rendered(const QSize &size)
{
    if (auto hit = cached(sizes_, size))
        return hit;
    const qreal least = kThinnestOutline / scaleFor(size);
    if (thinnestOutline_ > 0 && least > thinnestOutline_) {
        QSvgRenderer widened(outlinesResized(least, 1.0));
        return keep(sizes_, renderLayers(size, widened, false));
    }
    return keep(sizes_, renderLayers(size, *renderer_, false));
}

QImage MovieDrawing::Rendered::tinted(int i, const QColor &colour) const
{
    const quint64 key = (quint64(quint32(i)) << 32) | colour.rgba();
    if (const auto hit = tints_.constFind(key); hit != tints_.constEnd())
        return *hit;
    const QImage &mask = images[i];
    QImage image(mask.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
    p.end();
    if (tints_.size() >= kTintsKept)
        tints_.clear();
    tints_.insert(key, image);
    return image;
}

std::shared_ptr<const MovieDrawing::Rendered> MovieDrawing::cores(const QSize &size)
{
    if (auto hit = cached(coreSizes_, size))
        return hit;
    QSvgRenderer thin(outlinesResized(kThinnestOutline / scaleFor(size), kCoreShare));
    return keep(coreSizes_, renderLayers(size, thin, true));
}

std::shared_ptr<MovieDrawing::Rendered> MovieDrawing::renderLayers(const QSize &size, QSvgRenderer &renderer,
                                                                   bool outlinesOnly) const
{
    auto r = std::make_shared<Rendered>();
    r->size = size;
    r->area = fit(QRectF(QPointF(0, 0), size));
    const QRectF box = viewBox();
    const qreal s = box.isEmpty() ? 1.0 : r->area.width() / box.width();
    const QRect bounds(QPoint(0, 0), size);
    for (const Layer &layer : std::as_const(layers_)) {
        QImage image;
        QRect pixels;
        if (!outlinesOnly || isOutline(layer.id)) {
            const QRectF inBox = renderer.transformForElement(layer.id).mapRect(renderer.boundsOnElement(layer.id));
            const QRectF target(r->area.topLeft() + (inBox.topLeft() - box.topLeft()) * s, inBox.size() * s);
            pixels = target.toAlignedRect().intersected(bounds);
            if (!pixels.isEmpty()) {
                image = QImage(pixels.size(), QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                QPainter p(&image);
                p.setRenderHint(QPainter::Antialiasing);
                p.translate(-pixels.topLeft());
                renderer.render(&p, layer.id, target);
            }
        }
        r->images.append(image);
        r->positions.append(pixels.topLeft());
    }
    return r;
}

QByteArray MovieDrawing::outlinesResized(qreal least, qreal share) const
{
    return rewrite(source_, [&](const QString &id, Attributes attributes, Attributes &) {
        if (isOutline(id)) {
            const qreal w = std::max(least, strokeWidth(get(attributes, QStringLiteral("stroke-width"))));
            set(attributes, QStringLiteral("stroke-width"), QString::number(w * share));
        }
        return attributes;
    });
}

QByteArray MovieDrawing::recoloured(const QHash<QString, QColor> &colours, const QSet<QString> &hidden) const
{
    return rewrite(source_, [&](const QString &id, Attributes attributes, Attributes &copy) {
        const QColor colour = colours.value(id);
        if (colour.isValid())
            set(attributes, isOutline(id) ? QStringLiteral("stroke") : QStringLiteral("fill"), colour.name());
        if (!id.isEmpty() && hidden.contains(id))
            set(attributes, QStringLiteral("display"), QStringLiteral("none"));
        const QColor core = isOutline(id) ? coreColour(colour) : QColor();
        if (core.isValid()) {
            copy = attributes;
            copy.removeIf([](const auto &a) { return a.first == QLatin1String("id"); });
            set(copy, QStringLiteral("stroke"), core.name());
            set(copy, QStringLiteral("stroke-width"),
                QString::number(strokeWidth(get(attributes, QStringLiteral("stroke-width"))) * kCoreShare));
        }
        return attributes;
    });
}
