#pragma once
#include <QRectF>
#include <QSizeF>
#include <functional>

class QPainter;
class QWidget;
class RiquadroDisegno;

// What a print shows: a whole screen as it looks now (its clowns redrawn as vectors where nothing
// lies over them) or the clown of a picture box of the picture page. Its own size gives the ratio
// the dialog keeps; it is drawn stretched to fill the rectangle it is given, so the print lies
// exactly where the margins and the size say.
class SorgenteStampa
{
public:
    SorgenteStampa() = default;
    // Captures the window now; not valid when there is nothing to capture.
    static SorgenteStampa daSchermo(QWidget *finestra);
    // The drawn part of the box's picture (its white border left out).
    static SorgenteStampa daRiquadro(const RiquadroDisegno *riquadro);

    bool valida() const { return bool(disegna_) && !dimensione_.isEmpty(); }
    QSizeF dimensione() const { return dimensione_; }
    float proporzione() const { return valida() ? float(dimensione_.width() / dimensione_.height()) : 1.0f; }
    bool schermo() const { return schermo_; } // a screen rather than a picture box
    void disegna(QPainter &p, const QRectF &dove) const;

private:
    QSizeF dimensione_;
    bool schermo_ = false;
    std::function<void(QPainter &, const QRectF &)> disegna_;
};
