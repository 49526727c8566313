#pragma once
#include <QString>

// Plays a wave file asynchronously; a new sound cuts the one playing. Where hasOutput() finds no
// output, nothing is played and no player made.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &nativePath) = 0;
    // Whether the system has an audio output a sound can be heard from. A null sink, such as the
    // "Dummy Output" a sound server makes when it finds no device, does not count.
    virtual bool hasOutput() { return true; }

    static SoundPlayer &system();
};
