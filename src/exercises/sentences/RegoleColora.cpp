#include "RegoleColora.h"
#include "platform/Rnd.h"

#include <QStringList>

namespace {
const char *const kPositive[8] = {nullptr, "Il cappello è ", "I capelli sono ", "La camicia è ", "Il gilè è ",
                                  "I bottoni sono ", "I pantaloni sono ", "Le scarpe sono "};
const char *const kNegative[8] = {nullptr, "Il cappello non è ", "I capelli non sono ", "La camicia non è ",
                                  "Il gilè non è ", "I bottoni non sono ", "I pantaloni non sono ", "Le scarpe non sono "};
} // namespace

void RegoleColora::NuovoEsercizio()
{
    PartiEsatte = 0;
    ColoreCorrente = 0;
    for (int &c : ColoreDato)
        c = 0;
    ColoreRichiesto[Parti::Secchio] = RndInt(2);
    ColoreRichiesto[Parti::ConCappello] = 1;
}

QString RegoleColora::ComponiFrasePositiva(int parte, int riga)
{
    return QString::fromUtf8(kPositive[parte]) + ParolaColore(riga, AccordoParte(parte));
}

QString RegoleColora::ComponiFraseNegativa(int parte, int riga)
{
    return QString::fromUtf8(kNegative[parte]) + ParolaColore(riga, AccordoParte(parte));
}

void RegoleColora::ScriviFrase(int livello, bool maiuscolo)
{
    for (int k = 1; k <= kParti; ++k) {
        bool negativa = livello == 2 || livello == 5;
        if (livello == 3 || livello == 6)
            negativa = RndInt(2) != 0;
        const int riga = RndInt(Parti::kColori) + 1;
        ColoreRichiesto[k] = riga;
        ParteCorrente = k;
        ColoriAmmessi[k][0] = true;
        // Judged as the child sees and reads: a colour that looks or reads like the named one is it.
        // When every row does, a negative sentence still refuses the named row itself.
        const bool riconoscibile = ColoreRiconoscibile(riga, k);
        for (int c = 1; c <= Parti::kColori; ++c) {
            const bool come = ColoriConfondibili(c, riga, k);
            ColoriAmmessi[k][c] = !negativa ? come : riconoscibile ? !come : c != riga;
        }
        const QString frase = (negativa ? ComponiFraseNegativa(k, riga) : ComponiFrasePositiva(k, riga)) + QLatin1Char('.');
        Frasi[k] = maiuscolo ? frase.toUpper() : frase;
        Fatta[k] = false;
    }
}

int RegoleColora::PescaParte()
{
    bool resta = false;
    for (int k = 1; k <= kParti; ++k)
        resta = resta || !Fatta[k];
    if (!resta)
        return ParteCorrente; // every part presented: nothing left to draw
    int k = RndInt(kParti) + 1;
    while (Fatta[k])
        k = RndInt(kParti) + 1;
    Fatta[k] = true;
    ParteCorrente = k;
    return k;
}

void RegoleColora::AzzeraFatte()
{
    for (bool &f : Fatta)
        f = false;
}

QString RegoleColora::TutteLeFrasi() const
{
    QStringList righe;
    for (int k = 1; k <= kParti; ++k)
        righe << Frasi[k];
    return righe.join(QLatin1Char('\n'));
}

QString RegoleColora::FrasiInOrdineCasuale()
{
    QStringList righe;
    for (int n = 0; n < kParti; ++n)
        righe << Frasi[PescaParte()];
    return righe.join(QLatin1Char('\n'));
}

int RegoleColora::PassoColore()
{
    ColoreCorrente = ColoreCorrente % Parti::kColori + 1;
    return ColoreCorrente;
}

bool RegoleColora::Colora(int parte, int colore)
{
    if (!Aperta(parte) || colore < 1 || colore > Parti::kColori)
        return false;
    ColoreDato[parte] = colore;
    return true;
}

RegoleColora::Esito RegoleColora::GiudicaParte(int parte)
{
    if (!Aperta(parte) || ColoreDato[parte] == 0)
        return Esito::Niente;
    if (!ColoriAmmessi[parte][ColoreDato[parte]])
        return Esito::Sbagliata;
    ColoriAmmessi[parte][0] = false;
    ++PartiEsatte;
    return Esito::Giusta;
}

RegoleColora::Controllo RegoleColora::ControllaTutto()
{
    Controllo esito;
    PartiEsatte = 0;
    for (int k = 1; k <= kParti; ++k) {
        const int dato = ColoreDato[k];
        if (dato == 0) {
            PartiEsatte = 0;
            esito.interrotto = true;
            return esito;
        }
        if (ColoriAmmessi[k][dato]) {
            ColoriAmmessi[k][0] = false; // parts judged right stay closed and count at every check
            ++PartiEsatte;
        } else {
            ++esito.sbagliate;
        }
    }
    esito.completo = PartiEsatte == kParti;
    if (!esito.completo)
        PartiEsatte = 0;
    return esito;
}
