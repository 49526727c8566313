#include "Personaggio.h"
#include "Profilo.h"
#include "platform/Assistant.h"
#include "platform/Services.h"

bool ParlatoUdibile() { return Profilo.ParlatoAttivo && Services::current().speech->canSpeak(); }

Assistant *CaricaPersonaggio(QWidget *schermo)
{
    auto *personaggio = new Assistant(schermo);
    personaggio->Load(Profilo.NomePersonaggio);
    personaggio->setBalloonFont(Profilo.FontFumetto, Profilo.DimensioneFontFumetto);
    return personaggio;
}

void ImpostaPersonaggio(Assistant &personaggio)
{
    AggiornaTagVoce();
    int stile = personaggio.BalloonStyle();
    stile = Profilo.FumettoVisibile ? (stile | 1) : (stile & ~1);
    stile = Profilo.FumettoTuttoTesto ? (stile | 2) : (stile & ~2);
    personaggio.setBalloonStyle(stile);
    personaggio.setBalloonFont(Profilo.FontFumetto, Profilo.DimensioneFontFumetto);
    personaggio.setTTSModeID(Profilo.ModoVoce);
}
