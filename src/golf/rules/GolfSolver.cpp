#include "GolfSolver.h"

#include "GolfSolverSearch.h"

#include <algorithm>

GolfSolverSearch::GolfSolverSearch(const GolfPosition &position, GolfSeenTable &seen,
                                   const std::atomic<bool> *cancel,
                                   const GolfSolver::Progress &progress)
    : rule(GolfRankRule::instance())
    , seen(seen)
    , cancel(cancel)
    , progress(progress)
    , columns(position.layout.columns)
    , stockCount(position.stockCount)
    , top(position.top() % Ranks)
{
    for (int c = 0; c < columns; ++c) {
        len[c] = position.columnLen[c];
        tableauCards += len[c];
        lengthsKey = lengthsKey << LengthBits | std::uint64_t(len[c]);
        lengthUnit[c] = std::uint64_t(1) << (LengthBits * (columns - 1 - c));
        for (int r = 0; r < len[c]; ++r) {
            rank[c][r] = position.tableau[c][r] % Ranks;
            ++tableauRanks[rank[c][r]];
            buriedNeighbours[c][r] = neighboursUnder(c, r, rank[c][r]);
        }
        exposedRank[c] = len[c] > 0 ? rank[c][len[c] - 1] : NoRank;
    }
    for (int i = 0; i < stockCount; ++i) {
        stockRank[i] = position.stock[i] % Ranks;
        stockRanks[i + 1] = stockRanks[i];
        ++stockRanks[i + 1][stockRank[i]];
    }
}

GolfSolution GolfSolverSearch::run()
{
    GolfSolution solution;
    // A search for the lower bound itself prunes hardest and settles most deals that can
    // be won; only when it fails is the fewest cards left searched for.
    floor = lowerBound();
    searchBelow(floor + 1);
    if (best > floor && !cancelled) {
        ++floor;
        searchBelow(tableauCards + 1);
    }
    solution.states = states;
    if (cancelled)
        return solution;
    solution.complete = true;
    solution.fewestCardsLeft = best;
    solution.line = bestLine;
    return solution;
}

inline void GolfSolverSearch::searchBelow(int limit)
{
    best = limit;
    seen.startSearch();
    visit();
}

inline void GolfSolverSearch::visit()
{
    if (++states % CancelInterval == 0) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            cancelled = true;
            return;
        }
        if (progress && states % GolfSolver::ProgressInterval == 0)
            progress(states);
        seen.growFor(states);
    }
    if (tableauCards == 0) {
        finish();
        return;
    }
    std::array<int, GolfLayout::MaxColumns> plays;
    int playCount = 0;
    const auto &fitsTop = rule.fits[top];
    for (int c = 0; c < columns; ++c)
        if (fitsTop[exposedRank[c]])
            plays[playCount++] = c;
    if (playCount == 0) {
        // Turning is the only move: the position after it is the one worth remembering.
        if (stockCount == 0)
            finish();
        else
            turn();
        return;
    }
    const std::uint64_t key = this->key();
    // The bound never exceeds the cards in the columns.
    if (seen.contains(key) || (tableauCards >= best && lowerBound() >= best))
        return;
    // The table is large and seldom in the cache: the lines of the next positions are
    // fetched while the first of them is searched.
    for (int i = 0; i < playCount; ++i)
        seen.prefetch(keyAfterPlay(plays[i]));
    if (stockCount > 0)
        seen.prefetch(keyAfterTurn());
    // Longer columns first: their buried cards are the hardest to free.
    std::sort(plays.begin(), plays.begin() + playCount,
              [this](int a, int b) { return len[a] > len[b]; });
    for (int i = 0; i < playCount && !stopped(); ++i)
        play(plays[i]);
    if (stockCount > 0 && !stopped())
        turn();
    if (!cancelled)
        seen.insert(key);
}

inline void GolfSolverSearch::play(int c)
{
    const int before = top;
    top = rank[c][--len[c]];
    exposedRank[c] = len[c] > 0 ? rank[c][len[c] - 1] : NoRank;
    --tableauCards;
    --tableauRanks[top];
    lengthsKey -= lengthUnit[c];
    line.push_back(GolfMove::play(c));
    visit();
    line.pop_back();
    lengthsKey += lengthUnit[c];
    ++tableauRanks[top];
    ++tableauCards;
    ++len[c];
    exposedRank[c] = top;
    top = before;
}

inline void GolfSolverSearch::turn()
{
    const int before = top;
    top = stockRank[--stockCount];
    line.push_back(GolfMove::turn());
    visit();
    line.pop_back();
    ++stockCount;
    top = before;
}

inline void GolfSolverSearch::finish()
{
    if (tableauCards >= best)
        return;
    best = tableauCards;
    bestLine = line;
    bestLine.insert(bestLine.end(), stockCount, GolfMove::turn());
}

GolfSolver::GolfSolver()
    : seen(std::make_unique<GolfSeenTable>())
{ }

GolfSolver::~GolfSolver() = default;

GolfSolution GolfSolver::solve(const GolfPosition &position, const std::atomic<bool> *cancel,
                               const Progress &progress)
{
    if (position.over())
        return {true, position.cardsLeft(), {}, 0};
    seen->shrink();
    return GolfSolverSearch(position, *seen, cancel, progress).run();
}
