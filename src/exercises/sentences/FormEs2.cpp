#include "FormEs2.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"
#include "shell/Immagini.h"
#include "shell/PulsanteImmagine.h"

#include <QLabel>

namespace {
DescrizioneEsercizio descrizioneEs2()
{
    DescrizioneEsercizio d;
    d.schermo = QStringLiteral("FormEs2");
    d.nome = QStringLiteral("Uguale - Diverso");
    d.livelli = 3;
    d.soglia = 7;
    d.premio = true;
    d.larghezza = 9630;
    d.altezza = 6075;
    d.sfondo = QColor(255, 255, 0);
    return d;
}
} // namespace

FormEs2::FormEs2() : FormEsercizio(descrizioneEs2())
{
    creaFilmato(QStringLiteral("ShockwaveFlash1"), 120, 120, 3135, 5295);
    ShockwaveFlash2 = creaFilmato(QStringLiteral("ShockwaveFlash2"), 3360, 120, 3135, 5295);
    posizionaFrase(6720, 120, 2775, 1695);
    posizionaMerlino(6960, 1920, 2055, 1815);
    creaPulsante(QStringLiteral("uguali"), Immagini::Uguali, 6720, 3840, 1260, 825, 21.75, true);
    creaPulsante(QStringLiteral("diversi"), Immagini::Diversi, 8160, 3840, 1260, 825, 21.75, true);
    creaPulsante(QString(), Immagini::Avanti, 6720, 4800, 2700, 615, 14.25, false)->setEnabled(false);
}

void FormEs2::ApriFileZanfroni()
{
    for (MovieView *m : {ShockwaveFlash1, ShockwaveFlash2}) {
        m->Movie(App::Path() + QStringLiteral("\\swf\\zanfrone1.swf"));
        m->GotoFrame(0);
    }
}

void FormEs2::ImpostaColori()
{
    frasi_.ImpostaColori();
    ColoraZanfrone(*ShockwaveFlash1, frasi_.aspetto[0]);
    ColoraZanfrone(*ShockwaveFlash2, frasi_.aspetto[1]);
}

void FormEs2::GeneraEsercizio()
{
    if (contaDomanda())
        ImpostaColori();
    abilitaRisposte(true);
    frasi_.ScriviFrase(Livello());
    for (int i = 0; i < 2; ++i)
        Command1[i]->setText(caso(frasi_.Didascalia[i]));
    mostraFrase(frasi_.Frase, false);
}

// The sentence completed with the chosen word, whatever the input mode, and spoken.
void FormEs2::DopoRispostaGiusta(int indice)
{
    Label1->setText(Label1->text().trimmed() + QLatin1Char(' ') + Command1[indice]->text());
    parla(Label1->text());
}
