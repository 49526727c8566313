#include "EtichettaPulsante.h"
#include "TestoLeggibile.h"

#include <QMouseEvent>
#include <QPainter>

EtichettaPulsante::EtichettaPulsante(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setContentsMargins(4, 4, 4, 4); // captions never touch the edges, nor a highlight's edge
}

void EtichettaPulsante::setSfondo(const QColor &colore)
{
    if (sfondo() == colore)
        return;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colore);
    setPalette(pal);
}

QColor EtichettaPulsante::sfondo() const { return palette().color(QPalette::Window); }

void EtichettaPulsante::setSfondoSpento(const QColor &colore)
{
    spento_ = colore;
    update();
}

void EtichettaPulsante::setColoreTesto(const QColor &colore)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colore);
    setPalette(pal);
}

QFont EtichettaPulsante::carattereMostrato() const { return testo_.carattere(font(), text(), contentsRect(), alignment()); }

void EtichettaPulsante::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawFrame(&p);
    const QColor bordo = BordoPulsante(sfondo(), spento_);
    if (bordo.isValid()) {
        const int spessore = qMax(3, qMin(width(), height()) / 30);
        p.setPen(QPen(bordo, spessore, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(QRectF(rect()).adjusted(spessore / 2.0, spessore / 2.0, -spessore / 2.0, -spessore / 2.0));
    }
    p.setPen(TestoLeggibile(palette().color(foregroundRole()), sfondo()));
    testo_.disegna(p, font(), text(), contentsRect(), alignment());
}

void EtichettaPulsante::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseSopra();
    event->accept(); // the background under the caption must not see it

}

void EtichettaPulsante::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
