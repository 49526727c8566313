#include "Clock.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {
class SystemClock final : public Clock
{
public:
    SystemClock() { started_.start(); }
    qint64 nowMs() const override { return started_.elapsed(); }
    void singleShot(int ms, QObject *context, std::function<void()> action) override
    {
        QTimer::singleShot(ms, context, std::move(action));
    }

private:
    QElapsedTimer started_;
};
} // namespace

Clock &Clock::system()
{
    static SystemClock clock;
    return clock;
}
