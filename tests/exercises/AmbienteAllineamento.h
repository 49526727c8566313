#pragma once
// What the line-up screen tests share: the clown movies of the line-ups and the part icons in the
// test program folder, and the moves that bring the scanning frame to a clown and choose it.
#include "AmbienteEsercizi.h"
#include "exercises/search/FormAllineamento.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"

#include <QPlainTextEdit>

inline void preparaAllineamento(AmbienteEsercizi &amb);
inline std::unique_ptr<AmbienteEsercizi> nuovoAmbienteAllineamento()
{
    auto amb = std::make_unique<AmbienteEsercizi>();
    preparaAllineamento(*amb);
    return amb;
}

inline void preparaAllineamento(AmbienteEsercizi &amb)
{
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
                           "<rect id='camicia.interno' width='10' height='10'/></svg>";
    for (int n : {0, 3, 4}) {
        QFile f(amb.programma.filePath(QStringLiteral("swf/zanfrone%1.svg").arg(n)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(svg);
    }
    QDir().mkpath(amb.programma.filePath(QStringLiteral("immagini")));
    for (int p = 1; p <= 8; ++p) {
        QFile f(amb.programma.filePath(QStringLiteral("immagini/parte%1.svg").arg(p)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(svg);
    }
}

inline QWidget *riquadro(QWidget *s) { return s->findChild<QWidget *>(QStringLiteral("Shape1")); }
inline QStringList righeTesto(QWidget *s)
{
    return s->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText().split(QLatin1Char('\n'));
}
inline bool evidenziato(QWidget *s) // the new-game button holds the scanning highlight
{
    return pulsante(s, 0)->sfondo() == VbColor::toQColor(Profilo.ColorePulsanteSelezionato);
}
// Shape1 stands around clown `i`.
inline bool incorniciato(FormAllineamento *s, int i)
{
    return !riquadro(s)->isHidden() && riquadro(s)->geometry().center() == s->zanfrone(i)->geometry().center();
}

// Brings the scanning frame to clown `i` in the present mode; false if it never gets there.
inline bool portaA(FormAllineamento *s, int i)
{
    for (int passi = 0; passi < 13 && s->PosizioneScansione() != i; ++passi) {
        switch (Profilo.ModalitaInput) {
        case 2: s->Timer1_Timer(); break;
        case 3: tasto(s, Qt::Key_Right); break;
        default: tasto(s, Qt::Key_Space);
        }
    }
    return s->PosizioneScansione() == i;
}
// Chooses what the scanning highlight is on: Enter, or the switch's release in automatic scanning.
inline void scegli(FormAllineamento *s) { tasto(s, Profilo.ModalitaInput == 2 ? Qt::Key_Space : Qt::Key_Return); }
inline void clicca(FormAllineamento *s, int i) { emit s->zanfrone(i)->FSCommand(QStringLiteral("clic"), QString()); }
// Chooses clown `i`: a click with the mouse, else the frame brought to it and chosen.
inline void scegliZanfrone(FormAllineamento *s, int i)
{
    if (Profilo.ModalitaInput == 0) {
        clicca(s, i);
    } else {
        QVERIFY(portaA(s, i));
        scegli(s);
    }
}
