#include "Rnd.h"

#include <chrono>
#include <deque>
#include <random>

namespace {
std::mt19937 &engine()
{
    static std::mt19937 e(12345u);
    return e;
}
std::deque<double> &script()
{
    static std::deque<double> s;
    return s;
}
} // namespace

void Rnd::Randomize()
{
    engine().seed(static_cast<unsigned int>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void Rnd::Seed(unsigned int seed) { engine().seed(seed); }

void Rnd::Script(const std::vector<double> &values)
{
    script().assign(values.begin(), values.end());
}

void Rnd::ClearScript() { script().clear(); }

int Rnd::ScriptLeft() { return static_cast<int>(script().size()); }

double Rnd_()
{
    if (!script().empty()) {
        const double v = script().front();
        script().pop_front();
        return v;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine());
}

int RndInt(int n) { return static_cast<int>(Rnd_() * n); }
