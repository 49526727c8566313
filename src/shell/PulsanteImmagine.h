#pragma once
#include "CarattereTesto.h"
#include "FiguraProgramma.h"

#include <QAbstractButton>
#include <QColor>

// A button showing a picture of the program's folder stretched inside it, or its caption when it has
// no picture, made smaller where it would not fit. Its background colour is the plain colour, the
// hover colour or the scanning highlight; a highlight too close to the plain colour gets an edge in
// black or white (BordoEvidenza). It never takes the keyboard focus: keys belong to the screen.
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
    // The colour of the button when it is not lit; any other background is a highlight.
    void setSfondoSpento(const QColor &colore);
    void setColoreTesto(const QColor &colore);
    // The font the caption is drawn in at the present size: font(), or smaller where that does not fit.
    QFont carattereMostrato() const;

signals:
    void mouseSopra(); // the pointer moved over the button

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    qreal margine() const;
    QRectF areaContenuto() const; // the picture's or the caption's place, inside the margin

    FiguraProgramma figura_;
    QColor sfondo_ = Qt::lightGray;
    QColor spento_; // none: the button is never lit
    QColor testo_ = Qt::black;
    mutable CarattereTesto::TestoAdattato didascalia_;
};
