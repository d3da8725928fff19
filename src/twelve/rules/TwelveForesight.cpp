#include "TwelveForesight.h"

#include "Random.h"
#include "TwelveLevels.h"
#include "TwelvePlayers.h"
#include "TwelvePlayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace TwelveForesight {

namespace {

// The table as one deal of the unplaced cards makes it.
TwelveGame tableOf(const SeatKnowledge &knowledge, const PerSeat<Hand> &hands)
{
    TwelveGame game;
    game.Difficulty = GreedyHardestDifficulty;
    game.RoundNo = knowledge.roundNo;
    game.TurnNo = knowledge.turnNo;
    game.Scores[knowledge.roundNo] = knowledge.points;
    game.Holding = hands;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const int card = knowledge.middle[slot];
        if (card == SeatKnowledge::NoCard)
            continue;
        TurnSlotRecord &put = game.TurnSlot[slot];
        put.Card = card;
        put.Suit = suitOf(card);
        put.Rank = rankOf(card);
        put.FaceUp = true;
    }
    return game;
}

// The seat's points at the end of the imagined round, against those it has now.
int gainOf(const TwelveGame &played, const SeatKnowledge &knowledge)
{
    return played.Scores[knowledge.roundNo][knowledge.seat] - knowledge.points[knowledge.seat];
}

// Sums each move's gain over the deals; nothing once stopped. Every move is played on the same
// deals.
template<typename Play>
std::optional<std::vector<long>> gainsOverDeals(const SeatKnowledge &knowledge, unsigned seed,
                                                int deals, int moves, const std::stop_token &stop,
                                                const Play &play)
{
    SeededRandom random(seed);
    std::vector<long> gains(moves, 0);
    for (int deal = 0; deal < deals; ++deal) {
        if (stop.stop_requested())
            return std::nullopt;
        const TwelveGame table = tableOf(knowledge, sampleHands(knowledge, random));
        for (int move = 0; move < moves; ++move) {
            TwelveGame played = table;
            play(played, move);
            gains[move] += gainOf(played, knowledge);
        }
    }
    return gains;
}

// The held cards of least value: the greedy levels take the first of them in id order.
std::vector<int> leastValuedCards(const Hand &hand)
{
    const CardValues values = CardValue(hand);
    std::vector<int> least;
    for (int card = 0; card < CardCount; ++card) {
        if (!hand[card])
            continue;
        if (!least.empty() && values[card] < values[least.front()])
            least.clear();
        if (least.empty() || values[card] == values[least.front()])
            least.push_back(card);
    }
    return least;
}

// The worth of each slot by the matrix, above the least: what the greedy levels bid up to.
PerSlot<int> greedyLimits(const SeatKnowledge &knowledge)
{
    return worthsAboveLeast(middleCardWorths(tableOf(knowledge, knowledge.known), knowledge.seat));
}

// Computers that play their best can hold each other's missing cards for ever, passing the same
// spare cards round; late in a long round they put a random card now and then, as the greedy
// levels do.
std::optional<int> shuffledPut(const SeatKnowledge &knowledge, unsigned seed)
{
    if (knowledge.turnNo <= steadyAfterTurn(ForesightDifficulty))
        return std::nullopt;
    SeededRandom random(~seed);
    if (random.random(PercentDraw) >= steadyShuffleChance(ForesightDifficulty))
        return std::nullopt;
    const Hand &hand = knowledge.known[knowledge.seat];
    int card;
    do
        card = random.random(CardCount);
    while (!hand[card]);
    return card;
}

} // namespace

std::optional<int> decidePut(const SeatKnowledge &knowledge, unsigned seed, std::stop_token stop,
                             const Effort &effort)
{
    const int seat = knowledge.seat;
    // Which card to spare is the matrix's to say; which of its equally spared cards to put,
    // the matrix cannot tell: the cards play that out.
    const std::vector<int> candidates = leastValuedCards(knowledge.known[seat]);
    if (const std::optional<int> shuffled = shuffledPut(knowledge, seed))
        return stop.stop_requested() ? std::nullopt : shuffled;
    if (candidates.size() == 1)
        return stop.stop_requested() ? std::nullopt : std::optional<int>(candidates.front());
    const auto gains
        = gainsOverDeals(knowledge, seed, effort.putDeals, static_cast<int>(candidates.size()),
                         stop, [&](TwelveGame &table, int move) {
                             putLeastValued(table, seat, candidates[move]);
                             shareMiddle(table, {}, {});
                             playRoundOut(table, table.TurnNo + effort.turnsAhead);
                         });
    if (!gains)
        return std::nullopt;
    // The first best, so the greedy choice stands among equals.
    return candidates[std::max_element(gains->begin(), gains->end()) - gains->begin()];
}

std::optional<PerSlot<int>> decideWorths(const SeatKnowledge &knowledge, unsigned seed,
                                         std::stop_token stop, const Effort &effort)
{
    const int seat = knowledge.seat;
    const auto gains = gainsOverDeals(knowledge, seed, effort.worthDeals, SlotCount, stop,
                                      [&](TwelveGame &table, int move) {
                                          const int slot = move + 1;
                                          table.Holding[seat][knowledge.middle[slot]] = true;
                                          PerSeat<bool> bought{};
                                          PerSlot<bool> sold{};
                                          bought[seat] = true;
                                          sold[slot] = true;
                                          shareMiddle(table, bought, sold);
                                          playRoundOut(table, table.TurnNo + effort.turnsAhead);
                                      });
    if (!gains)
        return std::nullopt;
    // The seat goes for the card that gains most over the deals. It bids no more for a card
    // than the card gains it above the worst, nor more than the matrix would: three computers
    // bidding their whole foreseen gains against each other spent their points by mid-game.
    const long least = *std::min_element(gains->begin(), gains->end());
    const PerSlot<int> limits = greedyLimits(knowledge);
    const int best
        = 1 + static_cast<int>(std::max_element(gains->begin(), gains->end()) - gains->begin());
    PerSlot<int> worths{};
    int otherwise = 0;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const int gained
            = static_cast<int>(std::lround(double((*gains)[slot - 1] - least) / effort.worthDeals));
        worths[slot] = std::min(gained, limits[slot]);
        if (slot != best)
            otherwise = std::max(otherwise, worths[slot]);
    }
    // Wanted above every other card.
    worths[best] = std::max(worths[best], otherwise + 1);
    return worths;
}

unsigned seatSeed(unsigned questionSeed, int seat)
{
    return questionSeed * 4u + static_cast<unsigned>(seat);
}

bool decide(const ForesightQuestion &question, int seat, ForesightAnswer &answer,
            std::stop_token stop, const Effort &effort)
{
    answer.serial = question.serial;
    const SeatKnowledge knowledge = knowledgeOf(question.game, seat);
    const unsigned seed = seatSeed(question.seed, seat);
    if (question.kind == ForesightQuestion::Kind::Puts) {
        const std::optional<int> card = decidePut(knowledge, seed, stop, effort);
        answer.puts[seat] = card.value_or(0);
        return card.has_value();
    }
    const std::optional<PerSlot<int>> worths = decideWorths(knowledge, seed, stop, effort);
    answer.worths[seat] = worths.value_or(PerSlot<int>{});
    return worths.has_value();
}

std::optional<ForesightAnswer> answer(const ForesightQuestion &question, std::stop_token stop,
                                      const Effort &effort)
{
    ForesightAnswer answer;
    for (int seat = 2; seat <= SeatCount; ++seat)
        if (!decide(question, seat, answer, stop, effort))
            return std::nullopt;
    return answer;
}

} // namespace TwelveForesight
