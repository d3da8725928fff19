#pragma once

#include "GolfSolver.h"

// What the solver says about a position in the player's terms.
struct GolfAdvice
{
    // False when the search was cancelled; nothing else is set then.
    bool complete = false;
    bool gameOver = false;
    // A game in progress: the fewest cards that can still be left and the line that leaves
    // them. A game over: the fewest cards any earlier position of the game could have left.
    int fewestCardsLeft = -1;
    std::vector<GolfMove> line;
    // A game over: how many Backups lead to the latest position that could still leave only
    // fewestCardsLeft cards (0 when the game ended as well as it could).
    int movesBack = 0;
};

// Solves the position, or for a game that has ended, looks back along its Backups for the
// latest position from which the best end of the deal was still in reach. Each position
// further back can leave at most as many cards as the one after it, so that search halves.
GolfAdvice adviseOn(const GolfPosition &position, GolfSolver &solver,
                    const std::atomic<bool> *cancel = nullptr);
