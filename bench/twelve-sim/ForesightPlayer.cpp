#include "ForesightPlayer.h"

#include "TwelveForesight.h"

void ForesightPlayer::put()
{
    // What the table looked like before anybody put: the computers' cards are face down.
    TwelveGame before = turn.TurnStart();
    before.TurnNo = game.TurnNo;
    turn.PutCard(*TwelveForesight::decidePut(knowledgeOf(before, HumanSeat), nextSeed()));
}

const PerSlot<int> &ForesightPlayer::worths()
{
    if (worthsTurn != game.TurnNo || worthsRound != game.RoundNo) {
        worthsTurn = game.TurnNo;
        worthsRound = game.RoundNo;
        slotWorths = *TwelveForesight::decideWorths(knowledgeOf(game, HumanSeat), nextSeed());
    }
    return slotWorths;
}

void ForesightPlayer::choose()
{
    const PerSlot<int> &worth = worths();
    int best = 0;
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (game.TurnSlot[slot].FaceUp && (best == 0 || worth[slot] > worth[best]))
            best = slot;
    turn.ChooseCard(best);
}

void ForesightPlayer::bid()
{
    if (game.Bid + 1 > worths()[game.AuctionSlot] || !turn.RaiseBid(1))
        turn.NoMore();
}
