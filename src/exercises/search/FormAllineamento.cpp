#include "FormAllineamento.h"
#include "exercises/frame/EtichettaAdattata.h"
#include "platform/Assistant.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"
#include "shell/CorniceEvidenza.h"
#include "shell/Immagine.h"
#include "shell/Immagini.h"
#include "shell/PittoreZanfrone.h"
#include "shell/Profilo.h"
#include "shell/PulsanteImmagine.h"
#include "shell/Puntatore.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {
constexpr int kBordo = 9; // pixels of the frame around the scanned or the found clown
} // namespace

FormAllineamento::FormAllineamento(const DescrizioneEsercizio &descrizione, const QString &istruzione,
                                   int larghezzaNuovo)
    : FormEsercizio(descrizione)
{
    for (int i = 0; i < Allineamento::kMassimo; ++i) {
        // Design places on a 4 x 3 grid; each level lays the clowns out anew.
        MovieView *m = creaFilmato(QStringLiteral("Zanfroni_%1").arg(i), 120 + 1200 * (i % 4),
                                   120 + 1800 * (i / 4), 1095, 1695);
        m->setProperty("Tag", QStringLiteral("@")); // not moved by the scaling object
        m->Index = i;
        m->hide();
        connect(m, &MovieView::FSCommand, this, [this, i] { ClicZanfrone(i); });
        Zanfroni_[i] = m;
    }
    CorniceZanfrone = new CorniceEvidenza(kBordo, area());
    CorniceZanfrone->setObjectName(QStringLiteral("CorniceZanfrone"));
    CorniceZanfrone->hide();

    TestoCaratteristiche = new EtichettaAdattata(area());
    TestoCaratteristiche->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TestoCaratteristiche->setAutoFillBackground(true);
    TestoCaratteristiche->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    TestoCaratteristiche->setMargin(4);
    TestoCaratteristiche->setMouseTracking(true);
    TestoCaratteristiche->installEventFilter(this);
    TestoCaratteristiche->setCursor(PuntatoreProgramma());
    posiziona(TestoCaratteristiche, QStringLiteral("TestoCaratteristiche"), 5400, 120, 2655, 3255);

    PannelloIcone = new QWidget(area());
    PannelloIcone->setAutoFillBackground(true);
    QPalette pal = PannelloIcone->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 192));
    PannelloIcone->setPalette(pal);
    posiziona(PannelloIcone, QStringLiteral("PannelloIcone"), 5400, 120, 2775, 3975);
    for (int i = 0; i < FrasiCaratteristiche::kIcone; ++i) {
        auto *icona = new Immagine(PannelloIcone);
        icona->carica(Immagini::Parte(i + 1));
        icona->setCursor(PuntatoreProgramma());
        posiziona(icona, QStringLiteral("IconeParti_%1").arg(i), 120 + 1440 * (i % 2), 120 + 960 * (i / 2), 855, 855);
        connect(icona, &Immagine::clicked, this, [this, i] { DiciParte(i); });
        IconeParti[i] = icona;
    }

    creaPulsante(QString(), Immagini::Avanti, 6960, 4680, larghezzaNuovo, 735, 14.25, false)->setEnabled(false);
    LabelFrase->setText(istruzione);
    posizionaFrase(120, 5520, 8055, 375);
    posizionaAssistente(5400, 4200, 1455, 1215);

    TimerLettura = new QTimer(this);
    TimerLettura->setObjectName(QStringLiteral("TimerLettura"));
    TimerLettura->setInterval(4000);
    connect(TimerLettura, &QTimer::timeout, this, [this] { TimerLettura_Timer(); });
}

bool FormAllineamento::mostrato(int i) const
{
    return i >= 0 && i < NumeroZanfroni_ && !Zanfroni_[i]->isHidden();
}

// --- Set-up ---

void FormAllineamento::Form_Activate()
{
    stileTesto(TestoCaratteristiche);
    PannelloIcone->raise();
    CorniceZanfrone->hide();
    for (Immagine *icona : IconeParti)
        icona->setCursor(Profilo.CursoreSistema ? QCursor(Qt::ArrowCursor) : PuntatoreProgramma());
    if (Profilo.CursoreSistema)
        TestoCaratteristiche->setCursor(Qt::ArrowCursor);

    FormEsercizio::Form_Activate();
    CorniceZanfrone->setColori(VbColor::toQColor(Profilo.ColorePulsanteSelezionato), coloreSfondo());

    QFont istruzione(QStringLiteral("Verdana"));
    istruzione.setPointSize(12);
    LabelFrase->setFont(istruzione);
}

void FormAllineamento::ImpostaRisposteParlato(bool parlato) { PannelloIcone->setVisible(parlato); }

void FormAllineamento::ImpostaLivelli()
{
    for (MovieView *m : Zanfroni_)
        m->hide();
    NumeroZanfroni_ = Allineamento::NumeroZanfroni(Livello());
    disponi();
    for (int i = 0; i < NumeroZanfroni_; ++i)
        Zanfroni_[i]->show();
    ApriFileZanfroni();
}

void FormAllineamento::disponi()
{
    const QSize progetto = dimensioneProgetto();
    const double sx = double(area()->width()) / progetto.width();
    const double sy = double(area()->height()) / progetto.height();
    for (int i = 0; i < NumeroZanfroni_; ++i) {
        const QRect p = Allineamento::Posto(Livello(), i);
        Zanfroni_[i]->setGeometry(int(twips(p.x()) * sx), int(twips(p.y()) * sy), int(twips(p.width()) * sx),
                                         int(twips(p.height()) * sy));
    }
    if (!CorniceZanfrone->isHidden())
        SistemaRiquadro();
}

void FormAllineamento::ApriFileZanfroni()
{
    // One click on a whole clown with the mouse; outlined parts otherwise.
    const int numero = !scansione() ? 4 : 3;
    for (int i = 0; i < NumeroZanfroni_; ++i)
        CaricaZanfrone(*Zanfroni_[i], numero);
}

void FormAllineamento::ImpostaColori()
{
    allineamento_.ImpostaColori(NumeroZanfroni_);
    for (int i = 0; i < NumeroZanfroni_; ++i)
        ColoraZanfrone(*Zanfroni_[i], allineamento_.Aspetti[i]);
}

void FormAllineamento::ScriviFrase()
{
    frasi_.ScriviFrase(allineamento_.Caratteristiche, Profilo.TipoCarattere == Lettere::Maiuscolo);
    TestoCaratteristiche->setText(frasi_.Testo());
    Assistente()->StopAll();
}

void FormAllineamento::nuovoAllineamento()
{
    CorniceZanfrone->hide();
    finita_ = false;
    ImpostaLivelli();
    Pulsanti[0]->setEnabled(false);
    ImpostaColori();
}

// --- The frame and the scanning ---

void FormAllineamento::SistemaRiquadro()
{
    const QRect z = Zanfroni_[std::clamp(riquadro_, 0, Allineamento::kMassimo - 1)]->geometry();
    CorniceZanfrone->setGeometry(z.adjusted(-kBordo, -kBordo, kBordo, kBordo));
    CorniceZanfrone->show();
    CorniceZanfrone->raise();
}

void FormAllineamento::avviaScansione() { vaiAElemento(1); }

bool FormAllineamento::ElementoScansionabile(int indice) const { return mostrato(indice - 1); }

void FormAllineamento::EvidenziaElemento(int indice, bool acceso)
{
    if (indice == 0) {
        FormEsercizio::EvidenziaElemento(0, acceso);
    } else if (acceso) {
        PosizioneScansione_ = indice - 1;
        riquadro_ = PosizioneScansione_;
        SistemaRiquadro();
    }
}

void FormAllineamento::KeyUp(int codice)
{
    if (Profilo.ModalitaInput == ModoInput::Tastiera && (codice == Tasto::Su || codice == Tasto::Giu)) {
        if (IndiceScansione() == 0)
            return; // the new-game button holds the highlight
        const int nuovo = Allineamento::Verticale(PosizioneScansione_, codice == Tasto::Giu ? 1 : -1, Livello(),
                                                  [this](int i) { return mostrato(i); });
        if (nuovo != PosizioneScansione_)
            vaiAElemento(nuovo + 1);
        return;
    }
    FormEsercizio::KeyUp(codice);
}

void FormAllineamento::ScegliElemento(int indice, bool daScansione)
{
    if (indice != 0) {
        Scegli(indice - 1, daScansione);
        return;
    }
    // New game: the places are cleared, then the next line-up is drawn.
    for (int i = 0; i < NumeroZanfroni_; ++i)
        CaricaZanfrone(*Zanfroni_[i], 0);
    FormEsercizio::ScegliElemento(0, daScansione);
}

void FormAllineamento::ClicZanfrone(int Index) { ScegliConMouse(Index + 1); }

void FormAllineamento::nascondi(int zanfrone) { Zanfroni_[zanfrone]->hide(); }

void FormAllineamento::finePartita(int zanfrone)
{
    finita_ = true;
    Pulsanti[0]->setEnabled(true); // lit also while scanning: it is what the switch chooses next
    if (scansione())
        vaiAElemento(0);
    riquadro_ = zanfrone;
    SistemaRiquadro();
}

// --- Speech ---

void FormAllineamento::DiciParte(int Index)
{
    if (Index >= 0 && Index < FrasiCaratteristiche::kIcone)
        parla(frasi_.FrasiParti[Index]);
}

void FormAllineamento::leggiFrase()
{
    parla(frasi_.FrasiParti[FraseDaLeggere_]);
    FraseDaLeggere_ = (FraseDaLeggere_ + 1) % FrasiCaratteristiche::kIcone;
}

void FormAllineamento::TimerLettura_Timer() { leggiFrase(); }

bool FormAllineamento::eventFilter(QObject *watched, QEvent *event)
{
    const bool esito = FormEsercizio::eventFilter(watched, event);
    if (!TestoCaratteristiche) // still being built
        return esito;
    if (watched == area() && event->type() == QEvent::Resize)
        disponi();
    else if (watched == TestoCaratteristiche && event->type() == QEvent::MouseMove)
        EvidenziaSottoMouse(-1); // in mouse mode every button back to its colour
    return esito;
}
