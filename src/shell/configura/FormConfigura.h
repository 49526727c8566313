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
    void TabStrip1_Click(int indice);
    void mnuesci_Click();

    // Users page.
    void OptionUtente_Click(int indice);
    void ListModificaUtente_Click(int riga);
    void TextNuovoUtente_Change(const QString &testo);
    bool ConfermaNuovoUtente(); // the name when the field is left or the screen saved
    void CheckSalvaUtente_Click(bool spuntato);

    // Clown colours page.
    void CasellaColorata_Click(int indice);
    void Command4_Click();

    // Letter case, fonts and colours.
    void maiuscolo_Click();
    void minuscolo_Click();
    void corsivo_Click();
    void Check1_Click(bool spuntato);
    void CommandSceltaFont_Click();
    void CommandSceltaColoreFont_Click();
    void CommandSceltaSfondoTesto_Click();
    void CommandSceltaColoreBottoni_Click();
    void Command1_Click();
    void OptionColoreCasualeFisso_Click(int indice);
    void CommandSceltaColori_Click();

    // Sounds and voice.
    void CheckSuoni_Click(bool spuntato);
    void Check2_Click(bool spuntato);
    void HScroll1_Change(int valore);
    void HScroll2_Change(int valore);
    void ChkFumetto_Click(bool spuntato);
    void CheckContieneTesto_Click(bool spuntato);
    void CommandFontFumetto_Click();
    void CommandProvaVoce_Click();
    void List1_Click(int riga);
    void List2_Click(int riga);

    // Input mode.
    void Option4_Click(int indice);
    void HScroll3_Change(int valore);
    void CheckDisabilitaMousePersonalizzato_Click(bool spuntato);

    Assistant *Assistente() const { return assistente_; }
    MovieView *anteprima() const { return ShockwaveFlash1; }

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

    QLabel *Label4;
    QTabBar *TabStrip1;
    QFrame *Frame[6] = {};

    // Users page.
    QRadioButton *OptionUtente[3];
    QListWidget *ListModificaUtente;
    QLineEdit *TextNuovoUtente;
    QCheckBox *CheckSalvaUtente;
    int opzioneUtente_ = -1;
    QString utentePrima_, fileIniPrima_; // the user current when "Nuovo utente" was chosen
    QString testoGiudicato_;             // the field's text last settled by ConfermaNuovoUtente

    // Clown colours page.
    MovieView *ShockwaveFlash1;
    QRadioButton *Option2[5];
    QButtonGroup *gruppoOption2;
    CasellaColore *CasellaColorata[216];
    QPushButton *Command4;

    // Letters, fonts and colours.
    QGroupBox *FrameScelte;
    QRadioButton *maiuscolo, *minuscolo, *corsivo;
    QCheckBox *Check1;
    QLabel *LabelFontSelezionato[2];
    QPushButton *CommandSceltaFont, *CommandSceltaColoreFont, *CommandSceltaSfondoTesto;
    QPushButton *CommandSceltaColoreBottoni, *Command1, *CommandSceltaColori;
    QGroupBox *FrameColoreSfondo;
    QRadioButton *OptionColoreCasualeFisso[2];

    // Sounds and voice.
    QCheckBox *CheckSuoni, *Check2, *ChkFumetto, *CheckContieneTesto;
    QScrollBar *HScroll1, *HScroll2;
    QLabel *Label5, *Label2;
    QPushButton *CommandFontFumetto, *CommandProvaVoce;
    QListWidget *List1, *List2;
    QLabel *NotaVoci;
    QLineEdit *Text1;
    QWidget *RiquadroAssistente;

    // Input mode.
    QRadioButton *Option4[4];
    QScrollBar *HScroll3;
    QLabel *Label7;
    QCheckBox *CheckDisabilitaMousePersonalizzato;

    Assistant *assistente_ = nullptr;
};
