#include "GolfSolver.h"

#include "GolfGame.h"

#include <algorithm>
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
    std::array<std::array<bool, Ranks>, Ranks> fits{};
    // The ranks a card of each rank can be played on: at most its two neighbours, the rest
    // filled with NoRank.
    std::array<std::array<int, 2>, Ranks> below{};
    // Whether anything can be played on a card of this rank.
    std::array<bool, Ranks> takesAny{};
    // Two colours such that a card is only ever played on one of the other colour; NoColour
    // everywhere if the rule allows no such split.
    std::array<int, Ranks> colour{};
    // The ranks in a row in which only neighbours fit on each other, when there is one.
    std::array<int, Ranks> path{};
    bool onPath = false;

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
                }
        findPath();
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
// clearing it. Slots are overwritten when a bucket is full.
class GolfSolver::SeenTable
{
public:
    static constexpr int SlotBits = 21; // 16 MB
    static constexpr int BucketSize = 4;
    static constexpr int KeyBits = 50;
    static constexpr std::uint64_t KeyMask = (std::uint64_t(1) << KeyBits) - 1;
    static constexpr std::uint64_t LastSearch = (std::uint64_t(1) << (64 - KeyBits)) - 1;

    SeenTable()
        : slots((std::size_t(1) << SlotBits) + BucketSize, 0)
    { }

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
    std::uint64_t stamped(std::uint64_t key) const { return search << KeyBits | key; }
    static std::size_t bucket(std::uint64_t key)
    {
        return std::size_t((key * 0x9E3779B97F4A7C15ull) >> (64 - SlotBits));
    }

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
            }
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
        best = tableauCards + 1;
        floor = lowerBound();
        seen.startSearch();
        visit();
        solution.states = states;
        if (cancelled)
            return solution;
        solution.complete = true;
        solution.fewestCardsLeft = best;
        solution.line = bestLine;
        return solution;
    }

private:
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
        }
        if (tableauCards == 0) {
            finish();
            return;
        }
        std::array<int, GolfLayout::MaxColumns> plays;
        int playCount = 0;
        for (int c = 0; c < columns; ++c)
            if (len[c] > 0 && rule.fits[top][rank[c][len[c] - 1]])
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
    // it. Of the rest, each run of plays after a stock card alternates the two colours of
    // ranks, so one colour can outnumber the other by at most the number of runs that start
    // on the other.
    int lowerBound() const
    {
        std::array<int, Ranks> starts = stockRanks[stockCount];
        ++starts[top];
        std::array<int, Ranks + 1> live;
        live[NoRank] = 0;
        for (int t = 0; t < Ranks; ++t)
            live[t] = starts[t] + tableauRanks[t];

        std::array<int, GolfLayout::MaxColumns> stuck{};
        int stuckCards = 0;
        for (bool changed = true; changed;) {
            changed = false;
            for (int c = 0; c < columns; ++c) {
                std::array<int, Ranks + 1> above{};
                int deepest = stuck[c];
                for (int r = stuck[c]; r < len[c]; ++r) {
                    const int k = rank[c][r];
                    // The card on top now only takes a card exposed now.
                    int reachable = r + 1 < len[c] && rule.fits[top][k] ? -1 : 0;
                    for (int t : rule.below[k])
                        reachable += live[t] - above[t];
                    if (reachable == 0)
                        deepest = r + 1;
                    ++above[k];
                }
                for (int r = stuck[c]; r < deepest; ++r)
                    --live[rank[c][r]];
                if (deepest > stuck[c]) {
                    stuckCards += deepest - stuck[c];
                    stuck[c] = deepest;
                    changed = true;
                }
            }
        }
        // The cards not stuck, by rank.
        std::array<int, Ranks> wanted;
        for (int t = 0; t < Ranks; ++t)
            wanted[t] = live[t] - starts[t];
        // Nothing is played on a sink (a King): each ends its run.
        int usableRuns = 0;
        int sinks = 0;
        for (int t = 0; t < Ranks; ++t) {
            if (rule.takesAny[t])
                usableRuns += starts[t];
            else
                sinks += wanted[t];
        }
        const int sinkExcess = std::max(0, sinks - usableRuns);
        const int unmatched = unmatchedCards(wanted, starts);
        if (rule.colour[0] == NoColour)
            return stuckCards + std::max(sinkExcess, unmatched);

        std::array<int, 2> freeCards{};
        std::array<int, 2> runs{};
        for (int t = 0; t < Ranks; ++t) {
            freeCards[rule.colour[t]] += wanted[t];
            if (rule.takesAny[t])
                runs[rule.colour[t]] += starts[t];
        }
        // A run starting on colour 0 plays colour 1 first.
        const int excess = std::max({0, freeCards[1] - freeCards[0] - runs[0],
                                     freeCards[0] - freeCards[1] - runs[1]});
        return stuckCards + std::max({excess, sinkExcess, unmatched});
    }

    // Every card played from a column lies on a card of a neighbouring rank, and each card
    // takes at most one: the cards that cannot all get one of their own are left.
    int unmatchedCards(const std::array<int, Ranks> &wanted,
                       const std::array<int, Ranks> &starts) const
    {
        if (!rule.onPath)
            return 0;
        std::array<int, Ranks + 1> takers{};
        for (int i = 0; i < Ranks; ++i) {
            const int t = rule.path[i];
            takers[i] = rule.takesAny[t] ? starts[t] + wanted[t] : 0;
        }
        // Along the row of ranks, a card takes the leftover of the rank before it first: no
        // later rank can use that.
        int unmatched = 0;
        for (int i = 0; i < Ranks; ++i) {
            const int k = rule.path[i];
            int need = wanted[k];
            if (i > 0 && rule.fits[rule.path[i - 1]][k]) {
                const int used = std::min(need, takers[i - 1]);
                need -= used;
                takers[i - 1] -= used;
            }
            if (i + 1 < Ranks && rule.fits[rule.path[i + 1]][k]) {
                const int used = std::min(need, takers[i + 1]);
                need -= used;
                takers[i + 1] -= used;
            }
            unmatched += need;
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
    return Search(position, *seen, cancel, progress).run();
}
