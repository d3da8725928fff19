#include "TwelveStatistics.h"
#include "StatisticsFile.h"
#include "TempDataDir.h"
#include "TwelveLevels.h"

#include <gtest/gtest.h>

namespace {

using TwelveStatistics::Rules;

class TwelveStatisticsTest : public TempDataDir
{
protected:
    StatisticsFile file() const { return StatisticsFile(dataPath("Statistics.ini")); }
    TwelveTally tally(Rules rules) const { return TwelveStatistics::read(file(), rules); }

    // A game at level 3, Average scoring, whose rounds so far gave these points.
    static TwelveGame gameWith(const std::vector<std::array<int, SeatCount>> &rounds)
    {
        TwelveGame game;
        game.Difficulty = LevelTable[2].Difficulty;
        game.ScoringMode = AverageScoring;
        for (std::size_t round = 0; round < rounds.size(); ++round)
            for (int seat = 1; seat <= SeatCount; ++seat)
                game.Scores[round][seat] = rounds[round][seat - 1];
        game.RoundNo = int(rounds.size()) - 1;
        return game;
    }
};

constexpr Rules LevelThree{3, AverageScoring};

}

TEST(TwelveStatisticsPlaces, ThePlayerIsPlacedAfterTheSeatsAheadOfHim)
{
    const struct
    {
        PerSeat<int> points;
        int place;
    } cases[] = {{{0, 50, 40, 30, 20}, 1},
                 {{0, 30, 40, 30, 20}, 2},
                 {{0, 30, 30, 30, 30}, 1},
                 {{0, 10, 40, 30, 20}, 4},
                 {{0, -5, -5, 0, 0}, 3}};
    for (const auto &c : cases)
        EXPECT_EQ(TwelveStatistics::placeOf(c.points), c.place) << c.points[1];
}

// Rounds are counted once each, however often their end is shown; the game's end gives the
// place and the score; the last game's points are kept round by round.
TEST_F(TwelveStatisticsTest, RoundsAndTheEndOfAGameAreCountedOnce)
{
    StatisticsFile statistics = file();
    TwelveGame game = gameWith({{100, 100, 100, 100}, {130, 90, 95, 85}});
    TwelveStatistics::moveMade(statistics, LevelThree);
    game.HandRun[HumanSeat].Place = 1;
    TwelveStatistics::roundEnded(statistics, game);
    TwelveStatistics::roundEnded(statistics, game);
    game = gameWith({{100, 100, 100, 100}, {130, 90, 95, 85}, {120, 140, 95, 85}});
    game.HandRun[HumanSeat].Place = 2;
    TwelveStatistics::roundEnded(statistics, game);
    TwelveStatistics::ended(statistics, game);

    const TwelveTally counted = tally(LevelThree);
    EXPECT_EQ(counted.played, 1);
    EXPECT_EQ(counted.roundsWon, 1);
    EXPECT_EQ(counted.places, (std::array<qint64, SeatCount>{0, 1, 0, 0}));
    EXPECT_EQ(counted.finished, 1);
    EXPECT_EQ(counted.scoreTotal, 120);
    EXPECT_EQ(tally({3, SimpleScoring}), TwelveTally{}) << "kept apart by scoring";

    const TwelveStatistics::LastGame last = TwelveStatistics::lastGame(file());
    ASSERT_EQ(last.points.size(), 3u);
    EXPECT_EQ(last.points[2], (std::array<int, SeatCount>{120, 140, 95, 85}));
    EXPECT_EQ(last.names[1], "John");
}

// A game left after the player's first put counts once, as fourth, when the next one starts;
// the kept game that continues is not counted as left.
TEST_F(TwelveStatisticsTest, AGameLeftCountsAsFourthUnlessTheKeptGameContinues)
{
    StatisticsFile statistics = file();
    TwelveStatistics::started(statistics, false);
    EXPECT_EQ(tally(LevelThree).played, 0) << "no put, no game";
    TwelveStatistics::moveMade(statistics, LevelThree);
    StatisticsFile reopened = file();
    TwelveStatistics::started(reopened, true);
    EXPECT_EQ(tally(LevelThree).played, 0) << "the kept game goes on";
    StatisticsFile later = file();
    TwelveStatistics::started(later, false);
    TwelveStatistics::started(later, false);
    const TwelveTally counted = tally(LevelThree);
    EXPECT_EQ(counted.played, 1);
    EXPECT_EQ(counted.places[3], 1);
    EXPECT_EQ(counted.finished, 0) << "no final score to average";

    TwelveStatistics::reset(later);
    EXPECT_EQ(tally(LevelThree), TwelveTally{});
    EXPECT_TRUE(TwelveStatistics::lastGame(file()).points.empty());
}
