#pragma once
#include "FormAllineamento.h"

// "Elimina gli intrusi": every clown that is not the target is removed, one by one; the game is over
// when only the target is left.
class FormEs6 : public FormAllineamento
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormEs6");
    FormEs6();
    int Eliminati() const { return Eliminati_; }
    void TimerLettura_Timer() override;
    // Keeps the reading's interval: one automatic scanning round over the clowns shown, plus 3 s.
    void TimerIntervalloLettura_Timer();

protected:
    void GeneraEsercizio() override;
    void Scegli(int zanfrone, bool daScansione) override;

private:
    QTimer *TimerIntervalloLettura;
    int Eliminati_ = 0;
};
