#include "Impaginazione.h"
#include "CarattereTesto.h"

#include <QCache>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {
// The ink of one line drawn from x = 0 with its baseline at y = 0: for each column from `prima`,
// the highest and the lowest row holding ink (a column without ink has alto > basso).
struct InchiostroRiga {
    int prima = 0;
    std::vector<int> alto, basso;
    int cima = INT_MAX, fondo = INT_MIN; // over the whole line
    bool vuota() const { return cima > fondo; }
};

// Empty where ink reaches the image's edge: a loop there may be cut.
std::optional<InchiostroRiga> disegnaRiga(const QTextLine &riga, int margine)
{
    const int sopra = int(std::ceil(riga.ascent())) + margine; // the baseline's row
    QImage img(int(std::ceil(riga.naturalTextWidth())) + 2 * margine, sopra + int(std::ceil(riga.descent())) + margine,
               QImage::Format_ARGB32_Premultiplied);
    img.fill(0);
    {
        QPainter p(&img);
        p.setPen(Qt::black);
        riga.draw(&p, QPointF(margine - riga.x(), sopra - riga.ascent() - riga.y()));
    }
    InchiostroRiga r;
    r.prima = -margine;
    r.alto.assign(img.width(), INT_MAX);
    r.basso.assign(img.width(), INT_MIN);
    const int larghezza = img.width();
    int *alto = r.alto.data(), *basso = r.basso.data();
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *pixel = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        const int fila = y - sopra;
        for (int x = 0; x < larghezza; ++x) { // without branches, so that it runs on whole vectors
            alto[x] = std::min(alto[x], pixel[x] ? fila : INT_MAX);
            basso[x] = pixel[x] ? fila : basso[x];
        }
    }
    for (int x = 0; x < img.width(); ++x)
        if (r.alto[x] <= r.basso[x]) {
            r.cima = std::min(r.cima, r.alto[x]);
            r.fondo = std::max(r.fondo, r.basso[x]);
        }
    const bool alBordo = !r.vuota()
        && (r.cima == -sopra || r.fondo == img.height() - 1 - sopra || r.alto.front() <= r.basso.front()
            || r.alto.back() <= r.basso.back());
    return alBordo ? std::nullopt : std::optional(std::move(r));
}

// The painter draws letters this large (in pixels) from their outlines, smaller ones from its
// glyph cache.
constexpr double kPixelContorni = 65;

// The pixels the outlines of the line's glyphs reach into, the line drawn from x = 0 with its
// baseline at y = 0, as the painter fills them where it draws letters from their outlines. A pixel
// the outline only grazes counts too: a little more ink than drawn, never less.
InchiostroRiga contornoRiga(const QTextLine &riga, const QList<QGlyphRun> &gruppi)
{
    constexpr double margine = 0.25; // the painter's shading reaches a little past the outline
    const double base = riga.y() + riga.ascent();
    std::vector<QPolygonF> poligoni;
    QRectF estensione;
    for (const QGlyphRun &gruppo : gruppi) {
        const QRawFont carattere = gruppo.rawFont();
        const QList<quint32> indici = gruppo.glyphIndexes();
        const QList<QPointF> posizioni = gruppo.positions();
        for (qsizetype i = 0; i < indici.size(); ++i) {
            QPainterPath forma = carattere.pathForGlyph(indici[i]);
            forma.translate(posizioni[i].x() - riga.x(), posizioni[i].y() - base);
            for (QPolygonF &poligono : forma.toSubpathPolygons()) {
                estensione |= poligono.boundingRect();
                poligoni.push_back(std::move(poligono));
            }
        }
    }
    InchiostroRiga r;
    if (poligoni.empty())
        return r;
    r.prima = int(std::floor(estensione.left() - margine));
    const int colonne = int(std::floor(estensione.right() + margine)) - r.prima + 1;
    r.alto.assign(colonne, INT_MAX);
    r.basso.assign(colonne, INT_MIN);
    for (const QPolygonF &poligono : poligoni)
        for (qsizetype k = 0; k < poligono.size(); ++k) {
            const QPointF a = poligono[k], b = poligono[(k + 1) % poligono.size()];
            const double sinistra = std::min(a.x(), b.x()), destra = std::max(a.x(), b.x());
            for (int c = int(std::floor(sinistra - margine)); c <= int(std::floor(destra + margine)); ++c) {
                // The part of the edge over column c (widened by the margin).
                double y0 = a.y(), y1 = b.y();
                if (destra > sinistra) {
                    auto y = [&](double x) { return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()); };
                    const double da = std::max(sinistra, c - margine), fino = std::min(destra, c + 1 + margine);
                    y0 = y(da);
                    y1 = y(fino);
                }
                const int i = c - r.prima;
                r.alto[i] = std::min(r.alto[i], int(std::floor(std::min(y0, y1) - margine)));
                r.basso[i] = std::max(r.basso[i], int(std::ceil(std::max(y0, y1) + margine)) - 1);
            }
        }
    for (int x = 0; x < colonne; ++x)
        if (r.alto[x] <= r.basso[x]) {
            r.cima = std::min(r.cima, r.alto[x]);
            r.fondo = std::max(r.fondo, r.basso[x]);
        }
    return r;
}

// Measured once for each font and text: large letters from their outlines, smaller ones drawn.
using Inchiostro = std::shared_ptr<const InchiostroRiga>;
Inchiostro inchiostro(const QFont &font, const QString &testo, const QTextLine &riga)
{
    static QCache<QString, Inchiostro> misurate(2000);
    const QString chiave = font.key() + QChar(0) + testo;
    if (const Inchiostro *r = misurate.object(chiave))
        return *r;
    const QList<QGlyphRun> gruppi = riga.glyphRuns();
    std::optional<InchiostroRiga> r;
    if (!gruppi.isEmpty() && gruppi.front().rawFont().pixelSize() >= kPixelContorni)
        r = contornoRiga(riga, gruppi);
    int margine = 4; // the face's ink reaches about 2 pixels past its ascent, descent and advance
    while (!r && !(r = disegnaRiga(riga, margine)))
        margine *= 2;
    auto nuova = std::make_shared<const InchiostroRiga>(std::move(*r));
    misurate.insert(chiave, new Inchiostro(nuova));
    return nuova;
}

// The least distance between the baselines of `a`, starting at column `xa`, and `b` below it,
// starting at `xb`, at which no ink of `b` comes within Impaginazione::kDistacco pixels of `a`'s, in
// any direction. INT_MIN when none of their ink faces each other.
int distanzaMinima(const InchiostroRiga &a, int xa, const InchiostroRiga &b, int xb)
{
    constexpr int k = Impaginazione::kDistacco;
    int d = INT_MIN;
    for (int i = 0; i < int(a.alto.size()); ++i) {
        if (a.alto[i] > a.basso[i])
            continue;
        const int colonna = xa + a.prima + i - xb - b.prima; // in b's columns
        for (int j = std::max(0, colonna - k); j <= std::min(int(b.alto.size()) - 1, colonna + k); ++j)
            if (b.alto[j] <= b.basso[j])
                d = std::max(d, a.basso[i] - b.alto[j] + k + 1);
    }
    return d;
}
} // namespace

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
    std::vector<Inchiostro> inchiostri;
    for (const auto &layout : paragrafi_)
        for (int i = 0; i < layout->lineCount() && int(righe.size()) < righe_; ++i) {
            const QTextLine riga = layout->lineAt(i);
            righe.push_back(riga);
            inchiostri.push_back(inchiostro(font, layout->text().mid(riga.textStart(), riga.textLength()), riga));
            double rientro = 0;
            if (allineamento_ & Qt::AlignHCenter)
                rientro = (larghezza - riga.naturalTextWidth()) / 2;
            else if (allineamento_ & Qt::AlignRight)
                rientro = larghezza - riga.naturalTextWidth();
            rientri_.push_back(int(std::lround(rientro)));
        }
    if (righe_ == 0)
        return;
    // Neighbours first; lines further apart only where their ink could still meet.
    for (int salto = 1; salto < righe_; ++salto)
        for (int i = 0; i + salto < righe_; ++i) {
            const InchiostroRiga &a = *inchiostri[i], &b = *inchiostri[i + salto];
            if (a.vuota() || b.vuota() || salto * passo >= a.fondo - b.cima + kDistacco + 1)
                continue;
            const int d = distanzaMinima(a, rientri_[i], b, rientri_[i + salto]);
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
            double x = area.left();
            if (alPixel)
                x = std::round(x) + rientri_[disegnate];
            else if (allineamento_ & Qt::AlignHCenter)
                x += (area.width() - line.naturalTextWidth()) / 2;
            else if (allineamento_ & Qt::AlignRight)
                x += area.width() - line.naturalTextWidth();
            line.draw(&p, QPointF(x - line.x(), y + cime_[disegnate] - line.y()));
        }
    }
}

