#include "InvariantCheck.h"

#include <cstdio>
#include <cstdlib>

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
    checkScores();
    if (roundOver)
        checkPrizes();
}

// Every card lies in exactly one hand or in the middle, and each hand holds 13 cards less the
// one it put plus the one it received.
void InvariantCheck::checkCards() const
{
    int inMiddle = 0;
    for (int card = 0; card < CardCount; ++card) {
        int holders = 0;
        for (int seat = 1; seat <= SeatCount; ++seat)
            holders += game.Holding[seat][card];
        if (holders > 1)
            fail("card " + std::to_string(card) + " is in two hands");
        if (holders == 1)
            continue;
        bool put = false;
        for (int slot = 1; slot <= SlotCount; ++slot)
            put = put
                || (game.TurnSlot[slot].MoveState != MoveNotPut
                    && game.TurnSlot[slot].Card == card);
        if (!put)
            fail("card " + std::to_string(card) + " is lost");
        ++inMiddle;
    }
    int notDelivered = 0;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const bool seatPut = game.TurnSlot[seat].MoveState != MoveNotPut;
        notDelivered += int(seatPut) - int(game.Bought[seat]);
        const int expected = HandSize - int(seatPut) + int(game.Bought[seat]);
        if (heldCount(game.Holding[seat]) != expected)
            fail("seat " + std::to_string(seat) + " holds "
                 + std::to_string(heldCount(game.Holding[seat])) + " cards instead of "
                 + std::to_string(expected));
    }
    if (inMiddle != notDelivered)
        fail("the middle holds " + std::to_string(inMiddle) + " cards instead of "
             + std::to_string(notDelivered));
}

void InvariantCheck::checkScores() const
{
    for (int round = 1; round <= game.RoundNo; ++round)
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
    PerSeat<bool> placeTaken{};
    bool twelve = false;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const HandRunRecord &run = game.HandRun[seat];
        if (run.Place < 1 || run.Place > SeatCount || placeTaken[run.Place])
            fail("places are not 1 to 4");
        placeTaken[run.Place] = true;
        if (run.Prize != PrizeTable[run.Place]
            || game.Scores[game.RoundNo][seat] != before[seat] + run.Prize)
            fail("seat " + std::to_string(seat) + " was not paid its prize");
        twelve = twelve || run.Value == TwelveValue;
    }
    if (!twelve)
        fail("the round ended without a twelve");
}

void InvariantCheck::fail(const std::string &what) const
{
    std::fprintf(stderr, "Invariant broken in round %d, turn %d: %s\n", game.RoundNo, game.TurnNo,
                 what.c_str());
    std::exit(EXIT_FAILURE);
}
