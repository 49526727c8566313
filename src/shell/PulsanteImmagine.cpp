#include "PulsanteImmagine.h"
#include "platform/PathResolver.h"

#include <QPainter>
#include <QSvgRenderer>

PulsanteImmagine::PulsanteImmagine(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void PulsanteImmagine::setImmagine(const QString &percorsoProgramma)
{
    delete svg_;
    svg_ = nullptr;
    pixmap_ = QPixmap();
    if (!percorsoProgramma.isEmpty()) {
        const QString file = PathResolver::native(App::Path() + percorsoProgramma);
        if (file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
            svg_ = new QSvgRenderer(file, this);
            if (!svg_->isValid()) {
                delete svg_;
                svg_ = nullptr;
            }
        } else {
            pixmap_.load(file);
        }
    }
    update();
}

bool PulsanteImmagine::haImmagine() const { return svg_ || !pixmap_.isNull(); }

void PulsanteImmagine::setSfondo(const QColor &colore)
{
    if (sfondo_ == colore)
        return;
    sfondo_ = colore;
    update();
}

void PulsanteImmagine::setColoreTesto(const QColor &colore)
{
    testo_ = colore;
    update();
}

void PulsanteImmagine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(isEnabled() ? QColor(60, 60, 60) : QColor(160, 160, 160), 2));
    p.setBrush(sfondo_);
    p.drawRoundedRect(r, 6, 6);
    const qreal margine = qMin(width(), height()) * 0.08;
    const QRectF dentro = r.adjusted(margine, margine, -margine, -margine);
    if (!isEnabled())
        p.setOpacity(0.4);
    if (svg_) {
        svg_->render(&p, dentro);
    } else if (!pixmap_.isNull()) {
        p.drawPixmap(dentro.toRect(), pixmap_);
    } else {
        p.setPen(isEnabled() ? testo_ : QColor(128, 128, 128));
        p.setFont(font());
        p.drawText(dentro, Qt::AlignCenter | Qt::TextWordWrap, text());
    }
}

void PulsanteImmagine::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseSopra();
    QAbstractButton::mouseMoveEvent(event);
}
