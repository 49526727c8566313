#include "FrasiVeroFalso.h"
#include "platform/Rnd.h"

namespace {
const char *const kPositive[8] = {nullptr, "Il cappello è ", "I capelli sono ", "La camicia è ", "Il gilè è ",
                                  "I bottoni sono ", "I pantaloni sono ", "Le scarpe sono "};
const char *const kNegative[8] = {nullptr, "Il cappello non è ", "I capelli non sono ", "La camicia non è ",
                                  "Il gilè non è ", "I bottoni non sono ", "I pantaloni non sono ", "Le scarpe non sono "};

// Whole clauses of the bucket (8) and the hat (9): [present][negative form].
QString presenza(int parte, bool presente, bool negativa)
{
    const QString cosa = parte == Parti::Secchio ? QStringLiteral("secchio") : QStringLiteral("cappello");
    if (negativa)
        return presente ? QStringLiteral("Il zanfrone non è senza ") + cosa : QStringLiteral("Il zanfrone non ha il ") + cosa;
    return presente ? QStringLiteral("Il zanfrone ha il ") + cosa : QStringLiteral("Il zanfrone è senza ") + cosa;
}

QString colorata(const char *stem, int parte, int riga)
{
    return QString::fromUtf8(stem) + ParolaColore(riga, AccordoParte(parte));
}
} // namespace

void FrasiVeroFalso::ImpostaColori()
{
    for (int k = 1; k <= Parti::kColorate; ++k)
        aspetto[k] = RndInt(Parti::kColori) + 1;
    aspetto.secchio = RndInt(2);
    aspetto.conCappello = RndInt(2);
}

QString FrasiVeroFalso::ComponiFrasePositiva(int parte, int risposta) const
{
    if (parte >= Parti::Secchio)
        return presenza(parte, (aspetto[parte] != 0) == (risposta == 0), false);
    const int riga = risposta == 0 ? aspetto[parte] : ColoreCasuale(aspetto[parte], parte);
    return colorata(kPositive[parte], parte, riga);
}

QString FrasiVeroFalso::ComponiFraseNegativa(int parte, int risposta) const
{
    if (parte >= Parti::Secchio)
        return presenza(parte, (aspetto[parte] != 0) == (risposta == 0), true);
    const int riga = risposta == 0 ? ColoreCasuale(aspetto[parte], parte) : aspetto[parte];
    return colorata(kNegative[parte], parte, riga);
}

int FrasiVeroFalso::ScegliParte() const
{
    // A colour that no other row can be told from cannot make a false clause: that part is left out.
    const auto escluso = [this](int parte) {
        if (parte == Parti::Cappello && aspetto.conCappello == 0)
            return true;
        return parte <= Parti::kColorate && !ColoreRiconoscibile(aspetto[parte], parte);
    };
    int parte = RndInt(9) + 1;
    while (escluso(parte))
        parte = RndInt(9) + 1;
    return parte;
}

// The form of a clause by level: positive at 1 and 4, negative at 2 and 5, a coin at 3 and 6.
QString FrasiVeroFalso::proposizione(int livello, int parte, int risposta) const
{
    bool negativa = livello == 2 || livello == 5;
    if (livello == 3 || livello == 6)
        negativa = RndInt(2) == 1;
    return negativa ? ComponiFraseNegativa(parte, risposta) : ComponiFrasePositiva(parte, risposta);
}

void FrasiVeroFalso::unaProposizione(int livello)
{
    Risposta = RndInt(2);
    const int parte = ScegliParte();
    Frase = proposizione(livello, parte, Risposta);
}

void FrasiVeroFalso::dueProposizioni(int livello)
{
    const int vera = RndInt(2);
    const int parte1 = ScegliParte();
    int parte2 = ScegliParte();
    while (parte2 == parte1)
        parte2 = ScegliParte();
    int risposta1 = 0, risposta2 = 0;
    if (vera == 1) {
        do { // at least one clause is false
            risposta1 = RndInt(2);
            risposta2 = RndInt(2);
        } while (risposta1 == 0 && risposta2 == 0);
    }
    Frase = proposizione(livello, parte1, risposta1);
    Frase += QStringLiteral(" e ") + proposizione(livello, parte2, risposta2).toLower();
    Risposta = vera;
}

void FrasiVeroFalso::ScriviFrase(int livello)
{
    if (livello <= 3)
        unaProposizione(livello);
    else
        dueProposizioni(livello);
}
