#pragma once

#include "GolfLayout.h"
#include "Random.h"

#include <atomic>
#include <chrono>
#include <vector>

class GolfSolver;

// The best deal a search tried: the draws that deal it again, and the fewest cards it can leave
// (0 for a deal that can be won); no draws when no deal was solved in time. Not complete when
// the search was cancelled.
struct GolfDealSearch
{
    bool complete = false;
    std::vector<int> draws;
    int fewestCardsLeft = -1;
};

// Deals on the side from random until the solver finds a deal that can be won, or the time is
// up (some layouts are almost never won): the best deal it tried. Stops, incomplete, once
// cancel is set.
GolfDealSearch findWinnableDeal(Random &random, GolfLayout layout, GolfSolver &solver,
                                std::chrono::milliseconds timeLimit,
                                const std::atomic<bool> *cancel = nullptr);
