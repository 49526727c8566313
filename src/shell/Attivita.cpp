#include "Attivita.h"

QString AttivitaEseguite[kRigheAttivita + 1][4];
qint16 NumeroAttivita = 0;

bool IniziaAttivita(const QString &nome)
{
    if (NumeroAttivita >= kRigheAttivita)
        return false;
    ++NumeroAttivita;
    AttivitaEseguite[NumeroAttivita][0] = nome;
    return true;
}

void ScriviRisultatoAttivita(int livello, long long esatti, int errati)
{
    if (NumeroAttivita < 0 || NumeroAttivita > kRigheAttivita)
        return;
    AttivitaEseguite[NumeroAttivita][1] = QString::number(livello);
    AttivitaEseguite[NumeroAttivita][2] = QString::number(esatti);
    AttivitaEseguite[NumeroAttivita][3] = QString::number(errati);
    if (NumeroAttivita < kRigheAttivita)
        ++NumeroAttivita;
}

void SvuotaAttivita()
{
    for (int riga = 0; riga <= NumeroAttivita && riga <= kRigheAttivita; ++riga)
        for (auto &cella : AttivitaEseguite[riga])
            cella.clear();
    NumeroAttivita = 0;
}
