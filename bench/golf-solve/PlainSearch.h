#pragma once

#include "GolfPosition.h"

#include <cstdint>

// The plain way to the same answer as GolfSolver: a depth-first search of every position
// reachable from this one, each remembered with its exact value by its column lengths, stock
// count and top rank. No bounds, no cut-offs. The benchmark's baseline and the tests' check.
struct PlainAnswer
{
    int fewestCardsLeft = 0;
    std::int64_t states = 0;
};

PlainAnswer plainSearch(const GolfPosition &position);
