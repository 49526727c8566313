#include "SorgenteStampa.h"
#include "RiquadroDisegno.h"
#include "platform/MovieView.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <vector>

namespace {
// The part of `sotto` (in the window's coordinates) that widgets stacked above it cover: its own
// children, and at each level up to the window the later siblings of it or of its ancestors.
QRegion copertoDaAltri(QWidget *finestra, QWidget *sotto)
{
    const QRect proprio(sotto->mapTo(finestra, QPoint(0, 0)), sotto->size());
    QRegion coperto;
    const auto aggiungi = [&](QWidget *w) {
        if (w->isVisibleTo(finestra) && !w->isWindow())
            coperto += QRect(w->mapTo(finestra, QPoint(0, 0)), w->size()) & proprio;
    };
    for (QWidget *figlio : sotto->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        aggiungi(figlio);
    for (QWidget *w = sotto; w != finestra && w->parentWidget(); w = w->parentWidget()) {
        const QObjectList &fratelli = w->parentWidget()->children();
        for (qsizetype i = fratelli.indexOf(w) + 1; i < fratelli.size(); ++i)
            if (auto *sopra = qobject_cast<QWidget *>(fratelli[i]))
                aggiungi(sopra);
    }
    return coperto;
}
} // namespace

SorgenteStampa SorgenteStampa::daSchermo(QWidget *finestra)
{
    SorgenteStampa s;
    if (!finestra || finestra->width() <= 0 || finestra->height() <= 0)
        return s;
    const QImage immagine = finestra->grab().toImage();
    if (immagine.isNull())
        return s;

    // The clowns are drawn again as vectors over the captured image, sharp at any size, but only
    // where nothing (the assistant, its balloon) lay over them on the screen.
    struct Filmato { QPointer<MovieView> vista; QRectF dove; QRegion scoperto; };
    std::vector<Filmato> filmati;
    for (MovieView *v : finestra->findChildren<MovieView *>()) {
        if (!v->isVisibleTo(finestra) || !v->isLoaded())
            continue;
        const QRect dove(v->mapTo(finestra, QPoint(0, 0)), v->size());
        const QRegion scoperto = QRegion(dove) - copertoDaAltri(finestra, v);
        if (!scoperto.isEmpty())
            filmati.push_back({v, QRectF(dove), scoperto});
    }

    const QSizeF logica = finestra->size();
    s.dimensione_ = logica;
    s.schermo_ = true;
    s.disegna_ = [immagine, filmati, logica](QPainter &p, const QRectF &a) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(a, immagine);
        const double kx = a.width() / logica.width(), ky = a.height() / logica.height();
        const QTransform inStampa = QTransform(kx, 0, 0, ky, a.x(), a.y());
        for (const Filmato &f : filmati) {
            if (!f.vista)
                continue;
            p.save();
            QPainterPath scoperto;
            scoperto.addRegion(f.scoperto);
            p.setClipPath(inStampa.map(scoperto), Qt::IntersectClip);
            f.vista->renderTo(&p, inStampa.mapRect(f.dove));
            p.restore();
        }
    };
    return s;
}

SorgenteStampa SorgenteStampa::daRiquadro(const RiquadroDisegno *riquadro)
{
    SorgenteStampa s;
    if (!riquadro)
        return s;
    const QRectF parte = riquadro->parteDisegnata();
    if (parte.isEmpty())
        return s;
    s.dimensione_ = parte.size();
    QPointer<const RiquadroDisegno> r(riquadro);
    s.disegna_ = [r, parte](QPainter &p, const QRectF &a) {
        if (!r)
            return;
        // The whole box placed so that its drawn part fills `a`.
        const double kx = a.width() / parte.width(), ky = a.height() / parte.height();
        const QSizeF box = r->size();
        r->disegna(p, QRectF(a.x() - parte.x() * kx, a.y() - parte.y() * ky, box.width() * kx, box.height() * ky));
    };
    return s;
}

void SorgenteStampa::disegna(QPainter &p, const QRectF &dove) const
{
    if (!disegna_ || dove.isEmpty())
        return;
    p.save();
    p.setClipRect(dove, Qt::IntersectClip);
    disegna_(p, dove);
    p.restore();
}
