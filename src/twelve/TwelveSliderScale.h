#pragma once

#include "TwelveLevels.h"

// How the Twelve settings dialog's sliders stand for the stored settings. Speeds grow with the
// square of a position, so the slow end gets the fine steps; bidding runs slow to fast.

struct SliderRange
{
    int Lowest;
    int Highest;
};

inline constexpr SliderRange MoveStepRange{1, 12};
inline constexpr SliderRange TurnStepRange{1, 9};
inline constexpr SliderRange BidDelayRange{1, 30};
inline constexpr SliderRange DifficultyRange{int(2 * EasiestDifficulty),
                                             int(2 * HardestDifficulty)};

// MoveStep and TurnStep: the square of the position.
int stepAtPosition(int position);
int positionOfStep(int step, SliderRange range);

// BidDelay in ms: 842 at the slow end down to 1 at the fast end.
int bidDelayAtPosition(int position);
int positionOfBidDelay(int bidDelay);

// Difficulty from the easiest to the hardest, in halves.
double difficultyAtPosition(int position);
int positionOfDifficulty(double difficulty);
