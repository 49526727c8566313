#include "EtichettaAdattata.h"
#include "shell/CarattereTesto.h"

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
    p.setFont(carattereMostrato());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    p.drawText(areaTesto(), int(alignment()) | Qt::TextWordWrap, text());
}
