#include "CorniceEvidenza.h"
#include "TestoLeggibile.h"

#include <QPainter>

CorniceEvidenza::CorniceEvidenza(int spessore, QWidget *parent) : QWidget(parent), spessore_(spessore)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CorniceEvidenza::setColori(const QColor &evidenza, const QColor &dietro)
{
    colore_ = evidenza;
    dietro_ = dietro;
    update();
}

void CorniceEvidenza::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // A ring `larghezza` pixels wide, `dentro` pixels in from the box's edge.
    auto anello = [&](int dentro, int larghezza, const QColor &colore) {
        const QRect r = rect().adjusted(dentro, dentro, -dentro, -dentro);
        p.fillRect(r.x(), r.y(), r.width(), larghezza, colore);
        p.fillRect(r.x(), r.bottom() - larghezza + 1, r.width(), larghezza, colore);
        p.fillRect(r.x(), r.y(), larghezza, r.height(), colore);
        p.fillRect(r.right() - larghezza + 1, r.y(), larghezza, r.height(), colore);
    };
    anello(0, spessore_, colore_);
    const QColor bordo = BordoEvidenza(colore_, dietro_);
    if (bordo.isValid()) {
        const int linea = qMax(1, (spessore_ + 2) / 4);
        anello(0, linea, bordo);
        anello(spessore_ - linea, linea, bordo);
    }
}
