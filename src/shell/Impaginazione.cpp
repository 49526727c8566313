#include "Impaginazione.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>

double Impaginazione::AltezzaRiga(const QFont &font)
{
    const QFontMetricsF fm(font);
    // The tallest and deepest letters, and a little air between the lines.
    const QRectF lettere = fm.tightBoundingRect(QStringLiteral("ÀÈÌÒÙbdfghjklpqty"));
    return std::min(fm.lineSpacing(), lettere.height() + 0.05 * fm.height());
}

Impaginazione::Impaginazione(const QFont &font, const QString &testo, double larghezza) : riga_(AltezzaRiga(font))
{
    const QFontMetricsF fm(font);
    static const QRegularExpression spazi(QStringLiteral("\\s+"));
    for (const QString &parola : testo.split(spazi, Qt::SkipEmptyParts))
        troppoLarga_ = troppoLarga_ || fm.horizontalAdvance(parola) > larghezza;
    QTextOption opzioni;
    opzioni.setWrapMode(QTextOption::WordWrap);
    for (const QString &paragrafo : testo.split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(QString(paragrafo).remove(QLatin1Char('\r')), font);
        layout->setTextOption(opzioni);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(larghezza);
            ++righe_;
        }
        layout->endLayout();
        paragrafi_.push_back(std::move(layout));
    }
    // A text that ends with a line break leaves no empty line below.
    if (testo.endsWith(QLatin1Char('\n')) && righe_ > 1)
        --righe_;
}

Impaginazione::~Impaginazione() = default;

void Impaginazione::disegna(QPainter &p, const QRectF &area, Qt::Alignment allineamento) const
{
    double y = area.top();
    if (allineamento & Qt::AlignVCenter)
        y += (area.height() - altezza()) / 2;
    else if (allineamento & Qt::AlignBottom)
        y += area.height() - altezza();
    int disegnate = 0;
    for (const auto &layout : paragrafi_) {
        for (int i = 0; i < layout->lineCount() && disegnate < righe_; ++i, ++disegnate) {
            QTextLine line = layout->lineAt(i);
            double x = area.left();
            if (allineamento & Qt::AlignHCenter)
                x += (area.width() - line.naturalTextWidth()) / 2;
            else if (allineamento & Qt::AlignRight)
                x += area.width() - line.naturalTextWidth();
            // The line's own top sits where its letters, not its declared ascent, begin.
            line.draw(&p, QPointF(x - line.x(), y - line.y()));
            y += riga_;
        }
    }
}
