#include "Random.h"

#include <chrono>

namespace {
Random *injected = nullptr;
}

SeededRandom::SeededRandom()
    : SeededRandom(
        static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{ }

SeededRandom::SeededRandom(unsigned seed)
    : engine(seed)
{ }

int SeededRandom::random(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
}

Random &programRandom()
{
    static SeededRandom clockSeeded;
    return injected ? *injected : clockSeeded;
}

void setProgramRandom(Random *replacement)
{
    injected = replacement;
}
