#pragma once

#include "SeatOnePlayer.h"
#include "TwelveTurn.h"

// A player for seat 1 who does what the window's hint shows: puts the card it marks, takes the
// middle card it marks and raises by one while the price stays within the worth it names.
class HintPlayer : public SeatOnePlayer
{
public:
    HintPlayer(TwelveGame &game, TwelveTurn &turn);

    void put() override;
    void choose() override;
    void bid() override;

private:
    TwelveGame &game;
    TwelveTurn &turn;
};
