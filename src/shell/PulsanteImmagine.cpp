#include "PulsanteImmagine.h"
#include "TestoLeggibile.h"

#include <QMouseEvent>
#include <QPainter>

PulsanteImmagine::PulsanteImmagine(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void PulsanteImmagine::setImmagine(const QString &percorsoProgramma)
{
    figura_.carica(percorsoProgramma);
    update();
}

bool PulsanteImmagine::haImmagine() const { return figura_.valida(); }

void PulsanteImmagine::setSfondo(const QColor &colore)
{
    if (sfondo_ == colore)
        return;
    sfondo_ = colore;
    update();
}

void PulsanteImmagine::setSfondoSpento(const QColor &colore)
{
    spento_ = colore;
    update();
}

void PulsanteImmagine::setColoreTesto(const QColor &colore)
{
    testo_ = colore;
    update();
}

qreal PulsanteImmagine::margine() const { return qMin(width(), height()) * 0.08; }

QRectF PulsanteImmagine::areaContenuto() const
{
    const qreal m = 1 + margine();
    return QRectF(rect()).adjusted(m, m, -m, -m);
}

QFont PulsanteImmagine::carattereMostrato() const
{
    return didascalia_.carattere(font(), text(), areaContenuto(), Qt::AlignCenter);
}

void PulsanteImmagine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(isEnabled() ? QColor(60, 60, 60) : QColor(160, 160, 160), 2));
    p.setBrush(sfondo_);
    p.drawRoundedRect(r, 6, 6);
    const QRectF dentro = areaContenuto();
    const QColor bordo = BordoPulsante(sfondo_, spento_);
    if (bordo.isValid()) {
        const qreal spessore = qMax(3.0, 0.7 * margine()); // within the margin, clear of the contents
        p.setPen(QPen(bordo, spessore));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(spessore / 2, spessore / 2, -spessore / 2, -spessore / 2), 6, 6);
    }
    if (!isEnabled())
        p.setOpacity(0.4);
    if (figura_.valida()) {
        figura_.disegna(p, dentro);
    } else {
        p.setPen(isEnabled() ? TestoLeggibile(testo_, sfondo_) : QColor(128, 128, 128));
        didascalia_.disegna(p, font(), text(), dentro, Qt::AlignCenter);
    }
}

void PulsanteImmagine::resizeEvent(QResizeEvent *event)
{
    figura_.prepara(areaContenuto(), devicePixelRatioF());
    QAbstractButton::resizeEvent(event);
}

void PulsanteImmagine::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseSopra();
    QAbstractButton::mouseMoveEvent(event);
    event->accept(); // the screen behind must not take it for the pointer leaving the buttons
}
