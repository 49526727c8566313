#include "FiguraProgramma.h"
#include "platform/PathResolver.h"

#include <QPainter>
#include <QSvgRenderer>

FiguraProgramma::FiguraProgramma() = default;
FiguraProgramma::~FiguraProgramma() = default;

void FiguraProgramma::carica(const QString &percorsoProgramma)
{
    svg_.reset();
    pixmap_ = QPixmap();
    resa_ = QImage();
    if (percorsoProgramma.isEmpty())
        return;
    const QString file = PathResolver::native(App::Path() + percorsoProgramma);
    if (file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        svg_ = std::make_unique<QSvgRenderer>(file);
        if (!svg_->isValid())
            svg_.reset();
    } else {
        pixmap_.load(file);
    }
}

bool FiguraProgramma::valida() const { return svg_ || !pixmap_.isNull(); }

void FiguraProgramma::disegna(QPainter &p, const QRectF &dove) const
{
    if (svg_) {
        const QRect pixel = dove.toAlignedRect();
        const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        const QSize dimensione = (QSizeF(pixel.size()) * dpr).toSize();
        if (resa_.size() != dimensione) {
            resa_ = QImage(dimensione, QImage::Format_ARGB32_Premultiplied);
            resa_.fill(Qt::transparent);
            QPainter r(&resa_);
            r.setRenderHint(QPainter::Antialiasing);
            svg_->render(&r, QRectF(QPointF(0, 0), QSizeF(dimensione)));
            r.end();
            resa_.setDevicePixelRatio(dpr);
        }
        p.drawImage(pixel.topLeft(), resa_);
    } else if (!pixmap_.isNull())
        p.drawPixmap(dove.toRect(), pixmap_);
}
