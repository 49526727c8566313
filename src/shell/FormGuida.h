#pragma once
#include "Schermo.h"

class MovieView;
class QLabel;

// A screen that plays one guide movie; "&Esci" goes back to the main menu.
// Registered twice: "Form2" (the settings) and "Form3" (the menu's colours and sizes).
class FormGuida : public Schermo
{
    Q_OBJECT
public:
    FormGuida(const QString &nome, const QString &filmato);
    void mnuesci_Click();

protected:
    void Form_Activate() override;
    bool chiusuraDalSistema() override;

private:
    QString filmato_;
    MovieView *ShockwaveFlash1;
    QLabel *Mancante; // said when the movie file cannot be played
};
