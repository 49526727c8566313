#include "FormEs7.h"

#include <QTimer>

FormEs7::FormEs7()
    : FormAllineamento({.schermo = Nome, .livelli = 5, .soglia = 5, .larghezza = 8310,
                        .altezza = 6405, .sfondo = QColor(192, 255, 255)},
                       QStringLiteral("Trova il zanfrone che possiede tutte le caratteristiche"), 975)
{
}

void FormEs7::GeneraEsercizio()
{
    nuovoAllineamento();
    TimerLettura->stop();
    if (scansione()) {
        avviaScansione();
        setFraseDaLeggere(0); // the first sentence comes with the first tick
        if (parlato())
            TimerLettura->start();
    }
    ScriviFrase();
}

void FormEs7::Scegli(int zanfrone, bool daScansione)
{
    Q_UNUSED(daScansione);
    if (partitaFinita())
        return;
    if (zanfrone != ZanfroneGiusto()) {
        giudica(false); // the clown stays and can be chosen again
        return;
    }
    giudica(true);
    for (int i = 0; i < NumeroZanfroni(); ++i)
        if (i != zanfrone)
            nascondi(i);
    finePartita(zanfrone);
}
