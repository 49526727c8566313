#include "FormEs4.h"
#include "platform/MovieView.h"
#include "shell/Immagini.h"
#include "shell/PittoreZanfrone.h"
#include "shell/Profilo.h"
#include "shell/PulsanteImmagine.h"
#include "shell/Suoni.h"

#include <QLabel>

namespace {
const QString kGrigio = QStringLiteral("CCCCCC");
} // namespace

FormEs4::FormEs4()
    : FormEsercizio({.schermo = Nome, .livelli = 6, .soglia = 14, .larghezza = 8010,
                     .altezza = 6240, .sfondo = QColor(0xC0, 0xFF, 0xFF)})
{
    auto *clown = creaFilmato(QStringLiteral("Zanfrone"), 120, 120, 3615, 5175);
    connect(clown, &MovieView::FSCommand, this, [this](const QString &c) { ColoraParteCliccata(c); });
    posizionaFrase(3840, 120, 3975, 3135);
    posizionaAssistente(3840, 3360, 2055, 1935);
    creaPulsante(QStringLiteral("Controlla"), Immagini::Controlla, 6000, 3720, 1785, 735, 14.25, false);
    creaPulsante(QStringLiteral("Nuovo"), Immagini::Avanti, 6000, 4560, 1815, 735, 14.25, false)->setEnabled(false);

    LabelIstruzione = new QLabel(area());
    LabelIstruzione->setTextFormat(Qt::PlainText);
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(12);
    LabelIstruzione->setFont(f);
    LabelIstruzione->setAlignment(Qt::AlignCenter);
    posiziona(LabelIstruzione, QStringLiteral("LabelIstruzione"), 120, 5400, 8055, 255);
}

void FormEs4::Form_Activate()
{
    // The instruction says how to play in the input mode in use.
    switch (Profilo.ModalitaInput) {
    case ModoInput::ScansioneManuale: LabelIstruzione->setText(QStringLiteral("Premi Spazio per cambiare il colore e Invio per sceglierlo")); break;
    case ModoInput::ScansioneAutomatica: LabelIstruzione->setText(QStringLiteral("Premi il pulsante quando la parte ha il colore giusto")); break;
    case ModoInput::Tastiera: LabelIstruzione->setText(QStringLiteral("Premi le frecce per cambiare il colore e Invio per sceglierlo")); break;
    case ModoInput::Mouse: LabelIstruzione->setText(QStringLiteral("Clicca sul zanfrone per modificarne il colore")); break;
    }
    FormEsercizio::Form_Activate();
}

void FormEs4::ApriFileZanfroni()
{
    CaricaZanfrone(*Zanfrone, scansione() ? 3 : 2);
}

// The grey clown, the hat always shown, the bucket at random.
void FormEs4::ImpostaColori()
{
    MovieView &m = *Zanfrone;
    ColoraSfondo(m);
    for (int k = 1; k <= RegoleColora::kParti; ++k)
        ColoraParte(m, k, kGrigio);
    MostraSecchioCappello(m, regole_.ColoreRichiesto[Parti::Secchio] != 0, true);
}

void FormEs4::GeneraEsercizio()
{
    if (scansione()) {
        DeColoraContorno(); // a level chosen in the middle of an exercise
        EvidenziaElemento(1, false);
        EvidenziaElemento(0, true);
    }
    abilitaRisposte(true);
    regole_.NuovoEsercizio();
    ImpostaColori();
    regole_.ScriviFrase(Livello(), Profilo.TipoCarattere == Lettere::Maiuscolo);
    if (Livello() <= 3)
        PresentaFrasi();
    else
        PresentaFraseUnica();
}

void FormEs4::PresentaFrasi()
{
    if (!regole_.Finito()) {
        LabelFrase->setText(regole_.Frasi[regole_.PescaParte()]);
        parla(LabelFrase->text());
        if (scansione())
            ColoraContorno();
        return;
    }
    LabelFrase->setText(regole_.TutteLeFrasi());
    abilitaRisposte(false);
    if (scansione())
        evidenziaNuovo();
}

void FormEs4::PresentaFraseUnica()
{
    LabelFrase->setText(regole_.FrasiInOrdineCasuale());
    parla(LabelFrase->text());
    regole_.PartiEsatte = 0;
    if (scansione()) {
        regole_.AzzeraFatte();
        PresentaUnaPerVolta();
    }
}

void FormEs4::PresentaUnaPerVolta()
{
    if (!regole_.Finito()) {
        regole_.PescaParte();
        ColoraContorno();
        return;
    }
    abilitaRisposte(false); // the same end as one sentence at a time
    evidenziaNuovo();
}

void FormEs4::evidenziaNuovo()
{
    EvidenziaElemento(0, false);
    EvidenziaElemento(1, true);
    regole_.ColoreCorrente = RegoleColora::kFinito;
}

void FormEs4::ColoraContorno()
{
    EvidenziaParte(*Zanfrone, regole_.ParteCorrente, TrovaColoreScansione(Profilo.ColorePulsanteSelezionato));
}

void FormEs4::DeColoraContorno() { SpegniContorno(*Zanfrone, regole_.ParteCorrente); }

void FormEs4::coloraParte(int parte)
{
    ColoraParte(*Zanfrone, parte, CodiceColore(regole_.ColoreDato[parte]));
}

// --- Mouse ---

void FormEs4::ColoraParteCliccata(const QString &command)
{
    if (scansione())
        return;
    bool numero = false;
    const int parte = command.trimmed().toInt(&numero);
    if (!numero || parte < 1 || parte > RegoleColora::kParti)
        return; // the bucket and anything else the movie might send
    // Every click moves the colour on, even on a part already judged right.
    if (regole_.Colora(parte, regole_.PassoColore()))
        coloraParte(parte);
}

void FormEs4::ScegliElemento(int indice, bool daScansione)
{
    if (daScansione) {
        SelezionaColore();
        return;
    }
    if (indice < 0 || indice > 1 || !Pulsanti[indice]->isEnabled())
        return;
    if (indice == 1)
        FormEsercizio::ScegliElemento(ElementoProssima(), false); // a new exercise
    else
        Controlla();
}

bool FormEs4::giudicaParteCorrente()
{
    switch (regole_.GiudicaParte(regole_.ParteCorrente)) {
    case RegoleColora::Esito::Niente: break; // no colour given yet
    case RegoleColora::Esito::Sbagliata:
        SuonoNo();
        contaErrata();
        break;
    case RegoleColora::Esito::Giusta:
        contaGiuste(1);
        SuonoSi();
        return true;
    }
    return false;
}

void FormEs4::Controlla()
{
    if (Livello() <= 3) {
        if (giudicaParteCorrente())
            PresentaFrasi();
        return;
    }
    const RegoleColora::Controllo esito = regole_.ControllaTutto();
    for (int i = 0; i < esito.sbagliate; ++i)
        contaErrata();
    if (esito.interrotto)
        return; // a part still grey: the parts before it are judged, silently
    if (esito.completo) {
        SuonoSi();
        contaGiuste(RegoleColora::kParti);
        abilitaRisposte(false);
    } else {
        SuonoNo();
    }
}

// --- Scanning ---

void FormEs4::passoAvanti()
{
    if (!scansione() || regole_.ColoreCorrente == RegoleColora::kFinito)
        return;
    const int parte = regole_.ParteCorrente;
    if (regole_.Colora(parte, regole_.PassoColore()))
        coloraParte(parte);
}

void FormEs4::SelezionaColore()
{
    if (regole_.ColoreCorrente == RegoleColora::kFinito) {
        FormEsercizio::ScegliElemento(ElementoProssima(), true); // highlight back on the check, a new exercise
        return;
    }
    if (!giudicaParteCorrente())
        return; // a wrong colour stays, outlined, and the stepping goes on
    DeColoraContorno();
    if (Livello() <= 3)
        PresentaFrasi();
    else
        PresentaUnaPerVolta();
}
