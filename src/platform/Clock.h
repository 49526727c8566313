#pragma once
#include <QtGlobal>
#include <functional>

class QObject;

// Monotonic time in milliseconds, and actions run once after a while.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
    // Runs `action` in `context`'s thread `ms` from now, unless `context` is gone by then.
    virtual void singleShot(int ms, QObject *context, std::function<void()> action) = 0;

    static Clock &system();
};
