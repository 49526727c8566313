#pragma once
#include <QImage>
#include <QPixmap>
#include <QString>
#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

// A picture of the program's folder (SVG, crisp at any size, or a bitmap), drawn stretched. An SVG
// is rendered once for each size it is drawn at, not on every paint.
class FiguraProgramma
{
public:
    FiguraProgramma();
    ~FiguraProgramma();
    // A path under the program's folder ("\immagini\vero.svg"); "" or a missing file: no picture.
    void carica(const QString &percorsoProgramma);
    bool valida() const;
    void disegna(QPainter &p, const QRectF &dove) const;

private:
    std::unique_ptr<QSvgRenderer> svg_;
    QPixmap pixmap_;
    mutable QImage resa_; // the SVG at the size last drawn
};
