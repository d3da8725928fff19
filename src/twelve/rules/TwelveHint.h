#pragma once

#include "TwelveRules.h"

// Advice for the human seat by the measure the computers play with: the card they would put
// from his hand, the middle card worth most to him, and what a middle card is worth to him in
// points, counted as the computers count their highest bids.

// The held card of least value in the human's hand; -1 when he holds none.
int hintPutCard(const TwelveGame &game);
// The face-up middle slot worth most to the human, the first among equals; 0 when none is up.
int hintChooseSlot(const TwelveGame &game);
// The worth of a middle slot to the human above the least worth of the four.
int hintCardWorth(const TwelveGame &game, int slot);
