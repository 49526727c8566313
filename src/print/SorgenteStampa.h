#pragma once
#include <QRectF>
#include <QSizeF>
#include <functional>

class QPainter;
class QWidget;
class RiquadroDisegno;

// What a print shows: a whole screen as it looks now (its clowns redrawn as vectors) or a picture
// box of the picture page. Drawn into a rectangle keeping its own proportions, centred there, so a
// clown is never squashed whatever size the user chooses.
class SorgenteStampa
{
public:
    SorgenteStampa() = default;
    // Captures the window now; not valid when there is nothing to capture.
    static SorgenteStampa daSchermo(QWidget *finestra);
    static SorgenteStampa daRiquadro(const RiquadroDisegno *riquadro);

    bool valida() const { return bool(disegna_) && !dimensione_.isEmpty(); }
    QSizeF dimensione() const { return dimensione_; }
    bool schermo() const { return schermo_; } // a screen rather than a picture box
    // The part of `dove` the source fills.
    QRectF area(const QRectF &dove) const;
    void disegna(QPainter &p, const QRectF &dove) const;

private:
    QSizeF dimensione_;
    bool schermo_ = false;
    std::function<void(QPainter &, const QRectF &)> disegna_;
};
