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
// The automatic step in milliseconds: VelocitaScansione quarter seconds, kept within 4..60.
inline int intervallo(int velocitaScansione) { return std::clamp(velocitaScansione, 4, 60) * 250; }
} // namespace Scansione
