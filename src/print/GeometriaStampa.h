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
    float Proporzione = 1.0f; // width : height of the picture itself
    bool Centrata = false;    // "Stampa al centro"

    // To the nearest whole number, halves to the even neighbour.
    static int Arrotonda(double valore);
    // What the margin fields and the size fields accept.
    static int LimitaMargine(double valore) { return Arrotonda(valore < -2000 ? -2000 : valore > 2000 ? 2000 : valore); }
    static int LimitaDimensione(double valore) { return Arrotonda(valore < 1 ? 1 : valore > 2000 ? 2000 : valore); }

    bool FoglioValido() const { return FoglioW_mm > 0 && FoglioH_mm > 0; }
    // Some of the print lies outside the printable area (what the print run asks about).
    bool FuoriFoglio() const;

    // Height kept in proportion to the width, and the reverse.
    int AltezzaProporzionale() const;
    int LarghezzaProporzionale() const;
    // "Stampa al centro": both margins put the print in the middle (negative when it is larger).
    void Centra();
    // "M a x": the print fills the printable area (on the side that limits it when in
    // proportion), then, unless centred, is pulled back onto the sheet.
    void Massimo(bool proporzioni);
    // The answer "Yes" to the scale question: the print moves onto the sheet and shrinks, keeping
    // its shape, until it lies wholly on it; a centred print stays centred.
    void AdattaAlFoglio();

    // The print rectangle in device units, kx and ky being units per millimetre (not rounded).
    QRectF InUnita(double kx, double ky) const;
    // The sheet's image in the preview, in pixels: 127 on the long side, the short one in proportion.
    QSize FoglioAnteprima() const;
};
