#pragma once
#include <QString>

// Plays a wave file asynchronously; a new sound cuts the one playing. Silent without an audio device.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &nativePath) = 0;

    static SoundPlayer &system();
};
