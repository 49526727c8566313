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
        MovieView *m = creaFilmato(QStringLiteral("ShockwaveFlash1_%1").arg(i), 120 + 1200 * (i % 4),
                                   120 + 1800 * (i / 4), 1095, 1695);
        m->setProperty("Tag", QStringLiteral("@")); // not moved by the scaling object
        m->Index = i;
        m->hide();
        connect(m, &MovieView::FSCommand, this, [this, i] { ShockwaveFlash1_FSCommand(i); });
        ShockwaveFlash1_[i] = m;
    }
    Shape1 = new CorniceEvidenza(kBordo, area());
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->hide();

    Text1 = new EtichettaAdattata(area());
    Text1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text1->setAutoFillBackground(true);
    Text1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Text1->setMargin(4);
    Text1->setMouseTracking(true);
    Text1->installEventFilter(this);
    Text1->setCursor(PuntatoreProgramma());
    posiziona(Text1, QStringLiteral("Text1"), 5400, 120, 2655, 3255);

    Picture1 = new QWidget(area());
    Picture1->setAutoFillBackground(true);
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 192));
    Picture1->setPalette(pal);
    posiziona(Picture1, QStringLiteral("Picture1"), 5400, 120, 2775, 3975);
    for (int i = 0; i < FrasiCaratteristiche::kIcone; ++i) {
        auto *icona = new Immagine(Picture1);
        icona->carica(Immagini::Parte(i + 1));
        icona->setCursor(PuntatoreProgramma());
        posiziona(icona, QStringLiteral("Image1_%1").arg(i), 120 + 1440 * (i % 2), 120 + 960 * (i / 2), 855, 855);
        connect(icona, &Immagine::clicked, this, [this, i] { Image1_Click(i); });
        Image1[i] = icona;
    }

    creaPulsante(QString(), Immagini::Avanti, 6960, 4680, larghezzaNuovo, 735, 14.25, false)->setEnabled(false);
    Label1->setText(istruzione);
    posizionaFrase(120, 5520, 8055, 375);
    posizionaAssistente(5400, 4200, 1455, 1215);

    TimerLettura = new QTimer(this);
    TimerLettura->setObjectName(QStringLiteral("TimerLettura"));
    TimerLettura->setInterval(4000);
    connect(TimerLettura, &QTimer::timeout, this, [this] { TimerLettura_Timer(); });
}

bool FormAllineamento::mostrato(int i) const
{
    return i >= 0 && i < NumeroZanfroni_ && !ShockwaveFlash1_[i]->isHidden();
}

// --- Set-up ---

void FormAllineamento::Form_Activate()
{
    stileTesto(Text1);
    Picture1->raise();
    Shape1->hide();
    for (Immagine *icona : Image1)
        icona->setCursor(Profilo.CursoreSistema ? QCursor(Qt::ArrowCursor) : PuntatoreProgramma());
    if (Profilo.CursoreSistema)
        Text1->setCursor(Qt::ArrowCursor);

    FormEsercizio::Form_Activate();
    Shape1->setColori(VbColor::toQColor(Profilo.ColorePulsanteSelezionato), coloreSfondo());

    QFont istruzione(QStringLiteral("Verdana"));
    istruzione.setPointSize(12);
    Label1->setFont(istruzione);
}

void FormAllineamento::ImpostaRisposteParlato(bool parlato) { Picture1->setVisible(parlato); }

void FormAllineamento::ImpostaLivelli()
{
    for (MovieView *m : ShockwaveFlash1_)
        m->hide();
    NumeroZanfroni_ = Allineamento::NumeroZanfroni(Livello());
    disponi();
    for (int i = 0; i < NumeroZanfroni_; ++i)
        ShockwaveFlash1_[i]->show();
    ApriFileZanfroni();
}

void FormAllineamento::disponi()
{
    const QSize progetto = dimensioneProgetto();
    const double sx = double(area()->width()) / progetto.width();
    const double sy = double(area()->height()) / progetto.height();
    for (int i = 0; i < NumeroZanfroni_; ++i) {
        const QRect p = Allineamento::Posto(Livello(), i);
        ShockwaveFlash1_[i]->setGeometry(int(twips(p.x()) * sx), int(twips(p.y()) * sy), int(twips(p.width()) * sx),
                                         int(twips(p.height()) * sy));
    }
    if (!Shape1->isHidden())
        SistemaRiquadro();
}

void FormAllineamento::ApriFileZanfroni()
{
    // One click on a whole clown with the mouse; outlined parts otherwise.
    const int numero = !scansione() ? 4 : 3;
    for (int i = 0; i < NumeroZanfroni_; ++i)
        CaricaZanfrone(*ShockwaveFlash1_[i], numero);
}

void FormAllineamento::ImpostaColori()
{
    allineamento_.ImpostaColori(NumeroZanfroni_);
    for (int i = 0; i < NumeroZanfroni_; ++i)
        ColoraZanfrone(*ShockwaveFlash1_[i], allineamento_.Aspetti[i]);
}

void FormAllineamento::ScriviFrase()
{
    frasi_.ScriviFrase(allineamento_.Caratteristiche, Profilo.TipoCarattere == Lettere::Maiuscolo);
    Text1->setText(frasi_.Testo());
    Assistente()->StopAll();
}

void FormAllineamento::nuovoAllineamento()
{
    Shape1->hide();
    finita_ = false;
    ImpostaLivelli();
    Command1[0]->setEnabled(false);
    ImpostaColori();
}

// --- The frame and the scanning ---

void FormAllineamento::SistemaRiquadro()
{
    const QRect z = ShockwaveFlash1_[std::clamp(riquadro_, 0, Allineamento::kMassimo - 1)]->geometry();
    Shape1->setGeometry(z.adjusted(-kBordo, -kBordo, kBordo, kBordo));
    Shape1->show();
    Shape1->raise();
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
        CaricaZanfrone(*ShockwaveFlash1_[i], 0);
    FormEsercizio::ScegliElemento(0, daScansione);
}

void FormAllineamento::ShockwaveFlash1_FSCommand(int Index) { Command1_Click(Index + 1); }

void FormAllineamento::nascondi(int zanfrone) { ShockwaveFlash1_[zanfrone]->hide(); }

void FormAllineamento::finePartita(int zanfrone)
{
    finita_ = true;
    Command1[0]->setEnabled(true); // lit also while scanning: it is what the switch chooses next
    if (scansione())
        vaiAElemento(0);
    riquadro_ = zanfrone;
    SistemaRiquadro();
}

// --- Speech ---

void FormAllineamento::Image1_Click(int Index)
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
    if (!Text1) // still being built
        return esito;
    if (watched == area() && event->type() == QEvent::Resize)
        disponi();
    else if (watched == Text1 && event->type() == QEvent::MouseMove)
        Command1_MouseMove(-1); // in mouse mode every button back to its colour
    return esito;
}
