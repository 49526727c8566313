#include "FormEs1.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"
#include "shell/Immagini.h"
#include "shell/PulsanteImmagine.h"

namespace {
DescrizioneEsercizio descrizioneEs1()
{
    DescrizioneEsercizio d;
    d.schermo = QStringLiteral("FormEs1");
    d.nome = QStringLiteral("Vero - falso");
    d.livelli = 6;
    d.soglia = 7;
    d.menuLivelli = QStringLiteral("&Livelli");
    d.premio = true;
    d.larghezza = 7935;
    d.altezza = 6075;
    d.sfondo = QColor(0, 0, 255);
    return d;
}
} // namespace

FormEs1::FormEs1() : FormEsercizio(descrizioneEs1())
{
    creaFilmato(QStringLiteral("ShockwaveFlash1"), 120, 120, 3615, 5295);
    posizionaFrase(3960, 120, 3855, 2415);
    posizionaMerlino(3960, 2760, 1695, 2535);
    creaPulsante(QStringLiteral("Vero"), Immagini::Vero, 5880, 2640, 1935, 885, 36, true);
    creaPulsante(QStringLiteral("Falso"), Immagini::Falso, 5880, 3600, 1935, 885, 36, true);
    creaPulsante(QString(), Immagini::Avanti, 5880, 4560, 1935, 855, 14.25, false)->setEnabled(false);
}

void FormEs1::ApriFileZanfroni()
{
    ShockwaveFlash1->Movie(App::Path() + QStringLiteral("\\swf\\zanfrone1.swf"));
    ShockwaveFlash1->GotoFrame(0);
}

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
