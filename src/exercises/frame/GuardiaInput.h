#pragma once
#include "platform/Clock.h"
#include "platform/Services.h"
#include "shell/TastiFisici.h"

// Lets one choice through per press, whatever it comes from (a key, a click, a clown's command):
// a second choice within a bounce of the previous one, or of the moment a new question was fully
// drawn, is taken for the same press. Keys have already lost their own bounces (TastiFisici).
class GuardiaInput
{
public:
    // A choice arrives: true when it counts.
    bool accetta()
    {
        const qint64 adesso = adessoMs();
        if (ultimo_ >= 0 && adesso - ultimo_ < TastiFisici::finestraRimbalzoMs)
            return false;
        ultimo_ = adesso;
        return true;
    }
    // A new question is on screen.
    void segna() { ultimo_ = adessoMs(); }

private:
    static qint64 adessoMs() { return Services::current().clock->nowMs(); }

    qint64 ultimo_ = -1;
};
