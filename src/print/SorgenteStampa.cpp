#include "SorgenteStampa.h"
#include "RiquadroDisegno.h"
#include "platform/MovieView.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <vector>

SorgenteStampa SorgenteStampa::daSchermo(QWidget *finestra)
{
    SorgenteStampa s;
    if (!finestra || finestra->width() <= 0 || finestra->height() <= 0)
        return s;
    const QImage immagine = finestra->grab().toImage();
    if (immagine.isNull())
        return s;

    // The clowns are drawn again as vectors over the captured image, sharp at any size.
    struct Filmato { QPointer<MovieView> vista; QRectF dove; };
    std::vector<Filmato> filmati;
    for (MovieView *v : finestra->findChildren<MovieView *>())
        if (v->isVisibleTo(finestra) && v->isLoaded())
            filmati.push_back({v, QRectF(v->mapTo(finestra, QPoint(0, 0)), QSizeF(v->size()))});

    const QSizeF logica = finestra->size();
    s.dimensione_ = logica;
    s.schermo_ = true;
    s.disegna_ = [immagine, filmati, logica](QPainter &p, const QRectF &a) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(a, immagine);
        const double kx = a.width() / logica.width(), ky = a.height() / logica.height();
        for (const Filmato &f : filmati) {
            if (!f.vista)
                continue;
            const QRectF r(a.x() + f.dove.x() * kx, a.y() + f.dove.y() * ky, f.dove.width() * kx, f.dove.height() * ky);
            p.save();
            p.setClipRect(r, Qt::IntersectClip);
            f.vista->renderTo(&p, r);
            p.restore();
        }
    };
    return s;
}

SorgenteStampa SorgenteStampa::daRiquadro(const RiquadroDisegno *riquadro)
{
    SorgenteStampa s;
    if (!riquadro || riquadro->width() <= 0 || riquadro->height() <= 0)
        return s;
    s.dimensione_ = riquadro->size();
    QPointer<const RiquadroDisegno> r(riquadro);
    s.disegna_ = [r](QPainter &p, const QRectF &a) {
        if (r)
            r->disegna(p, a);
    };
    return s;
}

QRectF SorgenteStampa::area(const QRectF &dove) const
{
    if (dimensione_.isEmpty() || dove.isEmpty())
        return {};
    const QSizeF adattata = dimensione_.scaled(dove.size(), Qt::KeepAspectRatio);
    return QRectF(dove.x() + (dove.width() - adattata.width()) / 2, dove.y() + (dove.height() - adattata.height()) / 2,
                  adattata.width(), adattata.height());
}

void SorgenteStampa::disegna(QPainter &p, const QRectF &dove) const
{
    const QRectF a = area(dove);
    if (!disegna_ || a.isEmpty())
        return;
    p.save();
    p.setClipRect(a, Qt::IntersectClip);
    disegna_(p, a);
    p.restore();
}
