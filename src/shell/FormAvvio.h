#pragma once
#include "Schermo.h"

class QLabel;
class PulsanteImmagine;
class Immagine;

// The start screen: the program's name and a picture button that leads to the main menu.
class FormAvvio : public Schermo
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormAvvio");
    FormAvvio();
    void ApriMenu();

protected:
    void KeyUp(int key) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool disegnato_ = false;
    QLabel *Scritte[2];
    Immagine *ImmagineAvvio;
    PulsanteImmagine *CommandInizia;
};
