#include "GolfSolverSearch.h"

#include <algorithm>
#include <bit>

int GolfSolverSearch::lowerBound() const
{
    const std::array<int, Ranks> &stock = stockRanks[stockCount];
    // The cards that could be on top later, apart from the one on top now: that one is
    // covered before any card under an exposed one comes free.
    std::array<int, Ranks + 1> live;
    live[NoRank] = 0;
    for (int t = 0; t < Ranks; ++t)
        live[t] = stock[t] + tableauRanks[t];

    std::array<int, GolfLayout::MaxColumns> stuck{};
    int stuckCards = 0;
    for (;;) {
        stuckCards += markStuck(stuck, live);
        // A card is played on a start or on a card played before it, so a rank that no
        // chain of free cards links to a start is dead, and so is every card under one.
        const unsigned dead = unreachableRanks(stock, live);
        if (dead == 0)
            break;
        for (int c = 0; c < columns; ++c) {
            int deepest = stuck[c];
            for (int r = stuck[c]; r < len[c]; ++r)
                if (dead >> rank[c][r] & 1)
                    deepest = r + 1;
            for (int r = stuck[c]; r < deepest; ++r)
                --live[rank[c][r]];
            stuckCards += deepest - stuck[c];
            stuck[c] = deepest;
        }
    }
    std::array<int, Ranks> starts = stock;
    ++starts[top];
    // The cards not stuck by rank, and in total and of colour 1; the runs that can go on
    // (a run ends on a sink, a King, as nothing is played on it), in total and of colour 1.
    std::array<int, Ranks> wanted;
    int freeCards = 0;
    int freeOfOne = 0;
    int sinks = 0;
    int runs = 0;
    int runsOfOne = 0;
    for (int t = 0; t < Ranks; ++t)
        wanted[t] = live[t] - stock[t];
    for (int t = 0; t < Ranks; ++t) {
        freeCards += wanted[t];
        freeOfOne += rule.ofOne[t] * wanted[t];
        sinks += (1 - rule.takes[t]) * wanted[t];
        runs += rule.takes[t] * starts[t];
        runsOfOne += rule.takes[t] * rule.ofOne[t] * starts[t];
    }
    const int sinkExcess = std::max(0, sinks - runs);
    const int unmatched = unmatchedCards(wanted, starts);
    if (rule.colour[0] == GolfRankRule::NoColour)
        return stuckCards + std::max(sinkExcess, unmatched);
    // A run starting on colour 0 plays colour 1 first.
    const int freeOfZero = freeCards - freeOfOne;
    const int runsOfZero = runs - runsOfOne;
    const int excess
        = std::max({0, freeOfOne - freeOfZero - runsOfZero, freeOfZero - freeOfOne - runsOfOne});
    return stuckCards + std::max({excess, sinkExcess, unmatched});
}

inline int GolfSolverSearch::markStuck(std::array<int, GolfLayout::MaxColumns> &stuck,
                                       std::array<int, Ranks + 1> &live) const
{
    int added = 0;
    // Columns are scanned in turn until none has changed since its last scan; a column's
    // own stuck cards lie under everything it still has, so it need not look again.
    for (int c = 0, unchanged = 0; unchanged < columns; c = c + 1 == columns ? 0 : c + 1) {
        const int exposed = len[c] - 1;
        int deepest = stuck[c];
        for (int r = stuck[c]; r <= exposed; ++r) {
            const int k = rank[c][r];
            // The cards a card covers stay buried while it is there; those under the
            // stuck ones are out of live already.
            const int buried
                = buriedNeighbours[c][r] - (stuck[c] > 0 ? neighboursUnder(c, stuck[c], k) : 0);
            const int reachable = live[rule.below[k][0]] + live[rule.below[k][1]] - buried
                + (r == exposed && rule.fits[top][k]);
            if (reachable == 0)
                deepest = r + 1;
        }
        if (deepest == stuck[c]) {
            ++unchanged;
            continue;
        }
        for (int r = stuck[c]; r < deepest; ++r)
            --live[rank[c][r]];
        added += deepest - stuck[c];
        stuck[c] = deepest;
        unchanged = 1;
    }
    return added;
}

inline unsigned GolfSolverSearch::unreachableRanks(const std::array<int, Ranks> &stock,
                                                   const std::array<int, Ranks + 1> &live) const
{
    unsigned starts = 1u << top;
    unsigned free = 0;
    for (int t = 0; t < Ranks; ++t) {
        starts |= unsigned(stock[t] > 0) << t;
        free |= unsigned(live[t] > stock[t]) << t;
    }
    unsigned reached = 0;
    for (unsigned frontier = starts; frontier != 0;) {
        unsigned next = 0;
        for (unsigned ranks = frontier; ranks != 0; ranks &= ranks - 1)
            next |= rule.takesRanks[std::countr_zero(ranks)];
        frontier = next & free & ~reached;
        reached |= frontier;
    }
    return free & ~reached;
}

// Along the row of ranks, a card takes the leftover of the rank before it first: no later rank
// can use that.
inline int GolfSolverSearch::unmatchedCards(const std::array<int, Ranks> &wanted,
                                            const std::array<int, Ranks> &starts) const
{
    if (!rule.onPath)
        return 0;
    // The cards that can still take one, at the rank before, this and the next rank.
    const auto takers = [&](int i) {
        const int t = rule.path[i];
        return rule.takesOnPath[i] * (starts[t] + wanted[t]);
    };
    int previous = 0;
    int current = takers(0);
    int unmatched = 0;
    for (int i = 0; i < Ranks; ++i) {
        int next = i + 1 < Ranks ? takers(i + 1) : 0;
        int need = wanted[rule.path[i]];
        if (rule.onPrevious[i])
            need -= std::min(need, previous);
        if (rule.onNext[i]) {
            const int used = std::min(need, next);
            need -= used;
            next -= used;
        }
        unmatched += need;
        previous = current;
        current = next;
    }
    return unmatched;
}
