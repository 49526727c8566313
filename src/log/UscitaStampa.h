#pragma once
#include <QFont>
#include <QString>

class QPainter;

// The page the log prints on: a current position in twips (1440 an inch)
// from the top left of the printable area; printed text starts at the position and moves it on.
// Lines and rectangles are drawn in black.
class UscitaStampa
{
public:
    explicit UscitaStampa(QPainter &painter);

    double PosizioneX = 0;
    double PosizioneY = 0;

    void setFont(const QFont &font);
    QFont font() const { return font_; }

    // Prints the text at the current position; aCapo ends the line (back to the left edge,
    // one text height down), otherwise the position moves past the text.
    void Scrivi(const QString &testo = {}, bool aCapo = true);
    double LarghezzaTesto(const QString &testo) const;
    double AltezzaTesto() const;
    void Linea(double x1, double y1, double x2, double y2);
    void Rettangolo(double x1, double y1, double x2, double y2);

    // The printable area in twips.
    double larghezza() const;
    double altezza() const;
    // A new sheet on a printer (position back to the top left); false on a single-page device.
    bool NuovaPagina();

private:
    double px(double twips) const;
    double py(double twips) const;

    QPainter &painter_;
    QFont font_;
};
