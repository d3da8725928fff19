#pragma once

#include "SeatOnePlayer.h"

#include <optional>

// Seat 1 played as a level 8 computer would play it, against computers of any level: it puts
// and values the middle cards by thinking ahead through its own eyes, wants the card of
// greatest worth and raises by one while the price stays within that worth.
class ForesightPlayer : public SeatOnePlayer
{
public:
    ForesightPlayer(TwelveGame &game, TwelveTurn &turn, unsigned seed)
        : SeatOnePlayer(game, turn)
        , seed(seed)
    { }

    void put() override;
    void choose() override;
    void bid() override;

private:
    // Worked out once a turn, when the four cards have turned up.
    const PerSlot<int> &worths();
    unsigned nextSeed() { return seed++; }

    unsigned seed;
    int worthsTurn = 0;
    int worthsRound = 0;
    PerSlot<int> slotWorths{};
};
