#include "StampaGriglia.h"
#include "UscitaStampa.h"

#include <algorithm>

namespace {
constexpr double kSpazio = 120; // between columns
constexpr double kMargine = 60; // inside the ruled cells

// Column widths, narrowed in proportion when the table would run off the sheet's right side.
QList<double> larghezzeStampate(const UscitaStampa &uscita, const PaginaRegistro &pagina, double sinistra)
{
    QList<double> l = pagina.larghezze;
    double somma = 0;
    for (double w : l)
        somma += w;
    const double fisso = sinistra + kMargine + kSpazio * l.size();
    const double disponibile = uscita.larghezza() - fisso - 1;
    if (somma > 0 && fisso + somma > uscita.larghezza() && disponibile > 0)
        for (double &w : l)
            w *= disponibile / somma;
    return l;
}

void stampaRiga(UscitaStampa &uscita, const QStringList &riga, const QList<double> &larghezze, double sinistra)
{
    uscita.PosizioneY += kMargine;
    double x = sinistra + kMargine;
    for (int c = 0; c < larghezze.size(); ++c) {
        uscita.PosizioneX = x;
        uscita.Scrivi(AdattaTesto(uscita, c < riga.size() ? riga[c] : QString(), larghezze[c]), false);
        x += larghezze[c] + kSpazio;
    }
    uscita.PosizioneY += kMargine;
    uscita.Scrivi();
}

void chiudiTabella(UscitaStampa &uscita, const QList<double> &larghezze, double sinistra, double destra,
                   double alto, double basso)
{
    uscita.Rettangolo(sinistra, alto, destra, basso);
    double x = sinistra;
    for (int c = 0; c + 1 < larghezze.size(); ++c) {
        x += larghezze[c] + kSpazio;
        uscita.Linea(x, alto, x, basso);
    }
}

void stampaTitolo(UscitaStampa &uscita, const QString &testo)
{
    uscita.Scrivi(QStringLiteral("    ") + testo);
    uscita.Scrivi();
}
} // namespace

QString AdattaTesto(const UscitaStampa &uscita, QString testo, double larghezza)
{
    // The longest beginning that fits, by doubling and then halving its length: a few measurements
    // of beginnings at most twice as long as what fits, however long the cell.
    const auto entra = [&](qsizetype n) { return uscita.LarghezzaTesto(testo.left(n)) <= larghezza; };
    qsizetype dentro = 0; // fits (nothing always does)
    qsizetype fuori = -1; // does not fit
    for (qsizetype n = 1; fuori < 0; n *= 2) {
        const qsizetype m = std::min(n, testo.size());
        if (!entra(m))
            fuori = m;
        else if (m == testo.size())
            return testo;
        else
            dentro = m;
    }
    while (fuori - dentro > 1) {
        const qsizetype m = dentro + (fuori - dentro) / 2;
        (entra(m) ? dentro : fuori) = m;
    }
    if (dentro > 0 && testo[dentro - 1].isHighSurrogate())
        --dentro; // never half a character
    testo.truncate(dentro);
    return testo;
}

QRectF StampaGriglia(UscitaStampa &uscita, const PaginaRegistro &pagina, double sinistra, double alto)
{
    uscita.Scrivi(pagina.utente);
    QFont titolo(QStringLiteral("Arial"));
    titolo.setPointSize(16);
    uscita.setFont(titolo);
    stampaTitolo(uscita, pagina.nome);
    titolo.setPointSize(14);
    uscita.setFont(titolo);
    stampaTitolo(uscita, pagina.data);
    stampaTitolo(uscita, QString());
    uscita.setFont(pagina.fontGriglia);

    const QList<double> larghezze = larghezzeStampate(uscita, pagina, sinistra);
    double destra = sinistra + kMargine;
    for (double w : larghezze)
        destra += w + kSpazio;

    // The table starts below the heading lines, not over them.
    uscita.PosizioneY += alto;
    const double altezzaRiga = 2 * kMargine + uscita.AltezzaTesto();
    QRectF primaPagina;
    double inizio = uscita.PosizioneY;
    for (qsizetype r = 0; r < pagina.celle.size(); ++r) {
        if (r > 0 && uscita.PosizioneY + altezzaRiga > uscita.altezza()) {
            chiudiTabella(uscita, larghezze, sinistra, destra, inizio, uscita.PosizioneY);
            if (primaPagina.isNull())
                primaPagina = QRectF(QPointF(sinistra, inizio), QPointF(destra, uscita.PosizioneY));
            if (!uscita.NuovaPagina())
                return primaPagina;
            uscita.PosizioneY = inizio = alto;
            stampaRiga(uscita, pagina.celle.first(), larghezze, sinistra);
        }
        if (r > 0)
            uscita.Linea(sinistra, uscita.PosizioneY, destra, uscita.PosizioneY);
        stampaRiga(uscita, pagina.celle[r], larghezze, sinistra);
    }
    const double basso = uscita.PosizioneY;
    chiudiTabella(uscita, larghezze, sinistra, destra, inizio, basso);
    if (primaPagina.isNull())
        primaPagina = QRectF(QPointF(sinistra, inizio), QPointF(destra, basso));

    QFont nota = uscita.font();
    nota.setPointSize(12);
    uscita.setFont(nota);
    if (uscita.PosizioneY + 2 * uscita.AltezzaTesto() > uscita.altezza())
        uscita.NuovaPagina();
    stampaTitolo(uscita, pagina.nota);
    stampaTitolo(uscita, QString());
    return primaPagina;
}
