#include "PokerGame.h"
#include "ScriptedRandom.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

// Ids of 2, 3, 4, 5 of Clubs and 7 of Diamonds: no pair, no run, no flush.
constexpr std::initializer_list<int> RuntDeal{0, 1, 2, 3, 18};

// Draws the marked cards, as the window does once they have slid away.
void draw(PokerGame &game)
{
    game.proceed();
    if (game.phase() == PokerPhase::Drawing)
        game.slideFinished();
}

// Clears the evaluated hand away and deals the next one.
void nextHand(PokerGame &game)
{
    game.proceed();
    game.slideFinished();
}

TEST(PokerGame, NewGameTakesTheFirstStakeAndDealsFiveDifferentCards)
{
    ScriptedRandom random{7, 7, 12, 7, 30, 12, 51, 0};
    PokerGame game(random);
    game.newGame();

    EXPECT_EQ(game.phase(), PokerPhase::WaitingForDraw);
    EXPECT_EQ(game.hand(), (PokerCards{7, 12, 30, 51, 0}));
    EXPECT_EQ(game.score().Money, 495);
    EXPECT_EQ(game.score().HandsPlayed(), 0);
    EXPECT_EQ(game.score().Winnings(), 0);
    EXPECT_EQ(game.score().HandCounts, (std::array<std::int64_t, HandRankCount>{}));
    EXPECT_TRUE(game.isSaved());
    EXPECT_TRUE(game.canSave());
}

TEST(PokerGame, OkWithoutMarksEvaluatesTheDealtHandAtOnce)
{
    ScriptedRandom random{0, 13, 5, 9, 20}; // a pair of Twos
    PokerGame game(random);
    game.newGame();

    EXPECT_TRUE(game.proceed());
    EXPECT_EQ(game.phase(), PokerPhase::ResultShown);
    EXPECT_EQ(game.lastRank(), OnePair);
    EXPECT_EQ(game.score().Money, 500);
    EXPECT_EQ(game.score().HandCounts[OnePair], 1);
    EXPECT_FALSE(game.isSaved());
}

TEST(PokerGame, TheDrawNeverBringsBackADealtOrDrawnCard)
{
    ScriptedRandom random(RuntDeal);
    PokerGame game(random);
    game.newGame();
    game.setMarked(0, true);
    game.setMarked(2, true);
    game.setMarked(4, true);

    EXPECT_TRUE(game.proceed());
    ASSERT_EQ(game.phase(), PokerPhase::Drawing);
    EXPECT_TRUE(game.isSliding(0));
    EXPECT_FALSE(game.isSliding(1));
    for (const int value : {0, 18, 40, 1, 40, 3, 2, 41, 51})
        random.push(value);
    game.slideFinished();

    EXPECT_EQ(game.hand(), (PokerCards{40, 1, 41, 3, 51}));
    EXPECT_EQ(game.phase(), PokerPhase::ResultShown);
}

TEST(PokerGame, MarksChangeOnlyWhileThePlayerDecides)
{
    ScriptedRandom random(RuntDeal);
    PokerGame game(random);
    game.newGame();
    game.setMarked(1, true);
    game.invertMarks();
    EXPECT_TRUE(game.isMarked(0));
    EXPECT_FALSE(game.isMarked(1));

    game.proceed(); // the four marked cards start sliding away
    game.setMarked(1, true);
    game.invertMarks();

    for (int position = 0; position < CardsInHand; ++position) {
        EXPECT_FALSE(game.isMarked(position)) << position;
        EXPECT_EQ(game.isSliding(position), position != 1) << position;
    }
}

TEST(PokerGame, PlaysAThousandHandsThenEndsWithoutAnotherStake)
{
    SeededRandom random(2024);
    PokerGame game(random);
    game.newGame();
    for (int hand = 1; hand < PokerGame::HandsPerGame; ++hand) {
        for (int position = 0; position < CardsInHand; ++position)
            game.setMarked(position, (hand >> position) & 1);
        const PokerCards dealt = game.hand();
        draw(game);
        for (int position = 0; position < CardsInHand; ++position) {
            if ((hand >> position) & 1) {
                EXPECT_EQ(std::ranges::count(dealt, game.hand()[position]), 0);
            }
        }
        EXPECT_EQ(std::set<int>(game.hand().begin(), game.hand().end()).size(), 5u);
        nextHand(game);
    }
    draw(game);

    const PokerScore &score = game.score();
    EXPECT_EQ(game.phase(), PokerPhase::ResultShown);
    EXPECT_EQ(score.HandsPlayed(), 1000);
    EXPECT_FALSE(game.canSave());
    const std::int64_t money = score.Money;
    EXPECT_EQ(money, 500 - 5 * 1000 + score.Winnings());

    nextHand(game);
    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(score.Money, money);
    EXPECT_FALSE(game.proceed());
}

TEST(PokerGame, OnlyAGameEndingWithMoneyLeftEntersTheBestScores)
{
    const struct
    {
        std::int64_t moneyBeforeLastHand;
        bool offered;
    } cases[] = {{10, true}, {5, false}, {-20, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.moneyBeforeLastHand);
        ScriptedRandom random(RuntDeal);
        PokerGame game(random);
        PokerScore almostDone;
        almostDone.HandCounts[Runt] = 999;
        almostDone.Money = c.moneyBeforeLastHand;
        game.restore(almostDone);
        draw(game);
        EXPECT_FALSE(game.offersBestScore());
        nextHand(game);

        EXPECT_TRUE(game.isOver());
        EXPECT_EQ(game.score().Money, c.moneyBeforeLastHand - 5);
        EXPECT_EQ(game.offersBestScore(), c.offered);
    }
}

}
