#include "Zanfrone.h"
#include "Profilo.h"
#include "platform/Rnd.h"

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

bool ColoriConfondibili(int a, int b, int parte)
{
    if (a == b)
        return true;
    if (CodiceColore(a).compare(CodiceColore(b), Qt::CaseInsensitive) == 0)
        return true;
    const Accordo accordo = AccordoParte(parte);
    return ParolaColore(a, accordo).trimmed().compare(ParolaColore(b, accordo).trimmed(), Qt::CaseInsensitive) == 0;
}

bool ColoreRiconoscibile(int riga, int parte)
{
    for (int c = 1; c <= Parti::kColori; ++c)
        if (!ColoriConfondibili(c, riga, parte))
            return true;
    return false;
}

int ColoreCasuale(int diverso, int parte)
{
    const bool distinto = diverso >= 1 && diverso <= Parti::kColori && parte >= 1 && parte <= Parti::kColorate
                          && ColoreRiconoscibile(diverso, parte);
    const auto scarta = [&](int c) { return distinto ? ColoriConfondibili(c, diverso, parte) : c == diverso; };
    int c = RndInt(Parti::kColori) + 1;
    while (scarta(c))
        c = RndInt(Parti::kColori) + 1;
    return c;
}
