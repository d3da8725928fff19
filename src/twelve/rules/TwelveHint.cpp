#include "TwelveHint.h"

#include "TwelvePlayers.h"

#include <algorithm>

int hintPutCard(const TwelveGame &game)
{
    return leastValuedCard(game.Holding[HumanSeat]);
}

int hintChooseSlot(const TwelveGame &game)
{
    const PerSlot<int> worths = middleCardWorths(game, HumanSeat);
    int best = 0;
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (game.TurnSlot[slot].FaceUp && (best == 0 || worths[slot] > worths[best]))
            best = slot;
    return best;
}

int hintCardWorth(const TwelveGame &game, int slot)
{
    // His hand does not change until he has bought, so neither do the four worths of the turn.
    const PerSlot<int> worths = middleCardWorths(game, HumanSeat);
    return worths[slot] - *std::min_element(worths.begin() + 1, worths.end());
}
