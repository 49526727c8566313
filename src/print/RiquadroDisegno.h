#pragma once
#include "shell/FiguraProgramma.h"

#include <QWidget>

// A picture box of the picture page: a white box with one clown drawing to colour, shown whole at
// the box's size. Prints as vectors.
class RiquadroDisegno : public QWidget
{
    Q_OBJECT
public:
    explicit RiquadroDisegno(QWidget *parent = nullptr);
    // A path under the program's folder ("\immagini\disegno1.svg").
    void carica(const QString &percorsoProgramma);
    QString percorso() const { return percorso_; }
    bool caricato() const { return figura_.valida(); }
    // What the box shows, into any rectangle.
    void disegna(QPainter &p, const QRectF &dove) const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    FiguraProgramma figura_;
    QString percorso_;
};
