#pragma once

#include "PokerHand.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The exact expected payout of every way to hold a dealt hand: keep any of the five cards and
// draw the rest from the cards not dealt, every draw counted.
//
// Counting works from the sums F(A) of the payouts of all five-card hands of the deck that hold
// the cards A. The hands a hold S can end in are those that hold S and none of the discarded
// cards X, so by inclusion and exclusion their payouts sum to the sum over Y within X of
// (-1)^|Y| F(S + Y). F of up to three cards is tabled once for the deck, F of four cards takes
// one pass over the deck, F of five is the hand's own payout.

// Bit i set: the card at position i is kept.
using HoldMask = int;
inline constexpr int HoldCount = 1 << CardsInHand;
// Expected gross payout in dollars of each hold, by mask.
using HoldValues = std::array<double, HoldCount>;

// Two values this close are the same: sums of whole dollars over at most 1,533,939 draws.
inline constexpr double SameValue = 1e-9;

class PokerOdds
{
public:
    // Bit n set: card id n is in the deck.
    using Deck = std::uint64_t;
    static constexpr Deck FullDeck = (Deck(1) << 52) - 1;

    // Tables the whole deck's hands; for the full deck about 2.6 million hands.
    explicit PokerOdds(Deck deck);
    // The game's deck, tabled at the first call (on whichever thread makes it).
    static const PokerOdds &fullDeck();

    // Nothing unless the five cards are distinct cards of the deck.
    std::optional<HoldValues> holdValues(const PokerCards &dealt) const;
    // The average payout of the best hold over every deal, as a share of the stake.
    double perfectPlayReturn() const;

    int deckSize() const { return int(cards.size()); }

private:
    std::int64_t sumHolding4(const std::array<int, 4> &held) const;

    std::vector<int> cards; // the deck's card ids, in order
    std::array<int, 52> positionOf{}; // a card id's index in cards, -1 when not in the deck
    Deck deckCards = 0;
    std::int64_t sumOfAll = 0;
    std::vector<std::int64_t> sumHolding1;
    std::vector<std::int64_t> sumHolding2;
    std::vector<std::int64_t> sumHolding3;
};

// The lowest mask among those within SameValue of the highest value.
HoldMask bestHold(const HoldValues &values);
