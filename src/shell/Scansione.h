#pragma once
#include <algorithm>
#include <functional>

// Stepping the scanning highlight over a row of items, wrapping at both ends.
namespace Scansione {
// The next index after `indice` among `conta` items whose `abilitato` is true (itself if none).
inline int avanti(int indice, int conta, const std::function<bool(int)> &abilitato = {})
{
    for (int passo = 1; passo <= conta; ++passo) {
        const int i = (indice + passo) % conta;
        if (!abilitato || abilitato(i))
            return i;
    }
    return indice;
}
inline int indietro(int indice, int conta, const std::function<bool(int)> &abilitato = {})
{
    for (int passo = 1; passo <= conta; ++passo) {
        const int i = ((indice - passo) % conta + conta) % conta;
        if (!abilitato || abilitato(i))
            return i;
    }
    return indice;
}
enum class Azione { Nessuna, Avanti, Indietro, Scegli };
// What a released key does in an input mode: 1 manual scanning (Space steps, Enter chooses),
// 2 automatic scanning (Space chooses), 3 keyboard (Right/Down forward, Left/Up back, Enter chooses).
inline Azione azioneTasto(int modalita, int codice)
{
    constexpr int invio = 13, spazio = 32, sinistra = 37, su = 38, destra = 39, giu = 40;
    switch (modalita) {
    case 1: return codice == spazio ? Azione::Avanti : codice == invio ? Azione::Scegli : Azione::Nessuna;
    case 2: return codice == spazio ? Azione::Scegli : Azione::Nessuna;
    case 3:
        if (codice == destra || codice == giu)
            return Azione::Avanti;
        if (codice == sinistra || codice == su)
            return Azione::Indietro;
        return codice == invio ? Azione::Scegli : Azione::Nessuna;
    default: return Azione::Nessuna;
    }
}
// The automatic step in milliseconds: VelocitaScansione quarter seconds, kept within 4..60.
inline int intervallo(int velocitaScansione) { return std::clamp(velocitaScansione, 4, 60) * 250; }
} // namespace Scansione
