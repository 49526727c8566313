#include "FormEs3.h"
#include "platform/MovieView.h"
#include "shell/PittoreZanfrone.h"
#include "shell/Profilo.h"

FormEs3::FormEs3()
    : FormDifferenze({.schermo = Nome, .livelli = 4, .soglia = 12, .larghezza = 10365,
                      .altezza = 7935, .sfondo = QColor(192, 192, 255)},
                     true)
{
    creaZanfroni(120, 6495);
    connect(Zanfrone, &MovieView::FSCommand, this, &FormEs3::ClicPrimoZanfrone);
    connect(SecondoZanfrone, &MovieView::FSCommand, this, &FormEs3::ClicSecondoZanfrone);
    creaPulsanti(120, 7440, 6720);
    posizionaFrase(2640, 2640, 3855, 3375);
    posizionaAssistente(3600, 4200, 2000, 2000);
}

QString FormEs3::istruzione() const
{
    const QString testo = QStringLiteral("Clicca sui particolari diversi dei zanfroni per renderli uguali. ");
    return !scansione() ? testo + QStringLiteral("Puoi cliccare su entrambi i zanfroni.") : testo;
}

void FormEs3::Form_Activate()
{
    ColoreScansione = TrovaColoreScansione(Profilo.ColorePulsanteSelezionato);
    FormDifferenze::Form_Activate();
}

void FormEs3::ApriFileZanfroni()
{
    // Clickable parts with the mouse; outlined parts for scanning.
    const int numero = scansione() ? 3 : 2;
    CaricaZanfrone(*Zanfrone, numero);
    CaricaZanfrone(*SecondoZanfrone, numero);
}

void FormEs3::ColoraSelezionato(int riga)
{
    if (riga < 1 || riga > CoppiaDifferenze::kRigaMassima)
        return;
    EvidenziaContorno(*SecondoZanfrone, riga, ColoreScansione);
}

// The command holds the clicked part's row; anything else is not a click on a part.
void FormEs3::clicSulZanfrone(const QString &command, int bersaglio)
{
    bool numero = false;
    const int riga = command.trimmed().toInt(&numero);
    if (numero)
        clicSuParte(riga, 1 - bersaglio, bersaglio);
}

void FormEs3::ClicPrimoZanfrone(const QString &command, const QString &) { clicSulZanfrone(command, 0); }
void FormEs3::ClicSecondoZanfrone(const QString &command, const QString &) { clicSulZanfrone(command, 1); }
