#include "HintPlayer.h"

#include "TwelveHint.h"

void HintPlayer::put()
{
    turn.PutCard(hintPutCard(game));
}

void HintPlayer::choose()
{
    turn.ChooseCard(hintChooseSlot(game));
}

void HintPlayer::bid()
{
    if (game.Bid + 1 > hintCardWorth(game, game.AuctionSlot) || !turn.RaiseBid(1))
        turn.NoMore();
}
