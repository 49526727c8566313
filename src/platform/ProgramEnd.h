#pragma once

// Ends the program. The system's own only stops the event loop; the composition root puts in
// place the one that first closes the screens.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void end() = 0;

    static ProgramEnd &system();
};
