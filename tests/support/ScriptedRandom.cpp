#include "ScriptedRandom.h"

ScriptedRandom::ScriptedRandom(unsigned seed)
    : seeded(seed)
{ }

ScriptedRandom::ScriptedRandom(std::initializer_list<int> values, unsigned seed)
    : script(values)
    , seeded(seed)
{ }

int ScriptedRandom::random(int n)
{
    ++drawCount;
    if (script.empty())
        return seeded.random(n);
    const int value = script.front();
    script.pop_front();
    return ((value % n) + n) % n;
}
