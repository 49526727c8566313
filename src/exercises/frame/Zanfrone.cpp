#include "Zanfrone.h"
#include "platform/MovieView.h"
#include "platform/Rnd.h"
#include "shell/Profilo.h"

Accordo AccordoParte(int parte)
{
    switch (parte) {
    case Parti::Capelli:
    case Parti::Bottoni:
    case Parti::Pantaloni: return Accordo::MaschilePlurale;
    case Parti::Camicia: return Accordo::FemminileSingolare;
    case Parti::Scarpe: return Accordo::FemminilePlurale;
    default: return Accordo::MaschileSingolare;
    }
}

QString ParolaColore(int riga, Accordo accordo)
{
    if (riga < 0 || riga > Parti::kColori)
        return {};
    return Profilo.Colori[riga][static_cast<int>(accordo)];
}

QString CodiceColore(int riga)
{
    if (riga < 0 || riga > Parti::kColori)
        return QStringLiteral("000000");
    return Profilo.Colori[riga][0];
}

void ColoraZanfrone(MovieView &movie, const Aspetto &aspetto)
{
    static const struct { const char *oggetto; int parte; } kOggetti[] = {
        {"cappello.interno", 1}, {"ciuffo.interno", 2}, {"capelli.interno", 2}, {"camicia.interno", 3},
        {"gile.interno", 4},     {"bottoni.interno", 5}, {"pantaloni.interno", 6}, {"scarpe.interno", 7},
    };
    movie.BGColor(CodiceColore(0));
    for (const auto &o : kOggetti) {
        movie.SetVariable(QStringLiteral("QualeOggetto"), QString::fromLatin1(o.oggetto));
        movie.SetVariable(QStringLiteral("TestoColore.QualeColore"), CodiceColore(aspetto[o.parte]));
    }
    movie.TSetProperty(QStringLiteral("secchio"), 7, aspetto[Parti::Secchio] ? QStringLiteral("1") : QStringLiteral("0"));
    movie.TSetProperty(QStringLiteral("cappello"), 7, aspetto[Parti::ConCappello] ? QStringLiteral("1") : QStringLiteral("0"));
}

int ColoreCasuale(int diverso)
{
    int c = RndInt(Parti::kColori) + 1;
    while (c == diverso)
        c = RndInt(Parti::kColori) + 1;
    return c;
}
