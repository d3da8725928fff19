#pragma once

#include "Random.h"

#include <cstddef>
#include <vector>

// The numbers a Golf deal draws: taken from a generator and noted down, so that a deal tried
// on the side can then be dealt again, draw for draw, at the table.
class GolfDealRandom : public Random
{
public:
    explicit GolfDealRandom(Random &source);

    // Replayed draws first; then draws from the source, noted down.
    int random(int n) override;
    // Notes down the draws from now on, forgetting those before.
    void startNoting();
    void stopNoting();
    // The draws noted down since startNoting.
    const std::vector<int> &notedDraws() const { return noted; }
    // The next deal replays these draws (a deal noted by another generator, say).
    void replayDraws(std::vector<int> draws);

private:
    Random &source;
    bool noting = false;
    std::vector<int> noted;
    std::vector<int> replay;
    std::size_t replayed = 0;
};
