#pragma once

#include "SeatOnePlayer.h"

// A simple player for seat 1: puts its card of least value, wants the card of greatest worth
// and bids "+1" while the price stays within that card's worth above the least worth.
class StandInPlayer : public SeatOnePlayer
{
public:
    using SeatOnePlayer::SeatOnePlayer;

    void put() override;
    void choose() override;
    void bid() override;
};
