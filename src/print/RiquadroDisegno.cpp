#include "RiquadroDisegno.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

RiquadroDisegno::RiquadroDisegno(QWidget *parent) : Immagine(parent) { setCursor(Qt::PointingHandCursor); }

void RiquadroDisegno::caricaDisegno(const QString &percorsoProgramma)
{
    disegno_.carica(percorsoProgramma);
    update();
}

void RiquadroDisegno::disegna(QPainter &p, const QRectF &dove) const
{
    p.fillRect(dove, Qt::white);
    disegno_.disegna(p, dove);
}

QRectF RiquadroDisegno::parteDisegnata() const
{
    // Drawn four times larger than the box, the edge found within a quarter of a box pixel.
    constexpr int scala = 4;
    if (width() <= 0 || height() <= 0)
        return {};
    QImage img(size() * scala, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        disegna(p, QRectF(img.rect()));
    }
    int sinistra = img.width(), destra = -1, sopra = img.height(), sotto = -1;
    for (int y = 0; y < img.height(); ++y) {
        const auto *riga = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qGray(riga[x]) >= 128)
                continue; // paper, or the faint rim of a line
            sinistra = std::min(sinistra, x);
            destra = std::max(destra, x);
            sopra = std::min(sopra, y);
            sotto = std::max(sotto, y);
        }
    }
    if (destra < 0)
        return {};
    const double k = 1.0 / scala;
    return QRectF(sinistra * k, sopra * k, (destra + 1 - sinistra) * k, (sotto + 1 - sopra) * k);
}

void RiquadroDisegno::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    disegna(p, rect());
}
