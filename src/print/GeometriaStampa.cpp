#include "GeometriaStampa.h"

#include <algorithm>
#include <cmath>

int GeometriaStampa::Arrotonda(double valore)
{
    return int(std::nearbyint(valore)); // the default rounding mode: halves to even
}

bool GeometriaStampa::FuoriFoglio() const
{
    return StampaX_mm + StampaW_mm > FoglioW_mm || StampaY_mm + StampaH_mm > FoglioH_mm || StampaX_mm < 0
        || StampaY_mm < 0;
}

int GeometriaStampa::AltezzaProporzionale() const
{
    return LimitaDimensione(float(StampaW_mm) / Proporzione);
}

int GeometriaStampa::LarghezzaProporzionale() const
{
    return LimitaDimensione(Proporzione * float(StampaH_mm));
}

void GeometriaStampa::Centra()
{
    StampaX_mm = LimitaMargine((FoglioW_mm - StampaW_mm) / 2.0);
    StampaY_mm = LimitaMargine((FoglioH_mm - StampaH_mm) / 2.0);
}

void GeometriaStampa::Massimo(bool proporzioni)
{
    if (!FoglioValido())
        return;
    if (proporzioni) {
        // The picture's own ratio decides, not the rounded fields: the other side then never
        // passes the sheet.
        const float rs = float(FoglioW_mm) / float(FoglioH_mm);
        if (rs <= Proporzione) {
            StampaW_mm = LimitaDimensione(FoglioW_mm);
            StampaH_mm = AltezzaProporzionale();
            StampaX_mm = 0;
        } else {
            StampaH_mm = LimitaDimensione(FoglioH_mm);
            StampaW_mm = LarghezzaProporzionale();
            StampaY_mm = 0;
        }
    } else {
        StampaW_mm = LimitaDimensione(FoglioW_mm);
        StampaH_mm = LimitaDimensione(FoglioH_mm);
    }
    if (Centrata) {
        Centra();
    } else {
        if (StampaX_mm + StampaW_mm > FoglioW_mm)
            StampaX_mm = LimitaMargine(FoglioW_mm - StampaW_mm);
        if (StampaY_mm + StampaH_mm > FoglioH_mm)
            StampaY_mm = LimitaMargine(FoglioH_mm - StampaH_mm);
    }
}

void GeometriaStampa::AdattaAlFoglio()
{
    if (!FoglioValido())
        return;
    auto scala = [this](float f) {
        StampaX_mm = Arrotonda(StampaX_mm * f);
        StampaY_mm = Arrotonda(StampaY_mm * f);
        StampaW_mm = std::max(1, Arrotonda(StampaW_mm * f));
        StampaH_mm = std::max(1, Arrotonda(StampaH_mm * f));
    };
    // What lies before the left or top edge comes onto the sheet first.
    StampaX_mm = std::max(StampaX_mm, 0);
    StampaY_mm = std::max(StampaY_mm, 0);
    const int destra = StampaX_mm + StampaW_mm;
    if (destra > FoglioW_mm)
        scala(float(FoglioW_mm) / float(destra));
    const int sotto = StampaY_mm + StampaH_mm;
    if (sotto > FoglioH_mm)
        scala(float(FoglioH_mm) / float(sotto));
    // Each side rounded on its own may still pass the edge by a millimetre.
    auto dentro = [](int &margine, int &lato, int foglio) {
        lato = std::min(lato, foglio);
        margine = std::clamp(margine, 0, foglio - lato);
    };
    dentro(StampaX_mm, StampaW_mm, FoglioW_mm);
    dentro(StampaY_mm, StampaH_mm, FoglioH_mm);
    if (Centrata)
        Centra();
}

QRectF GeometriaStampa::InUnita(double kx, double ky) const
{
    return QRectF(kx * StampaX_mm, ky * StampaY_mm, kx * StampaW_mm, ky * StampaH_mm);
}

QSize GeometriaStampa::FoglioAnteprima() const
{
    constexpr int lato = 1905; // twips
    if (!FoglioValido())
        return QSize(lato / 15, lato / 15);
    const float r = float(FoglioW_mm) / float(FoglioH_mm);
    const QSize twips = FoglioW_mm <= FoglioH_mm ? QSize(Arrotonda(r * lato), lato) : QSize(lato, Arrotonda(lato / r));
    return QSize(Arrotonda(twips.width() / 15.0), Arrotonda(twips.height() / 15.0));
}
