#include "MechanicalPlayer.h"

void MechanicalPlayer::put()
{
    for (int card = CardCount - 1; card >= 0; --card)
        if (game.Holding[HumanSeat][card]) {
            turn.PutCard(card);
            return;
        }
}

void MechanicalPlayer::choose()
{
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (game.TurnSlot[slot].FaceUp) {
            turn.ChooseCard(slot);
            return;
        }
}

void MechanicalPlayer::bid()
{
    turn.NoMore();
}

// Slot 1 holds the card seat 1 put this turn.
void KeeperPlayer::choose()
{
    if (game.TurnSlot[HumanSeat].FaceUp)
        turn.ChooseCard(HumanSeat);
    else
        MechanicalPlayer::choose();
}

void LeftmostPlayer::choose()
{
    for (const int slot : {4, 3, 1, 2})
        if (game.TurnSlot[slot].FaceUp) {
            turn.ChooseCard(slot);
            return;
        }
}
