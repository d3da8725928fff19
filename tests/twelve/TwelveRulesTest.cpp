#include "TwelveRules.h"
#include "Random.h"
#include "ScriptedRandom.h"
#include "TwelveTestHands.h"

#include <gtest/gtest.h>

namespace {

struct EvaluationCase
{
    const char *what;
    Hand hand;
    int value, length, start, tieBreak;
};

TEST(TwelveEvaluation, FindsTheBestRunWithItsTieBreak)
{
    const EvaluationCase cases[] = {
        {"three-card run in two suits beats two-card run in three suits",
         handOf({cardOf(Clubs, Two), cardOf(Clubs, Three), cardOf(Clubs, Four),
                 cardOf(Diamonds, Two), cardOf(Diamonds, Three), cardOf(Diamonds, Four),
                 cardOf(Hearts, Two), cardOf(Hearts, Three)}),
         6, 3, 0, 18},
        {"queen-king-ace",
         handOf({cardOf(Spades, Queen), cardOf(Spades, King), cardOf(Spades, Ace)}), 3, 3, Queen,
         31},
        {"king-ace-two wraps",
         handOf({cardOf(Hearts, King), cardOf(Hearts, Ace), cardOf(Hearts, Two)}), 3, 3, King, 23},
        {"ace-two-three wraps",
         handOf({cardOf(Clubs, Ace), cardOf(Clubs, Two), cardOf(Clubs, Three)}), 3, 3, Ace, 16},
        {"a twelve", twelveFrom(Two), 12, 3, 0, 36},
        {"no consecutive ranks: most common rank, greater weight wins",
         handOf({cardOf(Clubs, Two), cardOf(Diamonds, Two), cardOf(Spades, Seven),
                 cardOf(Hearts, Seven), cardOf(Clubs, King)}),
         2, 1, Seven, 14},
        {"no consecutive ranks: on equal weight the higher rank",
         handOf({cardOf(Clubs, Ten), cardOf(Diamonds, Ten), cardOf(Spades, Jack),
                 cardOf(Hearts, Jack)}),
         2, 1, Jack, 20},
    };
    for (const EvaluationCase &c : cases) {
        SCOPED_TRACE(c.what);
        const HandRunRecord run = evaluateHand(c.hand);
        EXPECT_EQ(run.Value, c.value);
        EXPECT_EQ(run.Length, c.length);
        EXPECT_EQ(run.Start, c.start);
        EXPECT_EQ(run.TieBreak, c.tieBreak);
    }
}

TEST(TwelveEvaluation, TwoTwelvesRankByTieBreak)
{
    TwelveGame game;
    NewGame(game);
    game.RoundNo = 1;
    game.Holding[1] = twelveFrom(Two);
    game.Holding[3] = twelveFrom(Five);
    EXPECT_TRUE(EvaluateHands(game));
    RankRound(game);
    EXPECT_EQ(game.HandRun[3].Place, 1); // five-six-seven outweighs two-three-four
    EXPECT_EQ(game.HandRun[1].Place, 2);
    EXPECT_EQ(game.Scores[1][3], 1100);
    EXPECT_EQ(game.Scores[1][1], 1050);
}

struct RankingCase
{
    const char *what;
    PerSeat<HandRunRecord> runs; // Start, Value, Length, TieBreak
    PerSeat<int> places;
};

TEST(TwelveRanking, BreaksTiesByTieBreakThenStartThenSeat)
{
    const RankingCase cases[] = {
        {"value first",
         {{{}, {0, 6, 3, 18}, {0, 9, 3, 18}, {0, 3, 3, 9}, {0, 12, 3, 36}}},
         {0, 3, 2, 4, 1}},
        {"then tie-break",
         {{{}, {0, 12, 3, 36}, {3, 12, 3, 72}, {0, 3, 3, 9}, {0, 1, 1, 2}}},
         {0, 2, 1, 3, 4}},
        {"then the higher start",
         {{{}, {2, 6, 3, 40}, {9, 6, 3, 40}, {0, 3, 3, 9}, {0, 1, 1, 2}}},
         {0, 2, 1, 3, 4}},
        {"a full tie keeps seat order",
         {{{}, {0, 2, 1, 4}, {0, 2, 1, 4}, {0, 2, 1, 4}, {0, 2, 1, 4}}},
         {0, 1, 2, 3, 4}},
    };
    for (const RankingCase &c : cases) {
        SCOPED_TRACE(c.what);
        TwelveGame game;
        NewGame(game);
        game.RoundNo = 1;
        game.HandRun = c.runs;
        RankRound(game);
        for (int seat = 1; seat <= SeatCount; ++seat) {
            EXPECT_EQ(game.HandRun[seat].Place, c.places[seat]) << "seat " << seat;
            EXPECT_EQ(game.HandRun[seat].Prize, PrizeTable[c.places[seat]]);
            EXPECT_EQ(game.Scores[1][seat], StartingPoints + PrizeTable[c.places[seat]]);
        }
    }
}

TEST(TwelveDeal, GivesEverySeatThirteenCards)
{
    TwelveGame game;
    SeededRandom random(7);
    Deal(game, random);
    for (int card = 0; card < CardCount; ++card) {
        int holders = 0;
        for (int seat = 1; seat <= SeatCount; ++seat)
            holders += game.Holding[seat][card];
        EXPECT_EQ(holders, 1) << "card " << card;
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        EXPECT_EQ(heldCount(game.Holding[seat]), HandSize);
}

TEST(TwelveGameLife, NewGameAndNextRoundKeepTheScoreRows)
{
    TwelveGame game;
    game.Difficulty = 3.5;
    game.FinalScore = 1234;
    game.RoundNo = 7;
    game.GameOver = true;
    NewGame(game);
    EXPECT_EQ(game.RoundNo, 0);
    EXPECT_FALSE(game.GameOver);
    EXPECT_EQ(game.Difficulty, 3.5);
    EXPECT_EQ(game.FinalScore, 1234);
    EXPECT_EQ(game.Scores[1][4], StartingPoints);
    EXPECT_EQ(game.Scores[2][1], NotPlayed);

    SeededRandom random(3);
    NextRound(game, random);
    game.Scores[1][2] = 970;
    game.RankPutCount[4] = 2;
    NextRound(game, random);
    EXPECT_EQ(game.RoundNo, 2);
    EXPECT_EQ(game.Scores[2][2], 970);
    EXPECT_EQ(game.Scores[3][2], NotPlayed);
    EXPECT_EQ(game.RankPutCount[4], 0);
}

struct FinalScoreCase
{
    const char *what;
    PerSeat<int> lastRow;
    int mode;
    int expected;
};

TEST(TwelveFinalScore, SimpleOrAroundTheTableAverage)
{
    const FinalScoreCase cases[] = {
        {"simple is the human's points", {0, 1180, 900, 1000, 1300}, SimpleScoring, 1180},
        {"on the average", {0, 1000, 800, 1200, 1000}, AverageScoring, 1300},
        {"100 above the average", {0, 1100, 1000, 1000, 900}, AverageScoring, 1430},
        {"6.5 rounds to the even 6", {0, 5, 1330, 1330, 1335}, AverageScoring, 6},
        {"far below the average", {0, 0, 2000, 2000, 2000}, AverageScoring, -650},
    };
    for (const FinalScoreCase &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(finalScoreOf(c.lastRow, c.mode), c.expected);
    }
}

TEST(TwelveFinalScore, EndGameStoresItAndEndsTheGame)
{
    TwelveGame game;
    NewGame(game);
    game.ScoringMode = AverageScoring;
    game.Scores[RoundCount] = {0, 1100, 1000, 1000, 900};
    game.RoundNo = RoundCount - 1;
    EXPECT_FALSE(EndGame(game)) << "a round is still to be played";
    EXPECT_FALSE(game.GameOver);
    game.RoundNo = RoundCount;
    EXPECT_TRUE(EndGame(game));
    EXPECT_TRUE(game.GameOver);
    EXPECT_EQ(game.FinalScore, 1430);
    game.Scores[RoundCount][HumanSeat] = 0;
    EXPECT_FALSE(EndGame(game)) << "the result of a finished game stays";
    EXPECT_EQ(game.FinalScore, 1430);
}

TEST(TwelveGameLife, NoRoundAfterTheLast)
{
    TwelveGame game;
    NewGame(game);
    SeededRandom random(5);
    for (int round = 1; round <= RoundCount; ++round)
        ASSERT_TRUE(NextRound(game, random));
    const TwelveGame before = game;
    EXPECT_FALSE(NextRound(game, random));
    EXPECT_EQ(game.RoundNo, RoundCount);
    EXPECT_EQ(game.Scores, before.Scores);
    EXPECT_EQ(game.Holding, before.Holding);
}

} // namespace
