#include "Rnd.h"
#include "Services.h"

#include <chrono>
#include <random>

namespace {
class SystemRandom final : public Random
{
public:
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    void randomize() override
    {
        engine_.seed(static_cast<unsigned int>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }

private:
    std::mt19937 engine_{12345u};
};
} // namespace

Random &Random::system()
{
    static SystemRandom random;
    return random;
}

double Rnd_() { return Services::current().random->next(); }

int RndInt(int n) { return static_cast<int>(Rnd_() * n); }
