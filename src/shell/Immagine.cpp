#include "Immagine.h"
#include "platform/PathResolver.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

Immagine::Immagine(QWidget *parent) : QWidget(parent) { setMouseTracking(true); }

void Immagine::carica(const QString &percorsoProgramma)
{
    const QString file = PathResolver::native(App::Path() + percorsoProgramma);
    delete svg_;
    svg_ = nullptr;
    pixmap_ = QPixmap();
    if (file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        svg_ = new QSvgRenderer(file, this);
        if (!svg_->isValid()) {
            delete svg_;
            svg_ = nullptr;
        }
    } else {
        pixmap_.load(file);
    }
    update();
}

bool Immagine::caricata() const { return svg_ || !pixmap_.isNull(); }

void Immagine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (svg_)
        svg_->render(&p, rect());
    else if (!pixmap_.isNull())
        p.drawPixmap(rect(), pixmap_);
}

void Immagine::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
