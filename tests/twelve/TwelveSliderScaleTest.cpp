#include "TwelveSliderScale.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(TwelveSliderScale, PositionsStoreTheirValues)
{
    struct Case
    {
        int position, moveOrTurnStep, bidDelay;
        double difficulty;
    };
    const Case cases[] = {{1, 1, 842, 0.5},    {2, 4, 785, 1.0},    {8, 64, 485, 4.0},
                          {10, 100, 401, 5.0}, {12, 144, 325, 6.0}, {30, 900, 1, 15.0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(stepAtPosition(c.position), c.moveOrTurnStep);
        EXPECT_EQ(bidDelayAtPosition(c.position), c.bidDelay);
        EXPECT_EQ(difficultyAtPosition(c.position), c.difficulty);
    }
}

TEST(TwelveSliderScale, StoredValuesShowAtTheirNearestPosition)
{
    struct Case
    {
        const char *what;
        int position, expected;
    };
    const Case cases[] = {
        {"default MoveStep", positionOfStep(100, MoveStepRange), 10},
        {"default TurnStep", positionOfStep(64, TurnStepRange), 8},
        {"default BidDelay", positionOfBidDelay(1), 30},
        {"slowest BidDelay", positionOfBidDelay(842), 1},
        {"default Difficulty", positionOfDifficulty(1.0), 2},
        {"hardest greedy Difficulty", positionOfDifficulty(4.0), 8},
        {"hardest Difficulty", positionOfDifficulty(4.5), 9},
        {"root 5.48 rounds down", positionOfStep(30, MoveStepRange), 5},
        {"root 5.57 rounds up", positionOfStep(31, MoveStepRange), 6},
        {"BidDelay between positions", positionOfBidDelay(50), 23},
        {"half a level rounds to the even position", positionOfDifficulty(1.25), 2},
        {"half a level rounds to the even position above", positionOfDifficulty(1.75), 4},
        {"negative MoveStep", positionOfStep(-100, MoveStepRange), 1},
        {"zero TurnStep", positionOfStep(0, TurnStepRange), 1},
        {"huge MoveStep", positionOfStep(INT_MAX, MoveStepRange), 12},
        {"huge TurnStep", positionOfStep(1000, TurnStepRange), 9},
        {"BidDelay below 1 is faster than the fast end", positionOfBidDelay(0), 30},
        {"lowest int BidDelay", positionOfBidDelay(INT_MIN), 30},
        {"huge BidDelay", positionOfBidDelay(INT_MAX), 1},
        {"Difficulty below the range", positionOfDifficulty(-3.0), 2},
        {"Difficulty above the range", positionOfDifficulty(1e300), 9},
        {"Difficulty that is no number", positionOfDifficulty(std::nan("")), 2},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.position, c.expected) << c.what;
}

TEST(TwelveSliderScale, EveryPositionShowsWhatItStores)
{
    for (int p = MoveStepRange.Lowest; p <= MoveStepRange.Highest; ++p)
        EXPECT_EQ(positionOfStep(stepAtPosition(p), MoveStepRange), p);
    for (int p = BidDelayRange.Lowest; p <= BidDelayRange.Highest; ++p)
        EXPECT_EQ(positionOfBidDelay(bidDelayAtPosition(p)), p);
    for (int p = DifficultyRange.Lowest; p <= DifficultyRange.Highest; ++p)
        EXPECT_EQ(positionOfDifficulty(difficultyAtPosition(p)), p);
}

}
