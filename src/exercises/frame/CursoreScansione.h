#pragma once
#include "shell/Scansione.h"

#include <functional>

// The scanning highlight over a screen's items: steps pass over the items that cannot be chosen,
// and while it stands on the item that ends a question (the next-question button) it does not step.
class CursoreScansione
{
public:
    using Abilitato = std::function<bool(int)>;

    int indice() const { return indice_; }
    int conta() const { return conta_; }
    void imposta(int conta, int fermata) { conta_ = conta; fermata_ = fermata; indice_ = 0; }
    void vaiA(int indice) { indice_ = indice; }
    bool fermo() const { return indice_ == fermata_; }

    // One step forward or back; false when the highlight may not move.
    bool avanti(const Abilitato &abilitato) { return muovi(Scansione::avanti(indice_, conta_, abilitato)); }
    bool indietro(const Abilitato &abilitato) { return muovi(Scansione::indietro(indice_, conta_, abilitato)); }

private:
    bool muovi(int nuovo)
    {
        if (fermo() || conta_ <= 0 || nuovo == indice_)
            return false;
        indice_ = nuovo;
        return true;
    }

    int indice_ = 0;
    int conta_ = 0;
    int fermata_ = -1;
};
