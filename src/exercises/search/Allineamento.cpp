#include "Allineamento.h"
#include "platform/Rnd.h"
#include "shell/Scansione.h"

#include <algorithm>

namespace {
struct Griglia {
    int numero, colonne;
    int lefts[4], tops[3];
    int width, height;
};
// Levels 1..5: clowns, columns, the columns' lefts and the rows' tops, the size of each place.
constexpr Griglia kGriglie[Allineamento::kLivelli] = {
    {2, 2, {120, 2640}, {480}, 2295, 3495},
    {4, 2, {120, 2520}, {120, 2760}, 2055, 2535},
    {6, 3, {120, 1800, 3480}, {120, 2760}, 1575, 2175},
    {9, 3, {240, 1920, 3480}, {120, 1920, 3720}, 1335, 1695},
    {12, 4, {120, 1440, 2760, 4080}, {120, 1920, 3720}, 1215, 1575},
};

const Griglia &griglia(int livello) { return kGriglie[std::clamp(livello, 1, Allineamento::kLivelli) - 1]; }
} // namespace

int Allineamento::NumeroZanfroni(int livello) { return griglia(livello).numero; }
int Allineamento::Colonne(int livello) { return griglia(livello).colonne; }

QRect Allineamento::Posto(int livello, int i)
{
    const Griglia &g = griglia(livello);
    i = std::clamp(i, 0, g.numero - 1);
    return {g.lefts[i % g.colonne], g.tops[i / g.colonne], g.width, g.height};
}

int Allineamento::Avanti(int posizione, int numero, const Mostrato &mostrato)
{
    return Scansione::avanti(posizione, numero, mostrato);
}

int Allineamento::Indietro(int posizione, int numero, const Mostrato &mostrato)
{
    return Scansione::indietro(posizione, numero, mostrato);
}

int Allineamento::Verticale(int posizione, int direzione, int livello, const Mostrato &mostrato)
{
    const int numero = NumeroZanfroni(livello);
    const int passo = Colonne(livello) * (direzione < 0 ? -1 : 1);
    if (numero <= Colonne(livello))
        return posizione;
    int p = posizione;
    for (int volte = 0; volte < numero; ++volte) {
        p += passo;
        if (p >= numero)
            p -= numero;
        else if (p < 0)
            p += numero;
        if (p == posizione)
            break; // round the whole column
        if (mostrato(p))
            return p;
    }
    return mostrato(posizione) ? posizione : Avanti(posizione, numero, mostrato);
}

bool Allineamento::Somiglia(const Aspetto &zanfrone, const Aspetto &bersaglio)
{
    if (zanfrone.secchio != bersaglio.secchio || zanfrone.conCappello != bersaglio.conCappello)
        return false;
    const int prima = bersaglio.conCappello != 0 ? Parti::Cappello : Parti::Capelli;
    for (int parte = prima; parte <= Parti::kColorate; ++parte)
        if (!ColoriConfondibili(zanfrone[parte], bersaglio[parte], parte))
            return false;
    return true;
}

namespace {
void disegna(Aspetto &a)
{
    a = Aspetto{};
    for (int parte = 1; parte <= Parti::kColorate; ++parte)
        a[parte] = RndInt(Parti::kColori) + 1;
    a.secchio = RndInt(2);
    a.conCappello = RndInt(2);
}
} // namespace

void Allineamento::ImpostaColori(int numero)
{
    Numero = std::clamp(numero, 1, kMassimo);
    ZanfroneGiusto = RndInt(Numero);
    for (int i = 0; i < Numero; ++i)
        disegna(Aspetti[i]);
    Caratteristiche = Aspetti[ZanfroneGiusto];
    // Only the target may fit the sentences. A redraw differs at least in the bucket half the time.
    for (int i = 0; i < Numero; ++i)
        while (i != ZanfroneGiusto && Somiglia(Aspetti[i], Caratteristiche))
            disegna(Aspetti[i]);
}
