#include "Immagine.h"

#include <QMouseEvent>
#include <QPainter>

Immagine::Immagine(QWidget *parent) : QWidget(parent) { setMouseTracking(true); }

void Immagine::carica(const QString &percorsoProgramma)
{
    figura_.carica(percorsoProgramma);
    update();
}

void Immagine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    figura_.disegna(p, rect());
}

void Immagine::resizeEvent(QResizeEvent *) { figura_.prepara(rect(), devicePixelRatioF()); }

void Immagine::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
