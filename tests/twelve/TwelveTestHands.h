#pragma once

#include "TwelveRules.h"

#include <initializer_list>

// Card ids by suit and rank, as the tests spell them.
enum Suits { Clubs, Diamonds, Spades, Hearts };
enum Ranks { Two, Three, Four, Five, Six, Seven, Eight, Nine, Ten, Jack, Queen, King, Ace };

inline Hand handOf(std::initializer_list<int> cards)
{
    Hand hand{};
    for (int card : cards)
        hand[card] = true;
    return hand;
}

// The twelve cards of three ranks from start in all four suits.
inline Hand twelveFrom(int start)
{
    Hand hand{};
    for (int suit = 0; suit < SuitCount; ++suit)
        for (int step = 0; step < RunLength; ++step)
            hand[cardOf(suit, rankAfter(start, step))] = true;
    return hand;
}
