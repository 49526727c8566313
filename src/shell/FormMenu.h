#pragma once
#include "Schermo.h"

#include <QRect>
#include <QStringList>

#include <functional>
#include <vector>

class EtichettaPulsante;
class Immagine;
class ProgramEnd;
class QAction;
class QComboBox;
class QLabel;
class QTimer;
struct Utente;

// The main menu: a button for each exercise of the catalogue and "esci", the list of users, and the
// menu bar towards the settings, the log, the document, the guides and the about box. Worked with
// the mouse, by manual or automatic scanning, or with the arrow keys (ModoInput).
class FormMenu : public Schermo
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormMenu");
    FormMenu();

    // The exercises' buttons come first, "esci" last.
    int pulsanti() const { return int(PulsantiMenu.size()); }
    int esci() const { return pulsanti() - 1; }

    void AvviaEsercizi(int Scelta);
    void ImpostaUtente();
    void RecuperaUtenti();

    // How the program ends once "esci" has saved the profile: every screen closed, then the event
    // loop. The composition root puts it in Services.
    static ProgramEnd &FineProgramma();

    int indiceScansione() const { return IndiceScansione; }
    ModoInput modalita() const { return modalita_; }
    QTimer *timerScansione() const { return TimerScansione; }
    EtichettaPulsante *pulsante(int indice) const { return PulsantiMenu[indice]; }
    QColor coloreEvidenziato() const;
    QColor colorePulsante() const;
    QStringList didascalie() const;

protected:
    void Form_Activate() override;
    void KeyDown(int key) override;
    void KeyUp(int key) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool chiusuraDalSistema() override;

private:
    void creaMenu();
    void ScegliUtente();
    void CambiaUtente(const Utente &utente);
    void ScegliConMouse(int Index);
    void EvidenziaSottoMouse(int Index);
    void Form_MouseMove();
    void TimerScansione_Timer();
    void ImpostaFontPulsanti();
    void ImpostaModalita();
    void passoAvanti();
    void passoIndietro();
    void evidenzia(int indice);
    void scegli();

    void creaPulsante(const QString &didascalia, const QString &immagine, QPoint posto, QRect riquadroImmagine);

    std::vector<EtichettaPulsante *> PulsantiMenu;
    std::vector<Immagine *> ImmaginiMenu;
    QStringList testiPulsanti_; // the captions as designed, before the letter case
    QComboBox *ComboUtenti;
    QLabel *LabelDimensionaFont;
    QTimer *TimerScansione;
    QAction *mnuEserciziEseguiti = nullptr;
    int IndiceScansione = 0;
    ModoInput modalita_ = ModoInput::Mouse;
};
