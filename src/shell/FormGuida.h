#pragma once
#include "Schermo.h"

class MovieView;
class QLabel;

// A screen that plays one guide movie; "&Esci" goes back to the main menu.
// Registered twice: the guide to the settings and the one to the menu's colours and sizes.
class FormGuida : public Schermo
{
    Q_OBJECT
public:
    static inline const QString NomeConfigurazione = QStringLiteral("Form2");
    static inline const QString NomeColoriMenu = QStringLiteral("Form3");
    FormGuida(const QString &nome, const QString &filmato);
    void mnuesci_Click();

protected:
    void Form_Activate() override;
    bool chiusuraDalSistema() override;

private:
    QString filmato_;
    MovieView *FilmatoGuida;
    QLabel *Mancante; // said when the movie file cannot be played
};
