#include "MovieView.h"
#include "PathResolver.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

MovieView::MovieView(QWidget *parent) : QWidget(parent) {}
MovieView::~MovieView() = default;

void MovieView::Movie(const QString &path)
{
    movie_ = path;
    QString file = PathResolver::native(path);
    if (file.endsWith(QLatin1String(".swf"), Qt::CaseInsensitive))
        file = PathResolver::native(file.left(file.size() - 4) + QStringLiteral(".svg"));
    QFile f(file);
    source_ = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    colours_.clear();
    hidden_.clear();
    rebuild();
}

void MovieView::GotoFrame(int) {}
void MovieView::Play() { playing_ = true; }
void MovieView::StopPlay() { playing_ = false; }

void MovieView::BGColor(const QString &rrggbb)
{
    background_ = QColor(QLatin1Char('#') + rrggbb);
    update();
}

void MovieView::SetVariable(const QString &name, const QString &value)
{
    if (name == QLatin1String("QualeOggetto"))
        selectedObject_ = value;
    else if (name == QLatin1String("TestoColore.QualeColore") && !selectedObject_.isEmpty())
        colours_.insert(selectedObject_, QColor(QLatin1Char('#') + value));
    update();
}

void MovieView::TSetProperty(const QString &target, int property, const QString &value)
{
    if (property != 7)
        return;
    if (value == QLatin1String("0"))
        hidden_.insert(target);
    else
        hidden_.remove(target);
    update();
}

bool MovieView::isLoaded() const { return renderer_ && renderer_->isValid(); }

void MovieView::rebuild()
{
    delete renderer_;
    renderer_ = source_.isEmpty() ? nullptr : new QSvgRenderer(source_, this);
    update();
}

QRectF MovieView::drawArea() const { return rect(); }

void MovieView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), background_);
    if (renderer_ && renderer_->isValid())
        renderer_->render(&p, drawArea());
}

void MovieView::mouseReleaseEvent(QMouseEvent *) {}
