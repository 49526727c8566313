#pragma once
#include "shell/Immagine.h"

// A picture box of the picture page: a white box with a clown drawing to colour, whole at the
// box's size; what it shows can be drawn again into any rectangle, as vectors, for printing.
class RiquadroDisegno : public Immagine
{
    Q_OBJECT
public:
    explicit RiquadroDisegno(QWidget *parent = nullptr);
    // A path under the program's folder ("\immagini\disegno1.svg").
    void caricaDisegno(const QString &percorsoProgramma);
    void disegna(QPainter &p, const QRectF &dove) const;
    // Where the drawing has ink, in the box's coordinates: the clown without the white around it.
    // Empty when nothing is drawn.
    QRectF parteDisegnata() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FiguraProgramma disegno_;
};
