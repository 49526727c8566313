#include "Zanfrone.h"
#include "Profilo.h"
#include "platform/Rnd.h"

#include <array>
#include <numeric>

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

namespace {
bool simili(int a, int b, Accordo accordo)
{
    return CodiceColore(a).compare(CodiceColore(b), Qt::CaseInsensitive) == 0
           || ParolaColore(a, accordo).trimmed().compare(ParolaColore(b, accordo).trimmed(), Qt::CaseInsensitive) == 0;
}

// Each row's group on a part: rows 1..kColori joined by a shared colour or word, row to row (union-find).
std::array<int, Parti::kColori + 1> gruppi(Accordo accordo)
{
    std::array<int, Parti::kColori + 1> radice{};
    std::iota(radice.begin(), radice.end(), 0);
    const auto trova = [&radice](int r) {
        while (radice[r] != r)
            r = radice[r];
        return r;
    };
    for (int a = 1; a <= Parti::kColori; ++a)
        for (int b = a + 1; b <= Parti::kColori; ++b)
            if (simili(a, b, accordo))
                radice[trova(b)] = trova(a);
    for (int &r : radice)
        r = trova(r);
    return radice;
}
} // namespace

bool ColoriConfondibili(int a, int b, int parte)
{
    if (a == b)
        return true;
    const Accordo accordo = AccordoParte(parte);
    const auto dentro = [](int r) { return r >= 1 && r <= Parti::kColori; };
    if (!dentro(a) || !dentro(b))
        return simili(a, b, accordo);
    const auto g = gruppi(accordo);
    return g[a] == g[b];
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
