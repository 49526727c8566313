#include "CasellaColore.h"

#include <QPainter>

CasellaColore::CasellaColore(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void CasellaColore::setColore(const QColor &c)
{
    if (c == colore_)
        return;
    colore_ = c;
    update();
}

void CasellaColore::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, colore_);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(r);
    if (hasFocus()) {
        p.setPen(QPen(colore_.lightness() > 128 ? Qt::black : Qt::white, 2));
        p.drawRect(r.adjusted(2, 2, -2, -2));
    }
}
