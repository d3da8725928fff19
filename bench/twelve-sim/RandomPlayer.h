#pragma once

#include "Random.h"
#include "SeatOnePlayer.h"

// A careless player for seat 1: puts any held card, wants any face-up card and presses any bid
// button, all at random from a generator of its own, so the game's draws stay as they were.
class RandomPlayer : public SeatOnePlayer
{
public:
    RandomPlayer(TwelveGame &game, TwelveTurn &turn, unsigned seed);

    void put() override;
    void choose() override;
    void bid() override;

private:
    SeededRandom random;
};
