#pragma once
// What the line-up screen tests share: the clown movies of the line-ups and the part icons in the
// test program folder, and the moves that bring the scanning frame to a clown and choose it.
#include "AmbienteEsercizi.h"
#include "Estrazioni.h"
#include "exercises/search/FormAllineamento.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"

class AmbienteAllineamento : public AmbienteEsercizi
{
public:
    AmbienteAllineamento()
    {
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
                               "<rect id='camicia.interno' width='10' height='10'/></svg>";
        for (int z : {0, 3, 4})
            scrivi(QStringLiteral("swf/zanfrone%1.svg").arg(z), svg);
        for (int p = 1; p <= 8; ++p)
            scrivi(QStringLiteral("immagini/parte%1.svg").arg(p), svg);
    }
};

// The draws of a line-up of two whose clown 0 shows every trait of the target, clown 1: clown 0 is
// drawn again, without the bucket; then the nine sentences in order.
inline std::vector<double> allineamentoConSosia()
{
    std::vector<double> v = std::vector<double>{d(1, 2)} + clown(1, 1) + clown(1, 1) + clown(0, 1);
    for (int n = 0; n < 9; ++n)
        v.push_back(d(n, 9));
    return v;
}
// The look-alike of allineamentoConSosia() was drawn again and painted so.
inline bool sosiaRidisegnato(const CasoFinto &caso, FormAllineamento *s)
{
    return caso.rimasti() == 0 && s->ZanfroneGiusto() == 1 && !s->zanfrone(0)->isShown(QStringLiteral("secchio"))
           && s->zanfrone(1)->isShown(QStringLiteral("secchio"));
}

inline QWidget *riquadro(QWidget *s) { return s->findChild<QWidget *>(QStringLiteral("CorniceZanfrone")); }
inline QStringList righeTesto(QWidget *s)
{
    return s->findChild<QLabel *>(QStringLiteral("TestoCaratteristiche"))->text().split(QLatin1Char('\n'));
}
inline bool evidenziato(QWidget *s) // the new-game button holds the scanning highlight
{
    return pulsante(s, 0)->sfondo() == VbColor::toQColor(Profilo.ColorePulsanteSelezionato);
}
// CorniceZanfrone stands around clown `i`.
inline bool incorniciato(FormAllineamento *s, int i)
{
    return !riquadro(s)->isHidden() && riquadro(s)->geometry().center() == s->zanfrone(i)->geometry().center();
}

inline void clicca(FormAllineamento *s, int i) { emit s->zanfrone(i)->FSCommand(QStringLiteral("clic"), QString()); }
// The scanned items: the new-game button, then clown `i` as item i + 1.
inline bool portaA(FormAllineamento *s, int i) { return porta(s, i + 1); }
inline bool scegliZanfrone(FormAllineamento *s, int i) { return rispondi(s, i + 1, [&] { clicca(s, i); }); }
