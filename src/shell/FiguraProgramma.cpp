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
    if (svg_)
        svg_->render(&p, dove);
    else if (!pixmap_.isNull())
        p.drawPixmap(dove.toRect(), pixmap_);
}
