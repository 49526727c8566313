#include "AssistantFigure.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
const QString MouthOpen = QStringLiteral("bocca-aperta");
const QString MouthClosed = QStringLiteral("bocca-chiusa");
const QString EyesOpen = QStringLiteral("occhi-aperti");
const QString EyesClosed = QStringLiteral("occhi-chiusi");
// Mouth open or closed at each step while talking: irregular, like syllables.
constexpr bool MouthSteps[] = {true, true, false, true, false, true, true, false, false, true, false, true};
} // namespace

AssistantFigure::AssistantFigure(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Personaggio"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    mouth_.setInterval(140);
    connect(&mouth_, &QTimer::timeout, this, &AssistantFigure::animate);
    blink_.setInterval(3800);
    connect(&blink_, &QTimer::timeout, this, &AssistantFigure::blink);
}

AssistantFigure::~AssistantFigure() = default;

QByteArray AssistantFigure::withoutElements(const QByteArray &svg, const QStringList &ids)
{
    QByteArray out;
    QXmlStreamReader in(svg);
    QXmlStreamWriter w(&out);
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement() && ids.contains(in.attributes().value(QLatin1String("id")).toString())) {
            in.skipCurrentElement();
            continue;
        }
        if (in.tokenType() != QXmlStreamReader::Invalid)
            w.writeCurrentToken(in);
    }
    return in.hasError() ? QByteArray() : out;
}

bool AssistantFigure::load(const QString &file)
{
    kind_ = BuiltIn;
    natural_ = QSize(128, 128);
    for (auto &f : frames_)
        f.reset();
    drawn_ = {};
    picture_ = QPixmap();
    if (file.isEmpty())
        return false;
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("svg")) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const QByteArray svg = f.readAll();
        for (int i = 0; i < 4; ++i) {
            const bool open = i & 2, closedEyes = i & 1;
            const QByteArray doc = withoutElements(
                svg, {open ? MouthClosed : MouthOpen, closedEyes ? EyesOpen : EyesClosed});
            auto r = std::make_unique<QSvgRenderer>(doc);
            if (doc.isEmpty() || !r->isValid()) {
                for (auto &fr : frames_)
                    fr.reset();
                return false;
            }
            frames_[i] = std::move(r);
        }
        kind_ = Svg;
        natural_ = frames_[0]->defaultSize();
    } else if (picture_.load(file)) {
        kind_ = Picture;
        natural_ = picture_.size().scaled(QSize(160, 160), Qt::KeepAspectRatio).boundedTo(picture_.size());
    } else {
        return false;
    }
    if (natural_.isEmpty())
        natural_ = QSize(128, 128);
    update();
    return true;
}

void AssistantFigure::setTalking(bool talking)
{
    if (talking_ == talking)
        return;
    talking_ = talking;
    step_ = 0;
    mouthOpen_ = talking;
    if (talking)
        mouth_.start();
    else
        mouth_.stop();
    update();
}

void AssistantFigure::animate()
{
    step_ = (step_ + 1) % int(std::size(MouthSteps));
    mouthOpen_ = MouthSteps[step_];
    update();
}

void AssistantFigure::blink()
{
    eyesClosed_ = true;
    update();
    QTimer::singleShot(160, this, [this] {
        eyesClosed_ = false;
        update();
    });
}

void AssistantFigure::showEvent(QShowEvent *) { blink_.start(); }
void AssistantFigure::hideEvent(QHideEvent *) { blink_.stop(); }

QImage AssistantFigure::frame(bool mouthOpen, bool eyesClosed, const QSize &size) const
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paintFrame(p, img.rect(), mouthOpen, eyesClosed);
    return img;
}

void AssistantFigure::paintEvent(QPaintEvent *)
{
    // Each frame is drawn once for the present size: the figure repaints at every step of the mouth.
    QImage &drawn = drawn_[(mouthOpen_ ? 2 : 0) + (eyesClosed_ ? 1 : 0)];
    const qreal dpr = devicePixelRatioF();
    if (drawn.size() != (QSizeF(size()) * dpr).toSize() || drawn.devicePixelRatio() != dpr) {
        drawn = QImage((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
        drawn.setDevicePixelRatio(dpr);
        drawn.fill(Qt::transparent);
        QPainter f(&drawn);
        paintFrame(f, rect(), mouthOpen_, eyesClosed_);
    }
    QPainter p(this);
    p.drawImage(0, 0, drawn);
}

void AssistantFigure::paintFrame(QPainter &p, const QRect &area, bool mouthOpen, bool eyesClosed) const
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Keep the drawing's proportions, standing on the bottom of the area.
    const QSize s = natural_.scaled(area.size(), Qt::KeepAspectRatio);
    QRect r(QPoint(area.left() + (area.width() - s.width()) / 2, area.bottom() + 1 - s.height()), s);
    switch (kind_) {
    case Svg:
        frames_[(mouthOpen ? 2 : 0) + (eyesClosed ? 1 : 0)]->render(&p, r);
        break;
    case Picture:
        if (mouthOpen) // a picture has no mouth of its own: it bobs instead
            r.translate(0, -qMax(2, r.height() / 40));
        p.drawPixmap(r, picture_);
        break;
    case BuiltIn:
        paintBuiltIn(p, r, mouthOpen, eyesClosed);
        break;
    }
}

// A round smiling face, for a character whose drawing is missing.
void AssistantFigure::paintBuiltIn(QPainter &p, const QRect &r, bool mouthOpen, bool eyesClosed) const
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 100.0, r.height() / 100.0);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x10), 3));
    p.setBrush(QColor(0xff, 0xd3, 0x4d));
    p.drawEllipse(QRectF(10, 10, 80, 80));
    p.setBrush(QColor(0xff, 0x9e, 0x9e));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(20, 52, 12, 8));
    p.drawEllipse(QRectF(68, 52, 12, 8));
    p.setPen(QPen(QColor(0x3a, 0x2a, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(0x3a, 0x2a, 0x10));
    if (eyesClosed) {
        p.drawLine(QPointF(32, 42), QPointF(42, 42));
        p.drawLine(QPointF(58, 42), QPointF(68, 42));
    } else {
        p.drawEllipse(QRectF(33, 36, 8, 11));
        p.drawEllipse(QRectF(59, 36, 8, 11));
    }
    if (mouthOpen) {
        p.setBrush(QColor(0x9c, 0x2a, 0x2a));
        p.drawEllipse(QRectF(40, 60, 20, 16));
    } else {
        p.setBrush(Qt::NoBrush);
        QPainterPath smile(QPointF(36, 64));
        smile.quadTo(QPointF(50, 76), QPointF(64, 64));
        p.drawPath(smile);
    }
    p.restore();
}
