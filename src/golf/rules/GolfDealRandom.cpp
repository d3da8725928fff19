#include "GolfDealRandom.h"

GolfDealRandom::GolfDealRandom(Random &source)
    : source(source)
{ }

int GolfDealRandom::random(int n)
{
    if (replayed < replay.size()) {
        const int value = replay[replayed++];
        if (value < n)
            return value;
        // A replay that no longer fits the request is dropped.
        replay.clear();
        replayed = 0;
    }
    const int value = source.random(n);
    if (noting)
        noted.push_back(value);
    return value;
}

void GolfDealRandom::startNoting()
{
    noted.clear();
    noting = true;
}

void GolfDealRandom::stopNoting()
{
    noted.clear();
    noting = false;
}

void GolfDealRandom::replayDraws(std::vector<int> draws)
{
    replay = std::move(draws);
    replayed = 0;
    stopNoting();
}
