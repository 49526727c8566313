#include "TestoLeggibile.h"

#include <cmath>

namespace {
qreal luminanza(const QColor &c)
{
    auto lineare = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
}
qreal contrasto(const QColor &a, const QColor &b)
{
    const qreal la = luminanza(a), lb = luminanza(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}
constexpr qreal kContrastoMinimo = 3;
} // namespace

QColor TestoLeggibile(const QColor &testo, const QColor &fondo)
{
    if (contrasto(testo, fondo) >= kContrastoMinimo)
        return testo;
    return contrasto(Qt::black, fondo) >= contrasto(Qt::white, fondo) ? QColor(Qt::black) : QColor(Qt::white);
}

QColor BordoEvidenza(const QColor &evidenza, const QColor &dietro)
{
    if (!evidenza.isValid() || !dietro.isValid() || contrasto(evidenza, dietro) >= kContrastoMinimo)
        return {};
    return TestoLeggibile(dietro, evidenza);
}

QColor BordoPulsante(const QColor &sfondo, const QColor &spento)
{
    return sfondo != spento ? BordoEvidenza(sfondo, spento) : QColor();
}
