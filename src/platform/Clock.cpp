#include "Clock.h"

#include <QElapsedTimer>

namespace {
class SystemClock final : public Clock
{
public:
    SystemClock() { started_.start(); }
    qint64 nowMs() const override { return started_.elapsed(); }

private:
    QElapsedTimer started_;
};
} // namespace

Clock &Clock::system()
{
    static SystemClock clock;
    return clock;
}
