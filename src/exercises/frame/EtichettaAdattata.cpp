#include "EtichettaAdattata.h"

#include <QPainter>

EtichettaAdattata::EtichettaAdattata(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

QRect EtichettaAdattata::areaTesto() const
{
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

QFont EtichettaAdattata::carattereMostrato() const { return adattato_.carattere(font(), text(), areaTesto(), alignment()); }

void EtichettaAdattata::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawFrame(&p);
    const QRect area = areaTesto();
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    adattato_.disegna(p, font(), text(), area, alignment());
}
