#pragma once

#include "PokerOdds.h"

// The plain way to the value of every hold: every draw of every hold dealt out and classified
// by the game's own evaluation, 2,598,960 hands for the full deck. The advice benchmark's
// baseline and the advice tests' check.
HoldValues plainHoldValues(const PokerCards &dealt, PokerOdds::Deck deck = PokerOdds::FullDeck);

// The perfect-play return of the deck by plain enumeration of every deal.
double plainPerfectPlayReturn(PokerOdds::Deck deck);
