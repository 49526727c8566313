#pragma once
// Scripted random draws for the exercise rules.
#include <vector>

namespace {
// The draw that makes Int(Rnd * n) give k.
inline double d(int k, int n) { return (k + 0.5) / n; }
// A clown: hat green, hair red, shirt blue, waistcoat yellow, buttons green, trousers red, shoes blue.
inline std::vector<double> clown(int secchio, int cappello)
{
    return {d(0, 4), d(1, 4), d(2, 4), d(3, 4), d(0, 4), d(1, 4), d(2, 4), d(secchio, 2), d(cappello, 2)};
}
inline std::vector<double> operator+(std::vector<double> a, const std::vector<double> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace
