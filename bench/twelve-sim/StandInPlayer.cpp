#include "StandInPlayer.h"

#include "TwelvePlayers.h"

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
    const int limit = worthsAboveLeast(middleCardWorths(game, HumanSeat))[game.AuctionSlot];
    if (game.Bid + 1 > limit || !turn.RaiseBid(1))
        turn.NoMore();
}
