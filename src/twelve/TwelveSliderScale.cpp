#include "TwelveSliderScale.h"

#include "TwelveRules.h"

#include <algorithm>
#include <cmath>

namespace {

// Values no position stands for (below zero under a root, NaN, huge) go to the nearest end.
int nearestPosition(double exact, SliderRange range)
{
    if (!(exact >= range.Lowest))
        return range.Lowest;
    if (exact > range.Highest)
        return range.Highest;
    return static_cast<int>(roundHalfToEven(exact));
}

double rootOrZero(double value)
{
    return value > 0.0 ? std::sqrt(value) : 0.0;
}

}

int stepAtPosition(int position)
{
    return position * position;
}

int positionOfStep(int step, SliderRange range)
{
    return nearestPosition(rootOrZero(step), range);
}

int bidDelayAtPosition(int position)
{
    const int fromFastEnd = BidDelayRange.Highest - position;
    return fromFastEnd * fromFastEnd + 1;
}

int positionOfBidDelay(int bidDelay)
{
    return nearestPosition(BidDelayRange.Highest - rootOrZero(double(bidDelay) - 1.0),
                           BidDelayRange);
}

double difficultyAtPosition(int position)
{
    return position / 2.0;
}

int positionOfDifficulty(double difficulty)
{
    return nearestPosition(2.0 * difficulty, DifficultyRange);
}
