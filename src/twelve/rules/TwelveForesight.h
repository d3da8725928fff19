#pragma once

#include "TwelveKnowledge.h"
#include "TwelveTurn.h"

#include <optional>
#include <stop_token>

// Level 8: a computer that thinks ahead deals the cards it cannot place out at random many
// times, plays the rest of the round forward from each deal for every move it weighs, and makes
// the move that gains it most points over all the deals. Every move is tried on the same deals,
// so the comparison is fair; among moves that do equally well, the one the greedy levels would
// make is taken. It weighs every middle card, and among the cards to put those the matrix
// values equally low. Its only source of chance is the seed, so a decision can be repeated.
namespace TwelveForesight {

struct Effort
{
    int putDeals; // deals tried for the card to put, each with every card weighed
    int worthDeals; // deals tried for the worth of the middle cards, each with every card
    int turnsAhead; // a round still going this many turns later is judged as it stands
};

// Some 5 ms in the median and under 50 ms at the 99th percentile for each decision, on one core
// of an ordinary machine (Release). Eight turns ahead is far enough: looking further, the
// imagined rounds drift from the real ones, and the stand-in player won more rounds against the
// computers (26% of 440 rounds at thirty turns, 22% at eight, on the same deals).
inline constexpr Effort DefaultEffort{96, 160, 8};

// The card to put. Nothing once stopped.
std::optional<int> decidePut(const SeatKnowledge &knowledge, unsigned seed,
                             std::stop_token stop = {}, const Effort &effort = DefaultEffort);
// What each face-up middle card is worth to the seat, in points, the least worth 0; the card it
// should go for is worth most. Nothing once stopped.
std::optional<PerSlot<int>> decideWorths(const SeatKnowledge &knowledge, unsigned seed,
                                         std::stop_token stop = {},
                                         const Effort &effort = DefaultEffort);

// The seed of one seat's decision on a question.
unsigned seatSeed(unsigned questionSeed, int seat);

// One computer seat's decision on the question, written into the answer; false once stopped.
bool decide(const ForesightQuestion &question, int seat, ForesightAnswer &answer,
            std::stop_token stop = {}, const Effort &effort = DefaultEffort);
// Every computer seat's decision on the question, each looking through its own eyes. Nothing
// once stopped.
std::optional<ForesightAnswer> answer(const ForesightQuestion &question, std::stop_token stop = {},
                                      const Effort &effort = DefaultEffort);

} // namespace TwelveForesight
