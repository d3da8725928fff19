#pragma once

#include "PokerOdds.h"

// How well the player holds: the hands valued, those played with the best hold, and the
// expected dollars given away by the others.
struct PokerCoachTally
{
    int handsValued = 0;
    int handsWithBestHold = 0;
    double givenAway = 0;

    // The hold the player drew with, against the values of the hand.
    void record(const HoldValues &values, HoldMask held);
};

// What the hold costs against the best one, in expected dollars; 0 for a best hold.
double costOfHold(const HoldValues &values, HoldMask held);
