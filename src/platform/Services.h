#pragma once

class Clock;
class Dialogs;
class PrinterCatalogue;
class ProgramEnd;
class Random;
class SoundPlayer;
class SpeechEngine;

// What the program takes from the system, in one set: production runs on the system's own, made
// on first use; tests put their fakes in place, and restore the set, in one guard.
struct Services
{
    Dialogs *dialogs;
    SoundPlayer *sounds;
    SpeechEngine *speech;
    PrinterCatalogue *printers;
    Random *random;
    Clock *clock;
    ProgramEnd *programEnd;

    static Services &current();
};
