#pragma once
#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

// The letters of the exercise texts and of the menu captions.
//
// The cursive face ("Indis1") draws its small letters at about half the height of the plain face at
// the same point size; wherever it is applied its size is scaled so that its x-height matches the
// plain face's. The size stored in the profile stays as the user chose it.
namespace CarattereTesto {
// Whether `famiglia` names the cursive face.
bool Corsivo(const QString &famiglia);
// How much larger the face `famiglia` is drawn than its point size says (1 for every face but the
// cursive one, or when the cursive face is not installed).
double Scala(const QString &famiglia);
// `famiglia` at `punti` points, scaled as above.
QFont Crea(const QString &famiglia, double punti);
// Sets the point size of `font`, scaled for its family (the cursive face in its only weight).
void ImpostaPunti(QFont &font, double punti);

// Whether `testo` fits `spazio` in `font`: every word within the width, the wrapped lines (laid out
// as Impaginazione does, aligned as `allineamento` says) within the height.
bool Entra(const QFont &font, const QString &testo, const QSize &spazio, Qt::Alignment allineamento);
// `font` made smaller, in whole points, until `testo` fits `spazio` (never below 6 points); as it
// is when it fits already. `suggerito`, where given, is the size likely to fit (the last text's).
QFont Adattato(const QFont &font, const QString &testo, const QSize &spazio, Qt::Alignment allineamento,
               int suggerito = 0);

// One widget's text drawn whole: in its own font, or made smaller as Adattato says. The fitting is
// redone only when the text, the font or the space change; the widget's font is left as set.
class TestoAdattato
{
public:
    // The font `testo` is drawn in within `area` (whole pixels of it).
    QFont carattere(const QFont &font, const QString &testo, const QRectF &area, Qt::Alignment allineamento);
    // Draws `testo` in `area`, its lines laid out as Impaginazione does and aligned as `allineamento` says.
    void disegna(QPainter &p, const QFont &font, const QString &testo, const QRectF &area, Qt::Alignment allineamento);

private:
    bool misurato_ = false;
    QString testo_;
    QFont base_, adattato_;
    QSize spazio_;
    Qt::Alignment allineamento_;
};
} // namespace CarattereTesto
