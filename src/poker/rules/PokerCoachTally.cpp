#include "PokerCoachTally.h"

#include <algorithm>

double costOfHold(const HoldValues &values, HoldMask held)
{
    const double cost = *std::max_element(values.begin(), values.end()) - values[held];
    return cost > SameValue ? cost : 0;
}

void PokerCoachTally::record(const HoldValues &values, HoldMask held)
{
    const double cost = costOfHold(values, held);
    ++handsValued;
    handsWithBestHold += cost == 0;
    givenAway += cost;
}
