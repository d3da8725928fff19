#include "StandInPlayer.h"

#include "TwelvePlayers.h"

#include <algorithm>

void StandInPlayer::put()
{
    turn.PutCard(leastValuedCard(game.Holding[HumanSeat]));
}

void StandInPlayer::choose()
{
    const PerSlot<int> worths = middleCardWorths(game, HumanSeat);
    int best = 0;
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (game.TurnSlot[slot].FaceUp && (best == 0 || worths[slot] > worths[best]))
            best = slot;
    turn.ChooseCard(best);
}

void StandInPlayer::bid()
{
    const PerSlot<int> worths = middleCardWorths(game, HumanSeat);
    const int least = *std::min_element(worths.begin() + 1, worths.end());
    const int limit = worths[game.AuctionSlot] - least;
    if (game.Bid + 1 > limit || !turn.RaiseBid(1))
        turn.NoMore();
}
