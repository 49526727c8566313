#include "PittoreZanfrone.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"

namespace {
const QString kNero = QStringLiteral("000000");
}

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
    MostraSecchioCappello(movie, aspetto[Parti::Secchio] != 0, aspetto[Parti::ConCappello] != 0);
}

void EvidenziaContorno(MovieView &movie, int parte, const QString &codice)
{
    for (int k = 1; k <= Parti::Secchio; ++k)
        ColoraParte(movie, k, kNero, true);
    ColoraParte(movie, parte, codice, true);
}
