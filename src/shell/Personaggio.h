#pragma once

#include <QString>

class Assistant;
class QWidget;

// The assistant as every screen loads and sets it up from the current profile.
// Loading: the character NomePersonaggio and the balloon font.
Assistant *CaricaPersonaggio(QWidget *schermo);
// Set-up: TagVoce rebuilt, balloon style bits 1 and 2 from the profile, balloon font, voice.
void ImpostaPersonaggio(Assistant &personaggio);
// Speech is on and the engine is known to be heard: only then may a screen leave its sentences to
// the voice (pictures for captions, icons for written traits). Until then the text is shown.
bool ParlatoUdibile();
