#include "FormEs1.h"

FormEs1::FormEs1()
    // name, activity, levels, threshold, level menu, reward, design size, background
    : FormEsercizio({QStringLiteral("FormEs1"), QStringLiteral("Vero - falso"),
                     6, 7, QStringLiteral("&Livelli"), true, 7935, 6075, QColor(0, 0, 255)})
{
    creaFilmato(QStringLiteral("ShockwaveFlash1"), 120, 120, 3615, 5295);
    posizionaFrase(3960, 120, 3855, 2415);
    posizionaMerlino(3960, 2760, 1695, 2535);
    creaRisposte({QStringLiteral("Vero"), QStringLiteral("Falso")}, {Immagini::Vero, Immagini::Falso},
                 {QRect(5880, 2640, 1935, 885), QRect(5880, 3600, 1935, 885), QRect(5880, 4560, 1935, 855)}, 36);
}

void FormEs1::ApriFileZanfroni() { caricaZanfrone(ShockwaveFlash1, 1); }

void FormEs1::ImpostaColori()
{
    frasi_.ImpostaColori();
    ColoraZanfrone(*ShockwaveFlash1, frasi_.aspetto);
}

void FormEs1::GeneraEsercizio()
{
    if (contaDomanda())
        ImpostaColori();
    abilitaRisposte(true);
    frasi_.ScriviFrase(Livello());
    mostraFrase(frasi_.Frase, true);
}
