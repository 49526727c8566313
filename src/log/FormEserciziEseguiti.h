#pragma once
#include "FileRapporto.h"
#include "StampaGriglia.h"
#include "shell/Attivita.h"
#include "shell/Schermo.h"

class QLabel;
class QTableWidget;

// The log screen: the exercises done since the program started (or the user changed) in a grid,
// saved as a report file, reopened from one and printed. "&Esci" goes back to the main menu.
class FormEserciziEseguiti : public Schermo
{
    Q_OBJECT
public:
    static inline const QString &Nome = SchermoAttivita;
    FormEserciziEseguiti();

    void mnuSalva_Click();
    void mnuApri_Click();
    void mnuStampa_Click();
    void mnuesci_Click();

    // What the screen shows: the name, date and note lines and the grid's rows.
    Rapporto rapporto() const;
    // The page that "Stampa" prints.
    PaginaRegistro pagina() const;

protected:
    void Form_Activate() override;
    bool chiusuraDalSistema() override;

private:
    void mostra(const Rapporto &rapporto);
    // "Si è verificato un errore!", then what failed and why.
    void errore(const QString &dettaglio = {});
    // The report folder made when missing, then the open (1) or save dialog; "" when cancelled or failed.
    QString scegliRapporto(int modo, const QString &titolo);

    QLabel *LabelNome, *LabelData, *LabelNota;
    QTableWidget *GrigliaAttivita;
};
