#include "Esercizi.h"

namespace {
QList<Esercizio> &registrati()
{
    static QList<Esercizio> r;
    return r;
}
} // namespace

void Esercizi::registra(QList<Esercizio> elenco)
{
    for (const Esercizio &e : elenco)
        Schermi::registra(e.schermo, e.crea);
    registrati() = std::move(elenco);
}

const QList<Esercizio> &Esercizi::elenco() { return registrati(); }
