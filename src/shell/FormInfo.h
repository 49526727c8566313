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
    void Command1_Click();

protected:
    void Form_Activate() override;
    void KeyUp(int key) override;
    bool chiusuraDalSistema() override;

private:
    QLabel *Label1, *Label2, *Label3, *Label4;
    QPushButton *Command1;
};
