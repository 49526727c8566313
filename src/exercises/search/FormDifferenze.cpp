#include "FormDifferenze.h"
#include "platform/Assistant.h"
#include "platform/MovieView.h"
#include "shell/Immagini.h"
#include "shell/PittoreZanfrone.h"
#include "shell/Profilo.h"
#include "shell/PulsanteImmagine.h"
#include "shell/Suoni.h"
#include "platform/VbColor.h"

#include <QEvent>
#include <QLabel>

namespace {
constexpr int kLarghezzaZanfrone = 4935;
} // namespace

FormDifferenze::FormDifferenze(const DescrizioneEsercizio &descrizione, bool secchioADestra)
    : FormEsercizio(descrizione), secchioADestra_(secchioADestra)
{
    LabelFrase->hide(); // the help panel
    LabelFrase->setFrameStyle(QFrame::Box | QFrame::Plain);
    LabelFrase->setLineWidth(2);
}

void FormDifferenze::creaZanfroni(int top, int height)
{
    creaFilmato(QStringLiteral("Zanfrone"), 120, top, kLarghezzaZanfrone, height);
    SecondoZanfrone = creaFilmato(QStringLiteral("SecondoZanfrone"), 5280, top, kLarghezzaZanfrone, height);
}

void FormDifferenze::creaPulsanti(int aiutoLeft, int nuovaLeft, int top)
{
    PulsanteImmagine *nuova = creaPulsante(QString(), Immagini::Avanti, nuovaLeft, top, 2775, 615, 14.25, false);
    nuova->setAccessibleName(QStringLiteral("Nuovo esercizio"));
    nuova->setEnabled(false);
    PulsanteImmagine *aiuto = creaPulsante(QString(), Immagini::Aiuto, aiutoLeft, top, 975, 615, 14.25, false);
    aiuto->setAccessibleName(QStringLiteral("Aiuto"));
    // Help answers the mouse in every input mode (the frame passes clicks on only with the mouse).
    connect(aiuto, &PulsanteImmagine::clicked, this, [this] {
        if (scansione())
            Aiuto();
    });
}

void FormDifferenze::Form_Activate()
{
    FormEsercizio::Form_Activate();
    if (Profilo.CursoreSistema || scansione())
        Pulsanti[0]->setCursor(Qt::ArrowCursor);
    // Read in the case it is written in, shown in the user's case.
    const QString testo = istruzione();
    parla(testo);
    if (nascondiDopoIstruzione())
        Assistente()->Hide();
    LabelFrase->setText(caso(testo));
}

void FormDifferenze::ImpostaColori()
{
    coppia_.ImpostaColori(Livello(), !scansione(), secchioADestra_);
    ColoraPrimoZanfrone();
    ColoraSecondoZanfrone();
}

void FormDifferenze::ColoraPrimoZanfrone() { ColoraZanfrone(*Zanfrone, coppia_.aspetto[0]); }
void FormDifferenze::ColoraSecondoZanfrone() { ColoraZanfrone(*SecondoZanfrone, coppia_.aspetto[1]); }

void FormDifferenze::GeneraEsercizio()
{
    Pulsanti[0]->setEnabled(false);
    ImpostaColori();
    if (scansione())
        vaiAElemento(0); // also takes the highlight off the new-pair button after a level change
}

void FormDifferenze::EvidenziaElemento(int indice, bool acceso)
{
    if (indice == kNuovaCoppia)
        Pulsanti[0]->setSfondo(VbColor::toQColor(acceso ? Profilo.ColorePulsanteSelezionato : Profilo.ColorePulsanti));
    else if (acceso && indice >= 0 && indice < kNuovaCoppia)
        MostraScansione(indice); // the last part found stays marked until the next pair
}

void FormDifferenze::ScegliElemento(int indice, bool daScansione)
{
    if (daScansione) {
        if (indice == kNuovaCoppia)
            FormEsercizio::ScegliElemento(indice, true); // the frame starts the next pair
        else if (!coppia_.Finita())
            giudicaRiga(indice + 1, 0, 1);
        return;
    }
    if (indice == 0 && Pulsanti[0]->isEnabled())
        FormEsercizio::ScegliElemento(kNuovaCoppia, false);
    else if (indice == 1)
        Aiuto();
}

void FormDifferenze::clicSuParte(int riga, int sorgente, int bersaglio)
{
    if (scansione() || coppia_.Finita() || riga < 1 || riga > CoppiaDifferenze::kRigaMassima)
        return;
    if (accettaScelta())
        giudicaRiga(riga, sorgente, bersaglio);
}

void FormDifferenze::giudicaRiga(int riga, int sorgente, int bersaglio)
{
    const bool conMouse = !scansione();
    if (!coppia_.Giudica(riga, sorgente, bersaglio, conMouse)) {
        rispostaSbagliata();
        return;
    }
    if (bersaglio == 0)
        ColoraPrimoZanfrone();
    else
        ColoraSecondoZanfrone();
    contaGiuste(1);
    if (coppia_.Finita()) {
        Pulsanti[0]->setEnabled(true); // while scanning too: the highlight rests on it
        if (!conMouse)
            vaiAElemento(kNuovaCoppia);
    }
    SuonoSi();
}

void FormDifferenze::Aiuto()
{
    if (parlato()) {
        Assistente()->StopAll();
        Assistente()->Show();
        Assistente()->Speak(TagVoce + LabelFrase->text());
        Assistente()->Hide(); // once the instruction is read
        return;
    }
    LabelFrase->raise();
    LabelFrase->show();
}

void FormDifferenze::NascondiAiuto() { LabelFrase->hide(); }

bool FormDifferenze::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == LabelFrase && event->type() == QEvent::MouseButtonRelease)
        NascondiAiuto();
    return FormEsercizio::eventFilter(watched, event);
}
