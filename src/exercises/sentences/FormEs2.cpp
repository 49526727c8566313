#include "FormEs2.h"
#include "shell/PittoreZanfrone.h"
#include "shell/PulsanteImmagine.h"

#include <QLabel>

FormEs2::FormEs2()
    : FormEsercizio({.schermo = Nome, .livelli = 3, .soglia = 7, .premio = true, .larghezza = 9630,
                     .altezza = 6075, .sfondo = QColor(255, 255, 0)})
{
    creaFilmato(QStringLiteral("Zanfrone"), 120, 120, 3135, 5295);
    SecondoZanfrone = creaFilmato(QStringLiteral("SecondoZanfrone"), 3360, 120, 3135, 5295);
    posizionaFrase(6720, 120, 2775, 1695);
    posizionaAssistente(6960, 1920, 2055, 1815);
    creaRisposte({QStringLiteral("uguali"), QStringLiteral("diversi")}, {Immagini::Uguali, Immagini::Diversi},
                 {QRect(6720, 3840, 1260, 825), QRect(8160, 3840, 1260, 825), QRect(6720, 4800, 2700, 615)}, 21.75);
}

void FormEs2::ApriFileZanfroni()
{
    CaricaZanfrone(*Zanfrone, 1);
    CaricaZanfrone(*SecondoZanfrone, 1);
}

void FormEs2::ImpostaColori()
{
    frasi_.ImpostaColori();
    ColoraZanfrone(*Zanfrone, frasi_.aspetto[0]);
    ColoraZanfrone(*SecondoZanfrone, frasi_.aspetto[1]);
}

void FormEs2::GeneraEsercizio()
{
    if (contaDomanda())
        ImpostaColori();
    abilitaRisposte(true);
    frasi_.ScriviFrase(Livello());
    for (int i = 0; i < 2; ++i)
        Pulsanti[i]->setText(caso(frasi_.Didascalia[i]));
    mostraFrase(frasi_.Frase, false);
}

// The sentence completed with the chosen word, whatever the input mode, and spoken.
void FormEs2::DopoRispostaGiusta(int indice)
{
    LabelFrase->setText(LabelFrase->text().trimmed() + QLatin1Char(' ') + Pulsanti[indice]->text());
    parla(LabelFrase->text());
}
