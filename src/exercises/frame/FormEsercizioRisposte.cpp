#include "BarraStato.h"
#include "FormEsercizio.h"
#include "platform/VbColor.h"
#include "shell/Profilo.h"
#include "shell/PulsanteImmagine.h"
#include "shell/Scansione.h"
#include "shell/Suoni.h"

#include <QTimer>

namespace {
QColor colorePulsanti() { return VbColor::toQColor(Profilo.ColorePulsanti); }
QColor coloreSelezionato() { return VbColor::toQColor(Profilo.ColorePulsanteSelezionato); }
} // namespace

bool FormEsercizio::scansione() const { return ConScansione(Profilo.ModalitaInput); }

// --- The scanned items: by default the buttons ---

int FormEsercizio::ElementiScansione() const { return int(Pulsanti.size()); }

bool FormEsercizio::ElementoScansionabile(int indice) const
{
    return indice >= 0 && indice < int(Pulsanti.size()) && Pulsanti[indice]->isEnabled();
}

void FormEsercizio::EvidenziaElemento(int indice, bool acceso)
{
    if (indice >= 0 && indice < int(Pulsanti.size()))
        Pulsanti[indice]->setSfondo(acceso ? coloreSelezionato() : colorePulsanti());
}

int FormEsercizio::ElementoProssima() const { return int(Pulsanti.size()) - 1; }

void FormEsercizio::abilitaRisposte(bool aperta)
{
    const int prossima = ElementoProssima();
    for (int i = 0; i < int(Pulsanti.size()); ++i)
        Pulsanti[i]->setEnabled(i == prossima ? !aperta : aperta);
}

void FormEsercizio::impostaModoInput()
{
    TimerScansione->stop();
    catturaTasti = scansione();
    cursore_.imposta(ElementiScansione(), ElementoProssima());
    if (!scansione())
        return;
    EvidenziaElemento(0, true);
    if (Profilo.ModalitaInput == ModoInput::ScansioneAutomatica) {
        TimerScansione->setInterval(Scansione::intervallo(Profilo.VelocitaScansione));
        TimerScansione->start();
    }
}

// --- Mouse ---

void FormEsercizio::ScegliConMouse(int indice)
{
    if (!scansione())
        scegli(indice, false);
}

void FormEsercizio::EvidenziaSottoMouse(int indice)
{
    if (scansione())
        return;
    for (int i = 0; i < int(Pulsanti.size()); ++i)
        Pulsanti[i]->setSfondo(i == indice ? coloreSelezionato() : colorePulsanti());
}

void FormEsercizio::spegniEvidenze()
{
    for (PulsanteImmagine *p : Pulsanti)
        p->setSfondo(colorePulsanti()); // repaints only a button whose colour differs
}

// --- Keys and the scanning timer ---

void FormEsercizio::passoAvanti()
{
    const int prima = cursore_.indice();
    if (cursore_.avanti([this](int i) { return ElementoScansionabile(i); })) {
        EvidenziaElemento(prima, false);
        EvidenziaElemento(cursore_.indice(), true);
    }
}

void FormEsercizio::passoIndietro()
{
    const int prima = cursore_.indice();
    if (cursore_.indietro([this](int i) { return ElementoScansionabile(i); })) {
        EvidenziaElemento(prima, false);
        EvidenziaElemento(cursore_.indice(), true);
    }
}

void FormEsercizio::scegliEvidenziato() { scegli(cursore_.indice(), true); }

void FormEsercizio::vaiAElemento(int indice)
{
    EvidenziaElemento(cursore_.indice(), false);
    cursore_.vaiA(indice);
    EvidenziaElemento(indice, true);
}

void FormEsercizio::KeyDown(int codice)
{
    if (Profilo.ModalitaInput == ModoInput::ScansioneAutomatica && codice == Tasto::Spazio)
        TimerScansione->stop(); // the highlight stays while the switch is held
}

void FormEsercizio::KeyUp(int codice)
{
    switch (Scansione::azioneTasto(Profilo.ModalitaInput, codice)) {
    case Scansione::Azione::Avanti: passoAvanti(); break;
    case Scansione::Azione::Indietro: passoIndietro(); break;
    case Scansione::Azione::Scegli:
        if (Profilo.ModalitaInput == ModoInput::ScansioneAutomatica)
            TimerScansione->start(); // the stepping starts again a full interval after the choice
        scegliEvidenziato();
        break;
    case Scansione::Azione::Nessuna: break;
    }
}

void FormEsercizio::TimerScansione_Timer()
{
    if (Profilo.ModalitaInput == ModoInput::ScansioneAutomatica)
        passoAvanti();
}

// --- Choosing and judging ---

void FormEsercizio::scegli(int indice, bool daScansione)
{
    if (indice >= 0 && accettaScelta())
        ScegliElemento(indice, daScansione);
}

bool FormEsercizio::accettaScelta()
{
    // Nothing is judged while a question is being set up, and one switch press chooses once.
    return !preparando_ && !lasciato_ && guardia_.accetta();
}

void FormEsercizio::ScegliElemento(int indice, bool daScansione)
{
    const int prossima = ElementoProssima();
    if (indice == prossima) {
        if (daScansione) {
            EvidenziaElemento(prossima, false);
            cursore_.vaiA(0);
            EvidenziaElemento(0, true);
        }
        ProssimaDomanda();
        return;
    }
    if (!domandaAperta_ || indice >= prossima)
        return; // the question was already answered rightly
    if (Giudica(indice))
        rispostaGiusta(indice, daScansione);
    else
        rispostaSbagliata();
}

void FormEsercizio::rispostaGiusta(int indice, bool daScansione)
{
    domandaAperta_ = false;
    livelli_.giusta();
    DopoRispostaGiusta(indice);
    // The sound and the reward each draw at random: their order picks which sound and which movie.
    const bool suonoPrima = SuonoPrimaDelPremio(daScansione);
    if (!suonoPrima)
        contaPremio();
    aggiornaPannelli();
    SuonoSi();
    if (suonoPrima)
        contaPremio();
    if (ContinuaDomanda(indice)) {
        domandaAperta_ = true;
        return;
    }
    abilitaRisposte(false);
    if (daScansione) {
        EvidenziaElemento(indice, false);
        cursore_.vaiA(ElementoProssima());
        EvidenziaElemento(ElementoProssima(), true);
    }
}

void FormEsercizio::contaPremio()
{
    if (descrizione_.premio && contaPremio_.giusta())
        MostraPremio();
}

void FormEsercizio::contaRisposta(bool giusta)
{
    if (!giusta) {
        rispostaSbagliata();
        return;
    }
    contaGiuste(1);
    SuonoSi();
}

void FormEsercizio::rispostaSbagliata()
{
    SuonoNo();
    contaErrata();
}

void FormEsercizio::contaGiuste(int quante)
{
    livelli_.giusta(quante);
    aggiornaPannelli();
}

void FormEsercizio::contaErrata()
{
    livelli_.sbagliata();
    aggiornaPannelli();
}
