#include "AssistantBalloon.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
constexpr int Padding = 10;
constexpr int Tail = 16;       // how far the tail reaches out of the body
constexpr int Gap = 2;         // between the tail's tip and the figure
constexpr int SmallLines = 2;  // lines of a small balloon
constexpr int SmallChars = 26; // letters on one line of a small balloon, roughly
} // namespace

AssistantBalloon::AssistantBalloon(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Fumetto"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void AssistantBalloon::setText(const QString &text, const QFont &font, bool wholeText)
{
    text_ = text;
    font_ = font;
    wholeText_ = wholeText;
    page_ = 0;
    pages_ = {text};
}

void AssistantBalloon::setProgress(double progress)
{
    const int page = std::clamp(int(progress * pages_.size()), 0, int(pages_.size()) - 1);
    if (page != page_) {
        page_ = page;
        update();
    }
}

QString AssistantBalloon::shownText() const { return pages_.value(page_); }

void AssistantBalloon::layoutPages(int textWidth)
{
    const QFontMetrics fm(font_);
    QStringList lines;
    QString line;
    const QStringList words = text_.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &w : words) {
        const QString candidate = line.isEmpty() ? w : line + QLatin1Char(' ') + w;
        if (!line.isEmpty() && fm.horizontalAdvance(candidate) > textWidth) {
            lines << line;
            line = w;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    pages_.clear();
    for (int i = 0; i < lines.size(); i += SmallLines)
        pages_ << lines.mid(i, SmallLines).join(QLatin1Char('\n'));
    page_ = 0;
}

QSize AssistantBalloon::bodySize(int screenWidth)
{
    const QFontMetrics fm(font_);
    const int maxWidth = std::clamp(screenWidth * 2 / 5, 160, 520);
    if (wholeText_) {
        pages_ = {text_};
        const QRect r = fm.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap, text_);
        return QSize(std::max(r.width(), 40), r.height()) + QSize(2 * Padding, 2 * Padding);
    }
    const int width = std::min(fm.averageCharWidth() * SmallChars, maxWidth);
    layoutPages(width);
    return QSize(width, fm.lineSpacing() * SmallLines) + QSize(2 * Padding, 2 * Padding);
}

void AssistantBalloon::place(const QRect &figure, const QRect &whole)
{
    const QRect screen = whole.adjusted(3, 3, -3, -3); // room for the outline
    const QSize b = bodySize(screen.width());
    // The tail points at the figure's head.
    const QPoint head(figure.center().x(), figure.top() + figure.height() / 4);
    const int bodyTop = std::clamp(head.y() - b.height() * 2 / 3, screen.top(), std::max(screen.top(), screen.bottom() - b.height()));
    QRect body;
    QPoint tip;
    if (figure.right() + Gap + Tail + b.width() <= screen.right()) {
        tip = QPoint(figure.right() - figure.width() / 5 + Gap, head.y());
        body = QRect(QPoint(std::max(tip.x(), figure.right()) + Tail, bodyTop), b);
    } else if (figure.left() - Gap - Tail - b.width() >= screen.left()) {
        tip = QPoint(figure.left() + figure.width() / 5 - Gap, head.y());
        body = QRect(QPoint(std::min(tip.x(), figure.left()) - Tail - b.width(), bodyTop), b);
    } else { // above, or below when there is no room above
        tip = QPoint(figure.center().x(), figure.top() - Gap);
        int top = tip.y() - Tail - b.height();
        if (top < screen.top()) {
            tip = QPoint(figure.center().x(), figure.bottom() + Gap);
            top = tip.y() + Tail;
        }
        const int left = std::clamp(figure.center().x() - b.width() / 2, screen.left(), std::max(screen.left(), screen.right() - b.width()));
        body = QRect(QPoint(left, top), b);
    }
    // The tail leaves the body at its nearest edge, within the rounded corners.
    QPoint from(std::clamp(tip.x(), body.left() + 14, body.right() - 14), std::clamp(tip.y(), body.top() + 14, body.bottom() - 14));
    if (tip.x() < body.left())
        from.setX(body.left());
    else if (tip.x() > body.right())
        from.setX(body.right());
    else
        from.setY(tip.y() < body.top() ? body.top() : body.bottom());
    const QRect all = body.united(QRect(tip, QSize(1, 1))).adjusted(-2, -2, 2, 2);
    body_ = body.translated(-all.topLeft());
    tip_ = tip - all.topLeft();
    tipFrom_ = from - all.topLeft();
    setGeometry(all);
    update();
}

void AssistantBalloon::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(body_), 12, 12);
    // The tail: a triangle from the body's edge to the tip.
    const QPointF along = (tipFrom_.x() == body_.left() || tipFrom_.x() == body_.right()) ? QPointF(0, 8) : QPointF(8, 0);
    QPainterPath tail;
    tail.moveTo(QPointF(tipFrom_) - along);
    tail.lineTo(QPointF(tip_));
    tail.lineTo(QPointF(tipFrom_) + along);
    tail.closeSubpath();
    shape = shape.united(tail);
    p.setPen(QPen(QColor(0x40, 0x40, 0x50), 2));
    p.setBrush(QColor(0xff, 0xff, 0xf4));
    p.drawPath(shape);
    p.setPen(Qt::black);
    p.setFont(font_);
    const QRect textArea = body_.adjusted(Padding, Padding, -Padding, -Padding);
    p.drawText(textArea, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shownText());
}
