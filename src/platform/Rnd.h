#pragma once
#include <vector>

// The one random generator of the program: uniform numbers in [0, 1), seeded at start-up.
// Tests replace it by a scripted sequence, because the order of the draws is behaviour.
namespace Rnd {
void Randomize();                          // seed from the clock
void Seed(unsigned int seed);
void Script(const std::vector<double> &values); // next draws come from here, in order
void ClearScript();
int ScriptLeft();                          // scripted draws not used yet
} // namespace Rnd

double Rnd_();
// Whole part of n times the next draw: a number 0..n-1.
int RndInt(int n);
