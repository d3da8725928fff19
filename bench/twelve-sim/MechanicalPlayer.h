#pragma once

#include "SeatOnePlayer.h"

// A stubborn player for seat 1 who does the same thing every turn: puts his highest card id,
// wants the face-up middle card of the lowest slot and says "No more" in every auction. Slot 1
// is his own, so he takes his own card back whenever no computer wanted it first.
class MechanicalPlayer : public SeatOnePlayer
{
public:
    using SeatOnePlayer::SeatOnePlayer;

    void put() override;
    void choose() override;
    void bid() override;
};

// As the mechanical player, but he takes back his own card whenever it is still in the middle,
// wherever it lies: his hand never changes unless a computer wants his card first.
class KeeperPlayer : public MechanicalPlayer
{
public:
    using MechanicalPlayer::MechanicalPlayer;

    void choose() override;
};

// The careless player at the table: as the mechanical player, but he takes the leftmost face-up
// card as the table shows the middle (slots 4, 3, 1, 2), so his cards keep moving round.
class LeftmostPlayer : public MechanicalPlayer
{
public:
    using MechanicalPlayer::MechanicalPlayer;

    void choose() override;
};
