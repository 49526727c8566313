#include "InchiostroRiga.h"

#include <QCache>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
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
    r.misuraEstremi();
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
    r.misuraEstremi();
    return r;
}

} // namespace

// Large letters from their outlines, smaller ones drawn.
std::shared_ptr<const InchiostroRiga> InchiostroRiga::Di(const QFont &font, const QString &testo, const QTextLine &riga)
{
    using Inchiostro = std::shared_ptr<const InchiostroRiga>;
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

void InchiostroRiga::misuraEstremi()
{
    for (size_t x = 0; x < alto.size(); ++x)
        if (alto[x] <= basso[x]) {
            cima = std::min(cima, alto[x]);
            fondo = std::max(fondo, basso[x]);
        }
}

int InchiostroRiga::DistanzaMinima(const InchiostroRiga &a, int xa, const InchiostroRiga &b, int xb, int distacco)
{
    int d = INT_MIN;
    for (int i = 0; i < int(a.alto.size()); ++i) {
        if (a.alto[i] > a.basso[i])
            continue;
        const int colonna = xa + a.prima + i - xb - b.prima; // in b's columns
        for (int j = std::max(0, colonna - distacco); j <= std::min(int(b.alto.size()) - 1, colonna + distacco); ++j)
            if (b.alto[j] <= b.basso[j])
                d = std::max(d, a.basso[i] - b.alto[j] + distacco + 1);
    }
    return d;
}
