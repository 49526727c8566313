#pragma once

// The program's random numbers: uniform in [0, 1), seeded at start-up. Replaceable as a whole
// (Services), because the order of the draws is behaviour.
class Random
{
public:
    virtual ~Random() = default;
    virtual double next() = 0;
    virtual void randomize() = 0; // seed from the clock

    static Random &system();
};

double Rnd_();
// Whole part of n times the next draw: a number 0..n-1.
int RndInt(int n);
