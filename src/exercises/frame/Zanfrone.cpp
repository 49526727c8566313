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
    movie.TSetProperty(QStringLiteral("secchio"), 7, secchio ? QStringLiteral("1") : QStringLiteral("0"));
    movie.TSetProperty(QStringLiteral("cappello"), 7, cappello ? QStringLiteral("1") : QStringLiteral("0"));
}

void ColoraZanfrone(MovieView &movie, const Aspetto &aspetto)
{
    movie.BGColor(CodiceColore(0));
    for (int k = 1; k <= Parti::kColorate; ++k)
        ColoraParte(movie, k, CodiceColore(aspetto[k]));
    MostraSecchioCappello(movie, aspetto[Parti::Secchio] != 0, aspetto[Parti::ConCappello] != 0);
}

int ColoreCasuale(int diverso)
{
    int c = RndInt(Parti::kColori) + 1;
    while (c == diverso)
        c = RndInt(Parti::kColori) + 1;
    return c;
}
