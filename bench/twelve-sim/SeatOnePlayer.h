#pragma once

// Plays seat 1 in the simulator whenever the turn waits for the human.
class SeatOnePlayer
{
public:
    virtual ~SeatOnePlayer() = default;

    virtual void put() = 0;
    virtual void choose() = 0;
    // The auction waits for a bid button.
    virtual void bid() = 0;
};
