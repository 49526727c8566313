#pragma once
#include "Schermo.h"

class QLabel;
class QPushButton;

// The about box: who made the program and its terms of use; "Chiudi" goes back to the main menu.
class FormInfo : public Schermo
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormInfo");
    FormInfo();
    void TornaAlMenu();

protected:
    void Form_Activate() override;
    void KeyUp(int key) override;
    bool chiusuraDalSistema() override;

private:
    QLabel *LabelAutori, *LabelSpazioSopra, *LabelCondizioni, *LabelSpazioSotto;
    QPushButton *CommandChiudi;
};
