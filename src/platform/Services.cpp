#include "Services.h"
#include "Clock.h"
#include "Dialogs.h"
#include "PrinterCatalogue.h"
#include "ProgramEnd.h"
#include "QtSpeechEngine.h"
#include "Rnd.h"
#include "SoundPlayer.h"

Services &Services::current()
{
    static QtSpeechEngine speech; // cheap: the engine itself starts on first use
    static Services services{&Dialogs::system(), &SoundPlayer::system(), &speech, &PrinterCatalogue::system(),
                             &Random::system(), &Clock::system(), &ProgramEnd::system()};
    return services;
}
