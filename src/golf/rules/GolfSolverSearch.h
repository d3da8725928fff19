#pragma once

#include "GolfRankRule.h"
#include "GolfSeenTable.h"
#include "GolfSolver.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// One search of the solver: the position in the compact form the search plays on (ranks
// only, the column lengths and the stock count kept as moves are made and taken back), the
// depth-first search itself, and the lower bound that cuts it off (in GolfSolverBound.cpp).
class GolfSolverSearch
{
public:
    static constexpr int Ranks = GolfRankRule::Ranks;
    static constexpr int NoRank = GolfRankRule::NoRank;

    GolfSolverSearch(const GolfPosition &position, GolfSeenTable &seen,
                     const std::atomic<bool> *cancel, const GolfSolver::Progress &progress);

    GolfSolution run();

private:
    // Looks for an end with fewer cards left than limit.
    void searchBelow(int limit);
    bool stopped() const { return cancelled || best <= floor; }
    void visit();
    void play(int c);
    void turn();
    // The game ends here (or, with the columns cleared, once the stock is turned).
    void finish();

    static std::uint64_t key(std::uint64_t lengths, int stockCount, int top)
    {
        return (lengths << 6 | std::uint64_t(stockCount)) << 4 | std::uint64_t(top);
    }
    std::uint64_t key() const { return key(lengthsKey, stockCount, top); }
    std::uint64_t keyAfterPlay(int c) const
    {
        return key(lengthsKey - lengthUnit[c], stockCount, rank[c][len[c] - 1]);
    }
    std::uint64_t keyAfterTurn() const
    {
        return key(lengthsKey, stockCount - 1, stockRank[stockCount - 1]);
    }

    // Cards that must be left whatever is played. A card is stuck when no card it could be
    // played on will ever be on top while it is exposed: none of those ranks is on top, in the
    // stock, or in the columns outside the cards it covers; everything it covers is stuck with
    // it, and so are the cards of a rank that no chain of free cards links to a card that
    // starts a run. Of the rest, each run of plays after a stock card alternates the two
    // colours of ranks, so one colour can outnumber the other by at most the number of runs
    // that start on the other.
    int lowerBound() const;
    // Marks the cards no card they could be played on will reach while they are exposed, and
    // everything under them; returns how many it added.
    int markStuck(std::array<int, GolfLayout::MaxColumns> &stuck,
                  std::array<int, Ranks + 1> &live) const;
    // The ranks of free cards that no start reaches through free cards of the ranks between.
    unsigned unreachableRanks(const std::array<int, Ranks> &stock,
                              const std::array<int, Ranks + 1> &live) const;
    // Every card played from a column lies on a card of a neighbouring rank, and each card
    // takes at most one: the cards that cannot all get one of their own are left.
    int unmatchedCards(const std::array<int, Ranks> &wanted,
                       const std::array<int, Ranks> &starts) const;

    // The cards in the first rows of a column that a card of rank k can be played on.
    int neighboursUnder(int c, int rows, int k) const
    {
        int count = 0;
        for (int r = 0; r < rows; ++r)
            count += rank[c][r] == rule.below[k][0] || rank[c][r] == rule.below[k][1];
        return count;
    }

    static constexpr std::int64_t CancelInterval = 1024;
    static constexpr int LengthBits = 4;

    const GolfRankRule &rule;
    GolfSeenTable &seen;
    const std::atomic<bool> *cancel;
    const GolfSolver::Progress &progress;

    int columns;
    std::array<std::array<int, GolfLayout::MaxRows>, GolfLayout::MaxColumns> rank{};
    std::array<int, GolfLayout::MaxColumns> len{};
    // The rank of each column's exposed card, NoRank for an empty column.
    std::array<int, GolfLayout::MaxColumns> exposedRank{};
    // For each card, how many cards it covers that it could be played on.
    std::array<std::array<int, GolfLayout::MaxRows>, GolfLayout::MaxColumns> buriedNeighbours{};
    int tableauCards = 0;
    // How many of each rank the columns hold.
    std::array<int, Ranks> tableauRanks{};
    // The column lengths as the key holds them, and one card of each column in it.
    std::uint64_t lengthsKey = 0;
    std::array<std::uint64_t, GolfLayout::MaxColumns> lengthUnit{};
    std::array<int, GolfLayout::DeckSize - 1> stockRank{};
    // stockRanks[n]: how many of each rank the first n stock cards hold.
    std::array<std::array<int, Ranks>, GolfLayout::DeckSize> stockRanks{};
    int stockCount;
    int top;

    std::vector<GolfMove> line;
    std::vector<GolfMove> bestLine;
    int best = 0;
    int floor = 0;
    std::int64_t states = 0;
    bool cancelled = false;
};
