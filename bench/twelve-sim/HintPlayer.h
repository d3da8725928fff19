#pragma once

#include "SeatOnePlayer.h"

// A player for seat 1 who does what the window's hint shows: puts the card it marks, takes the
// middle card it marks and raises by one while the price stays within the worth it names.
class HintPlayer : public SeatOnePlayer
{
public:
    using SeatOnePlayer::SeatOnePlayer;

    void put() override;
    void choose() override;
    void bid() override;
};
