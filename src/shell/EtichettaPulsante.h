#pragma once
#include "CarattereTesto.h"

#include <QColor>
#include <QLabel>

// A caption that works as a button: centred text on a plain background that the screen colours
// (plain, hover or scanning highlight). It reports clicks and the pointer moving over it, and never
// takes the keyboard focus. Its lines are laid out as Impaginazione does, in its font or smaller where
// that would not fit; a highlight too close to the plain colour gets an edge (BordoEvidenza).
class EtichettaPulsante : public QLabel
{
    Q_OBJECT
public:
    explicit EtichettaPulsante(QWidget *parent = nullptr);
    void setSfondo(const QColor &colore);
    QColor sfondo() const;
    // The colour of the caption when it is not lit; any other background is a highlight.
    void setSfondoSpento(const QColor &colore);
    void setColoreTesto(const QColor &colore);
    // The font the caption is drawn in at the present size: font(), or smaller where that does not fit.
    QFont carattereMostrato() const;

signals:
    void clicked();
    void mouseSopra();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor spento_; // none: the caption is never lit
    mutable CarattereTesto::TestoAdattato testo_;
};
