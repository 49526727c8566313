#include "CarattereTesto.h"
#include "Impaginazione.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kPuntiMinimi = 6;

// Every word within the width, the lines within the height.
bool entraIn(const Impaginazione &righe, const QSize &spazio)
{
    return !righe.parolaTroppoLarga() && righe.altezza() <= spazio.height();
}

double altezzaX(const QString &famiglia)
{
    QFont f(famiglia);
    f.setPointSize(100);
    return QFontMetricsF(f).tightBoundingRect(QStringLiteral("x")).height();
}
// Cursive lines are drawn to be measured, so few sizes are tried: first `suggerito` (or the size
// asked for), then each time the size at which the last one's height would just fill the space
// (the height grows about in step with the size), until a size fits and the next one up does not.
QFont adattatoCorsivo(const QFont &font, const QString &testo, const QSize &spazio, Qt::Alignment allineamento,
                      int suggerito)
{
    // The sizes to choose from: whole points from the smallest, and the size asked for.
    const double chiesta = font.pointSizeF();
    const int ultima = std::max(0, int(std::floor(chiesta)) - 1 - kPuntiMinimi + 1);
    auto punti = [&](int i) { return i == ultima ? chiesta : double(kPuntiMinimi + i); };
    auto indice = [&](double p) {
        return p >= chiesta ? ultima : std::clamp(int(std::floor(p)) - kPuntiMinimi, 0, ultima);
    };
    QFont f = font;
    int basso = 0, alto = ultima; // `basso` fits (the smallest is taken to), sizes above `alto` do not
    int i = suggerito > 0 ? indice(suggerito) : ultima;
    while (basso < alto) {
        f.setPointSizeF(punti(i));
        const Impaginazione righe(f, testo, spazio.width(), allineamento, spazio.height());
        if (entraIn(righe, spazio))
            basso = i;
        else
            alto = i - 1;
        if (basso >= alto)
            break;
        int prossimo = righe.parolaTroppoLarga() || righe.altezza() <= 0
            ? (basso + alto + 1) / 2
            : indice(punti(i) * spazio.height() / righe.altezza());
        i = std::clamp(prossimo, basso + 1, alto);
    }
    f.setPointSizeF(punti(basso));
    return f;
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

bool Entra(const QFont &font, const QString &testo, const QSize &spazio, Qt::Alignment allineamento)
{
    return entraIn(Impaginazione(font, testo, spazio.width(), allineamento, spazio.height()), spazio);
}

QFont Adattato(const QFont &font, const QString &testo, const QSize &spazio, Qt::Alignment allineamento, int suggerito)
{
    if (testo.isEmpty() || spazio.isEmpty())
        return font;
    if (Corsivo(font.family()))
        return adattatoCorsivo(font, testo, spazio, allineamento, suggerito);
    if (Entra(font, testo, spazio, allineamento))
        return font;
    // The largest whole size that fits, between the smallest and the one asked for.
    QFont f = font;
    int basso = kPuntiMinimi, alto = std::max(kPuntiMinimi, int(std::floor(font.pointSizeF())) - 1);
    while (basso < alto) {
        const int medio = (basso + alto + 1) / 2;
        f.setPointSize(medio);
        if (Entra(f, testo, spazio, allineamento))
            basso = medio;
        else
            alto = medio - 1;
    }
    f.setPointSize(basso);
    return f;
}

QFont TestoAdattato::carattere(const QFont &font, const QString &testo, const QRectF &area, Qt::Alignment allineamento)
{
    // Whole pixels inside the area, so the text never reaches past it.
    const QSize spazio(int(area.width()), int(area.height()));
    if (!misurato_ || testo != testo_ || font != base_ || spazio != spazio_ || allineamento != allineamento_) {
        // The last text's size is where the search starts: the next text is likely to take it too.
        const bool simile = misurato_ && font == base_ && spazio == spazio_ && allineamento == allineamento_;
        misurato_ = true;
        testo_ = testo;
        base_ = font;
        spazio_ = spazio;
        allineamento_ = allineamento;
        adattato_ = Adattato(font, testo, spazio, allineamento, simile ? adattato_.pointSize() : 0);
    }
    return adattato_;
}

void TestoAdattato::disegna(QPainter &p, const QFont &font, const QString &testo, const QRectF &area, Qt::Alignment allineamento)
{
    Impaginazione(carattere(font, testo, area, allineamento), testo, int(area.width()), allineamento).disegna(p, area);
}

} // namespace CarattereTesto
