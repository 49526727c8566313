#include "PittoreZanfrone.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"
#include "platform/VbColor.h"

namespace {
const QString kNero = QStringLiteral("000000");

// A highlight in black would look like every plain outline; all but black keeps it apart, and
// the movie draws a light core line inside it.
QString ColoreEvidenza(const QString &codice)
{
    return codice.compare(kNero, Qt::CaseInsensitive) == 0 ? QStringLiteral("010101") : codice;
}
} // namespace

void CaricaZanfrone(MovieView &movie, int numero)
{
    movie.Movie(App::Path() + QStringLiteral("\\swf\\zanfrone%1.swf").arg(numero));
}

void ColoraSfondo(MovieView &movie) { movie.BGColor(CodiceColore(0)); }

void ColoraParte(MovieView &movie, int parte, const QString &codice, bool contorno)
{
    static const char *const kNomi[] = {nullptr, "cappello", "capelli", "camicia", "gile",
                                        "bottoni", "pantaloni", "scarpe", "secchio"};
    if (parte < 1 || parte > Parti::Secchio)
        return;
    const QString strato = contorno ? QStringLiteral(".contorno") : QStringLiteral(".interno");
    auto colora = [&](const char *nome) {
        movie.SetVariable(QStringLiteral("QualeOggetto"), QString::fromLatin1(nome) + strato);
        movie.SetVariable(QStringLiteral("TestoColore.QualeColore"), codice);
    };
    if (parte == Parti::Capelli)
        colora("ciuffo");
    colora(kNomi[parte]);
}

void MostraSecchioCappello(MovieView &movie, bool secchio, bool cappello)
{
    constexpr int kVisibile = 7; // the movie property that shows (1) or hides (0) an element
    movie.TSetProperty(QStringLiteral("secchio"), kVisibile, secchio ? QStringLiteral("1") : QStringLiteral("0"));
    movie.TSetProperty(QStringLiteral("cappello"), kVisibile, cappello ? QStringLiteral("1") : QStringLiteral("0"));
}

void ColoraParti(MovieView &movie, const Aspetto &aspetto)
{
    ColoraSfondo(movie);
    for (int k = 1; k <= Parti::kColorate; ++k)
        ColoraParte(movie, k, CodiceColore(aspetto[k]));
}

void ColoraZanfrone(MovieView &movie, const Aspetto &aspetto)
{
    ColoraParti(movie, aspetto);
    MostraSecchioCappello(movie, aspetto.secchio != 0, aspetto.conCappello != 0);
}

void EvidenziaContorno(MovieView &movie, int parte, const QString &codice)
{
    for (int k = 1; k <= Parti::Secchio; ++k)
        SpegniContorno(movie, k);
    EvidenziaParte(movie, parte, codice);
}

QString TrovaColoreScansione(double colorePulsanteSelezionato)
{
    return VbColor::toHex6(VbColor::toQColor(colorePulsanteSelezionato));
}

void SpegniContorno(MovieView &movie, int parte) { ColoraParte(movie, parte, kNero, true); }

void EvidenziaParte(MovieView &movie, int parte, const QString &codice)
{
    ColoraParte(movie, parte, ColoreEvidenza(codice), true);
}
