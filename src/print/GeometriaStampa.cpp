#include "GeometriaStampa.h"

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

bool GeometriaStampa::Eccede() const
{
    return StampaX_mm + StampaW_mm > FoglioW_mm || StampaY_mm + StampaH_mm > FoglioH_mm;
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

void GeometriaStampa::Massimo(bool proporzioni, bool centro)
{
    if (!FoglioValido())
        return;
    if (proporzioni) {
        const float rp = float(StampaW_mm) / float(StampaH_mm);
        const float rs = float(FoglioW_mm) / float(FoglioH_mm);
        if (rs <= rp) {
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
    if (!centro) {
        if (StampaX_mm + StampaW_mm > FoglioW_mm)
            StampaX_mm = LimitaMargine(FoglioW_mm - StampaW_mm);
        if (StampaY_mm + StampaH_mm > FoglioH_mm)
            StampaY_mm = LimitaMargine(FoglioH_mm - StampaH_mm);
    }
}

void GeometriaStampa::AdattaAlFoglio()
{
    auto scala = [this](float f) {
        StampaX_mm = Arrotonda(StampaX_mm * f);
        StampaY_mm = Arrotonda(StampaY_mm * f);
        StampaW_mm = Arrotonda(StampaW_mm * f);
        StampaH_mm = Arrotonda(StampaH_mm * f);
    };
    const int destra = StampaX_mm + StampaW_mm;
    if (destra > FoglioW_mm && destra > 0)
        scala(float(FoglioW_mm) / float(destra));
    const int sotto = StampaY_mm + StampaH_mm;
    if (sotto > FoglioH_mm && sotto > 0)
        scala(float(FoglioH_mm) / float(sotto));
}

QRect GeometriaStampa::InUnita(double kx, double ky) const
{
    return QRect(Arrotonda(kx * StampaX_mm), Arrotonda(ky * StampaY_mm), Arrotonda(kx * StampaW_mm),
                 Arrotonda(ky * StampaH_mm));
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
