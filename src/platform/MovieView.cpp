#include "MovieView.h"
#include "MovieDrawing.h"
#include "PathResolver.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {
constexpr int kHitAlpha = 128; // a pixel at least half covered belongs to its layer
constexpr int kFramesPerSecond = 25;

QColor parseRgb(const QString &text)
{
    QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('#')))
        t.remove(0, 1);
    bool ok = false;
    const uint v = t.toUInt(&ok, 16);
    if (!ok || t.size() != 6)
        return {};
    return QColor::fromRgb(QRgb(v));
}
} // namespace

MovieView::MovieView(QWidget *parent) : QWidget(parent) {}
MovieView::~MovieView() = default;

QString MovieView::fileFor(const QString &path)
{
    QString p = path;
    if (p.endsWith(QLatin1String(".swf"), Qt::CaseInsensitive))
        p = p.left(p.size() - 4) + QStringLiteral(".svg");
    return PathResolver::native(p);
}

void MovieView::Movie(const QString &path)
{
    movie_ = path;
    delete clock_;
    clock_ = nullptr;
    frozen_ = QImage();
    colours_.clear();
    hidden_.clear();
    composed_ = QImage();
    selectedObject_.clear();
    playing_ = false;
    const QString file = fileFor(path);
    drawing_ = MovieDrawing::load(file);
    if (!drawing_)
        std::fprintf(stderr, "Filmato mancante o non leggibile: %s\n", qUtf8Printable(file));
    else if (drawing_->animated()) {
        restartClock();
        playing_ = true; // a movie starts by itself
    }
    update();
}

void MovieView::restartClock()
{
    delete clock_;
    clock_ = new QSvgRenderer(drawing_->source(), this);
    clock_->setFramesPerSecond(kFramesPerSecond);
    connect(clock_, &QSvgRenderer::repaintNeeded, this, [this] {
        if (playing_)
            update();
    });
    frozen_ = QImage();
}

void MovieView::GotoFrame(int)
{
    if (!drawing_ || !drawing_->animated())
        return;
    restartClock();
    update();
}

void MovieView::Play()
{
    if (!drawing_ || !drawing_->animated() || playing_)
        return;
    if (!frozen_.isNull())
        restartClock();
    playing_ = true;
    update();
}

void MovieView::StopPlay()
{
    if (!playing_)
        return;
    frozen_ = snapshot();
    playing_ = false;
}

void MovieView::BGColor(const QString &rrggbb)
{
    const QColor c = parseRgb(rrggbb);
    if (!c.isValid())
        return;
    background_ = c;
    update();
}

void MovieView::SetVariable(const QString &name, const QString &value)
{
    if (name.compare(QLatin1String("QualeOggetto"), Qt::CaseInsensitive) == 0) {
        selectedObject_ = value.trimmed();
        return;
    }
    if (name.compare(QLatin1String("TestoColore.QualeColore"), Qt::CaseInsensitive) != 0
        || selectedObject_.isEmpty())
        return;
    const QColor c = parseRgb(value);
    if (!c.isValid() || colours_.value(selectedObject_) == c)
        return;
    colours_.insert(selectedObject_, c);
    composed_ = QImage();
    update();
}

void MovieView::TSetProperty(const QString &target, int property, const QString &value)
{
    bool ok = false;
    const int v = value.trimmed().toInt(&ok);
    if (property != 7 || !ok)
        return;
    if (v == 0)
        hidden_.insert(target);
    else
        hidden_.remove(target);
    composed_ = QImage();
    update();
}

bool MovieView::isLoaded() const { return drawing_ != nullptr; }

QTransform MovieView::movieToWidget() const
{
    if (!drawing_)
        return {};
    const QRectF box = drawing_->viewBox();
    const QRectF area = drawing_->fit(QRectF(rect()));
    if (box.isEmpty())
        return {};
    const qreal s = area.width() / box.width();
    return QTransform::fromTranslate(-box.left(), -box.top()) * QTransform::fromScale(s, s)
           * QTransform::fromTranslate(area.left(), area.top());
}

void MovieView::paintRaster(QPainter &p) const
{
    p.fillRect(rect(), background_);
    if (!drawing_)
        return;
    const QRectF area = drawing_->fit(QRectF(rect()));
    p.setClipRect(area); // what lies beyond the view box (the next guide page) stays unseen
    if (drawing_->animated()) {
        if (!playing_ && !frozen_.isNull() && frozen_.size() == size())
            p.drawImage(0, 0, frozen_);
        else if (clock_)
            clock_->render(&p, area);
        return;
    }
    if (!drawing_->layered()) {
        drawing_->renderer()->render(&p, area);
        return;
    }
    if (composed_.size() != size()) {
        const auto rendered = drawing_->rendered(size());
        composed_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        composed_.fill(Qt::transparent);
        QPainter c(&composed_);
        std::shared_ptr<const MovieDrawing::Rendered> cores;
        const auto &layers = drawing_->layers();
        for (int i = 0; i < layers.size(); ++i) {
            const auto &layer = layers[i];
            const QImage &mask = rendered->images[i];
            if (mask.isNull() || hidden_.contains(layer.group) || hidden_.contains(layer.id))
                continue;
            const auto colour = colours_.constFind(layer.id);
            if (colour == colours_.constEnd()) {
                c.drawImage(rendered->positions[i], mask);
                continue;
            }
            c.drawImage(rendered->positions[i], rendered->tinted(i, *colour));
            const QColor core = MovieDrawing::isOutline(layer.id) ? MovieDrawing::coreColour(*colour) : QColor();
            if (!core.isValid())
                continue;
            if (!cores)
                cores = drawing_->cores(size());
            if (!cores->images[i].isNull())
                c.drawImage(cores->positions[i], cores->tinted(i, core));
        }
    }
    p.drawImage(0, 0, composed_);
}

QImage MovieView::snapshot() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    paintRaster(p);
    return image;
}

void MovieView::renderTo(QPainter *painter, const QRectF &target) const
{
    painter->save();
    painter->fillRect(target, background_);
    if (drawing_) {
        const QRectF area = drawing_->fit(target);
        painter->setClipRect(area, Qt::IntersectClip);
        if (drawing_->animated() && clock_)
            clock_->render(painter, area);
        else {
            QSvgRenderer r(drawing_->recoloured(colours_, hidden_));
            r.render(painter, area);
        }
    }
    painter->restore();
}

QString MovieView::commandAt(const QPoint &pos) const
{
    if (!drawing_ || !drawing_->layered() || drawing_->click() == MovieDrawing::Click::None)
        return {};
    const bool whole = drawing_->click() == MovieDrawing::Click::Whole;
    const auto rendered = drawing_->rendered(size());
    const auto &layers = drawing_->layers();
    for (int i = int(layers.size()) - 1; i >= 0; --i) {
        const auto &layer = layers[i];
        const QImage &mask = rendered->images[i];
        if (mask.isNull() || hidden_.contains(layer.group) || hidden_.contains(layer.id))
            continue;
        const QPoint local = pos - rendered->positions[i];
        if (!mask.rect().contains(local) || qAlpha(mask.pixel(local)) < kHitAlpha)
            continue;
        if (whole)
            return QStringLiteral("clic");
        if (!layer.part.isEmpty())
            return QString::number(MovieDrawing::rowOf(layer.part));
        if (!layer.clickThrough)
            return {}; // face and hands cover what lies beneath
    }
    return {};
}

void MovieView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintRaster(p);
}

void MovieView::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void MovieView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    const QString command = commandAt(event->position().toPoint());
    if (!command.isEmpty())
        emit FSCommand(command, QString()); // last: the screen may load another movie here
}
