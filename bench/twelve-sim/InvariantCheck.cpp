#include "InvariantCheck.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

InvariantCheck::InvariantCheck(const TwelveGame &game)
    : game(game)
{ }

void InvariantCheck::roundStarted()
{
    turnNo = 0;
    turnRunning = false;
    put = {};
    received = {};
}

void InvariantCheck::beforeStep()
{
    scoresBefore = game.Scores[game.RoundNo];
}

void InvariantCheck::afterStep(TurnState state)
{
    const bool roundOver = state == TurnState::RoundOver;
    if (game.TurnNo != turnNo || roundOver) {
        if (turnRunning)
            checkTurnEnd();
        turnRunning = !roundOver;
        turnNo = game.TurnNo;
        put = {};
        received = {};
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        put[seat] = put[seat] || game.TurnSlot[seat].MoveState != MoveNotPut;
    checkCards();
    checkScores(game.RoundNo);
    if (roundOver) {
        checkScores(1);
        checkPrizes();
    }
}

namespace {

// A set of cards, bit n for card id n: the checks run after every step, so they compare whole
// hands at once.
using CardSet = std::uint64_t;

constexpr CardSet EveryCard = (CardSet(1) << CardCount) - 1;

// Eight cards at a time: each bool is a byte of 0 or 1, and the multiplication gathers the eight
// bytes' low bits, in order, into its top byte. The last four cards come as a shorter group.
static_assert(std::endian::native == std::endian::little, "the first card is the lowest byte");
constexpr int GroupSize = 8;
constexpr int FullGroups = CardCount / GroupSize;

template<int Size> CardSet gathered(const bool *cards)
{
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, cards, Size);
    return (bytes * 0x0102040810204080) >> 56;
}

CardSet cardSetOf(const Hand &hand)
{
    CardSet cards = 0;
    for (int group = 0; group < FullGroups; ++group)
        cards |= gathered<GroupSize>(&hand[group * GroupSize]) << (group * GroupSize);
    constexpr int Last = FullGroups * GroupSize;
    return cards | gathered<CardCount - Last>(&hand[Last]) << Last;
}

std::string lowestCard(CardSet cards)
{
    return "card " + std::to_string(std::countr_zero(cards));
}

}

// Every card lies in exactly one hand or in the middle, and each hand holds 13 cards less the
// one it put plus the one it received.
void InvariantCheck::checkCards() const
{
    PerSeat<CardSet> hands{};
    CardSet held = 0;
    CardSet inTwoHands = 0;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        hands[seat] = cardSetOf(game.Holding[seat]);
        inTwoHands |= held & hands[seat];
        held |= hands[seat];
    }
    if (inTwoHands)
        fail(lowestCard(inTwoHands) + " is in two hands");
    CardSet put = 0;
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (game.TurnSlot[slot].MoveState != MoveNotPut)
            put |= CardSet(1) << game.TurnSlot[slot].Card;
    const CardSet inMiddle = EveryCard & ~held;
    if (inMiddle & ~put)
        fail(lowestCard(inMiddle & ~put) + " is lost");

    int notDelivered = 0;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const bool seatPut = game.TurnSlot[seat].MoveState != MoveNotPut;
        notDelivered += int(seatPut) - int(game.Bought[seat]);
        const int expected = HandSize - int(seatPut) + int(game.Bought[seat]);
        const int holds = std::popcount(hands[seat]);
        if (holds != expected)
            fail("seat " + std::to_string(seat) + " holds " + std::to_string(holds)
                 + " cards instead of " + std::to_string(expected));
    }
    if (std::popcount(inMiddle) != notDelivered)
        fail("the middle holds " + std::to_string(std::popcount(inMiddle)) + " cards instead of "
             + std::to_string(notDelivered));
}

// Only the current round's row changes during a round; the earlier ones are checked again at
// every round end.
void InvariantCheck::checkScores(int fromRound) const
{
    for (int round = std::max(fromRound, 1); round <= game.RoundNo; ++round)
        for (int seat = 1; seat <= SeatCount; ++seat)
            if (game.Scores[round][seat] < 0)
                fail("score of seat " + std::to_string(seat) + " in round " + std::to_string(round)
                     + " is negative");
}

void InvariantCheck::checkTurnEnd() const
{
    for (int seat = 1; seat <= SeatCount; ++seat)
        if (!put[seat] || received[seat] != 1)
            fail("seat " + std::to_string(seat) + " did not put one and receive one card");
}

void InvariantCheck::checkPrizes() const
{
    // A round that ends at its deal has had no payments since the previous row.
    PerSeat<int> before = scoresBefore;
    if (game.TurnNo == 0)
        before = game.RoundNo == 1
            ? PerSeat<int>{0, StartingPoints, StartingPoints, StartingPoints, StartingPoints}
            : game.Scores[game.RoundNo - 1];
    bool twelve = false;
    for (int seat = 1; seat <= SeatCount; ++seat)
        twelve = twelve || game.HandRun[seat].Value == TwelveValue;
    if (!twelve && game.TurnNo < DrawnRoundTurns && !heldUp(game))
        fail("the round ended without a twelve, neither held up nor at its turn limit");
    // A drawn round places nobody and pays nothing.
    PerSeat<bool> placeTaken{};
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const HandRunRecord &run = game.HandRun[seat];
        const bool placed = twelve ? run.Place >= 1 && run.Place <= SeatCount && !placeTaken[run.Place]
                                   : run.Place == 0;
        if (!placed)
            fail(twelve ? "places are not 1 to 4" : "a drawn round placed a seat");
        placeTaken[run.Place] = true;
        if (run.Prize != PrizeTable[run.Place]
            || game.Scores[game.RoundNo][seat] != before[seat] + run.Prize)
            fail("seat " + std::to_string(seat) + " was not paid its prize");
    }
}

void InvariantCheck::fail(const std::string &what) const
{
    std::fprintf(stderr, "Invariant broken in round %d, turn %d: %s\n", game.RoundNo, game.TurnNo,
                 what.c_str());
    std::exit(EXIT_FAILURE);
}
