#include "RiquadroDisegno.h"

#include <QMouseEvent>
#include <QPainter>

RiquadroDisegno::RiquadroDisegno(QWidget *parent) : QWidget(parent) { setCursor(Qt::PointingHandCursor); }

void RiquadroDisegno::carica(const QString &percorsoProgramma)
{
    percorso_ = percorsoProgramma;
    figura_.carica(percorsoProgramma);
    update();
}

void RiquadroDisegno::disegna(QPainter &p, const QRectF &dove) const
{
    p.fillRect(dove, Qt::white);
    figura_.disegna(p, dove);
}

void RiquadroDisegno::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    disegna(p, rect());
}

void RiquadroDisegno::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
