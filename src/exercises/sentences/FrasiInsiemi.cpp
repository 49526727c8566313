#include "FrasiInsiemi.h"
#include "platform/Rnd.h"

namespace {
// Clause openings for parts 1..7 in the four forms: alone, "e", "o almeno", "o ha".
const char *const kColorate[4][8] = {
    {nullptr, "Ha il cappello ", "Ha i capelli ", "Ha la camicia ", "Ha il gilè ", "Ha i bottoni ", "Ha i pantaloni ",
     "Ha le scarpe "},
    {nullptr, " e il cappello ", " e i capelli ", " e la camicia ", " e il gilè ", " e i bottoni ", " e i pantaloni ",
     " e le scarpe "},
    {nullptr, " o almeno il cappello ", " o almeno i capelli ", " o almeno la camicia ", " o almeno il gilè ",
     " o almeno i bottoni ", " o almeno i pantaloni ", " o almeno le scarpe "},
    {nullptr, " o ha il cappello ", " o ha i capelli ", " o ha la camicia ", " o ha il gilè ", " o ha bottoni ",
     " o ha i pantaloni ", " o ha le scarpe "},
};
// The bucket and the hat in the four forms: [form][part 8 or 9][value 0 absent, 1 present].
const char *const kPresenze[4][2][2] = {
    {{"E' senza secchio", "Ha il secchio"}, {"E' senza cappello", "Ha il cappello"}},
    {{" ma non il secchio", " e il secchio"}, {" ma non il cappello", " e il cappello"}},
    {{" o almeno non ha il secchio", " o almeno il secchio"}, {" o almeno non ha il cappello", " o almeno il cappello"}},
    {{" o è senza il secchio, ma non tutte e due le qualità", " o ha il secchio, ma non tutte e due le qualità"},
     {" o è senza cappello, ma non tutte e due le qualità", " o ha il cappello, ma non tutte e due le qualità"}},
};
constexpr int kTutteLeParti = 9;
} // namespace

int FrasiInsiemi::valoreCasuale(int parte)
{
    return parte >= Parti::Secchio ? RndInt(2) : RndInt(Parti::kColori) + 1;
}

namespace {
bool qualcheColoreRiconoscibile()
{
    for (int parte = 1; parte <= Parti::kColorate; ++parte)
        for (int riga = 1; riga <= Parti::kColori; ++riga)
            if (ColoreRiconoscibile(riga, parte))
                return true;
    return false;
}
} // namespace

bool FrasiInsiemi::Giudicabile(int parte, int valore)
{
    return parte > Parti::kColorate || ColoreRiconoscibile(valore, parte) || !qualcheColoreRiconoscibile();
}

bool FrasiInsiemi::Vale(int parte, int valore) const
{
    if (parte >= Parti::Cappello && parte <= Parti::kColorate && ColoreRiconoscibile(valore, parte))
        return ColoriConfondibili(aspetto[parte], valore, parte);
    return aspetto[parte] == valore;
}

void FrasiInsiemi::componi(int forma, int parte, int valore)
{
    Proposizione.clear();
    if (parte >= Parti::Secchio && parte <= Parti::ConCappello) {
        Proposizione = QString::fromUtf8(kPresenze[forma - 1][parte - Parti::Secchio][valore != 0 ? 1 : 0]);
    } else if (parte >= Parti::Cappello && parte <= Parti::kColorate) {
        Proposizione = QString::fromUtf8(kColorate[forma - 1][parte]) + ParolaColore(valore, AccordoParte(parte));
        if (forma == 4)
            Proposizione += QStringLiteral(", ma non tutti e due");
    }
}

void FrasiInsiemi::ComponiFrasePositiva1() { componi(1, Parte1, Colore1); }
void FrasiInsiemi::ComponiFrasePositiva2() { componi(2, Parte2, Colore2); }
void FrasiInsiemi::ComponiFrasePositiva3() { componi(3, Parte2, Colore2); }
void FrasiInsiemi::ComponiFrasePositiva4() { componi(4, Parte2, Colore2); }

void FrasiInsiemi::ScriviFrase(int livello)
{
    switch (livello) {
    case 1: ScriviFrase1(); break;
    case 2: ScriviFrase2(); break;
    case 3: ScriviFrase3(); break;
    case 4: ScriviFrase4(); break;
    default: break;
    }
}

void FrasiInsiemi::ScriviFrase1()
{
    do {
        Parte1 = 1 + RndInt(kTutteLeParti);
        Colore1 = valoreCasuale(Parte1);
    } while (!Giudicabile(Parte1, Colore1));
    ComponiFrasePositiva1();
    Frase = Proposizione;
}

void FrasiInsiemi::secondaParte(bool valoreOgniVolta)
{
    const auto ripeti = [this] { return Parte2 == Parte1 || (Parte2 == Parti::ConCappello && Parte1 == Parti::Cappello); };
    do {
        Parte2 = 1 + RndInt(kTutteLeParti);
        if (valoreOgniVolta) {
            Colore2 = valoreCasuale(Parte2);
            while (ripeti()) {
                Parte2 = 1 + RndInt(kTutteLeParti);
                Colore2 = valoreCasuale(Parte2);
            }
        } else {
            while (ripeti())
                Parte2 = 1 + RndInt(kTutteLeParti);
            Colore2 = valoreCasuale(Parte2);
        }
    } while (!Giudicabile(Parte2, Colore2));
}

void FrasiInsiemi::primaProposizione(bool alternativa)
{
    do {
        Parte1 = 1 + RndInt(Parti::kColorate);
        Colore1 = 1 + RndInt(Parti::kColori);
    } while (!Giudicabile(Parte1, Colore1));
    ComponiFrasePositiva1();
    Frase = alternativa ? QStringLiteral("O ") + Proposizione.toLower() : Proposizione;
}

void FrasiInsiemi::ScriviFrase2()
{
    primaProposizione(false);
    secondaParte(true);
    ComponiFrasePositiva2();
    Frase += Proposizione.toLower();
}

void FrasiInsiemi::ScriviFrase3()
{
    primaProposizione(true);
    secondaParte(false);
    ComponiFrasePositiva3();
    Frase += Proposizione.toLower();
}

void FrasiInsiemi::ScriviFrase4()
{
    primaProposizione(true);
    secondaParte(true);
    ComponiFrasePositiva4();
    Frase += Proposizione.toLower();
}

// --- The clowns ---

void FrasiInsiemi::ridisegna(int parte)
{
    if (parte >= Parti::Cappello && parte <= kTutteLeParti)
        aspetto[parte] = valoreCasuale(parte);
}

void FrasiInsiemi::faiValere(int parte, int valore)
{
    if (parte < Parti::Cappello || parte > kTutteLeParti)
        return;
    aspetto[parte] = valore;
    if (parte == Parti::Cappello)
        aspetto.conCappello = 1; // a hat asked by its colour is shown
}

void FrasiInsiemi::ColoraErratoCappelloInvisibile()
{
    if (aspetto.conCappello == 0 && Parte1 == Parti::Cappello)
        aspetto.cappello = ColoreCasuale(Colore1, Parti::Cappello);
    if (aspetto.conCappello == 0 && Parte2 == Parti::Cappello) {
        // Both about the hat: a sentence of one clause keeps the last second clause. When every colour
        // unlike that one is like the first, the first is avoided, or the hat would never change.
        const auto diversoDaEntrambi = [this](int c) {
            return !ColoriConfondibili(c, Colore1, Parti::Cappello) && !ColoriConfondibili(c, Colore2, Parti::Cappello);
        };
        bool resta = Parte1 != Parti::Cappello;
        for (int c = 1; c <= Parti::kColori; ++c)
            resta = resta || diversoDaEntrambi(c);
        aspetto.cappello = ColoreCasuale(resta ? Colore2 : Colore1, Parti::Cappello);
    }
}

void FrasiInsiemi::ImpostaColori(int livello)
{
    Risposta = RndInt(100) % 2;
    for (int i = 1; i <= Parti::kColorate; ++i)
        aspetto[i] = 1 + RndInt(Parti::kColori);
    aspetto.secchio = RndInt(2);
    aspetto.conCappello = RndInt(2);

    const auto nessunaVale = [this] {
        while (Vale1() || Vale2()) {
            ridisegna(Parte1);
            ridisegna(Parte2);
            ColoraErratoCappelloInvisibile();
        }
    };
    switch (livello) {
    case 1:
        if (Risposta != 0) {
            while (Vale1()) {
                ridisegna(Parte1);
                ColoraErratoCappelloInvisibile();
            }
        } else {
            faiValere(Parte1, Colore1);
        }
        break;
    case 2:
        if (Risposta != 0) {
            while (Vale1() && Vale2()) {
                ridisegna(Parte1);
                ridisegna(Parte2);
                ColoraErratoCappelloInvisibile();
            }
        } else {
            faiValere(Parte1, Colore1);
            faiValere(Parte2, Colore2);
        }
        break;
    case 3:
        nessunaVale();
        if (Risposta == 0) {
            const int k = RndInt(150) % 3;
            if (k == 1 || k == 2)
                faiValere(Parte1, Colore1);
            if (k == 0 || k == 2)
                faiValere(Parte2, Colore2);
        }
        break;
    case 4: {
        nessunaVale();
        const int k = RndInt(100) % 2;
        if (k == 1)
            faiValere(Parte1, Colore1);
        if ((Risposta == 0 && k == 0) || (Risposta != 0 && k == 1))
            faiValere(Parte2, Colore2);
        break;
    }
    default: break;
    }
}
