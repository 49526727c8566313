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
    // Cursive lines follow an even pitch, as on ruled paper: a line's loops reach into the empty
    // room of its neighbours but never down to the small letters of the line above nor up to those
    // of the line below. The face's tallest and deepest letters set the pitch, and so do this text's
    // own lines where they reach further (an accented capital).
    if (righe_ == 0)
        return;
    const double x = fm.xHeight();
    double sopra = -fm.tightBoundingRect(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZbdfhklt")).top();
    double sotto = fm.tightBoundingRect(QStringLiteral("fgjpqyzGJZ")).bottom();
    std::vector<QRectF> inchiostri;
    for (int n = 0; n < righe_; ++n) {
        inchiostri.push_back(testiRighe[n].isEmpty() ? QRectF(0, -x, 0, x) : fm.tightBoundingRect(testiRighe[n]));
        if (n > 0)
            sopra = std::max(sopra, -inchiostri[n].top());
        if (n + 1 < righe_)
            sotto = std::max(sotto, inchiostri[n].bottom());
    }
    const double passo = std::max(sopra, sotto + x) + 0.15 * x;
    // The text reaches from the first line's ink to the last one's.
    const double primaBase = -inchiostri.front().top();
    int n = 0;
    for (const auto &layout : paragrafi_)
        for (int i = 0; i < layout->lineCount() && n < righe_; ++i, ++n)
            cime_.push_back(primaBase + n * passo - layout->lineAt(i).ascent());
    altezza_ = primaBase + (righe_ - 1) * passo + std::max(0.0, inchiostri[righe_ - 1].bottom());
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
