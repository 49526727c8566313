#include "UscitaStampa.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

UscitaStampa::UscitaStampa(QPainter &painter) : painter_(painter), font_(QStringLiteral("Arial"), 10)
{
    // About a hundred-and-fiftieth of an inch, never thinner than one dot.
    painter_.setPen(QPen(Qt::black, qMax(1, painter_.device()->logicalDpiX() / 150)));
    painter_.setBrush(Qt::NoBrush);
    painter_.setFont(font_);
}

void UscitaStampa::setFont(const QFont &font)
{
    font_ = font;
    painter_.setFont(font_);
}

double UscitaStampa::px(double twips) const { return twips * painter_.device()->logicalDpiX() / 1440.0; }
double UscitaStampa::py(double twips) const { return twips * painter_.device()->logicalDpiY() / 1440.0; }

double UscitaStampa::LarghezzaTesto(const QString &testo) const
{
    const QFontMetricsF m(font_, painter_.device());
    return m.horizontalAdvance(testo) * 1440.0 / painter_.device()->logicalDpiX();
}

double UscitaStampa::AltezzaTesto() const
{
    const QFontMetricsF m(font_, painter_.device());
    return m.height() * 1440.0 / painter_.device()->logicalDpiY();
}

void UscitaStampa::Scrivi(const QString &testo, bool aCapo)
{
    if (!testo.isEmpty()) {
        const QFontMetricsF m(font_, painter_.device());
        painter_.drawText(QPointF(px(PosizioneX), py(PosizioneY) + m.ascent()), testo);
    }
    if (aCapo) {
        PosizioneX = 0;
        PosizioneY += AltezzaTesto();
    } else {
        PosizioneX += LarghezzaTesto(testo);
    }
}

void UscitaStampa::Linea(double x1, double y1, double x2, double y2)
{
    painter_.drawLine(QPointF(px(x1), py(y1)), QPointF(px(x2), py(y2)));
}

void UscitaStampa::Rettangolo(double x1, double y1, double x2, double y2)
{
    painter_.drawRect(QRectF(QPointF(px(x1), py(y1)), QPointF(px(x2), py(y2))));
}

double UscitaStampa::larghezza() const { return painter_.device()->width() * 1440.0 / painter_.device()->logicalDpiX(); }
double UscitaStampa::altezza() const { return painter_.device()->height() * 1440.0 / painter_.device()->logicalDpiY(); }

bool UscitaStampa::NuovaPagina()
{
    auto *pagine = dynamic_cast<QPagedPaintDevice *>(painter_.device());
    if (!pagine || !pagine->newPage())
        return false;
    PosizioneX = 0;
    PosizioneY = 0;
    return true;
}
