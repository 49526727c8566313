// The main menu's four ways of choosing a button: mouse hover and click (mode 0), manual scanning
// with Space and Enter (1), automatic scanning with one switch (2), arrow keys and Enter (3).
#include "EtichettaPulsante.h"
#include "FormMenu.h"
#include "Profilo.h"
#include "Scansione.h"

#include <QComboBox>
#include <QTimer>

void FormMenu::ImpostaModalita()
{
    Timer1->stop();
    catturaTasti = modalita_ != 0;
    if (modalita_ != 0)
        for (EtichettaPulsante *b : Command1)
            b->unsetCursor();
    switch (modalita_) {
    case 1:
        IndiceScansione = esci();
        KeyUp(Spazio); // the highlight starts on button 0
        break;
    case 2:
        IndiceScansione = 0;
        evidenzia(0);
        Combo1->hide();
        Timer1->setInterval(Scansione::intervallo(Profilo.VelocitaScansione));
        Timer1->start();
        break;
    case 3:
        IndiceScansione = esci();
        KeyUp(Destra);
        break;
    default:
        break;
    }
}

void FormMenu::evidenzia(int indice)
{
    Command1[IndiceScansione]->setSfondo(colorePulsante());
    IndiceScansione = indice;
    Command1[IndiceScansione]->setSfondo(coloreEvidenziato());
}

void FormMenu::passoAvanti() { evidenzia(Scansione::avanti(IndiceScansione, pulsanti())); }
void FormMenu::passoIndietro() { evidenzia(Scansione::indietro(IndiceScansione, pulsanti())); }
void FormMenu::scegli() { AvviaEsercizi(IndiceScansione); }

void FormMenu::KeyDown(int key)
{
    // Holding the switch keeps the highlight still.
    if (modalita_ == 2 && key == Spazio)
        Timer1->stop();
}

void FormMenu::KeyUp(int key)
{
    switch (Scansione::azioneTasto(modalita_, key)) {
    case Scansione::Azione::Avanti: passoAvanti(); break;
    case Scansione::Azione::Indietro: passoIndietro(); break;
    case Scansione::Azione::Scegli:
        scegli();
        if (modalita_ == 2 && isVisible() && !Timer1->isActive())
            Timer1->start(); // still open after the choice: stepping again
        break;
    case Scansione::Azione::Nessuna: break;
    }
}

void FormMenu::Timer1_Timer()
{
    if (modalita_ == 2)
        passoAvanti();
}

void FormMenu::Command1_MouseMove(int Index)
{
    if (modalita_ != 0 || Command1[Index]->sfondo() == coloreEvidenziato())
        return;
    for (EtichettaPulsante *b : Command1)
        b->setSfondo(coloreSfondo());
    Command1[Index]->setSfondo(coloreEvidenziato());
}

void FormMenu::Form_MouseMove()
{
    if (modalita_ != 0)
        return;
    for (EtichettaPulsante *b : Command1)
        if (b->sfondo() != coloreSfondo())
            b->setSfondo(coloreSfondo());
}
