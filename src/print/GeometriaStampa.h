#pragma once
#include <QRect>
#include <QSize>

// Where a print lies on the sheet, all in whole millimetres from the printable area's top left
// corner: the margins and size the user sets, the printable area of the printer, the ratio that
// "Mantieni proporzioni" keeps. No widgets: the dialog and the engine share it.
class GeometriaStampa
{
public:
    int FoglioW_mm = 0, FoglioH_mm = 0;
    int StampaX_mm = 0, StampaY_mm = 0, StampaW_mm = 100, StampaH_mm = 100;
    float Proporzione = 1.0f; // width : height

    // To the nearest whole number, halves to the even neighbour.
    static int Arrotonda(double valore);
    // What the margin fields and the size fields accept.
    static int LimitaMargine(double valore) { return Arrotonda(valore < -2000 ? -2000 : valore > 2000 ? 2000 : valore); }
    static int LimitaDimensione(double valore) { return Arrotonda(valore < 1 ? 1 : valore > 2000 ? 2000 : valore); }

    bool FoglioValido() const { return FoglioW_mm > 0 && FoglioH_mm > 0; }
    // Some of the print lies outside the printable area.
    bool FuoriFoglio() const;
    // The right or bottom edge passes the printable area (what the print run asks about).
    bool Eccede() const;

    // Height kept in proportion to the width, and the reverse.
    int AltezzaProporzionale() const;
    int LarghezzaProporzionale() const;
    // "Stampa al centro": both margins put the print in the middle (negative when it is larger).
    void Centra();
    // "M a x": the print fills the printable area (in proportion when asked), then, unless
    // centred, is pulled back onto the sheet.
    void Massimo(bool proporzioni, bool centro);
    // The answer "Yes" to the scale question: the rectangle shrinks, keeping its shape, to fit.
    void AdattaAlFoglio();

    // The print rectangle in device units, kx and ky being units per millimetre.
    QRect InUnita(double kx, double ky) const;
    // The sheet's image in the preview, in pixels: 127 on the long side, the short one in proportion.
    QSize FoglioAnteprima() const;
};
