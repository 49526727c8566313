#pragma once
#include <QString>

// Every tenth right answer since the screen was opened brings a reward movie.
class ContaPremio
{
public:
    static constexpr int kOgni = 10;
    // A right answer: true when it is the tenth since the last reward.
    bool giusta()
    {
        if (++conta_ < kOgni)
            return false;
        conta_ = 0;
        return true;
    }
    int conta() const { return conta_; }

private:
    int conta_ = 0;
};

// A reward movie drawn at random among the numbered ones of "\animazioni\" (App::Path() + "\animazioni\k.swf").
// With none there, the first is asked for all the same and the movie view shows nothing.
QString FilmatoPremio();
// Reads every reward movie into the shared drawing cache, so that none is read from disk on a right
// answer.
void PreparaPremi();
