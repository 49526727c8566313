#pragma once
#include "Impostazioni.h"

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
// What a released key does in an input mode: manual scanning (Space steps, Enter chooses), automatic
// scanning (Space chooses), keyboard (Right/Down forward, Left/Up back, Enter chooses).
inline Azione azioneTasto(ModoInput modalita, int codice)
{
    switch (modalita) {
    case ModoInput::ScansioneManuale:
        return codice == Tasto::Spazio ? Azione::Avanti : codice == Tasto::Invio ? Azione::Scegli : Azione::Nessuna;
    case ModoInput::ScansioneAutomatica: return codice == Tasto::Spazio ? Azione::Scegli : Azione::Nessuna;
    case ModoInput::Tastiera:
        if (codice == Tasto::Destra || codice == Tasto::Giu)
            return Azione::Avanti;
        if (codice == Tasto::Sinistra || codice == Tasto::Su)
            return Azione::Indietro;
        return codice == Tasto::Invio ? Azione::Scegli : Azione::Nessuna;
    case ModoInput::Mouse: break;
    }
    return Azione::Nessuna;
}
// The automatic step in milliseconds: VelocitaScansione quarter seconds, kept within 4..60.
inline int intervallo(int velocitaScansione) { return std::clamp(velocitaScansione, 4, 60) * 250; }
} // namespace Scansione
