#pragma once

#include "TwelveRules.h"

// The rest of a round as the computers that think ahead imagine it: all four seats play as the
// strongest greedy level does (the least valued card put, the most valued middle card wanted,
// bids up to its worth above the least), and each auction ends where raising by one would end
// it: the highest limit wins (the earlier seat among equals) at one above the next highest.

// Shares the unsold middle cards among the seats that have not bought, and makes them pay.
void shareMiddle(TwelveGame &game, PerSeat<bool> bought, PerSlot<bool> sold);

// Plays turns from the start of the next one until a seat holds a twelve or the given turn has
// been played; the round is then ranked as it stands and the prizes paid (none once the round
// has gone on so long that it ends drawn).
void playRoundOut(TwelveGame &game, int lastTurn);

// Puts each seat's least valued card into its slot, but the given card for the given seat.
void putLeastValued(TwelveGame &game, int seat = 0, int card = 0);
