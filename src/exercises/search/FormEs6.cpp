#include "FormEs6.h"
#include "shell/Profilo.h"
#include "shell/Scansione.h"

#include <QTimer>

FormEs6::FormEs6()
    : FormAllineamento({.schermo = Nome, .livelli = 5, .soglia = 18, .larghezza = 8355,
                        .altezza = 6390, .sfondo = QColor(192, 255, 255)},
                       QStringLiteral("Elimina i zanfroni che non possiedono tutte le caratteristiche"), 1095)
{
    TimerIntervalloLettura = new QTimer(this);
    TimerIntervalloLettura->setObjectName(QStringLiteral("TimerIntervalloLettura"));
    TimerIntervalloLettura->setInterval(100);
    connect(TimerIntervalloLettura, &QTimer::timeout, this, &FormEs6::TimerIntervalloLettura_Timer);
    TimerIntervalloLettura->start();
}

void FormEs6::GeneraEsercizio()
{
    nuovoAllineamento();
    Eliminati_ = 0;
    TimerLettura->stop();
    ScriviFrase();
    if (!scansione())
        return;
    avviaScansione();
    if (parlato()) {
        setFraseDaLeggere(0);
        leggiFrase(); // the first sentence at once, the others with the reading
        TimerIntervalloLettura_Timer();
        TimerLettura->start();
    }
}

void FormEs6::Scegli(int zanfrone, bool daScansione)
{
    Q_UNUSED(daScansione);
    if (partitaFinita())
        return; // only the new-game button counts now
    if (zanfrone == ZanfroneGiusto()) {
        giudica(false); // the target stays
        return;
    }
    if (!mostrato(zanfrone))
        return; // removed already: the frame has not moved yet
    giudica(true);
    nascondi(zanfrone);
    if (++Eliminati_ == NumeroZanfroni() - 1)
        finePartita(ZanfroneGiusto());
}

void FormEs6::TimerLettura_Timer()
{
    if (!partitaFinita())
        FormAllineamento::TimerLettura_Timer();
}

void FormEs6::TimerIntervalloLettura_Timer()
{
    int mostrati = 0;
    for (int i = 0; i < Allineamento::kMassimo; ++i)
        mostrati += mostrato(i) ? 1 : 0;
    // A wide integer: 60 quarter seconds times twelve clowns is three minutes.
    const int intervallo = Scansione::intervallo(Profilo.VelocitaScansione) * mostrati + 3000;
    if (TimerLettura->interval() != intervallo) // a new interval restarts the count
        TimerLettura->setInterval(intervallo);
}
