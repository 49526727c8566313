#include "FiguraProgramma.h"
#include "platform/PathResolver.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QThreadPool>

namespace {
// The size in device pixels of the picture drawn over `dove`.
QSize inPixel(const QRectF &dove, qreal dpr) { return (QSizeF(dove.toAlignedRect().size()) * dpr).toSize(); }
} // namespace

FiguraProgramma::FiguraProgramma() = default;
FiguraProgramma::~FiguraProgramma() { attendi(); }

void FiguraProgramma::carica(const QString &percorsoProgramma)
{
    attendi();
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

QImage FiguraProgramma::rendi(QSize dimensione) const
{
    QImage resa(dimensione, QImage::Format_ARGB32_Premultiplied);
    resa.fill(Qt::transparent);
    QPainter r(&resa);
    r.setRenderHint(QPainter::Antialiasing);
    svg_->render(&r, QRectF(QPointF(0, 0), QSizeF(dimensione)));
    return resa;
}

void FiguraProgramma::attendi() const
{
    if (inCorso_.valid())
        resa_ = inCorso_.get();
}

void FiguraProgramma::prepara(const QRectF &dove, qreal dpr)
{
    const QSize dimensione = inPixel(dove, dpr);
    // One rendering at a time: with one under way, the paint renders any other size itself.
    if (!svg_ || dimensione.isEmpty() || dimensione == resa_.size() || inCorso_.valid())
        return;
    // The renderer is touched by nothing else until disegna, carica or the end take the result. The
    // application waits for Qt's pool of threads when it ends.
    auto promessa = std::make_shared<std::promise<QImage>>();
    inCorso_ = promessa->get_future();
    QThreadPool::globalInstance()->start([this, dimensione, promessa] { promessa->set_value(rendi(dimensione)); });
}

void FiguraProgramma::disegna(QPainter &p, const QRectF &dove) const
{
    if (svg_) {
        attendi();
        const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        const QSize dimensione = inPixel(dove, dpr);
        if (resa_.size() != dimensione)
            resa_ = rendi(dimensione);
        resa_.setDevicePixelRatio(dpr);
        p.drawImage(dove.toAlignedRect().topLeft(), resa_);
    } else if (!pixmap_.isNull())
        p.drawPixmap(dove.toRect(), pixmap_);
}
