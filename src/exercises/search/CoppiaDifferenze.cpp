#include "CoppiaDifferenze.h"
#include "platform/Rnd.h"

#include <algorithm>

void CoppiaDifferenze::ImpostaColori(int livello, bool conMouse, bool secchioADestra)
{
    Livello = std::clamp(livello, 1, 4); // at most two rows a difference: a free row always remains
    Trovate = 0;
    Aspetto &primo = aspetto[0];
    Aspetto &secondo = aspetto[1];
    for (int riga = 1; riga <= Parti::kColorate; ++riga)
        primo[riga] = RndInt(Parti::kColori) + 1;
    primo.secchio = RndInt(2);
    primo.conCappello = RndInt(2);
    if (!conMouse) {
        primo.secchio = 1;
        primo.conCappello = 1;
    }
    for (int riga = 1; riga <= Parti::ConCappello; ++riga) {
        Differenze[riga] = 0;
        secondo[riga] = primo[riga];
    }
    Differenze[0] = 0;

    const int righe = conMouse ? Parti::ConCappello : Parti::Secchio;
    // A part whose colour every other row looks or reads like cannot visibly differ: it is passed
    // over while another free row remains.
    const auto libera = [&](int k) { return Differenze[k] == 0; };
    const auto mutabile = [&](int k) { return libera(k) && (k > Parti::kColorate || ColoreRiconoscibile(primo[k], k)); };
    for (int n = 0; n < Livello; ++n) {
        bool resta = false;
        for (int k = 1; k <= righe; ++k)
            resta = resta || mutabile(k);
        const auto scelta = [&](int k) { return resta ? mutabile(k) : libera(k); };
        int k = RndInt(righe) + 1;
        while (!scelta(k))
            k = RndInt(righe) + 1;
        Differenze[k] = 1;
        if (k == Parti::Cappello) { // the hat's colour differs: both clowns wear it
            Differenze[Parti::ConCappello] = 1;
            primo.conCappello = 1;
            secondo.conCappello = 1;
        }
        if (k == Parti::ConCappello)
            Differenze[Parti::Cappello] = 1;
        if (k >= Parti::Secchio) {
            secondo[k] = RndInt(2);
            while (secondo[k] == primo[k])
                secondo[k] = RndInt(2);
        } else {
            secondo[k] = ColoreCasuale(primo[k], k); // a colour the child sees and names otherwise
        }
    }
    if (secchioADestra && !conMouse && primo.secchio == 1 && secondo.secchio == 0) {
        primo.secchio = 0;
        secondo.secchio = 1;
    }
}

bool CoppiaDifferenze::Giudica(int riga, int sorgente, int bersaglio, bool conMouse)
{
    if (riga < 1 || riga > Parti::ConCappello || Differenze[riga] != 1 || Finita())
        return false;
    aspetto[bersaglio][riga] = aspetto[sorgente][riga];
    if (conMouse && riga == Parti::Cappello)
        aspetto[bersaglio].conCappello = aspetto[sorgente].conCappello;
    Differenze[riga] = 0;
    ++Trovate;
    return true;
}

