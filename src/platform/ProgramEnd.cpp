#include "ProgramEnd.h"

#include <QCoreApplication>

namespace {
class QuitEventLoop final : public ProgramEnd
{
public:
    void end() override { QCoreApplication::quit(); }
};
} // namespace

ProgramEnd &ProgramEnd::system()
{
    static QuitEventLoop end;
    return end;
}
