#pragma once

#include "Random.h"

#include <deque>
#include <initializer_list>

// A generator that gives scripted numbers first (each taken modulo n), then seeded ones.
class ScriptedRandom : public Random
{
public:
    explicit ScriptedRandom(unsigned seed = 1);
    ScriptedRandom(std::initializer_list<int> script, unsigned seed = 1);

    void push(int value) { script.push_back(value); }
    int random(int n) override;
    int draws() const { return drawCount; }

private:
    std::deque<int> script;
    SeededRandom seeded;
    int drawCount = 0;
};

// Installs a generator as the program-wide one for the lifetime of this object.
class ProgramRandomScope
{
public:
    explicit ProgramRandomScope(Random &random) { setProgramRandom(&random); }
    ~ProgramRandomScope() { setProgramRandom(nullptr); }
};
