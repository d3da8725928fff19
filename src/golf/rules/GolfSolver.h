#pragma once

#include "GolfPosition.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class GolfSeenTable;

// The solver's answer for one position.
struct GolfSolution
{
    // False when the search was cancelled; the other fields then mean nothing.
    bool complete = false;
    // The fewest cards that can be left when the game ends, and the moves that leave them, to
    // the end of the game (the last stock card included).
    int fewestCardsLeft = -1;
    std::vector<GolfMove> line;
    // Positions the search looked at.
    std::int64_t states = 0;
};

// Finds the fewest cards that can be left from a position, exactly, and a line of moves that
// leaves them. A depth-first branch and bound: plays are tried before turning the stock, a
// position is cut off when a lower bound on the cards it must leave (cards no neighbour rank
// can reach any more, ranks no chain of cards links to the stock or the top, and the parity
// of the ranks still to play) is no better than the best
// end found, and positions already searched are remembered in a table of fixed size (a
// position that dropped out of it is searched again, so the answer stays exact). A first,
// narrow search asks only whether the bound of the starting position can be reached (for
// most deals: whether it can be won).
//
// One solver serves one thread at a time; it keeps its table between calls.
class GolfSolver
{
public:
    // Called now and then with the positions searched so far.
    using Progress = std::function<void(std::int64_t states)>;
    static constexpr std::int64_t ProgressInterval = 1 << 16;

    GolfSolver();
    ~GolfSolver();
    GolfSolver(const GolfSolver &) = delete;
    GolfSolver &operator=(const GolfSolver &) = delete;

    // The search stops between two positions once cancel is set.
    GolfSolution solve(const GolfPosition &position, const std::atomic<bool> *cancel = nullptr,
                       const Progress &progress = {});

private:
    std::unique_ptr<GolfSeenTable> seen;
};
