#include "RandomPlayer.h"

RandomPlayer::RandomPlayer(TwelveGame &game, TwelveTurn &turn, unsigned seed)
    : SeatOnePlayer(game, turn)
    , random(seed)
{ }

void RandomPlayer::put()
{
    int index = random.random(heldCount(game.Holding[HumanSeat]));
    for (int card = 0; card < CardCount; ++card)
        if (game.Holding[HumanSeat][card] && index-- == 0) {
            turn.PutCard(card);
            return;
        }
}

void RandomPlayer::choose()
{
    int slot;
    do
        slot = random.random(SlotCount) + 1;
    while (!game.TurnSlot[slot].FaceUp);
    turn.ChooseCard(slot);
}

// "+1", "+5", "At all costs" or "No more"; a raise he cannot pay is ignored, and the auction
// asks him again.
void RandomPlayer::bid()
{
    switch (random.random(4)) {
    case 0:
        turn.RaiseBid(1);
        break;
    case 1:
        turn.RaiseBid(5);
        break;
    case 2:
        turn.BidAtAllCosts();
        break;
    default:
        turn.NoMore();
        break;
    }
}
