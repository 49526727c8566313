#pragma once
#include "FormDifferenze.h"

// "Trova le differenze - 2°": two clowns whose differing parts are chosen on the clowns themselves:
// with the mouse on either clown, which takes the other's value; while scanning on the outlined
// parts of the right clown, which takes the left one's.
class FormEs3 : public FormDifferenze
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormEs3");
    FormEs3();
    int ParteScansione() const { return IndiceScansione() + 1; } // 1..8 the parts, 9 the new-pair button

    void ClicPrimoZanfrone(const QString &command, const QString &args);
    void ClicSecondoZanfrone(const QString &command, const QString &args);

protected:
    void ApriFileZanfroni() override;
    void MostraScansione(int parte) override { ColoraSelezionato(parte + 1); }
    QString istruzione() const override;
    bool nascondiDopoIstruzione() const override { return true; }
    void Form_Activate() override;

private:
    void ColoraSelezionato(int riga);
    void clicSulZanfrone(const QString &command, int bersaglio);

    QString ColoreScansione = QStringLiteral("000000");
};
