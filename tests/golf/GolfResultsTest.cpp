#include "GolfResults.h"
#include "FileError.h"
#include "FileFaults.h"
#include "FileLimits.h"
#include "IniFile.h"
#include "SizedFile.h"
#include "TempDataDir.h"

namespace {

using GolfResultsTest = TempDataDir;

}

TEST(GolfResultsKeys, SectionAndBuckets)
{
    EXPECT_EQ(GolfResultsFile::section({7, 5}), "Palya7x5");
    EXPECT_EQ(GolfResultsFile::section({10, 5}), "Palya10x5");
    const struct
    {
        int cardsLeft;
        QString key;
    } cases[] = {
        {0, "Lap_0_0"},    {1, "Lap_1_5"},    {5, "Lap_1_5"},    {6, "Lap_6_10"},
        {35, "Lap_31_35"}, {36, "Lap_36_40"}, {50, "Lap_46_50"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GolfResultsFile::bucketKey(c.cardsLeft), c.key) << c.cardsLeft;
}

TEST_F(GolfResultsTest, ShownBucketsStopAt35AndClearingKeepsTheRest)
{
    writeDataFile("Golf.ere",
                  "[Palya10x5]\r\nLap_0_0=2\r\nLap_6_10=x\r\nLap_31_35=3\r\n"
                  "Lap_36_40=4\r\nJatSz=9\r\n[Palya7x5]\r\nJatSz=5\r\n");
    GolfResultsFile results;
    using Row = std::array<int, GolfResultsFile::ShownRows>;
    EXPECT_EQ(results.shownResults({10, 5}), (Row{2, 0, 0, 0, 0, 0, 0, 3, 9}))
        << "a value that is no integer reads as 0";

    results.clearShownResults({10, 5});
    EXPECT_EQ(results.shownResults({10, 5}), Row{});
    const IniFile file(dataPath("Golf.ere"));
    EXPECT_EQ(file.readInteger("Palya10x5", "Lap_36_40", -1), 4);
    EXPECT_EQ(file.readInteger("Palya7x5", "JatSz", -1), 5);
}

TEST_F(GolfResultsTest, TakeBackAfterClearingStaysAtZero)
{
    GolfResultsFile results;
    results.RecordResult({7, 5}, 12, +1);
    results.RecordResult({7, 5}, 40, +1);
    EXPECT_EQ(IniFile(dataPath("Golf.ere")).readInteger("Palya7x5", "Lap_11_15", 0), 1);
    EXPECT_EQ(IniFile(dataPath("Golf.ere")).readInteger("Palya7x5", "JatSz", 0), 2);

    results.clearShownResults({7, 5});
    results.RecordResult({7, 5}, 12, -1);
    const IniFile file(dataPath("Golf.ere"));
    EXPECT_EQ(file.readInteger("Palya7x5", "Lap_11_15", -1), 0);
    EXPECT_EQ(file.readInteger("Palya7x5", "JatSz", -1), 0);
    EXPECT_EQ(file.readInteger("Palya7x5", "Lap_36_40", -1), 1);
}

// The section line of this layout lost its "]": its counts are found again, and the file
// stays the same size however many games are counted.
TEST_F(GolfResultsTest, ASectionLineWithoutItsBracketIsRepairedOnce)
{
    writeDataFile("Golf.ere",
                  "[Palya6x5]\r\nLap_0_0=1\r\nJatSz=4\r\n[Palya7x5\r\nLap_11_15=1\r\n"
                  "JatSz=2\r\n[Palya8x5]\r\nJatSz=7\r\n");
    GolfResultsFile results;
    QList<qsizetype> sizes;
    for (int game = 0; game < 3; ++game) {
        results.RecordResult({7, 5}, 12, +1);
        sizes << readDataFile("Golf.ere").size();
    }
    EXPECT_EQ(sizes, QList<qsizetype>(3, sizes[0]));
    const IniFile file(dataPath("Golf.ere"));
    EXPECT_EQ(file.readInteger("Palya7x5", "Lap_11_15", -1), 4);
    EXPECT_EQ(file.readInteger("Palya7x5", "JatSz", -1), 5);
    EXPECT_EQ(file.readInteger("Palya6x5", "Lap_0_0", -1), 1);
    EXPECT_EQ(file.readInteger("Palya6x5", "JatSz", -1), 4);
    EXPECT_EQ(file.readInteger("Palya8x5", "JatSz", -1), 7);
}

// Written over, the file would lose the results of every other layout.
TEST_F(GolfResultsTest, AFileThatCannotBeReadIsReportedAndKept)
{
    const QByteArray old = "[Palya6x5]\r\nJatSz=4\r\n";
    writeDataFile("Golf.ere", old);
    try {
        const UnreadableFile locked(dataPath("Golf.ere"));
        GolfResultsFile().RecordResult({7, 5}, 12, +1);
        ADD_FAILURE() << "the result was counted in a file that could not be read";
    } catch (const FileError &error) {
        EXPECT_EQ(error.message(), "Unable to write to " + dataPath("Golf.ere"));
    }
    EXPECT_EQ(readDataFile("Golf.ere"), old);
}

// Far larger than the results of every layout together, the file reads as no results and is
// never written over.
TEST_F(GolfResultsTest, AFileOverTheSizeLimitReadsAsEmptyAndIsKept)
{
    const QByteArray head = "[Palya7x5]\r\nJatSz=4\r\n";
    writeDataFile("Golf.ere", sizedIniFile(head, FileLimits::MaxIniFileSize));
    GolfResultsFile().RecordResult({7, 5}, 12, +1);
    EXPECT_EQ(GolfResultsFile().shownResults({7, 5}).back(), 5) << "at the limit it counts";

    const QByteArray tooLarge = sizedIniFile(head, FileLimits::MaxIniFileSize + 1);
    writeDataFile("Golf.ere", tooLarge);
    EXPECT_EQ(GolfResultsFile().shownResults({7, 5}).back(), 0);
    EXPECT_THROW(GolfResultsFile().RecordResult({7, 5}, 12, +1), FileError);
    EXPECT_THROW(GolfResultsFile().clearShownResults({7, 5}), FileError);
    EXPECT_TRUE(readDataFile("Golf.ere") == tooLarge);
}
