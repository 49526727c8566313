// The main menu's four ways of choosing a button: mouse hover and click, manual scanning with Space
// and Enter, automatic scanning with one switch, arrow keys and Enter.
#include "EtichettaPulsante.h"
#include "FormMenu.h"
#include "Profilo.h"
#include "Scansione.h"

#include <QComboBox>
#include <QTimer>

void FormMenu::ImpostaModalita()
{
    TimerScansione->stop();
    catturaTasti = ConScansione(modalita_);
    if (catturaTasti)
        for (EtichettaPulsante *b : PulsantiMenu)
            b->unsetCursor();
    switch (modalita_) {
    case ModoInput::ScansioneManuale:
        IndiceScansione = esci();
        KeyUp(CodiceTasto(Spazio)); // the highlight starts on button 0
        break;
    case ModoInput::ScansioneAutomatica:
        IndiceScansione = 0;
        evidenzia(0);
        ComboUtenti->hide();
        TimerScansione->setInterval(Scansione::intervallo(Profilo.VelocitaScansione));
        TimerScansione->start();
        break;
    case ModoInput::Tastiera:
        IndiceScansione = esci();
        KeyUp(CodiceTasto(Destra));
        break;
    case ModoInput::Mouse: break;
    }
}

void FormMenu::evidenzia(int indice)
{
    PulsantiMenu[IndiceScansione]->setSfondo(colorePulsante());
    IndiceScansione = indice;
    PulsantiMenu[IndiceScansione]->setSfondo(coloreEvidenziato());
}

void FormMenu::passoAvanti() { evidenzia(Scansione::avanti(IndiceScansione, pulsanti())); }
void FormMenu::passoIndietro() { evidenzia(Scansione::indietro(IndiceScansione, pulsanti())); }
void FormMenu::scegli() { AvviaEsercizi(IndiceScansione); }

void FormMenu::KeyDown(int key)
{
    // Holding the switch keeps the highlight still.
    if (modalita_ == ModoInput::ScansioneAutomatica && key == Spazio)
        TimerScansione->stop();
}

void FormMenu::KeyUp(int key)
{
    switch (Scansione::azioneTasto(modalita_, key)) {
    case Scansione::Azione::Avanti: passoAvanti(); break;
    case Scansione::Azione::Indietro: passoIndietro(); break;
    case Scansione::Azione::Scegli:
        scegli();
        if (modalita_ == ModoInput::ScansioneAutomatica && isVisible() && !TimerScansione->isActive())
            TimerScansione->start(); // still open after the choice: stepping again
        break;
    case Scansione::Azione::Nessuna: break;
    }
}

void FormMenu::TimerScansione_Timer()
{
    if (modalita_ == ModoInput::ScansioneAutomatica)
        passoAvanti();
}

void FormMenu::EvidenziaSottoMouse(int Index)
{
    if (ConScansione(modalita_) || PulsantiMenu[Index]->sfondo() == coloreEvidenziato())
        return;
    for (EtichettaPulsante *b : PulsantiMenu)
        b->setSfondo(coloreSfondo());
    PulsantiMenu[Index]->setSfondo(coloreEvidenziato());
}

void FormMenu::Form_MouseMove()
{
    if (ConScansione(modalita_))
        return;
    for (EtichettaPulsante *b : PulsantiMenu)
        if (b->sfondo() != coloreSfondo())
            b->setSfondo(coloreSfondo());
}
