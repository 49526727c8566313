#pragma once
#include "GeometriaStampa.h"
#include "MotoreStampa.h"
#include "SorgenteStampa.h"

#include <QDialog>
#include <optional>

class AnteprimaStampa;
class CampoNumerico;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class SuGiu;

// The print dialog: printer, margins and size of the print in millimetres, copies, and the
// printable area drawn to scale with the print placed on it. Made for one opening; what lasts
// (printer, copies, printer settings) lives in the print engine.
class frmStampa : public QDialog
{
    Q_OBJECT
public:
    explicit frmStampa(QWidget *parent = nullptr);
    ~frmStampa() override;

    // Everything before showing: the source checked and captured, the fields filled, the dialog
    // laid out for its mode. False (after the message) when the dialog must not open.
    bool prepara(QObject *VSrc, int DocX_mm, int DocY_mm, int DocW_mm, std::optional<double> DocH_mm,
                 std::optional<int> VOrien, std::optional<QString> VTitolo);

    const GeometriaStampa &geometria() const { return g_; }

    // Handlers.
    void cboPrinterNames_Click();
    void cmdProprieta_Click();
    void cmdStampa_Click();
    void cmdOK_Click();
    void cmdChiudi_Click();
    void chkCentro_Click();
    void chkProporzioni_Click();
    void cmdOrigine_Click();
    void cmdMax_Click();
    void TimerLampeggio_Timer();
    void SalvaAnteprima();

    void reject() override; // the close box and Esc act as "&Chiudi"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void costruisci();
    CampoNumerico *campo(QWidget *frame, const QString &nome, int left, int top, int minimo, int massimo,
                         SuGiu **su);
    void apertura();
    void ImpostaFoglioAnteprima();
    void AggiornaAnteprima();
    void larghezzaCambiata();
    void altezzaCambiata();
    void scrivi(CampoNumerico *c, int valore);

    MotoreStampa &motore_;
    GeometriaStampa g_;
    SorgenteStampa sorgente_;
    bool oggettoValido_ = false;
    int orientamentoRichiesto_ = 0;
    int copieSalvate_ = 0;
    ImpostazioniStampante impostazioniSalvate_;
    QString stampanteScelta_;
    QString titoloStampa_;

    QComboBox *cboPrinterNames;
    QPushButton *cmdProprieta, *cmdStampa, *cmdOK, *cmdOrigine, *cmdMax, *cmdChiudi;
    QLabel *lblNomeStampante, *lblLblNCopie, *lblFgW, *lblFgH, *lblFuoriFoglio;
    CampoNumerico *txtNCopies, *txtPrX, *txtPrY, *txtPrW, *txtPrH;
    SuGiu *updNCopies, *updPrX, *updPrY, *updPrW, *updPrH;
    QWidget *imgPrinter;
    QFrame *shpFoglio, *shpBordo;
    AnteprimaStampa *picPreview;
    QCheckBox *chkCentro, *chkProporzioni;
    QTimer *TimerLampeggio;
    bool rosso_ = true;
};

// Opens the print dialog for a source (a screen or a picture box of the picture page) and returns
// when it closes. No source: the printer settings alone.
void StampaFPB(QObject *VSrc, int DocX_mm, int DocY_mm, int DocW_mm, std::optional<double> DocH_mm = {},
               std::optional<int> VOrien = {}, std::optional<QString> VTitolo = {});
