#include "GolfStatistics.h"
#include "FileError.h"
#include "FileFaults.h"
#include "FileLimits.h"
#include "GolfResults.h"
#include "GolfResultsGate.h"
#include "GolfStatisticsRecorder.h"
#include "SizedFile.h"
#include "StatisticsFile.h"
#include "TempDataDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

constexpr GolfLayout Default{7, 5};
constexpr GolfLayout Small{4, 3};

class GolfStatisticsTest : public TempDataDir
{
protected:
    // Each step opens the file anew, as the window does: nothing is kept between them.
    StatisticsFile file() const { return StatisticsFile(dataPath("Statistics.ini")); }
    GolfTally tally(const QString &section = GolfStatistics::AllLayouts) const
    {
        return GolfStatistics::read(file(), section);
    }
    void play(GolfLayout layout, int cardsLeft, bool bySolve = false, bool hints = false)
    {
        StatisticsFile statistics = file();
        GolfStatistics::dealt(statistics);
        GolfStatistics::moveMade(statistics, layout);
        if (hints) {
            EXPECT_TRUE(GolfStatistics::hintTaken(statistics, layout));
        }
        GolfStatistics::ended(statistics, layout, cardsLeft, bySolve);
    }
    void abandon(GolfLayout layout)
    {
        StatisticsFile statistics = file();
        GolfStatistics::dealt(statistics);
        GolfStatistics::moveMade(statistics, layout);
    }
};

}

// A deal nobody touched is not played; one left after a move counts once, as lost, when the
// next game is dealt; streaks run on across games and files.
TEST_F(GolfStatisticsTest, CountsGamesFromTheFirstMoveAndAbandonedOnesOnceAsLost)
{
    StatisticsFile statistics = file();
    GolfStatistics::dealt(statistics);
    EXPECT_FALSE(GolfStatistics::hintTaken(statistics, Default)) << "a hint is no move";
    GolfStatistics::dealt(statistics);
    EXPECT_EQ(tally().played, 0) << "deals without a move";

    play(Default, 0);
    play(Default, 0);
    abandon(Default);
    EXPECT_EQ(tally().played, 2) << "not counted before the next deal";
    StatisticsFile next = file();
    GolfStatistics::dealt(next);
    GolfStatistics::dealt(next);
    play(Small, 3);
    play(Default, 0);

    const GolfTally all = tally();
    EXPECT_EQ(all.played, 5);
    EXPECT_EQ(all.won, 3);
    EXPECT_EQ(all.streak, 1);
    EXPECT_EQ(all.longestWinning, 2);
    EXPECT_EQ(all.longestLosing, 2);
    EXPECT_EQ(all.fewestLeft, 0);
    EXPECT_EQ(all.left[0], 3);
    EXPECT_EQ(all.left[3], 1);
    EXPECT_EQ(all.left[1] + all.left[2], 0) << "the abandoned game left no count of cards";

    const GolfTally small = tally(GolfStatistics::section(Small));
    EXPECT_EQ(small.played, 1);
    EXPECT_EQ(small.streak, -1);
    EXPECT_EQ(small.fewestLeft, 3);
    EXPECT_EQ(tally(GolfStatistics::section(Default)).played, 4);
}

TEST_F(GolfStatisticsTest, SolveIsPlayedNotWonAndHintsAreNoted)
{
    play(Default, 0, true);
    play(Default, 0, false, true);
    play(Default, 4, true);
    const GolfTally all = tally();
    EXPECT_EQ(all.played, 3);
    EXPECT_EQ(all.solved, 2);
    EXPECT_EQ(all.won, 1);
    EXPECT_EQ(all.wonWithHints, 1);
    EXPECT_EQ(all.fewestLeft, 0) << "from the player's own games";
    EXPECT_EQ(all.left[4], 1) << "every finished game is in the chart";
    EXPECT_EQ(all.streak, -1);
}

// A Backup after the end takes the game back: the counts are as before it and the game is
// under way again, so leaving it now counts it as lost.
TEST_F(GolfStatisticsTest, AnEndTakenBackIsUncountedAndTheGameGoesOn)
{
    play(Default, 0);
    const GolfTally before = tally(GolfStatistics::section(Default));
    const GolfTally allBefore = tally();
    abandon(Default);
    StatisticsFile statistics = file();
    const auto game = GolfStatistics::unfinished(statistics);
    ASSERT_TRUE(game);
    GolfStatistics::ended(statistics, Default, 0, false);
    GolfStatistics::endTakenBack(statistics, Default, before, allBefore, *game);
    EXPECT_EQ(tally(), allBefore);
    StatisticsFile later = file();
    GolfStatistics::dealt(later);
    EXPECT_EQ(tally().played, 2);
    EXPECT_EQ(tally().streak, -1);
}

// The window's recorder: a hint asked before the first move counts once the player moves; an
// end taken back by Backup is uncounted, and the game left after it counts as lost.
TEST_F(GolfStatisticsTest, TheRecorderCountsHintsBeforeTheFirstMoveAndTakesEndsBack)
{
    GolfResultsFile results;
    GolfResultsGate gate(results);
    GolfStatisticsRecorder recorder(gate, dataPath("Statistics.ini"));
    recorder.dealt();
    recorder.hintTaken(Default);
    EXPECT_EQ(GolfStatistics::unfinished(file()), std::nullopt) << "a hint alone is no move";
    recorder.moveMade(Default);
    recorder.RecordResult(Default, 0, +1);
    EXPECT_EQ(tally().wonWithHints, 1);
    recorder.RecordResult(Default, 0, -1);
    EXPECT_EQ(tally(), GolfTally{});
    recorder.dealt();
    EXPECT_EQ(tally().played, 1);
    EXPECT_EQ(tally().won, 0);
}

TEST_F(GolfStatisticsTest, ResetForgetsEveryLayoutAndTheGameUnderWay)
{
    play(Default, 0);
    play(Small, 2);
    abandon(Small);
    StatisticsFile statistics = file();
    GolfStatistics::reset(statistics);
    EXPECT_EQ(tally(), GolfTally{});
    EXPECT_EQ(tally(GolfStatistics::section(Small)), GolfTally{});
    GolfStatistics::dealt(statistics);
    EXPECT_EQ(tally().played, 0);
}

// A file too large to read, or one that cannot be read, is put aside whole and a new record
// begins; one that cannot be moved either is never written over.
TEST_F(GolfStatisticsTest, AnUnreadableFileIsSetAsideAndNeverOverwritten)
{
    const QByteArray tooLarge
        = sizedIniFile("[Golf]\r\nPlayed=9\r\n", FileLimits::MaxIniFileSize + 1);
    writeDataFile("Statistics.ini", tooLarge);
    {
        StatisticsFile statistics = file();
        EXPECT_TRUE(statistics.problem().contains("Statistics.unreadable-1.ini"))
            << statistics.problem().toStdString();
        EXPECT_EQ(readDataFile("Statistics.unreadable-1.ini"), tooLarge);
        GolfStatistics::moveMade(statistics, Default);
        GolfStatistics::ended(statistics, Default, 0, false);
    }
    EXPECT_EQ(tally().played, 1);
    EXPECT_TRUE(file().problem().isEmpty());

    // In a folder this process may not change, the file can be neither read nor moved.
    writeDataFile("Statistics.ini", "[Golf]\r\nPlayed=4\r\n");
    {
        UnreadableFile locked(dataPath("Statistics.ini"));
        StatisticsFile statistics = file();
        EXPECT_TRUE(statistics.stuck());
        EXPECT_FALSE(statistics.problem().isEmpty());
        GolfStatistics::moveMade(statistics, Default);
        GolfStatistics::ended(statistics, Default, 0, false);
    }
    EXPECT_EQ(readDataFile("Statistics.ini"), "[Golf]\r\nPlayed=4\r\n");
}

TEST_F(GolfStatisticsTest, AFailedWriteIsReportedAndKeepsTheFileAsItWas)
{
    play(Default, 0);
    StatisticsFile statistics = file();
    GolfStatistics::moveMade(statistics, Default);
    const QByteArray kept = readDataFile("Statistics.ini");
    {
        FileSizeLimit full(16);
        EXPECT_THROW(GolfStatistics::ended(statistics, Default, 0, false), FileError);
    }
    EXPECT_EQ(readDataFile("Statistics.ini"), kept) << "the old file survives";
    EXPECT_EQ(tally().played, 1);
}
