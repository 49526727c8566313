#include "AnteprimaStampa.h"
#include "MotoreStampa.h"
#include "SorgenteStampa.h"

#include <QLabel>
#include <QPainter>

AnteprimaStampa::AnteprimaStampa(QWidget *parent) : QWidget(parent)
{
    lblStampaInCorso = new QLabel(QStringLiteral("Stampa in corso..."), this);
    lblStampaInCorso->setObjectName(QStringLiteral("lblStampaInCorso"));
    lblStampaInCorso->setTextFormat(Qt::PlainText);
    lblStampaInCorso->setAlignment(Qt::AlignCenter);
    lblStampaInCorso->setWordWrap(true);
    lblStampaInCorso->setAutoFillBackground(true);
    QPalette pal = lblStampaInCorso->palette();
    pal.setColor(QPalette::Window, Qt::yellow);
    pal.setColor(QPalette::WindowText, Qt::black);
    lblStampaInCorso->setPalette(pal);
    lblStampaInCorso->setGeometry(24, 40, 73, 33);
    lblStampaInCorso->hide();
}

void AnteprimaStampa::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (sorgente_ && rettangolo_.width() >= 1 && rettangolo_.height() >= 1)
        MotoreStampa::DisegnaPagina(p, *sorgente_, rettangolo_);
}

void FiguraStampante::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width(), h = height();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w * 0.28, h * 0.05, w * 0.44, h * 0.35)); // sheet going in
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawRoundedRect(QRectF(w * 0.08, h * 0.35, w * 0.84, h * 0.4), 4, 4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w * 0.24, h * 0.62, w * 0.52, h * 0.33)); // sheet coming out
    p.setBrush(Qt::green);
    p.drawEllipse(QPointF(w * 0.82, h * 0.45), w * 0.03, w * 0.03);
}
