#include "PokerStatistics.h"
#include "StatisticsFile.h"
#include "TempDataDir.h"

#include <gtest/gtest.h>

namespace {

class PokerStatisticsTest : public TempDataDir
{
protected:
    StatisticsFile file() const { return StatisticsFile(dataPath("Statistics.ini")); }
};

}

// The expected share of each rank when dealt is this game's own count over every deal.
TEST(PokerStatisticsDeals, TheExpectedDealsAreThoseOfEveryFiveCards)
{
    std::array<qint64, HandRankCount> counted{};
    PokerCards hand{};
    for (hand[0] = 0; hand[0] < 52; ++hand[0])
        for (hand[1] = hand[0] + 1; hand[1] < 52; ++hand[1])
            for (hand[2] = hand[1] + 1; hand[2] < 52; ++hand[2])
                for (hand[3] = hand[2] + 1; hand[3] < 52; ++hand[3])
                    for (hand[4] = hand[3] + 1; hand[4] < 52; ++hand[4])
                        ++counted[classifyHand(hand)];
    EXPECT_EQ(counted, PokerStatistics::DealsOfRank);
}

TEST_F(PokerStatisticsTest, HandsAndFinishedGamesAddUpAndResetForgetsThem)
{
    StatisticsFile statistics = file();
    PokerStatistics::handPaid(statistics, Runt, OnePair, 5);
    PokerStatistics::handPaid(statistics, OnePair, FullHouse, 5);
    PokerStatistics::gameFinished(statistics, 740);
    PokerStatistics::gameFinished(statistics, -20);

    const PokerTally tally = PokerStatistics::read(file());
    EXPECT_EQ(tally.hands, 2);
    EXPECT_EQ(tally.staked, 10);
    EXPECT_EQ(tally.paidBack, 45);
    EXPECT_EQ(tally.dealt[Runt], 1);
    EXPECT_EQ(tally.dealt[OnePair], 1);
    EXPECT_EQ(tally.made[FullHouse], 1);
    EXPECT_EQ(tally.games, 2);
    EXPECT_EQ(tally.bankTotal, 720);
    EXPECT_EQ(tally.bestBank, 740);

    PokerStatistics::reset(statistics);
    EXPECT_EQ(PokerStatistics::read(file()), PokerTally{});
}
