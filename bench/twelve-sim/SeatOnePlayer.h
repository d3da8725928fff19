#pragma once

#include "TwelveTurn.h"

// Plays seat 1 in the simulator whenever the turn waits for the human.
class SeatOnePlayer
{
public:
    SeatOnePlayer(TwelveGame &game, TwelveTurn &turn)
        : game(game)
        , turn(turn)
    { }
    virtual ~SeatOnePlayer() = default;

    virtual void put() = 0;
    virtual void choose() = 0;
    // The auction waits for a bid button.
    virtual void bid() = 0;

protected:
    TwelveGame &game;
    TwelveTurn &turn;
};
