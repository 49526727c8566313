// The sounds and voice page: speech, balloon, voice and character of the assistant.
#include "FormConfigura.h"
#include "shell/DialoghiComuni.h"
#include "shell/Profilo.h"
#include "platform/Assistant.h"
#include "platform/Services.h"
#include "platform/SoundPlayer.h"
#include "platform/VbFormat.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace {
QCheckBox *nuovaCasella(const char *testo, QWidget *genitore)
{
    return new QCheckBox(QString::fromUtf8(testo), genitore);
}
} // namespace

void FormConfigura::costruisciPaginaSuoni()
{
    QFrame *pagina = Pagine[4] = nuovaPagina(QStringLiteral("FrameSuoni"));

    CheckSuoni = nuovaCasella("Attiva suoni", pagina);
    posiziona(CheckSuoni, QStringLiteral("CheckSuoni"), 480, 240, 4200, 420);
    connect(CheckSuoni, &QCheckBox::clicked, this, &FormConfigura::CheckSuoni_Click);
    CheckParlato = nuovaCasella("Attiva parlato", pagina);
    posiziona(CheckParlato, QStringLiteral("CheckParlato"), 480, 720, 4200, 420);
    connect(CheckParlato, &QCheckBox::clicked, this, &FormConfigura::ImpostaParlato);

    LabelVelocitaVoce = new QLabel(pagina);
    LabelVelocitaVoce->setTextFormat(Qt::PlainText);
    posiziona(LabelVelocitaVoce, QStringLiteral("LabelVelocitaVoce"), 480, 1260, 4200, 360);
    HScrollVelocitaVoce = nuovaBarra(pagina, QStringLiteral("HScrollVelocitaVoce"), 50, 250, 5, 480, 1620,
                                     4200, &FormConfigura::CambiaVelocitaVoce);

    LabelTonoVoce = new QLabel(pagina);
    LabelTonoVoce->setTextFormat(Qt::PlainText);
    posiziona(LabelTonoVoce, QStringLiteral("LabelTonoVoce"), 480, 2040, 4200, 360);
    HScrollTonoVoce = nuovaBarra(pagina, QStringLiteral("HScrollTonoVoce"), 50, 400, 5, 480, 2400,
                                 4200, &FormConfigura::CambiaTonoVoce);

    ChkFumetto = nuovaCasella("Fumetto visibile", pagina);
    posiziona(ChkFumetto, QStringLiteral("ChkFumetto"), 480, 2880, 4200, 420);
    connect(ChkFumetto, &QCheckBox::clicked, this, &FormConfigura::ChkFumetto_Click);
    CheckContieneTesto = nuovaCasella("Fumetto che contiene tutto il testo", pagina);
    posiziona(CheckContieneTesto, QStringLiteral("CheckContieneTesto"), 480, 3360, 4200, 420);
    connect(CheckContieneTesto, &QCheckBox::clicked, this, &FormConfigura::CheckContieneTesto_Click);
    CommandFontFumetto = new QPushButton(QStringLiteral("Font fumetto"), pagina);
    posiziona(CommandFontFumetto, QStringLiteral("CommandFontFumetto"), 480, 3900, 2400, 540);
    connect(CommandFontFumetto, &QPushButton::clicked, this, &FormConfigura::CommandFontFumetto_Click);

    TextProvaVoce = new QLineEdit(pagina);
    posiziona(TextProvaVoce, QStringLiteral("TextProvaVoce"), 480, 4800, 4200, 480);
    CommandProvaVoce = new QPushButton(QStringLiteral("Prova voce"), pagina);
    posiziona(CommandProvaVoce, QStringLiteral("CommandProvaVoce"), 480, 5400, 2400, 540);
    connect(CommandProvaVoce, &QPushButton::clicked, this, &FormConfigura::CommandProvaVoce_Click);

    auto *etichettaVoci = new QLabel(QStringLiteral("modifica linguaggio di lettura"), pagina);
    etichettaVoci->setTextFormat(Qt::PlainText);
    posiziona(etichettaVoci, QStringLiteral("LabelVoci"), 4920, 240, 4560, 360);
    ListVoci = new QListWidget(pagina);
    posiziona(ListVoci, QStringLiteral("ListVoci"), 4920, 600, 4560, 2100);
    connect(ListVoci, &QListWidget::currentRowChanged, this, &FormConfigura::ScegliVoce);
    NotaVoci = new QLabel(pagina);
    NotaVoci->setTextFormat(Qt::PlainText);
    posiziona(NotaVoci, QStringLiteral("NotaVoci"), 4980, 660, 4440, 1980);
    NotaVoci->setWordWrap(true);
    NotaVoci->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NotaVoci->setAttribute(Qt::WA_TransparentForMouseEvents);
    NotaVoci->hide();
    connect(Services::current().speech, &SpeechEngine::availabilityChanged, this, &FormConfigura::RiempiVoci);

    auto *etichettaPersonaggi = new QLabel(QStringLiteral("personaggio"), pagina);
    etichettaPersonaggi->setTextFormat(Qt::PlainText);
    posiziona(etichettaPersonaggi, QStringLiteral("LabelPersonaggi"), 4920, 2880, 2160, 360);
    ListPersonaggi = new QListWidget(pagina);
    posiziona(ListPersonaggi, QStringLiteral("ListPersonaggi"), 4920, 3240, 2160, 3360);
    connect(ListPersonaggi, &QListWidget::currentRowChanged, this, &FormConfigura::ScegliPersonaggio);

    // Where the assistant stands while this page is shown.
    RiquadroAssistente = new QWidget(pagina);
    posiziona(RiquadroAssistente, QStringLiteral("RiquadroAssistente"), 7320, 3240, 2160, 3360);
}

void FormConfigura::collocaAssistente()
{
    const QRect r = RiquadroAssistente->geometry();
    const QPoint inAlto = RiquadroAssistente->parentWidget()->mapTo(this, r.topLeft());
    assistente_->setGeometry(QRect(inAlto, r.size()));
}

void FormConfigura::ImpostaVoce()
{
    assistente_->StopAll();
    const QSignalBlocker b1(ListVoci), b2(ListPersonaggi);
    ListVoci->clear();
    ListPersonaggi->clear();
    RiempiVoci();
    const QStringList personaggi = Assistant::installedCharacters();
    ListPersonaggi->addItems(personaggi);
    ListPersonaggi->setCurrentRow(-1);
    for (int i = 0; i < personaggi.size(); ++i)
        if (personaggi[i] == Profilo.NomePersonaggio)
            ListPersonaggi->setCurrentRow(i);
}

void FormConfigura::RiempiVoci()
{
    SpeechEngine &motore = *Services::current().speech;
    const QList<SpeechEngine::Voice> voci = motore.voices();
    const bool udibili = !voci.isEmpty() && motore.canSpeak();
    const QSignalBlocker blocco(ListVoci);
    ListVoci->clear();
    if (udibili) // voices that cannot be heard are not offered: the note says why
        for (const SpeechEngine::Voice &v : voci)
            ListVoci->addItem(v.name);
    ListVoci->setCurrentRow(-1);
    if (udibili) {
        NotaVoci->hide();
        return;
    }
    if (motore.availability() == SpeechEngine::Availability::Starting)
        NotaVoci->setText(QStringLiteral("Ricerca delle voci in corso..."));
    else if (!voci.isEmpty() && !Services::current().sounds->hasOutput())
        NotaVoci->setText(QStringLiteral(
            "Nessuna uscita audio: il computer non ha una scheda audio in funzione, perciò la voce non si "
            "sentirebbe. Il personaggio resterà muto e le frasi saranno sempre scritte sullo schermo."));
    else
        NotaVoci->setText(QStringLiteral(
            "Nessuna voce disponibile: il servizio di sintesi vocale del computer non risponde o non ha "
            "voci installate, perciò l'elenco è vuoto. Il personaggio resterà muto e le frasi saranno "
            "sempre scritte sullo schermo."));
    NotaVoci->show();
    NotaVoci->raise();
}

void FormConfigura::CheckSuoni_Click(bool spuntato) { Profilo.SuoniAttivi = spuntato; }

void FormConfigura::ImpostaParlato(bool spuntato)
{
    Profilo.ParlatoAttivo = spuntato;
    ImpostaConfigurazioni();
}

void FormConfigura::CambiaVelocitaVoce(int valore)
{
    Profilo.VelocitaVoce = static_cast<qint16>(valore);
    LabelVelocitaVoce->setText(QStringLiteral("Velocità = ") + VbFormat::str(valore));
    AggiornaTagVoce();
}

void FormConfigura::CambiaTonoVoce(int valore)
{
    Profilo.TonoVoce = static_cast<qint16>(valore);
    LabelTonoVoce->setText(QStringLiteral("Tono = ") + VbFormat::str(valore));
    AggiornaTagVoce();
}

void FormConfigura::ChkFumetto_Click(bool spuntato)
{
    Profilo.FumettoVisibile = spuntato;
    cambiaStileFumetto(1, spuntato, spuntato ? QStringLiteral("Il fumetto è visibile.")
                                             : QStringLiteral("Il fumetto non sarà visualizzato."));
}

void FormConfigura::CheckContieneTesto_Click(bool spuntato)
{
    Profilo.FumettoTuttoTesto = spuntato;
    cambiaStileFumetto(2, spuntato, spuntato ? QStringLiteral("Il fumetto conterrà tutto il testo.")
                                             : QStringLiteral("Il fumetto avrà dimensioni ridotte e rimarrà visibile "
                                                              "solo una parte del testo."));
}

// Sets or clears one bit of the balloon's style and says what changed.
void FormConfigura::cambiaStileFumetto(int bit, bool acceso, const QString &annuncio)
{
    const int stile = assistente_->BalloonStyle();
    assistente_->setBalloonStyle(acceso ? (stile | bit) : (stile & ~bit));
    assistente_->StopAll();
    assistente_->Speak(TagVoce + annuncio);
    ImpostaConfigurazioni();
}

void FormConfigura::CommandFontFumetto_Click()
{
    if (!sceltaFontValida(Profilo.FontFumetto, Profilo.DimensioneFontFumetto))
        return;
    assistente_->setBalloonFont(Profilo.FontFumetto, Profilo.DimensioneFontFumetto);
}

void FormConfigura::CommandProvaVoce_Click() { assistente_->Speak(TagVoce + TextProvaVoce->text()); }

void FormConfigura::ScegliVoce(int riga)
{
    const QList<SpeechEngine::Voice> voci = Services::current().speech->voices();
    if (riga < 0 || riga >= voci.size())
        return;
    Profilo.ModoVoce = QLatin1Char('{') + voci[riga].id + QLatin1Char('}');
    assistente_->setTTSModeID(Profilo.ModoVoce);
}

void FormConfigura::ScegliPersonaggio(int riga)
{
    if (riga < 0 || riga >= ListPersonaggi->count())
        return;
    Profilo.NomePersonaggio = ListPersonaggi->item(riga)->text();
    CaricaAssistente();
    collocaAssistente();
    assistente_->Show();
}
