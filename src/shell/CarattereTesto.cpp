#include "CarattereTesto.h"
#include "Impaginazione.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kPuntiMinimi = 6;

double altezzaX(const QString &famiglia)
{
    QFont f(famiglia);
    f.setPointSize(100);
    return QFontMetricsF(f).tightBoundingRect(QStringLiteral("x")).height();
}
} // namespace

namespace CarattereTesto {

bool Corsivo(const QString &famiglia) { return famiglia.trimmed().compare(QLatin1String("Indis1"), Qt::CaseInsensitive) == 0; }

double Scala(const QString &famiglia)
{
    if (!Corsivo(famiglia))
        return 1.0;
    // Measured once for each pair of faces the two names resolve to.
    static QHash<QString, double> misure;
    const QString chiave = QFontInfo(QFont(famiglia)).family() + QLatin1Char('|') + QFontInfo(QFont(QStringLiteral("Arial"))).family();
    auto it = misure.constFind(chiave);
    if (it != misure.constEnd())
        return *it;
    const double corsiva = altezzaX(famiglia);
    const double semplice = altezzaX(QStringLiteral("Arial"));
    const double scala = corsiva > 0 && semplice > 0 ? std::clamp(semplice / corsiva, 0.5, 3.0) : 1.0;
    misure.insert(chiave, scala);
    return scala;
}

void ImpostaPunti(QFont &font, double punti)
{
    font.setPointSizeF(punti * Scala(font.family()));
    // The cursive face has one weight: a bold made up from it loses the bowls of its letters.
    if (Corsivo(font.family()))
        font.setBold(false);
}

QFont Crea(const QString &famiglia, double punti)
{
    QFont f(famiglia);
    ImpostaPunti(f, punti);
    return f;
}

bool Entra(const QFont &font, const QString &testo, const QSize &spazio)
{
    const Impaginazione righe(font, testo, spazio.width());
    return !righe.parolaTroppoLarga() && righe.altezza() <= spazio.height();
}

QFont Adattato(const QFont &font, const QString &testo, const QSize &spazio)
{
    if (testo.isEmpty() || spazio.isEmpty() || Entra(font, testo, spazio))
        return font;
    // The largest whole size that fits, between the smallest and the one asked for.
    QFont f = font;
    int basso = kPuntiMinimi, alto = std::max(kPuntiMinimi, int(std::floor(font.pointSizeF())) - 1);
    while (basso < alto) {
        const int medio = (basso + alto + 1) / 2;
        f.setPointSize(medio);
        if (Entra(f, testo, spazio))
            basso = medio;
        else
            alto = medio - 1;
    }
    f.setPointSize(basso);
    return f;
}

QFont TestoAdattato::carattere(const QFont &font, const QString &testo, const QRectF &area)
{
    // Whole pixels inside the area, so the text never reaches past it.
    const QSize spazio(int(area.width()), int(area.height()));
    if (!misurato_ || testo != testo_ || font != base_ || spazio != spazio_) {
        misurato_ = true;
        testo_ = testo;
        base_ = font;
        spazio_ = spazio;
        adattato_ = Adattato(font, testo, spazio);
    }
    return adattato_;
}

void TestoAdattato::disegna(QPainter &p, const QFont &font, const QString &testo, const QRectF &area, Qt::Alignment allineamento)
{
    Impaginazione(carattere(font, testo, area), testo, int(area.width())).disegna(p, area, allineamento);
}

} // namespace CarattereTesto
