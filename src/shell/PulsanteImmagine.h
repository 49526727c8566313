#pragma once
#include "FiguraProgramma.h"

#include <QAbstractButton>
#include <QColor>

// A button showing a picture of the program's folder stretched inside it, or its caption when it has
// no picture. Its background colour is the plain colour, the hover colour or the scanning highlight.
// It never takes the keyboard focus: keys belong to the screen.
class PulsanteImmagine : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PulsanteImmagine(QWidget *parent = nullptr);
    // A path under the program's folder ("\immagini\vero.svg"); "" shows the caption instead.
    void setImmagine(const QString &percorsoProgramma);
    bool haImmagine() const;
    void setSfondo(const QColor &colore);
    QColor sfondo() const { return sfondo_; }
    void setColoreTesto(const QColor &colore);

signals:
    void mouseSopra(); // the pointer moved over the button

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    FiguraProgramma figura_;
    QColor sfondo_ = Qt::lightGray;
    QColor testo_ = Qt::black;
};
