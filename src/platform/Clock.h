#pragma once
#include <QtGlobal>

// Monotonic time in milliseconds, for code that measures how long something has taken.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;

    static Clock &system();
};
