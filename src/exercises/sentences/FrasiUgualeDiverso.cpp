#include "FrasiUgualeDiverso.h"
#include "platform/Rnd.h"

namespace {
const char *const kPositive[8] = {nullptr, "I cappelli sono ", "I capelli sono ", "Le camicie sono ", "I gilè sono ",
                                  "I bottoni sono ", "I pantaloni sono ", "Le scarpe sono "};
const char *const kNegative[8] = {nullptr, "I cappelli non sono ", "I capelli non sono ", "Le camicie non sono ",
                                  "I gilè non sono ", "I bottoni non sono ", "I pantaloni non sono ", "Le scarpe non sono "};

bool chiedibile(const FrasiUgualeDiverso &f, int parte)
{
    if (f.Diverso[parte][1] == 1)
        return false;
    return parte != Parti::Cappello || f.aspetto[0].conCappello + f.aspetto[1].conCappello == 2;
}
} // namespace

void FrasiUgualeDiverso::ImpostaColori()
{
    for (int i = 1; i <= Parti::kColorate; ++i) {
        Diverso[i][0] = RndInt(2);
        Diverso[i][1] = 0;
        aspetto[0][i] = RndInt(Parti::kColori) + 1;
        if (!ColoreRiconoscibile(aspetto[0][i], i))
            Diverso[i][0] = 0; // every other row looks or reads the same: the parts are alike
        aspetto[1][i] = Diverso[i][0] == 1 ? ColoreCasuale(aspetto[0][i], i) : aspetto[0][i];
    }
    for (Aspetto &a : aspetto) {
        a.secchio = RndInt(2);
        a.conCappello = RndInt(2);
    }
}

int FrasiUgualeDiverso::ScegliParte()
{
    bool resta = false;
    for (int i = 1; i <= Parti::kColorate; ++i)
        resta = resta || chiedibile(*this, i);
    if (!resta) // every part asked: the pair may be asked again
        for (int i = 1; i <= Parti::kColorate; ++i)
            Diverso[i][1] = 0;
    int parte = RndInt(Parti::kColorate) + 1;
    while (!chiedibile(*this, parte))
        parte = RndInt(Parti::kColorate) + 1;
    return parte;
}

void FrasiUgualeDiverso::Componi(bool negativa)
{
    Parte = ScegliParte();
    Diverso[Parte][1] = 1;
    Frase = QString::fromUtf8(negativa ? kNegative[Parte] : kPositive[Parte]);
    Didascalia[0] = QStringLiteral("uguali");
    Didascalia[1] = Parte == Parti::Camicia || Parte == Parti::Scarpe ? QStringLiteral("diverse") : QStringLiteral("diversi");
    if (negativa)
        Diverso[Parte][0] = 1 - Diverso[Parte][0];
}

void FrasiUgualeDiverso::ScriviFrase(int livello)
{
    bool negativa = livello == 2;
    if (livello >= 3)
        negativa = RndInt(10) % 2 == 1;
    Componi(negativa);
}
