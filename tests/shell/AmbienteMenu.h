#pragma once
// What the main menu's tests share: a fresh data root with its settings folder, fake services (the
// program's end is counted, not carried out), an empty activity table; every screen closed at the end.
#include "Falsi.h"
#include "ProvaFresca.h"
#include "Schermate.h"
#include "ServiziDiProva.h"
#include "shell/Attivita.h"

#include <QDir>

class AmbienteMenu
{
public:
    RadiceTemporanea radice;
    ServiziDiProva servizi;

    explicit AmbienteMenu(ServiziDiProva::Voce voce = ServiziDiProva::Muta) : servizi(voce)
    {
        QDir().mkpath(cartella());
        SvuotaAttivita();
    }
    ~AmbienteMenu() { Schermate::chiudiTutte(); } // the screens close while the fakes still stand

    // The settings folder, where the users' profiles are.
    QString cartella() const { return radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/")); }
};
