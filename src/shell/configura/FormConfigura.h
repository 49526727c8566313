#pragma once
#include "shell/Schermo.h"
#include "shell/Utenti.h"

#include <QFont>
#include <QList>
#include <QPoint>
#include <QString>
#include <optional>

class Assistant;
class CasellaColore;
class MovieView;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabBar;

// The settings screen: six pages that edit the current user's profile, and the choice or creation
// of that user. Every control writes its profile item at once; the profile file is written when
// another user is chosen and when the screen is left.
class FormConfigura : public Schermo
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormConfigura");
    FormConfigura();
    ~FormConfigura() override;

    void ImpostaAssistente();
    void ImpostaConfigurazioni();
    void NascondiFrame();
    void PreparaZanfrone();
    void ImpostaVoce();
    // Lists the voices the engine knows now, and again whenever it tells that this changed; with
    // none, NotaVoci says why the list is empty. Never waits for the engine.
    void RiempiVoci();

    // Tab strip and leaving.
    void CambiaScheda(int indice);
    void mnuesci_Click();

    // Users page.
    void OptionUtente_Click(int indice);
    void ListModificaUtente_Click(int riga);
    void TextNuovoUtente_Change(const QString &testo);
    bool ConfermaNuovoUtente(); // the name when the field is left or the screen saved
    void CheckSalvaUtente_Click(bool spuntato);

    // Clown colours page.
    void CasellaColorata_Click(int indice);
    void RipristinaColori();

    // Letter case, fonts and colours.
    void maiuscolo_Click();
    void minuscolo_Click();
    void corsivo_Click();
    void ImpostaPassaggioLivelli(bool spuntato);
    void CommandSceltaFont_Click();
    void CommandSceltaColoreFont_Click();
    void CommandSceltaSfondoTesto_Click();
    void CommandSceltaColoreBottoni_Click();
    void ScegliColoreSelezionato();
    void OptionColoreCasualeFisso_Click(int indice);
    void CommandSceltaColori_Click();

    // Sounds and voice.
    void CheckSuoni_Click(bool spuntato);
    void ImpostaParlato(bool spuntato);
    void CambiaVelocitaVoce(int valore);
    void CambiaTonoVoce(int valore);
    void ChkFumetto_Click(bool spuntato);
    void CheckContieneTesto_Click(bool spuntato);
    void CommandFontFumetto_Click();
    void CommandProvaVoce_Click();
    void ScegliVoce(int riga);
    void ScegliPersonaggio(int riga);

    // Input mode.
    void ScegliModoInput(int indice);
    void CambiaVelocitaScansione(int valore);
    void CheckDisabilitaMousePersonalizzato_Click(bool spuntato);

    Assistant *Assistente() const { return assistente_; }
    MovieView *anteprima() const { return ZanfroneAnteprima; }

    // Row and column (1-based) of every palette cell on the 16 x 16 grid, in cell order.
    static QList<QPoint> posizioniCaselle();

protected:
    void Form_Activate() override;
    bool chiusuraDalSistema() override;

private:
    void cambiaStileFumetto(int bit, bool acceso, const QString &annuncio);
    void CaricaAssistente();
    void costruisciPaginaUtenti();
    void costruisciPaginaZanfroni();
    void costruisciPaginaScelte();
    void costruisciPaginaFont();
    void costruisciPaginaSuoni();
    void costruisciPaginaInput();
    QFrame *nuovaPagina(const QString &nome);
    // A horizontal scroll bar of the pages, placed in twips; its changes go to `cambiato`.
    QScrollBar *nuovaBarra(QWidget *pagina, const QString &nome, int minimo, int massimo, int passoPagina,
                           int left, int top, int width, void (FormConfigura::*cambiato)(int));
    void mostraPagina(int indice);
    void mostraUtente();
    // Saves the current user before a switch; false (nothing switched) when the file cannot be written.
    bool salvaPrimaDelCambio();
    void passaAUtente(const QString &nome, const QString &fileIni);
    // The listed user (or the default user) that a typed name names.
    std::optional<Utente> utenteEsistente(const QString &nome) const;
    void sceltaColorePulsante(double &voce, QPushButton *pulsante);
    // The word for a colour in one form, asked until the profile can hold it ("" when cancelled).
    QString parolaColore(const QString &forma);
    // The font dialog on a stored font; on OK with a name and a size, both written back.
    bool sceltaFontValida(QString &famiglia, qint16 &dimensione);
    void collocaAssistente();
    static QString stilePulsante(double colore);

    QLabel *LabelUtente;
    QTabBar *TabSchede;
    QFrame *Pagine[6] = {};

    // Users page.
    QRadioButton *OptionUtente[3];
    QListWidget *ListModificaUtente;
    QLineEdit *TextNuovoUtente;
    QCheckBox *CheckSalvaUtente;
    int opzioneUtente_ = -1;
    QString utentePrima_, fileIniPrima_; // the user current when "Nuovo utente" was chosen
    QString testoGiudicato_;             // the field's text last settled by ConfermaNuovoUtente

    // Clown colours page.
    MovieView *ZanfroneAnteprima;
    QRadioButton *OptionRigaColori[5];
    QButtonGroup *gruppoRigheColori;
    CasellaColore *CasellaColorata[216];
    QPushButton *CommandColoriPredefiniti;

    // Letters, fonts and colours.
    QGroupBox *FrameScelte;
    QRadioButton *maiuscolo, *minuscolo, *corsivo;
    QCheckBox *CheckPassaggioLivelli;
    QLabel *LabelFontSelezionato[2];
    QPushButton *CommandSceltaFont, *CommandSceltaColoreFont, *CommandSceltaSfondoTesto;
    QPushButton *CommandSceltaColoreBottoni, *CommandSceltaColoreSelezionato, *CommandSceltaColori;
    QGroupBox *FrameColoreSfondo;
    QRadioButton *OptionColoreCasualeFisso[2];

    // Sounds and voice.
    QCheckBox *CheckSuoni, *CheckParlato, *ChkFumetto, *CheckContieneTesto;
    QScrollBar *HScrollVelocitaVoce, *HScrollTonoVoce;
    QLabel *LabelVelocitaVoce, *LabelTonoVoce;
    QPushButton *CommandFontFumetto, *CommandProvaVoce;
    QListWidget *ListVoci, *ListPersonaggi;
    QLabel *NotaVoci;
    QLineEdit *TextProvaVoce;
    QWidget *RiquadroAssistente;

    // Input mode.
    QRadioButton *OptionModoInput[4];
    QScrollBar *HScrollVelocitaScansione;
    QLabel *LabelVelocitaScansione;
    QCheckBox *CheckDisabilitaMousePersonalizzato;

    Assistant *assistente_ = nullptr;
};
