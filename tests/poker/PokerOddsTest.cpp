#include "PokerOdds.h"
#include "PlainOdds.h"

#include <gtest/gtest.h>

namespace {

// Hearts are suit 3: ids 39 (Two) to 51 (Ace).
constexpr int AceOfHearts = 51;

// Two suits, Eight to Ace: straights, flushes, a royal, full houses, but no four of a kind.
PokerOdds::Deck smallDeck()
{
    PokerOdds::Deck deck = 0;
    for (const int suit : {0, 3})
        for (int rank = 6; rank <= 12; ++rank)
            deck |= PokerOdds::Deck(1) << (suit * 13 + rank);
    return deck;
}

TEST(PokerOdds, BestHoldsOfKnownHands)
{
    const struct
    {
        const char *what;
        PokerCards dealt;
        HoldMask best;
    } cases[] = {
        {"a dealt royal flush", {51, 50, 49, 48, 47}, 0b11111},
        {"a made flush over four to a royal", {51, 50, 49, 48, 40}, 0b11111},
        {"a low pair over four to a flush", {0, 13, 4, 8, 11}, 0b00011},
        {"four to a royal over a pair of aces", {51, 50, 49, 48, 38}, 0b01111},
        // Any pair pays, so one card kept is worth more than five new ones; two cards are
        // worth the same here, and the lower mask is named.
        {"nothing: one card of two equal ones", {0, 2, 18, 33, 48}, 0b00100},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<HoldValues> values = PokerOdds::fullDeck().holdValues(c.dealt);
        ASSERT_TRUE(values);
        EXPECT_EQ(bestHold(*values), c.best);
        EXPECT_GT((*values)[c.best], (*values)[0]) << "discarding all is never best";
    }
    const HoldValues royal = *PokerOdds::fullDeck().holdValues({51, 50, 49, 48, 47});
    EXPECT_DOUBLE_EQ(royal[0b11111], 200);
    const HoldValues flush = *PokerOdds::fullDeck().holdValues({51, 50, 49, 48, 40});
    EXPECT_DOUBLE_EQ(flush[0b11111], 35);
    // Among the 47 draws: the Ten of hearts, seven other hearts, three other Tens, and twelve
    // cards that pair the Ace, King, Queen or Jack.
    EXPECT_DOUBLE_EQ(flush[0b01111], (200 + 7 * 35 + 3 * 30 + 12 * 5) / 47.0);
}

// Every draw of every hold dealt out and classified by the game gives the same 32 values.
TEST(PokerOdds, ValuesAreThoseOfEveryDrawDealtOut)
{
    for (const PokerCards &dealt : {PokerCards{0, 13, 26, 5, 7}, PokerCards{3, 17, 31, 45, 10}}) {
        const HoldValues plain = plainHoldValues(dealt);
        const HoldValues values = *PokerOdds::fullDeck().holdValues(dealt);
        for (int hold = 0; hold < HoldCount; ++hold)
            EXPECT_NEAR(values[hold], plain[hold], SameValue) << "hold " << hold;
    }
}

TEST(PokerOdds, TheReturnOfPerfectPlayOnASmallDeckIsThatOfEveryDealPlayedOut)
{
    const PokerOdds odds(smallDeck());
    ASSERT_EQ(odds.deckSize(), 14);
    const double plain = plainPerfectPlayReturn(smallDeck());
    EXPECT_NEAR(odds.perfectPlayReturn(), plain, 1e-12);
    EXPECT_GT(plain, 1.0) << "with any pair paid, a deck this rich returns more than the stake";
}

TEST(PokerOdds, RefusesCardsThatCannotBeDealt)
{
    const PokerOdds small(smallDeck());
    EXPECT_FALSE(PokerOdds::fullDeck().holdValues({1, 2, 3, 4, 4}));
    EXPECT_FALSE(PokerOdds::fullDeck().holdValues({1, 2, 3, 4, 52}));
    EXPECT_FALSE(PokerOdds::fullDeck().holdValues({-1, 2, 3, 4, 5}));
    EXPECT_FALSE(small.holdValues({0, 2, 3, 4, AceOfHearts})) << "a Two is not in that deck";
    EXPECT_FALSE(PokerOdds(PokerOdds::Deck(0x1ff)).holdValues({0, 1, 2, 3, 4}))
        << "nine cards cannot make every draw";
}

} // namespace
