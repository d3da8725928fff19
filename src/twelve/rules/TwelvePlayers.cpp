#include "TwelvePlayers.h"

#include "Random.h"
#include "TwelveLevels.h"

#include <algorithm>
#include <limits>

namespace {

using RankCounts = std::array<int, RankCount>;

RankCounts rankCounts(const Hand &hand)
{
    RankCounts counts{};
    for (int card = 0; card < CardCount; ++card)
        if (hand[card])
            ++counts[rankOf(card)];
    return counts;
}

// How many held cards lie in the window of three ranks from each start rank.
RankCounts windowCounts(const RankCounts &counts)
{
    RankCounts windows{};
    for (int start = 0; start < RankCount; ++start)
        for (int step = 0; step < RunLength; ++step)
            windows[start] += counts[rankAfter(start, step)];
    return windows;
}

// Every held card of a window scores the window's count, so a window adds its count squared.
int totalOf(const RankCounts &counts)
{
    int total = 0;
    for (int window : windowCounts(counts))
        total += window * window;
    return total;
}

bool percentDraw(Random &random, int chance)
{
    return random.random(PercentDraw) < chance;
}

} // namespace

CardValues CardValue(const Hand &hand)
{
    const RankCounts windows = windowCounts(rankCounts(hand));
    CardValues values{};
    for (int card = 0; card < CardCount; ++card) {
        if (!hand[card])
            continue;
        for (int step = 0; step < RunLength; ++step)
            values[card] += windows[rankAfter(rankOf(card), RankCount - step)];
    }
    return values;
}

int leastValuedCard(const Hand &hand)
{
    const CardValues values = CardValue(hand);
    int least = -1;
    for (int card = 0; card < CardCount; ++card)
        if (hand[card] && (least < 0 || values[card] < values[least]))
            least = card;
    return least;
}

int cardValueTotal(const Hand &hand)
{
    return totalOf(rankCounts(hand));
}

namespace {

const LevelRow &steadyRow(double difficulty)
{
    const LevelRow *row = levelRow(difficulty);
    return row ? *row : OffLevelRow;
}

} // namespace

int steadyAfterTurn(double difficulty)
{
    return steadyRow(difficulty).SteadyAfterTurn;
}

int steadyShuffleChance(double difficulty)
{
    return steadyRow(difficulty).SteadyShuffleChance;
}

bool playingSteady(const TwelveGame &game)
{
    return game.TurnNo > steadyAfterTurn(game.Difficulty);
}

void updateHelpMode(TwelveGame &game, Random &random)
{
    game.HelpMode = false;
    for (int &count : game.RankPutCount) {
        if (count > 0)
            --count;
        game.HelpMode = game.HelpMode || count > CirculatingRankCount;
    }
    // A computer that thinks ahead hands nobody a card.
    if (playingSteady(game) || thinksAhead(game.Difficulty)) {
        game.HelpMode = false;
        return;
    }
    if (const LevelRow *row = levelRow(game.Difficulty);
        row && percentDraw(random, row->HelpChance))
        game.HelpMode = true;
    if (!game.HelpMode)
        return;
    if (random.random(PercentDraw) <= HelpKeptAbove) {
        game.HelpMode = false;
        return;
    }
    // The card that would raise the human's matrix total most.
    RankCounts human = rankCounts(game.Holding[HumanSeat]);
    int bestTotal = std::numeric_limits<int>::min();
    for (int card = 0; card < CardCount; ++card) {
        if (game.Holding[HumanSeat][card])
            continue;
        ++human[rankOf(card)];
        const int total = totalOf(human);
        --human[rankOf(card)];
        if (total > bestTotal) {
            bestTotal = total;
            game.HelpCard = card;
        }
    }
}

int choosePutCard(TwelveGame &game, int seat, Random &random)
{
    Hand &hand = game.Holding[seat];
    int card = leastValuedCard(hand);
    const LevelRow *row = levelRow(game.Difficulty);
    const bool blunders = playingSteady(game)
        ? percentDraw(random, steadyShuffleChance(game.Difficulty))
        : row && percentDraw(random, row->BlunderChance);
    if (blunders) {
        do {
            const int suit = random.random(SuitCount);
            card = cardOf(suit, random.random(RankCount));
        } while (!hand[card]);
    }
    if (game.HelpMode && hand[game.HelpCard])
        card = game.HelpCard;
    putFromHand(game, seat, card);
    return card;
}

void putFromHand(TwelveGame &game, int seat, int card)
{
    ++game.RankPutCount[rankOf(card)];
    game.Holding[seat][card] = false;
}

PerSlot<int> middleCardWorths(const TwelveGame &game, int seat)
{
    RankCounts counts = rankCounts(game.Holding[seat]);
    PerSlot<int> worths{};
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const int rank = game.TurnSlot[slot].Rank;
        ++counts[rank];
        worths[slot] = totalOf(counts);
        --counts[rank];
    }
    return worths;
}

void valueMiddleCards(TwelveGame &game)
{
    for (int seat = 2; seat <= SeatCount; ++seat)
        setMiddleCardWorths(game, seat, middleCardWorths(game, seat));
}

PerSlot<int> worthsAboveLeast(const PerSlot<int> &worths)
{
    const int least = *std::min_element(worths.begin() + 1, worths.end());
    PerSlot<int> above{};
    for (int slot = 1; slot <= SlotCount; ++slot)
        above[slot] = worths[slot] - least;
    return above;
}

void setMiddleCardWorths(TwelveGame &game, int seat, const PerSlot<int> &worths)
{
    game.CardWorth[seat] = worths;
    int cap = game.Scores[game.RoundNo][seat];
    if (game.HelpMode)
        cap = std::min(cap, HelpModeBidCap);
    const PerSlot<int> limits = worthsAboveLeast(worths);
    for (int slot = 1; slot <= SlotCount; ++slot)
        game.MaxBid[seat][slot] = std::min(limits[slot], cap);
}

namespace {

// The slot of greatest worth, the first among equals, skipping sold slots and one other slot.
int bestSlot(const PerSlot<int> &worths, int skipped)
{
    int best = 0;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (slot == skipped || worths[slot] <= WantableWorthAbove)
            continue;
        if (best == 0 || worths[slot] > worths[best])
            best = slot;
    }
    return best;
}

} // namespace

void chooseWantedCards(TwelveGame &game, Random &random)
{
    const int remaining
        = static_cast<int>(std::count(game.Bought.begin() + 1, game.Bought.end(), false));
    const double bestWantedBelow = game.Difficulty * BestWantedSlope + BestWantedBase;
    for (int seat = 2; seat <= SeatCount; ++seat) {
        if (game.Bought[seat])
            continue;
        const int best = bestSlot(game.CardWorth[seat], 0);
        const int second = bestSlot(game.CardWorth[seat], best);
        const bool takesSecond = random.random(PercentDraw) >= bestWantedBelow && remaining > 1;
        const int slot = takesSecond && second != 0 ? second : best;
        game.Wanted[seat] = slot;
        ++game.TurnSlot[slot].Markers;
    }
    game.TurnOver = remaining == 0;
}
