#include "TwelveHint.h"
#include "TwelveTestHands.h"

#include <gtest/gtest.h>

namespace {

// The human holds two threes and a two; the middle holds a three, a four, a king and a nine.
TwelveGame gameWithHumanHand()
{
    TwelveGame game;
    NewGame(game);
    game.RoundNo = 1;
    game.Holding[HumanSeat] = handOf(
        {cardOf(Clubs, Two), cardOf(Clubs, Three), cardOf(Diamonds, Three), cardOf(Hearts, Nine)});
    const int middle[] = {0, cardOf(Spades, Three), cardOf(Spades, Four), cardOf(Spades, King),
                          cardOf(Clubs, Nine)};
    for (int slot = 1; slot <= SlotCount; ++slot) {
        game.TurnSlot[slot].Card = middle[slot];
        game.TurnSlot[slot].Suit = suitOf(middle[slot]);
        game.TurnSlot[slot].Rank = rankOf(middle[slot]);
        game.TurnSlot[slot].FaceUp = true;
    }
    return game;
}

TEST(TwelveHint, PutsTheHumansLeastValuedCard)
{
    TwelveGame game = gameWithHumanHand();
    EXPECT_EQ(hintPutCard(game), cardOf(Hearts, Nine));
    game.Holding[HumanSeat] = {};
    EXPECT_EQ(hintPutCard(game), -1);
}

TEST(TwelveHint, ChoosesTheFaceUpCardWorthMostAndNamesEachWorthAboveTheLeast)
{
    TwelveGame game = gameWithHumanHand();
    // Totals with each card added: three 45, four 39, king 31, nine 35.
    EXPECT_EQ(hintChooseSlot(game), 1);
    EXPECT_EQ(hintCardWorth(game, 1), 14);
    EXPECT_EQ(hintCardWorth(game, 2), 8);
    EXPECT_EQ(hintCardWorth(game, 3), 0);

    // A sold card is out of the choice, but the worths stay those of the turn.
    game.TurnSlot[1].FaceUp = false;
    EXPECT_EQ(hintChooseSlot(game), 2);
    EXPECT_EQ(hintCardWorth(game, 2), 8);
    for (int slot = 1; slot <= SlotCount; ++slot)
        game.TurnSlot[slot].FaceUp = false;
    EXPECT_EQ(hintChooseSlot(game), 0);
}

}
