// From the release of the key that asks for the next question to the next question painted, for
// "Vero - falso", "Uguale - Diverso" and the twelve-clown line-up of "Indovina chi?" (level 5), in
// manual scanning on a 1024 x 768 screen with silent speech: median, 99th percentile and worst.
// Every key goes through the program's key filter, timestamped as an X server with detectable
// auto-repeat sends it; a second line gives the same with the filter's wait for a repeat pair, as on
// a server without it. Every iteration checks that Enter made a new question: its draws were taken.
// Argument: how many questions (default 1000; line-ups: a third of them).
#include "ServiziDiProva.h"
#include "Tasti.h"
#include "exercises/search/FormEs7.h"
#include "exercises/sentences/FormEs1.h"
#include "exercises/sentences/FormEs2.h"
#include "platform/MovieView.h"
#include "shell/Profilo.h"
#include "shell/TastieraSchermi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {
// The time the key events carry, so a choice is never taken for a bounce of the one before.
class OrologioDeiTasti : public Clock
{
public:
    qint64 nowMs() const override { return qint64(Tasti::ora()); }
    void singleShot(int ms, QObject *contesto, std::function<void()> azione) override
    {
        Clock::system().singleShot(ms, contesto, std::move(azione));
    }
};

// The screen-less platform says at every screen that it cannot raise windows: not worth a line.
QtMessageHandler gestoreQt = nullptr;
void messaggio(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (!testo.startsWith(QLatin1String("This plugin does not support")))
        gestoreQt(tipo, contesto, testo);
}

[[noreturn]] void fallisci(const char *nome, int volta, const char *cosa)
{
    std::fprintf(stderr, "FAIL: %s, question %d: %s\n", nome, volta + 1, cosa);
    std::exit(1);
}

// Where the window system hands a key of this screen: the widget with the focus, or the screen.
QWidget *destinatario(QWidget &schermo)
{
    QWidget *fuoco = QApplication::focusWidget();
    return fuoco && fuoco->window() == &schermo ? fuoco : &schermo;
}

// The event loop as the program runs it, sleeping until its next event, until `fatto` holds (at most
// two seconds).
void attendi(const std::function<bool()> &fatto)
{
    QTimer sveglia;
    sveglia.setSingleShot(true);
    sveglia.start(2000);
    while (!fatto() && sveglia.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The filter's wait for a repeat pair, where it is on, runs out in the event loop: long before the
// next key of a hand.
void finisciAttesa()
{
    attendi([] { return !TastieraSchermi::istanza().logica.inAttesa(); });
}

void tocca(QWidget &schermo, Qt::Key tasto)
{
    Tasti::premi(destinatario(schermo), tasto);
    Tasti::rilascia(destinatario(schermo), tasto);
    finisciAttesa();
}

// Draws taken so far: a new question draws its sentence or its clowns, nothing else on the way does.
long estrazioni() { return dynamic_cast<const CasoFinto &>(*Services::current().random).estratti(); }

// Enter, timed from its release to the new question painted.
double prossimaDomanda(FormEsercizio &s, const char *nome, int volta)
{
    const long prima = estrazioni();
    Tasti::premi(destinatario(s), Qt::Key_Return);
    QElapsedTimer t;
    t.start();
    Tasti::rilascia(destinatario(s), Qt::Key_Return);
    attendi([&] { return estrazioni() != prima; });
    if (estrazioni() == prima)
        fallisci(nome, volta, "Enter did not draw a new question");
    s.repaint();
    return double(t.nsecsElapsed()) / 1e6;
}

// "median m ms, 99th percentile p ms, worst w ms"
std::string cifre(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto centile = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * double(ms.size())))]; };
    char testo[128];
    std::snprintf(testo, sizeof testo, "median %.3f ms, 99th percentile %.3f ms, worst %.3f ms", centile(0.5),
                  centile(0.99), ms.back());
    return testo;
}

// Opens a fresh screen, lets `prepara` set it up, then `volte` times: `rispondi` answers the
// question with the keys, and Enter asks for the next one, timed.
template <class Schermata>
std::vector<double> misura(const char *nome, int volte, const std::function<void(Schermata &)> &prepara,
                           const std::function<void(Schermata &, int)> &rispondi)
{
    auto &s = *new Schermata; // a screen deletes itself once closed
    s.apri();
    attendi([&] { return s.attivato(); });
    if (!s.attivato())
        fallisci(nome, 0, "the screen did not open");
    prepara(s);
    for (const MovieView *m : s.template findChildren<MovieView *>())
        if (m->isVisible() && !m->isLoaded())
            fallisci(nome, 0, "a clown movie is missing: the clowns would be drawn empty");
    s.repaint();
    std::vector<double> ms;
    ms.reserve(volte);
    for (int q = 0; q < volte; ++q) {
        rispondi(s, q);
        ms.push_back(prossimaDomanda(s, nome, q));
    }
    s.chiudi();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

// Space up to the right answer (`giusta` tells it), Enter on it.
template <class Schermata>
void rispondiFrase(Schermata &s, int volta, const char *nome, const std::function<bool(const Schermata &, int)> &giusta)
{
    for (int passi = 0; !giusta(s, s.IndiceScansione()); ++passi) {
        if (passi > 3)
            fallisci(nome, volta, "Space never reached the right answer");
        tocca(s, Qt::Key_Space);
    }
    tocca(s, Qt::Key_Return);
}

// Space up to the clown with every trait, Enter on it: the game is over.
void rispondiAllineamento(FormEs7 &s, int volta)
{
    const char *nome = "Indovina chi?";
    if (s.NumeroZanfroni() != 12)
        fallisci(nome, volta, "the line-up is not of twelve clowns");
    for (int passi = 0; s.IndiceScansione() != s.ZanfroneGiusto() + 1; ++passi) {
        if (passi > 13)
            fallisci(nome, volta, "Space never reached the clown with every trait");
        tocca(s, Qt::Key_Space);
    }
    tocca(s, Qt::Key_Return);
    if (!s.partitaFinita())
        fallisci(nome, volta, "Enter on the right clown did not end the game");
}

void riga(const char *nome, const char *cosa, const std::vector<double> &ms, bool coppie)
{
    std::printf("%-16s %s: %s (%zu)%s\n", nome, cosa, cifre(ms).c_str(), ms.size(),
                coppie ? ", server without detectable auto-repeat (4 ms wait for a repeat pair)" : "");
    std::fflush(stdout);
}

void misuraTutto(int volte, bool coppie)
{
    TastieraSchermi::istanza().logica.attendeCoppie = coppie;
    Profilo.PassaggioLivelli = true;
    const auto nessuna = [](auto &) {};
    riga("Vero - falso", "next question painted",
         misura<FormEs1>("Vero - falso", volte, nessuna,
                         [](FormEs1 &s, int q) {
                             rispondiFrase<FormEs1>(s, q, "Vero - falso",
                                                    [](const FormEs1 &f, int i) { return i == f.frasi().Risposta; });
                         }),
         coppie);
    riga("Uguale - Diverso", "next question painted",
         misura<FormEs2>("Uguale - Diverso", volte, nessuna,
                         [](FormEs2 &s, int q) {
                             rispondiFrase<FormEs2>(s, q, "Uguale - Diverso",
                                                    [](const FormEs2 &f, int i) { return f.frasi().Giusta(i); });
                         }),
         coppie);
    Profilo.PassaggioLivelli = false; // the level stays at five
    riga("Indovina chi?", "next 12-clown line-up painted",
         misura<FormEs7>("Indovina chi?", std::max(1, volte / 3), [](FormEs7 &s) { s.mnuLiv_Click(5); },
                         rispondiAllineamento),
         coppie);
}
} // namespace

int main(int argc, char **argv)
{
    const int volte = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (volte < 1) {
        std::fprintf(stderr, "usage: %s [questions]\n", argv[0]);
        return 2;
    }
    // A screen of 1024 x 768 without a display, unless another platform is asked for.
    QTemporaryFile schermo;
    const QByteArray piattaforma = qgetenv("QT_QPA_PLATFORM");
    if (piattaforma.isEmpty() || piattaforma == "offscreen") {
        if (!schermo.open())
            return 1;
        schermo.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1024, "height": 768,
                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        schermo.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schermo.fileName().toLocal8Bit());
    }
    gestoreQt = qInstallMessageHandler(messaggio);
    QApplication app(argc, argv);
    ServiziDiProva servizi;
    OrologioDeiTasti orologio;
    servizi.usa(orologio);
    RadiceTemporanea radice;
    Profilo = ProfiloUtente();
    Profilo.ModalitaInput = ModoInput::ScansioneManuale;
    Profilo.SuoniAttivi = false;
    misuraTutto(volte, false);
    misuraTutto(volte, true);
    return 0;
}
