#pragma once

#include "GolfDealRandom.h"
#include "GolfLayout.h"

#include <chrono>

class GolfSolver;

// Deals on the side, from the program's generator, until the solver finds a deal that can be
// won, and sets random to replay that deal. Gives up when the time is up (some layouts are
// almost never won) and returns false; the next deal is then an ordinary one.
bool findWinnableDeal(GolfDealRandom &random, GolfLayout layout, GolfSolver &solver,
                      std::chrono::milliseconds timeLimit);
