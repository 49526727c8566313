#include "FormEsercizio.h"
#include "shell/Personaggio.h"
#include "BarraStato.h"
#include "EtichettaAdattata.h"
#include "platform/Assistant.h"
#include "platform/MovieView.h"
#include "platform/Services.h"
#include "platform/VbColor.h"
#include "shell/CarattereTesto.h"
#include "shell/FormMenu.h"
#include "shell/Immagini.h"
#include "shell/Profilo.h"
#include "shell/PulsanteImmagine.h"
#include "shell/Puntatore.h"
#include "shell/Schermi.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace {
constexpr int kAltezzaBarra = 495;
} // namespace

FormEsercizio::FormEsercizio(const DescrizioneEsercizio &descrizione)
    : Schermo(descrizione.schermo, descrizione.larghezza, descrizione.altezza),
      descrizione_(descrizione),
      livelli_(descrizione.livelli, descrizione.soglia)
{
    coloreSfondo(descrizione.sfondo);
    area()->setMouseTracking(true);
    area()->setCursor(PuntatoreProgramma());

    LabelFrase = new EtichettaAdattata(area());
    LabelFrase->setWordWrap(true);
    LabelFrase->setAlignment(Qt::AlignCenter);
    LabelFrase->setAutoFillBackground(true);
    LabelFrase->setMargin(8);
    LabelFrase->setMouseTracking(true);
    LabelFrase->installEventFilter(this);

    PicAssistente = new QWidget(area());
    PicAssistente->setStyleSheet(QStringLiteral("background:black;"));

    BarraContatori = new BarraStato(area());
    posiziona(BarraContatori, QStringLiteral("BarraContatori"), 0, descrizione.altezza - kAltezzaBarra, descrizione.larghezza,
              kAltezzaBarra);

    TimerScansione = new QTimer(this);
    TimerScansione->setObjectName(QStringLiteral("TimerScansione"));
    TimerScansione->setInterval(100);
    connect(TimerScansione, &QTimer::timeout, this, &FormEsercizio::TimerScansione_Timer);

    costruisciMenu();
    CaricaAssistente();
    connect(Services::current().speech, &SpeechEngine::availabilityChanged, this, &FormEsercizio::vocePersa);
}

FormEsercizio::~FormEsercizio()
{
    if (assistente_)
        assistente_->StopAll();
}

PulsanteImmagine *FormEsercizio::creaPulsante(const QString &didascalia, const QString &immagine, int left, int top,
                                              int width, int height, double puntiFont, bool risposta)
{
    const int indice = int(Pulsanti.size());
    auto *p = new PulsanteImmagine(area());
    p->setText(didascalia);
    p->setAccessibleName(didascalia.isEmpty() ? QStringLiteral("Avanti") : didascalia);
    p->setProperty("didascalia", didascalia);
    p->setProperty("immagine", immagine);
    p->setProperty("risposta", risposta);
    p->setImmagine(immagine);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(puntiFont);
    f.setBold(true);
    p->setFont(f);
    p->setCursor(PuntatoreProgramma());
    posiziona(p, QStringLiteral("Pulsanti_%1").arg(indice), left, top, width, height);
    connect(p, &PulsanteImmagine::clicked, this, [this, indice] { ScegliConMouse(indice); });
    connect(p, &PulsanteImmagine::mouseSopra, this, [this, indice] { EvidenziaSottoMouse(indice); });
    Pulsanti.push_back(p);
    return p;
}

void FormEsercizio::creaRisposte(const QString (&didascalie)[2], const QString (&immagini)[2], const QRect (&posti)[3],
                                 double puntiFont)
{
    for (int i = 0; i < 2; ++i)
        creaPulsante(didascalie[i], immagini[i], posti[i].x(), posti[i].y(), posti[i].width(), posti[i].height(), puntiFont, true);
    const QRect &p = posti[2];
    creaPulsante(QString(), Immagini::Avanti, p.x(), p.y(), p.width(), p.height(), 14.25, false)->setEnabled(false);
}

MovieView *FormEsercizio::creaFilmato(const QString &nome, int left, int top, int width, int height)
{
    auto *m = new MovieView(area());
    posiziona(m, nome, left, top, width, height);
    if (!Zanfrone)
        Zanfrone = m;
    return m;
}

void FormEsercizio::posizionaFrase(int left, int top, int width, int height)
{
    posiziona(LabelFrase, QStringLiteral("LabelFrase"), left, top, width, height);
}

void FormEsercizio::posizionaAssistente(int left, int top, int width, int height)
{
    posiziona(PicAssistente, QStringLiteral("PicAssistente"), left, top, width, height);
}

void FormEsercizio::stileTesto(QWidget *testo)
{
    QPalette pal = testo->palette();
    const QColor sfondo = VbColor::toQColor(Profilo.ColoreSfondoTesto);
    const QColor lettere = VbColor::toQColor(Profilo.ColoreFont);
    pal.setColor(QPalette::Window, sfondo);
    pal.setColor(QPalette::Base, sfondo);
    pal.setColor(QPalette::WindowText, lettere);
    pal.setColor(QPalette::Text, lettere);
    testo->setPalette(pal);
    testo->setFont(CarattereTesto::Crea(Profilo.FontTesto, qMax<int>(6, Profilo.DimensioneFontTesto)));
}

QString FormEsercizio::caso(const QString &testo)
{
    return Profilo.TipoCarattere == Lettere::Maiuscolo ? testo.toUpper() : testo;
}

// --- Life cycle and assistant ---

void FormEsercizio::CaricaAssistente()
{
    assistente_ = CaricaPersonaggio(this);
}

void FormEsercizio::ImpostaAssistente()
{
    ImpostaPersonaggio(*assistente_);
}

void FormEsercizio::MostraAssistente()
{
    assistente_->Show();
    QRect g = assistente_->Geometry();
    g.setWidth(g.width() + 20);
    g.setHeight(g.height() + 20);
    // A third of the way into the assistant's box, in the screen's pixels.
    const QPoint angolo = PicAssistente->mapTo(this, QPoint(PicAssistente->width() / 3, PicAssistente->height() / 3));
    g.moveTopLeft(angolo);
    assistente_->setGeometry(g);
}

void FormEsercizio::parla(const QString &testo)
{
    assistente_->StopAll();
    assistente_->Speak(TagVoce + testo);
}

void FormEsercizio::mostraFrase(const QString &frase, bool puntoFinale)
{
    LabelFrase->setText(caso(frase) + (puntoFinale ? QStringLiteral(".") : QString()));
    parla(LabelFrase->text());
}

void FormEsercizio::ImpostaRisposteParlato(bool parlato)
{
    for (PulsanteImmagine *p : Pulsanti) {
        if (!p->property("risposta").toBool())
            continue;
        // The caption stays as the button's text: it shows wherever the picture is missing.
        p->setImmagine(parlato ? p->property("immagine").toString() : QString());
        p->setText(caso(p->property("didascalia").toString()));
    }
}

// A voice that stops answering leaves the screen as with speech off: the text comes back at once.
// A voice that starts answering late changes nothing until the next activation, so no text
// disappears while a child reads it.
void FormEsercizio::vocePersa()
{
    if (!parlato_ || ParlatoUdibile())
        return;
    parlato_ = false;
    ImpostaRisposteParlato(false);
    assistente_->StopAll();
    assistente_->Hide();
}

void FormEsercizio::Form_Activate()
{
    ImpostaAssistente();
    parlato_ = ParlatoUdibile();
    ImpostaRisposteParlato(parlato_);
    if (parlato_)
        MostraAssistente();
    PicAssistente->hide();
    if (!Profilo.ColoriVari)
        coloreSfondo(VbColor::toQColor(Profilo.ColoreSfondo));

    stileTesto(LabelFrase);
    for (PulsanteImmagine *p : Pulsanti) {
        p->setSfondo(VbColor::toQColor(Profilo.ColorePulsanti));
        p->setSfondoSpento(VbColor::toQColor(Profilo.ColorePulsanti));
        if (Profilo.CursoreSistema || scansione())
            p->setCursor(Qt::ArrowCursor);
    }
    if (Profilo.CursoreSistema)
        area()->setCursor(Qt::ArrowCursor);

    mnuLivelli->menuAction()->setVisible(!Profilo.PassaggioLivelli);
    for (QAction *a : mnuLiv)
        if (a)
            a->setEnabled(!Profilo.PassaggioLivelli); // hidden menu, no shortcuts either
    impostaModoInput();
    aggiornaPannelli();
    if (descrizione_.premio)
        PreparaPremi();
    ApriFileZanfroni();
    ContaDomande = 0;
    ProssimaDomanda();
}

// --- Leaving ---

void FormEsercizio::lascia()
{
    if (lasciato_)
        return;
    lasciato_ = true;
    TimerScansione->stop();
    assistente_->StopAll();
    livelli_.esci();
}

void FormEsercizio::mnuesci_Click()
{
    if (!Schermi::esiste(FormMenu::Nome)) {
        Schermi::mostra(FormMenu::Nome, this); // says it is not available: the screen stays
        return;
    }
    lascia();
    Schermi::mostra(FormMenu::Nome, this);
}

bool FormEsercizio::chiusuraDalSistema()
{
    // Alt+F4 leaves exactly as "&Esci": the row is written and the main menu comes back.
    lascia();
    if (Schermi::esiste(FormMenu::Nome))
        Schermi::mostra(FormMenu::Nome);
    return true;
}

bool FormEsercizio::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && (watched == area() || watched == LabelFrase) && !scansione())
        spegniEvidenze();
    return Schermo::eventFilter(watched, event);
}
