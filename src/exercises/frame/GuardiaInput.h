#pragma once
#include "shell/TastiFisici.h"

#include <QElapsedTimer>

// Lets one choice through per press, whatever it comes from (a key, a click, a clown's command):
// a second choice within a bounce of the previous one, or of the moment a new question was fully
// drawn, is taken for the same press. Keys have already lost their own bounces (TastiFisici).
class GuardiaInput
{
public:
    static inline int finestraMs = TastiFisici::finestraRimbalzoMs;

    GuardiaInput() { orologio_.start(); }

    // A choice arrives: true when it counts.
    bool accetta()
    {
        const qint64 adesso = orologio_.elapsed();
        if (ultimo_ >= 0 && adesso - ultimo_ < finestraMs)
            return false;
        ultimo_ = adesso;
        return true;
    }
    // A new question is on screen.
    void segna() { ultimo_ = orologio_.elapsed(); }

private:
    QElapsedTimer orologio_;
    qint64 ultimo_ = -1;
};
