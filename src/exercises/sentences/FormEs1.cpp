#include "FormEs1.h"
#include "shell/PittoreZanfrone.h"

FormEs1::FormEs1()
    : FormEsercizio({.schermo = Nome, .livelli = 6, .soglia = 7, .menuLivelli = QStringLiteral("&Livelli"),
                     .premio = true, .larghezza = 7935, .altezza = 6075, .sfondo = QColor(0, 0, 255)})
{
    creaFilmato(QStringLiteral("Zanfrone"), 120, 120, 3615, 5295);
    posizionaFrase(3960, 120, 3855, 2415);
    posizionaAssistente(3960, 2760, 1695, 2535);
    creaRisposte({QStringLiteral("Vero"), QStringLiteral("Falso")}, {Immagini::Vero, Immagini::Falso},
                 {QRect(5880, 2640, 1935, 885), QRect(5880, 3600, 1935, 885), QRect(5880, 4560, 1935, 855)}, 36);
}

void FormEs1::ApriFileZanfroni() { CaricaZanfrone(*Zanfrone, 1); }

void FormEs1::ImpostaColori()
{
    frasi_.ImpostaColori();
    ColoraZanfrone(*Zanfrone, frasi_.aspetto);
}

void FormEs1::GeneraEsercizio()
{
    if (contaDomanda())
        ImpostaColori();
    abilitaRisposte(true);
    frasi_.ScriviFrase(Livello());
    mostraFrase(frasi_.Frase, true);
}
