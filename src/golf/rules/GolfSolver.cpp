#include "GolfSolver.h"

#include "GolfGame.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Ranks = 13;
constexpr int NoColour = -1;
// A rank index past the real ones whose count is always zero.
constexpr int NoRank = Ranks;

// What the solver needs of the rank rule, taken from GolfGame::Fits once.
struct RankRule
{
    // Whether a card of the second rank can be played on the first; never on NoRank.
    std::array<std::array<bool, Ranks + 1>, Ranks> fits{};
    // The ranks a card of each rank can be played on: at most its two neighbours, the rest
    // filled with NoRank.
    std::array<std::array<int, 2>, Ranks> below{};
    // The ranks that can be played on a card of each rank, as bits.
    std::array<unsigned, Ranks> takesRanks{};
    // Whether anything can be played on a card of this rank.
    std::array<bool, Ranks> takesAny{};
    // Two colours such that a card is only ever played on one of the other colour; NoColour
    // everywhere if the rule allows no such split.
    std::array<int, Ranks> colour{};
    // The ranks in a row in which only neighbours fit on each other, when there is one.
    std::array<int, Ranks> path{};
    bool onPath = false;
    // Along the path: whether the rank at i is played on the one before it, or after it.
    std::array<bool, Ranks> onPrevious{};
    std::array<bool, Ranks> onNext{};
    // 1 where takesAny, where the colour is 1, and where the rank at i on the path takes any.
    std::array<int, Ranks> takes{};
    std::array<int, Ranks> ofOne{};
    std::array<int, Ranks> takesOnPath{};

    bool neighbours(int a, int b) const { return fits[a][b] || fits[b][a]; }

    void findPath()
    {
        int end = -1;
        for (int r = 0; r < Ranks && end < 0; ++r) {
            int degree = 0;
            for (int n = 0; n < Ranks; ++n)
                degree += n != r && neighbours(r, n);
            if (degree == 1)
                end = r;
        }
        if (end < 0)
            return;
        std::array<bool, Ranks> used{};
        path[0] = end;
        used[end] = true;
        for (int i = 1; i < Ranks; ++i) {
            int next = -1;
            for (int n = 0; n < Ranks; ++n)
                if (!used[n] && neighbours(path[i - 1], n))
                    next = next < 0 ? n : Ranks;
            if (next < 0 || next == Ranks)
                return;
            path[i] = next;
            used[next] = true;
        }
        for (int a = 0; a < Ranks; ++a)
            for (int b = 0; b < Ranks; ++b)
                if (neighbours(path[a], path[b]) && std::abs(a - b) != 1)
                    return;
        onPath = true;
        for (int i = 0; i < Ranks; ++i) {
            onPrevious[i] = i > 0 && fits[path[i - 1]][path[i]];
            onNext[i] = i + 1 < Ranks && fits[path[i + 1]][path[i]];
        }
    }

    RankRule()
    {
        for (auto &ranks : below)
            ranks.fill(NoRank);
        for (int t = 0; t < Ranks; ++t)
            for (int k = 0; k < Ranks; ++k)
                if (GolfGame::Fits(t, k)) {
                    fits[t][k] = true;
                    below[k][below[k][0] == NoRank ? 0 : 1] = t;
                    takesAny[t] = true;
                    takesRanks[t] |= 1u << k;
                }
        findPath();
        findColours();
        // The same facts as whole numbers, for the bound's sums.
        for (int t = 0; t < Ranks; ++t) {
            takes[t] = takesAny[t];
            ofOne[t] = colour[t] == 1;
        }
        for (int i = 0; i < Ranks; ++i)
            takesOnPath[i] = takesAny[path[i]];
    }

    void findColours()
    {
        colour.fill(NoColour);
        for (int start = 0; start < Ranks; ++start) {
            if (colour[start] != NoColour)
                continue;
            colour[start] = 0;
            std::vector<int> todo{start};
            while (!todo.empty()) {
                const int r = todo.back();
                todo.pop_back();
                for (int n = 0; n < Ranks; ++n) {
                    if (!fits[r][n] && !fits[n][r])
                        continue;
                    if (colour[n] == NoColour) {
                        colour[n] = 1 - colour[r];
                        todo.push_back(n);
                    } else if (colour[n] == colour[r]) {
                        colour.fill(NoColour);
                        return;
                    }
                }
            }
        }
    }
};

const RankRule &rankRule()
{
    static const RankRule rule;
    return rule;
}

}

// Positions searched to the end, by their key: the column lengths, the stock count and the
// rank on top, which is all that decides the rest of the game. Each entry also carries the
// number of the search that stored it, so a new search starts with an empty table without
// clearing it. Slots are overwritten when a bucket is full. The table starts small enough to
// stay mostly in the cache (2 MB) and grows once, emptied, to 32 MB for a search that goes on
// much longer than it holds (wide layouts search millions of positions), until the next
// position is solved.
class GolfSolver::SeenTable
{
public:
    static constexpr int SmallSlotBits = 18;
    static constexpr int LargeSlotBits = 22;
    static constexpr std::int64_t GrowAfterSlotsTimes = 4;
    static constexpr int BucketSize = 4;
    static constexpr int KeyBits = 50;
    static constexpr std::uint64_t KeyMask = (std::uint64_t(1) << KeyBits) - 1;
    static constexpr std::uint64_t LastSearch = (std::uint64_t(1) << (64 - KeyBits)) - 1;

    SeenTable()
        : slots((std::size_t(1) << SmallSlotBits) + BucketSize, 0)
    { }

    void growFor(std::int64_t searched)
    {
        if (slotBits == LargeSlotBits || searched < GrowAfterSlotsTimes << slotBits)
            return;
        slotBits = LargeSlotBits;
        slots.assign((std::size_t(1) << slotBits) + BucketSize, 0);
    }

    // Back to the small table for the next position: a large one slows every search that
    // does not need it.
    void shrink()
    {
        if (slotBits == SmallSlotBits)
            return;
        slotBits = SmallSlotBits;
        std::vector<std::uint64_t>((std::size_t(1) << slotBits) + BucketSize, 0).swap(slots);
    }

    void startSearch()
    {
        if (++search > LastSearch) {
            std::fill(slots.begin(), slots.end(), 0);
            search = 1;
        }
    }

    bool contains(std::uint64_t key) const
    {
        const std::uint64_t entry = stamped(key);
        const std::size_t first = bucket(key);
        for (std::size_t i = first; i < first + BucketSize; ++i)
            if (slots[i] == entry)
                return true;
        return false;
    }

    void prefetch(std::uint64_t key) const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&slots[bucket(key)]);
#else
        (void)key;
#endif
    }

    void insert(std::uint64_t key)
    {
        const std::size_t first = bucket(key);
        for (std::size_t i = first; i < first + BucketSize; ++i) {
            if (slots[i] >> KeyBits != search) {
                slots[i] = stamped(key);
                return;
            }
        }
        slots[first + (++evictions % BucketSize)] = stamped(key);
    }

private:
    std::uint64_t stamped(std::uint64_t key) const
    {
        return search << KeyBits | key;
    }
    std::size_t bucket(std::uint64_t key) const
    {
        return std::size_t((key * 0x9E3779B97F4A7C15ull) >> (64 - slotBits));
    }

    int slotBits = SmallSlotBits;
    std::vector<std::uint64_t> slots;
    std::uint64_t search = 0;
    std::uint64_t evictions = 0;
};

class GolfSolver::Search
{
public:
    Search(const GolfPosition &position, SeenTable &seen, const std::atomic<bool> *cancel,
           const Progress &progress)
        : rule(rankRule())
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

    GolfSolution run()
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

private:
    // Looks for an end with fewer cards left than limit.
    void searchBelow(int limit)
    {
        best = limit;
        seen.startSearch();
        visit();
    }

    bool stopped() const { return cancelled || best <= floor; }

    void visit()
    {
        if (++states % CancelInterval == 0) {
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                cancelled = true;
                return;
            }
            if (progress && states % ProgressInterval == 0)
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

    void play(int c)
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

    void turn()
    {
        const int before = top;
        top = stockRank[--stockCount];
        line.push_back(GolfMove::turn());
        visit();
        line.pop_back();
        ++stockCount;
        top = before;
    }

    // The game ends here (or, with the columns cleared, once the stock is turned).
    void finish()
    {
        if (tableauCards >= best)
            return;
        best = tableauCards;
        bestLine = line;
        bestLine.insert(bestLine.end(), stockCount, GolfMove::turn());
    }

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
    int lowerBound() const
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
        if (rule.colour[0] == NoColour)
            return stuckCards + std::max(sinkExcess, unmatched);
        // A run starting on colour 0 plays colour 1 first.
        const int freeOfZero = freeCards - freeOfOne;
        const int runsOfZero = runs - runsOfOne;
        const int excess = std::max(
            {0, freeOfOne - freeOfZero - runsOfZero, freeOfZero - freeOfOne - runsOfOne});
        return stuckCards + std::max({excess, sinkExcess, unmatched});
    }

    // Marks the cards no card they could be played on will reach while they are exposed, and
    // everything under them; returns how many it added.
    int markStuck(std::array<int, GolfLayout::MaxColumns> &stuck,
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

    // The ranks of free cards that no start reaches through free cards of the ranks between.
    unsigned unreachableRanks(const std::array<int, Ranks> &stock,
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

    // The cards in the first rows of a column that a card of rank k can be played on.
    int neighboursUnder(int c, int rows, int k) const
    {
        int count = 0;
        for (int r = 0; r < rows; ++r)
            count += rank[c][r] == rule.below[k][0] || rank[c][r] == rule.below[k][1];
        return count;
    }

    // Every card played from a column lies on a card of a neighbouring rank, and each card
    // takes at most one: the cards that cannot all get one of their own are left. Along the
    // row of ranks, a card takes the leftover of the rank before it first: no later rank can
    // use that.
    int unmatchedCards(const std::array<int, Ranks> &wanted,
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

    static constexpr std::int64_t CancelInterval = 1024;
    static constexpr int LengthBits = 4;

    const RankRule &rule;
    SeenTable &seen;
    const std::atomic<bool> *cancel;
    const Progress &progress;

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

GolfSolver::GolfSolver()
    : seen(std::make_unique<SeenTable>())
{ }

GolfSolver::~GolfSolver() = default;

GolfSolution GolfSolver::solve(const GolfPosition &position, const std::atomic<bool> *cancel,
                               const Progress &progress)
{
    if (position.over())
        return {true, position.cardsLeft(), {}, 0};
    seen->shrink();
    return Search(position, *seen, cancel, progress).run();
}
