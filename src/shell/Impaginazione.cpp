#include "Impaginazione.h"
#include "CarattereTesto.h"
#include "InchiostroRiga.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>
#include <climits>
#include <cmath>

double Impaginazione::AltezzaRiga(const QFont &font)
{
    const QFontMetricsF fm(font);
    // The tallest and deepest letters, and a little air between the lines.
    const QRectF lettere = fm.tightBoundingRect(QStringLiteral("ÀÈÌÒÙbdfghjklpqty"));
    return std::min(fm.lineSpacing(), lettere.height() + 0.05 * fm.height());
}

Impaginazione::Impaginazione(const QFont &font, const QString &testo, double larghezza, Qt::Alignment allineamento,
                             double altezzaMassima)
    : allineamento_(allineamento)
{
    const QFontMetricsF fm(font);
    static const QRegularExpression spazi(QStringLiteral("\\s+"));
    for (const QString &parola : testo.split(spazi, Qt::SkipEmptyParts))
        troppoLarga_ = troppoLarga_ || fm.horizontalAdvance(parola) > larghezza;
    QTextOption opzioni;
    opzioni.setWrapMode(QTextOption::WordWrap);
    for (const QString &paragrafo : testo.split(QLatin1Char('\n'))) {
        const QString pulito = QString(paragrafo).remove(QLatin1Char('\r'));
        auto layout = std::make_unique<QTextLayout>(pulito, font);
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

    if (CarattereTesto::Corsivo(font.family())) {
        impaginaCorsivo(font, larghezza, altezzaMassima);
        return;
    }
    const double riga = AltezzaRiga(font);
    for (int i = 0; i < righe_; ++i)
        cime_.push_back(i * riga);
    altezza_ = righe_ * riga;
}

// Cursive lines follow one even pitch in whole pixels, as on ruled paper: the least at which no
// two lines' ink comes closer than kDistacco, nor the small letters of neighbouring lines closer
// than one x-height. Each line is drawn where it was measured, to the pixel.
void Impaginazione::impaginaCorsivo(const QFont &font, double larghezza, double altezzaMassima)
{
    const double x = QFontMetricsF(font).xHeight();
    int passo = int(std::ceil(2 * x));
    if (troppoLarga_ && altezzaMassima < qInf()) // does not fit whatever its height
        return;
    if ((righe_ - 1) * passo > altezzaMassima) { // too tall even at the least pitch
        altezza_ = (righe_ - 1) * passo;
        return;
    }
    std::vector<QTextLine> righe;
    std::vector<std::shared_ptr<const InchiostroRiga>> inchiostri;
    for (const auto &layout : paragrafi_)
        for (int i = 0; i < layout->lineCount() && int(righe.size()) < righe_; ++i) {
            const QTextLine riga = layout->lineAt(i);
            righe.push_back(riga);
            inchiostri.push_back(InchiostroRiga::Di(font, layout->text().mid(riga.textStart(), riga.textLength()), riga));
            rientri_.push_back(int(std::lround(rientro(riga, larghezza))));
        }
    if (righe_ == 0)
        return;
    // Neighbours first; lines further apart only where their ink could still meet.
    for (int salto = 1; salto < righe_; ++salto)
        for (int i = 0; i + salto < righe_; ++i) {
            const InchiostroRiga &a = *inchiostri[i], &b = *inchiostri[i + salto];
            if (a.vuota() || b.vuota() || salto * passo >= a.fondo - b.cima + kDistacco + 1)
                continue;
            const int d = InchiostroRiga::DistanzaMinima(a, rientri_[i], b, rientri_[i + salto], kDistacco);
            if (d > salto * passo)
                passo = (d + salto - 1) / salto;
        }
    // The text reaches from the highest ink to the lowest.
    int cima = INT_MAX, fondo = INT_MIN;
    for (int n = 0; n < righe_; ++n)
        if (!inchiostri[n]->vuota()) {
            cima = std::min(cima, n * passo + inchiostri[n]->cima);
            fondo = std::max(fondo, n * passo + inchiostri[n]->fondo + 1);
        }
    if (cima > fondo) { // no ink at all
        cima = -int(std::ceil(x));
        fondo = (righe_ - 1) * passo;
    }
    for (int n = 0; n < righe_; ++n)
        cime_.push_back(n * passo - cima - righe[n].ascent());
    altezza_ = fondo - cima;
}

Impaginazione::~Impaginazione() = default;

double Impaginazione::rientro(const QTextLine &riga, double larghezza) const
{
    if (allineamento_ & Qt::AlignHCenter)
        return (larghezza - riga.naturalTextWidth()) / 2;
    if (allineamento_ & Qt::AlignRight)
        return larghezza - riga.naturalTextWidth();
    return 0;
}

void Impaginazione::disegna(QPainter &p, const QRectF &area) const
{
    double y = area.top();
    if (allineamento_ & Qt::AlignVCenter)
        y += (area.height() - altezza()) / 2;
    else if (allineamento_ & Qt::AlignBottom)
        y += area.height() - altezza();
    if (int(cime_.size()) < righe_) // not measured
        return;
    const bool alPixel = !rientri_.empty(); // cursive lines, where they were measured
    if (alPixel)
        y = std::round(y);
    int disegnate = 0;
    for (const auto &layout : paragrafi_) {
        for (int i = 0; i < layout->lineCount() && disegnate < righe_; ++i, ++disegnate) {
            QTextLine line = layout->lineAt(i);
            const double x =
                alPixel ? std::round(area.left()) + rientri_[disegnate] : area.left() + rientro(line, area.width());
            line.draw(&p, QPointF(x - line.x(), y + cime_[disegnate] - line.y()));
        }
    }
}
