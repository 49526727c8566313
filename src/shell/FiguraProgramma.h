#pragma once
#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>
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
    // Starts rendering the SVG for `dove` on a device of pixel ratio `dpr` on a thread of its own, so
    // that the first paint after a new size (a screen being shown) finds it ready; disegna waits
    // for it. Nothing for a bitmap or a size already rendered.
    void prepara(const QRectF &dove, qreal dpr);
    void disegna(QPainter &p, const QRectF &dove) const;

private:
    QImage rendi(QSize dimensione) const;
    void attendi() const; // takes the rendering under way, if any

    std::unique_ptr<QSvgRenderer> svg_;
    QPixmap pixmap_;
    mutable QImage resa_; // the SVG at the size last drawn
    mutable std::future<QImage> inCorso_; // the SVG being rendered on another thread
};
