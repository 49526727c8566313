#pragma once
// What the exercise screen tests share: a program folder with a clown, three reward movies, the
// answer pictures and one sound of each kind; recording fakes; a stand-in main menu.
#include "Catalogo.h"
#include "ProvaFresca.h"
#include "ServiziDiProva.h"
#include "Schermate.h"
#include "Tasti.h"
#include "exercises/frame/BarraStato.h"
#include "exercises/frame/FormEsercizio.h"
#include "exercises/frame/GuardiaInput.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"
#include "platform/VbColor.h"
#include "shell/Attivita.h"
#include "shell/Esercizi.h"
#include "shell/Immagini.h"
#include "shell/Profilo.h"
#include "shell/PulsanteImmagine.h"
#include "shell/Schermi.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <memory>

class AmbienteEsercizi
{
public:
    RadiceTemporanea radice;
    QTemporaryDir programma;
    ServiziDiProva servizi{ServiziDiProva::Udibile};
    DialoghiFinti &dialoghi = servizi.dialoghi;
    SuoniFinti &suoni = servizi.suoni;
    VoceFinta &voce = servizi.voce;
    CasoFinto &caso = servizi.caso;

    AmbienteEsercizi()
    {
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
                               "<rect id='gile.interno' width='10' height='10'/></svg>";
        scrivi(QStringLiteral("swf/zanfrone1.svg"), svg);
        for (int i = 1; i <= 3; ++i)
            scrivi(QStringLiteral("animazioni/%1.svg").arg(i), svg);
        for (const QString &f : {Immagini::Vero, Immagini::Falso, Immagini::Uguali, Immagini::Diversi, Immagini::Avanti,
                                 Immagini::PolliceSu, Immagini::PolliceGiu})
            scrivi(QString(f).replace(QLatin1Char('\\'), QLatin1Char('/')).mid(1), svg);
        scrivi(QStringLiteral("suoni/si/1.wav"), "RIFF");
        scrivi(QStringLiteral("suoni/no/1.wav"), "RIFF");
        PathResolver::setProgramFolder(programma.path());
        Profilo = ProfiloUtente();
        AggiornaTagVoce();
        servizi.orologio.passoMs = 1000; // no two choices of a test are taken for one bounce
        Schermo::tastiFisici().attendeCoppie = false;
        caso.seme(7);
        SvuotaAttivita();
        Schermate::registraConMenuFinto();
    }
    ~AmbienteEsercizi()
    {
        Schermate::chiudiTutte();
        PathResolver::setProgramFolder(QString());
    }

    // Opens a screen as the main menu does: the activity row, then the screen, set up once shown.
    template <class T> T *apri(const QString &nome, const QString &attivita)
    {
        IniziaAttivita(attivita);
        auto *s = qobject_cast<T *>(Schermi::mostra(nome));
        if (s && !QTest::qWaitFor([s] { return s->attivato(); }, 3000))
            return nullptr;
        return s;
    }
    template <class T = FormEsercizio> T *apri(const Esercizio &e) { return apri<T>(e.schermo, e.attivita); }
    // Exercise screen T, with the activity name its catalogue entry gives.
    template <class T> T *apri()
    {
        for (const Esercizio &e : Esercizi::elenco())
            if (e.schermo == T::Nome)
                return apri<T>(e);
        return nullptr;
    }

    int suonati(const char *cartella) const
    {
        // The sound folder itself: the temporary folder's random name may hold "si" or "no" too.
        QString nome = QString::fromLatin1(cartella);
        nome.remove(QStringLiteral("suoni/"));
        return int(suoni.suonati.filter(QStringLiteral("/suoni/%1/").arg(nome)).size());
    }

    // A file of the program folder, e.g. "suoni/si/2.wav".
    void scrivi(const QString &relativo, const QByteArray &dati)
    {
        const QString p = programma.filePath(relativo);
        QDir().mkpath(QFileInfo(p).path());
        QFile f(p);
        if (f.open(QIODevice::WriteOnly))
            f.write(dati);
    }
};

// The controls of a screen, found by their names.
inline PulsanteImmagine *pulsante(QWidget *s, int i) { return s->findChild<PulsanteImmagine *>(QStringLiteral("Pulsanti_%1").arg(i)); }
inline QString pannello(QWidget *s, int i) { return s->findChild<BarraStato *>(QStringLiteral("BarraContatori"))->pannello(i); }
inline MovieView *filmato(QWidget *s) { return s->findChild<MovieView *>(QStringLiteral("Zanfrone")); }
inline QString frase(QWidget *s) { return s->findChild<QLabel *>(QStringLiteral("LabelFrase"))->text(); }
inline QColor evidenza() { return VbColor::toQColor(Profilo.ColorePulsanteSelezionato); }
inline QTimer *timerScansione(QWidget *s) { return s->findChild<QTimer *>(QStringLiteral("TimerScansione")); }
inline void tasto(QWidget *s, Qt::Key k) { Tasti::tocca(s, k); }
// The pointer moving over `w` with no button down, as the window system sends it: to `w`, and on
// to its parents when `w` ignores it.
inline void muovi(QWidget *w)
{
    QMouseEvent ev(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// The four input modes, one data row each.
inline void righeModi(int dal = 0)
{
    QTest::addColumn<int>("modo");
    for (int m = dal; m <= 3; ++m)
        QTest::addRow("mode %d", m) << m;
}
// The input mode of the present data row, set in the profile.
inline int modoDellaRiga()
{
    QFETCH(int, modo);
    Profilo.ModalitaInput = ModoInputDa(modo);
    return modo;
}
// One step of the scan in the present mode: the timer's tick, the switch, or an arrow.
inline void passo(FormEsercizio *s, Qt::Key freccia = Qt::Key_Right)
{
    switch (Profilo.ModalitaInput) {
    case ModoInput::ScansioneAutomatica: s->TimerScansione_Timer(); break;
    case ModoInput::Tastiera: tasto(s, freccia); break;
    default: tasto(s, Qt::Key_Space);
    }
}
// Chooses what the scan is on: the switch's release in automatic scanning, else Enter.
inline void conferma(FormEsercizio *s) { tasto(s, Profilo.ModalitaInput == ModoInput::ScansioneAutomatica ? Qt::Key_Space : Qt::Key_Return); }
// Brings the scan to item `voce`; false if it never gets there.
inline bool porta(FormEsercizio *s, int voce, Qt::Key freccia = Qt::Key_Right)
{
    for (int i = 0; i < 20 && s->IndiceScansione() != voce; ++i)
        passo(s, freccia);
    return s->IndiceScansione() == voce;
}
// Answers item `voce` in the present mode: `clic` with the mouse, else the scan brought there and chosen.
template <class Clic> bool rispondi(FormEsercizio *s, int voce, Clic clic, Qt::Key freccia = Qt::Key_Right)
{
    if (Profilo.ModalitaInput == ModoInput::Mouse) {
        clic();
        return true;
    }
    if (!porta(s, voce, freccia))
        return false;
    conferma(s);
    return true;
}
// Items that are the buttons Pulsanti[voce].
inline bool rispondi(FormEsercizio *s, int voce)
{
    return rispondi(s, voce, [&] { QTest::mouseClick(pulsante(s, voce), Qt::LeftButton); });
}
