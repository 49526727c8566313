#include "Impaginazione.h"
#include "CarattereTesto.h"

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

Impaginazione::Impaginazione(const QFont &font, const QString &testo, double larghezza)
{
    const QFontMetricsF fm(font);
    static const QRegularExpression spazi(QStringLiteral("\\s+"));
    for (const QString &parola : testo.split(spazi, Qt::SkipEmptyParts))
        troppoLarga_ = troppoLarga_ || fm.horizontalAdvance(parola) > larghezza;
    QTextOption opzioni;
    opzioni.setWrapMode(QTextOption::WordWrap);
    std::vector<QString> testiRighe;
    for (const QString &paragrafo : testo.split(QLatin1Char('\n'))) {
        const QString pulito = QString(paragrafo).remove(QLatin1Char('\r'));
        auto layout = std::make_unique<QTextLayout>(pulito, font);
        layout->setTextOption(opzioni);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(larghezza);
            testiRighe.push_back(pulito.mid(line.textStart(), line.textLength()).trimmed());
            ++righe_;
        }
        layout->endLayout();
        paragrafi_.push_back(std::move(layout));
    }
    // A text that ends with a line break leaves no empty line below.
    if (testo.endsWith(QLatin1Char('\n')) && righe_ > 1)
        --righe_;

    if (!CarattereTesto::Corsivo(font.family())) {
        const double riga = AltezzaRiga(font);
        for (int i = 0; i < righe_; ++i)
            cime_.push_back(i * riga);
        altezza_ = righe_ * riga;
        return;
    }
    // Each line's ink sits a small gap below the ink of the line above; an empty line keeps the
    // room of two small letters.
    const double spazio = 0.35 * fm.xHeight();
    int n = 0;
    for (const auto &layout : paragrafi_) {
        for (int i = 0; i < layout->lineCount() && n < righe_; ++i, ++n) {
            const QTextLine line = layout->lineAt(i);
            if (n > 0)
                altezza_ += spazio;
            if (testiRighe[n].isEmpty()) {
                cime_.push_back(altezza_);
                altezza_ += 2 * fm.xHeight();
                continue;
            }
            const QRectF inchiostro = fm.tightBoundingRect(testiRighe[n]);
            // The baseline lies -inchiostro.top() below the ink's top.
            cime_.push_back(altezza_ - inchiostro.top() - line.ascent());
            altezza_ += inchiostro.height();
        }
    }
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
            line.draw(&p, QPointF(x - line.x(), y + cime_[disegnate] - line.y()));
        }
    }
}
