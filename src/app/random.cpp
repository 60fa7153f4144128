#include "app/random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace Random {

namespace {
std::mt19937 &generator()
{
    static std::mt19937 g(5489u);
    return g;
}
std::function<double()> &source()
{
    static std::function<double()> s;
    return s;
}
} // namespace

double Rnd()
{
    if (source())
        return source()();
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

int Digit(int n, int k) { return static_cast<int>(std::floor(Rnd() * n)) + k; }

void Randomize()
{
    generator().seed(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        std::chrono::system_clock::now().time_since_epoch().count()));
}

void setSource(std::function<double()> s) { source() = std::move(s); }

} // namespace Random
