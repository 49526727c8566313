#include "RiquadroDisegno.h"

#include <QPainter>

RiquadroDisegno::RiquadroDisegno(QWidget *parent) : Immagine(parent) { setCursor(Qt::PointingHandCursor); }

void RiquadroDisegno::caricaDisegno(const QString &percorsoProgramma)
{
    disegno_.carica(percorsoProgramma);
    update();
}

void RiquadroDisegno::disegna(QPainter &p, const QRectF &dove) const
{
    p.fillRect(dove, Qt::white);
    disegno_.disegna(p, dove);
}

void RiquadroDisegno::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    disegna(p, rect());
}
