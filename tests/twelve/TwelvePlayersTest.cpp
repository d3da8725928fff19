#include "TwelvePlayers.h"
#include "ScriptedRandom.h"
#include "TwelveLevels.h"
#include "TwelveTestHands.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(TwelveCardValue, CountsTheHeldCardsOfEachRankWindow)
{
    // Ranks two, three, three, five: the windows from queen to five hold 1, 3, 3, 3, 1 and 1 cards.
    const Hand hand = handOf(
        {cardOf(Clubs, Two), cardOf(Clubs, Three), cardOf(Diamonds, Three), cardOf(Spades, Five)});
    const CardValues values = CardValue(hand);
    EXPECT_EQ(values[cardOf(Clubs, Two)], 7);
    EXPECT_EQ(values[cardOf(Clubs, Three)], 9);
    EXPECT_EQ(values[cardOf(Diamonds, Three)], 9);
    EXPECT_EQ(values[cardOf(Spades, Five)], 5);
    EXPECT_EQ(values[cardOf(Hearts, Three)], 0);
    EXPECT_EQ(cardValueTotal(hand), 30);
}

// A game in its first round whose computer seats put the given cards.
TwelveGame gameWithMiddle(const PerSlot<int> &middle)
{
    TwelveGame game;
    NewGame(game);
    game.RoundNo = 1;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        game.TurnSlot[slot].Card = middle[slot];
        game.TurnSlot[slot].Suit = suitOf(middle[slot]);
        game.TurnSlot[slot].Rank = rankOf(middle[slot]);
    }
    return game;
}

struct BlunderCase
{
    double difficulty;
    int draw;
    bool blunders;
    int draws; // the blunder draw, and a suit and a rank when it blunders
};

TEST(TwelvePutChoice, PutsTheLeastValuedCardUnlessItBlunders)
{
    // The lone king is worth least; a blunder draws clubs, two.
    const Hand hand = handOf(
        {cardOf(Clubs, Two), cardOf(Clubs, Three), cardOf(Diamonds, Three), cardOf(Hearts, King)});
    const BlunderCase cases[] = {
        {1.0, 49, true, 3}, {1.0, 50, false, 1}, {3.5, 3, true, 3},
        {3.5, 4, false, 1}, {4.0, 0, false, 1},  {2.7, 0, false, 0}, // not a level: no draw at all
    };
    for (const BlunderCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.difficulty << " draw " << c.draw);
        TwelveGame game;
        game.Difficulty = c.difficulty;
        game.Holding[2] = hand;
        ScriptedRandom random{c.draw, Clubs, Two};
        const int card = choosePutCard(game, 2, random);
        EXPECT_EQ(card, c.blunders ? cardOf(Clubs, Two) : cardOf(Hearts, King));
        EXPECT_EQ(random.draws(), c.draws);
        EXPECT_FALSE(game.Holding[2][card]);
        EXPECT_EQ(game.RankPutCount[rankOf(card)], 1);
    }
}

TEST(TwelvePutChoice, ABlunderRedrawsUntilItFindsAHeldCard)
{
    TwelveGame game;
    game.Holding[3] = handOf({cardOf(Spades, Nine), cardOf(Spades, Ten), cardOf(Hearts, Four)});
    ScriptedRandom random{0, Clubs, Nine, Spades, Nine};
    EXPECT_EQ(choosePutCard(game, 3, random), cardOf(Spades, Nine));
    EXPECT_EQ(random.draws(), 5);
}

struct HelpCase
{
    const char *what;
    double difficulty;
    int circulatingRankCount;
    std::vector<int> draws;
    bool helpMode;
    int drawsTaken;
};

TEST(TwelveHelpMode, StartsByLevelOrWhenARankKeepsCirculating)
{
    const HelpCase cases[] = {
        {"level 1 always, kept above 50", 1.0, 0, {99, 51}, true, 2},
        {"level 1, dropped at 50", 1.0, 0, {99, 50}, false, 2},
        {"level 2 below its chance", 1.5, 0, {65, 80}, true, 2},
        {"level 2 at its chance", 1.5, 0, {66}, false, 1},
        {"level 7 never by chance", 4.0, 0, {0}, false, 1},
        {"level 7 when a rank circulates", 4.0, 5, {0, 51}, true, 2},
        {"a rank put four times in a row is not yet circulating", 4.0, 4, {0}, false, 1},
        {"not a level: only circulation counts", 2.7, 0, {}, false, 0},
    };
    for (const HelpCase &c : cases) {
        SCOPED_TRACE(c.what);
        TwelveGame game;
        game.Difficulty = c.difficulty;
        game.Holding[HumanSeat]
            = handOf({cardOf(Clubs, Three), cardOf(Diamonds, Three), cardOf(Clubs, Two)});
        game.RankPutCount[Nine] = c.circulatingRankCount;
        ScriptedRandom random;
        for (int draw : c.draws)
            random.push(draw);
        updateHelpMode(game, random);
        EXPECT_EQ(game.HelpMode, c.helpMode);
        EXPECT_EQ(random.draws(), c.drawsTaken);
        EXPECT_EQ(game.RankPutCount[Nine], std::max(0, c.circulatingRankCount - 1));
        if (c.helpMode) { // the first three not held raises the human's total most
            EXPECT_EQ(game.HelpCard, cardOf(Spades, Three));
        }
    }
}

struct SteadyCase
{
    double difficulty;
    int turnNo;
    int draw;
    bool blunders;
};

// Late in a long round the computers stop helping and keep only a few random puts.
TEST(TwelveSteadyPlay, PastItsTurnARoundHasNoHelpAndFewRandomPuts)
{
    const Hand hand = handOf(
        {cardOf(Clubs, Two), cardOf(Clubs, Three), cardOf(Diamonds, Three), cardOf(Hearts, King)});
    const SteadyCase cases[] = {
        {1.0, 45, 49, true}, // the level's own chance up to its turn
        {1.0, 46, 49, false},
        {1.0, 46, LevelTable[0].SteadyShuffleChance - 1, true},
        {4.0, 300, 0, false}, // level 7 never blunders before
        {4.0, 301, LevelTable[6].SteadyShuffleChance - 1, true},
        {4.0, 301, LevelTable[6].SteadyShuffleChance, false},
        {2.7, 301, 0, true}, // nor does a difficulty between the levels
    };
    for (const SteadyCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.difficulty << " turn " << c.turnNo);
        TwelveGame game;
        game.Difficulty = c.difficulty;
        game.TurnNo = c.turnNo;
        game.Holding[HumanSeat] = handOf({cardOf(Clubs, Four)});
        game.RankPutCount[Nine] = 5;
        ScriptedRandom helpDraws{0, 99};
        updateHelpMode(game, helpDraws);
        const bool steady = c.turnNo > steadyAfterTurn(c.difficulty);
        EXPECT_EQ(game.HelpMode, !steady);
        EXPECT_EQ(helpDraws.draws(), steady ? 0 : 2);

        game.Holding[2] = hand;
        game.HelpMode = false;
        ScriptedRandom putDraws{c.draw, Clubs, Two};
        EXPECT_EQ(choosePutCard(game, 2, putDraws),
                  c.blunders ? cardOf(Clubs, Two) : cardOf(Hearts, King));
    }
}

TEST(TwelveHelpMode, AComputerHoldingTheHelpCardPutsIt)
{
    TwelveGame game;
    game.Difficulty = 1.0;
    game.HelpMode = true;
    game.HelpCard = cardOf(Spades, Three);
    game.Holding[4] = handOf({cardOf(Spades, Three), cardOf(Spades, Four), cardOf(Hearts, King)});
    ScriptedRandom blunder{0, Hearts, King};
    EXPECT_EQ(choosePutCard(game, 4, blunder), cardOf(Spades, Three));
}

TEST(TwelveBidLimits, MaxBidIsTheWorthAboveTheLeastCappedByPointsAndHelpMode)
{
    // Seat 2 collects twos to fours: a three adds 45 to its total, a queen only 3.
    Hand hand{};
    for (int suit : {Clubs, Diamonds, Spades})
        for (int rank : {Two, Three, Four})
            hand[cardOf(suit, rank)] = true;
    for (int suit : {Clubs, Diamonds, Spades})
        hand[cardOf(suit, Eight)] = true;
    struct
    {
        bool helpMode;
        int points;
        int maxBid;
    } const cases[] = {{false, 1000, 42}, {true, 1000, 20}, {false, 7, 7}, {true, 7, 7}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "help " << c.helpMode << ", points " << c.points);
        TwelveGame game = gameWithMiddle({0, cardOf(Hearts, Three), cardOf(Hearts, Queen),
                                          cardOf(Diamonds, Queen), cardOf(Spades, Queen)});
        game.Holding[2] = hand;
        game.HelpMode = c.helpMode;
        game.Scores[1][2] = c.points;
        valueMiddleCards(game);
        EXPECT_EQ(game.CardWorth[2][1] - game.CardWorth[2][2], 42);
        EXPECT_EQ(game.MaxBid[2][1], c.maxBid);
        EXPECT_EQ(game.MaxBid[2][2], 0);
    }
}

TEST(TwelveBidLimits, EqualWorthsBidNothingAndWantTheFirstSlot)
{
    TwelveGame game = gameWithMiddle({0, cardOf(Clubs, Seven), cardOf(Diamonds, Seven),
                                      cardOf(Spades, Seven), cardOf(Hearts, Seven)});
    game.Difficulty = 4.0;
    game.Holding[2] = handOf({cardOf(Clubs, Two), cardOf(Hearts, Jack)});
    valueMiddleCards(game);
    ScriptedRandom random;
    chooseWantedCards(game, random);
    for (int slot = 1; slot <= SlotCount; ++slot)
        EXPECT_EQ(game.MaxBid[2][slot], 0);
    EXPECT_EQ(game.Wanted[2], 1);
}

struct WantedCase
{
    const char *what;
    double difficulty;
    int draw;
    bool humanBought;
    int wanted;
};

TEST(TwelveWantedChoice, WantsTheBestCardOrByChanceTheSecond)
{
    // Seat 2's worths: slot 3 best, slot 1 second, slot 4 already sold; seats 3 and 4 have bought.
    const WantedCase cases[] = {
        {"level 7 always the best", 4.0, 99, false, 3},
        {"level 1 below 50", 1.0, 49, false, 3},
        {"level 1 from 50", 1.0, 50, false, 1},
        {"level 6 below 92.5", 3.5, 92, false, 3},
        {"level 6 from 92.5", 3.5, 93, false, 1},
        {"the last seat without a card wants its best", 1.0, 99, true, 3},
    };
    for (const WantedCase &c : cases) {
        SCOPED_TRACE(c.what);
        TwelveGame game;
        game.Difficulty = c.difficulty;
        game.CardWorth[2] = {0, 30, 10, 40, -5};
        game.Bought = {false, c.humanBought, false, true, true};
        ScriptedRandom random{c.draw};
        chooseWantedCards(game, random);
        EXPECT_EQ(game.Wanted[2], c.wanted);
        EXPECT_EQ(game.TurnSlot[c.wanted].Markers, 1);
        EXPECT_FALSE(game.TurnOver);
    }
}

} // namespace
