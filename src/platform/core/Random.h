#pragma once

#include <random>

// The one generator behind every deal, draw and computer decision.
class Random
{
public:
    virtual ~Random() = default;
    // A number drawn uniformly from 0..n-1; n must be at least 1.
    virtual int random(int n) = 0;
};

// Mersenne twister seeded from the clock, or from a given seed.
class SeededRandom : public Random
{
public:
    SeededRandom();
    explicit SeededRandom(unsigned seed);
    int random(int n) override;

private:
    std::mt19937 engine;
};

// The program-wide generator; seeded once from the clock on first use.
Random &programRandom();

// Replaces the program-wide generator (tests); nullptr restores the clock-seeded one.
void setProgramRandom(Random *replacement);
