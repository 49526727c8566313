#include "Attivita.h"

#include <limits>

QString AttivitaEseguite[kRigheAttivita + 1][4];
qint16 NumeroAttivita = 0;

namespace {
// Past the last row the counter goes on, so that nothing later lands in a row it does not own.
void avanza()
{
    if (NumeroAttivita < std::numeric_limits<qint16>::max())
        ++NumeroAttivita;
}
} // namespace

bool IniziaAttivita(const QString &nome)
{
    avanza();
    if (NumeroAttivita > kRigheAttivita)
        return false;
    AttivitaEseguite[NumeroAttivita][0] = nome;
    return true;
}

void ScriviRisultatoAttivita(int livello, long long esatti, int errati)
{
    if (NumeroAttivita >= 0 && NumeroAttivita <= kRigheAttivita) {
        AttivitaEseguite[NumeroAttivita][1] = QString::number(livello);
        AttivitaEseguite[NumeroAttivita][2] = QString::number(esatti);
        AttivitaEseguite[NumeroAttivita][3] = QString::number(errati);
    }
    avanza();
}

void SvuotaAttivita()
{
    for (int riga = 0; riga <= NumeroAttivita && riga <= kRigheAttivita; ++riga)
        for (auto &cella : AttivitaEseguite[riga])
            cella.clear();
    NumeroAttivita = 0;
}
