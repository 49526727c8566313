// From the release of the key that asks the next question to the next question fully drawn (clown
// repainted, sentence set and spoken), for "Vero - falso" and "Uguale - Diverso": median, 99th
// percentile and worst of 1000 questions, offscreen, with silent speech and sounds. And from the click on the new-game button
// to the next line-up of twelve clowns drawn (movies loaded, clowns painted, sentences written) for
// "Indovina chi?" at level 5: 300 games.
#include "exercises/sentences/FormEs1.h"
#include "exercises/sentences/FormEs2.h"
#include "exercises/search/FormEs7.h"
#include "platform/MovieView.h"
#include "platform/Assistant.h"
#include "platform/Clock.h"
#include "platform/PathResolver.h"
#include "platform/Services.h"
#include "platform/SoundPlayer.h"
#include "shell/Profilo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
class VoceMuta : public SpeechEngine
{
public:
    void say(const QString &, int, int, const QString &) override {}
    void stop() override {}
    bool isSpeaking() const override { return false; }
    QList<Voice> voices() override { return {}; }
};
class SuoniMuti : public SoundPlayer
{
public:
    void play(const QString &) override {}
};
// A second later at every reading: no two keys of a run are taken for one bounce.
class OrologioASalti : public Clock
{
public:
    qint64 nowMs() const override { return adesso_ += 1000; }

private:
    mutable qint64 adesso_ = 0;
};

void invia(QWidget *w, QEvent::Type tipo, Qt::Key k)
{
    QKeyEvent e(tipo, k, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void tasto(QWidget *w, Qt::Key k)
{
    invia(w, QEvent::KeyPress, k);
    invia(w, QEvent::KeyRelease, k);
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

template <class T, class Giusta> void misura(const char *nome, Giusta giusta)
{
    T s;
    s.apri();
    while (!s.attivato())
        QApplication::processEvents();
    std::vector<double> ms;
    ms.reserve(1000);
    for (int q = 0; q < 1000; ++q) {
        if (s.IndiceScansione() != giusta(s))
            tasto(&s, Qt::Key_Space);
        tasto(&s, Qt::Key_Return);           // the right answer: the highlight goes to the next button
        invia(&s, QEvent::KeyPress, Qt::Key_Return);
        QElapsedTimer t;
        t.start();
        invia(&s, QEvent::KeyRelease, Qt::Key_Return); // the next question
        s.repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
        QApplication::processEvents();
    }
    std::printf("%-18s next question drawn: %s (1000 questions)\n", nome, cifre(ms).c_str());
    s.chiudi();
}
void misuraAllineamento()
{
    Profilo.ModalitaInput = 0;
    FormEs7 s;
    s.apri();
    while (!s.attivato())
        QApplication::processEvents();
    s.mnuLiv_Click(5);
    std::vector<double> ms;
    for (int g = 0; g < 300; ++g) {
        emit s.zanfrone(s.ZanfroneGiusto())->FSCommand(QStringLiteral("clic"), QString());
        QElapsedTimer t;
        t.start();
        s.Command1_Click(0); // the next game
        s.repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
        QApplication::processEvents();
    }
    std::printf("%-18s next line-up of 12 drawn: %s (300 games)\n", "Indovina chi?", cifre(ms).c_str());
    s.chiudi();
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    VoceMuta voce;
    SuoniMuti suoni;
    OrologioASalti orologio;
    Services &servizi = Services::current();
    const Services reali = servizi;
    servizi.speech = &voce;
    servizi.sounds = &suoni;
    servizi.clock = &orologio;
    Profilo = ProfiloUtente();
    Profilo.ModalitaInput = 1;
    Profilo.SuoniAttivi = false;
    if (!QFile::exists(PathResolver::native(App::Path() + QStringLiteral("\\swf\\zanfrone1.svg"))))
        std::printf("note: no clown movie in %s, the clown is drawn empty\n", qPrintable(App::Path()));
    misura<FormEs1>("Vero - falso", [](const FormEs1 &s) { return s.frasi().Risposta; });
    misura<FormEs2>("Uguale - Diverso", [](const FormEs2 &s) { return s.frasi().Diverso[s.frasi().Parte][0]; });
    misuraAllineamento();
    servizi = reali;
    return 0;
}
