#include "EtichettaAdattata.h"
#include "shell/CarattereTesto.h"
#include "shell/Impaginazione.h"

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

QFont EtichettaAdattata::carattereMostrato() const
{
    const QSize spazio = areaTesto().size();
    if (text() != testo_ || font() != base_ || spazio != spazio_) {
        testo_ = text();
        base_ = font();
        spazio_ = spazio;
        adattato_ = CarattereTesto::Adattato(font(), text(), spazio);
    }
    return adattato_;
}

void EtichettaAdattata::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawFrame(&p);
    const QRect area = areaTesto();
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    Impaginazione(carattereMostrato(), text(), area.width()).disegna(p, area, alignment());
}
