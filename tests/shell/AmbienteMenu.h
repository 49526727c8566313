#pragma once
// What the main menu's tests share: a fresh data root with its settings folder, recorded dialogs,
// the program's end caught instead of quitting, an empty activity table; every screen closed at the end.
#include "Falsi.h"
#include "Schermate.h"
#include "shell/Attivita.h"
#include "shell/FormMenu.h"

#include <QDir>
#include <functional>

class AmbienteMenu
{
public:
    RadiceTemporanea radice;
    DialoghiFinti dialoghi;

    explicit AmbienteMenu(std::function<void()> fineProgramma)
    {
        QDir().mkpath(cartella());
        FormMenu::FineProgramma = std::move(fineProgramma);
        SvuotaAttivita();
    }
    ~AmbienteMenu()
    {
        Schermate::chiudiTutte();
        FormMenu::FineProgramma = &FormMenu::FineProgrammaPredefinita;
    }

    // The settings folder, where the users' profiles are.
    QString cartella() const { return radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/")); }
};
