// The table's card movements, one step per tick of the move timer.
#include "TwelveTable.h"

#include "Picture.h"

using namespace TwelveTableLayout;

void TwelveTable::startTravel(int slot)
{
    const TurnSlotRecord &put = game.TurnSlot[slot];
    if (slot == HumanSeat)
        faces[put.Card]->hide();
    else
        backs[put.BackSlot]->hide();
    travelPlace[slot] = travelStart(slot);
    Picture *card = travelling(slot);
    parts.place(card, QRect(travelPlace[slot], UprightCard));
    // Above the hands it passes over.
    card->raise();
    card->show();
    turnWidth = CardWidth;
}

bool TwelveTable::travelStep(int slot, int moveStep)
{
    const QPoint target = middleCard(slot);
    travelPlace[slot] = TwelveMotion::travelStep(travelPlace[slot], target, moveStep);
    parts.moveTo(travelling(slot), travelPlace[slot]);
    return travelPlace[slot] == target;
}

bool TwelveTable::narrowBacks(int turnStep)
{
    turnWidth -= turnStep;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (turnWidth > 0)
            parts.place(travelling(slot), TwelveMotion::turningCard(middleCard(slot), turnWidth));
        else
            travelling(slot)->hide();
    }
    return turnWidth <= 0;
}

bool TwelveTable::widenFaces(int turnStep)
{
    turnWidth += turnStep;
    const bool turned = turnWidth > CardWidth;
    if (turned)
        turnWidth = CardWidth;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        Picture *face = faces[game.TurnSlot[slot].Card];
        parts.place(face, TwelveMotion::turningCard(middleCard(slot), turnWidth));
        face->show();
    }
    return turned;
}

bool TwelveTable::narrowSoldFace(int slot, int turnStep)
{
    soldSlot = slot;
    Picture *face = faces[game.TurnSlot[slot].Card];
    turnWidth -= turnStep;
    if (turnWidth > 0) {
        parts.place(face, TwelveMotion::turningCard(middleCard(slot), turnWidth));
        return false;
    }
    face->hide();
    parts.resizeTo(face, UprightCard);
    return true;
}

bool TwelveTable::widenSoldBack(int slot, int buyer, int moveStep, int turnStep)
{
    turnWidth += turnStep;
    const bool turned = turnWidth > CardWidth;
    if (turned)
        turnWidth = CardWidth;
    Picture *card = travelling(slot);
    parts.place(card, TwelveMotion::turningCard(middleCard(slot), turnWidth));
    card->raise();
    card->show();
    if (turned)
        flight = TwelveMotion::Flight(middleCard(slot), flightTarget(buyer), moveStep);
    return turned;
}

bool TwelveTable::flightStep()
{
    const bool arrived = flight.advance();
    parts.moveTo(travelling(soldSlot), flight.position());
    return arrived;
}

void TwelveTable::landSoldCard(int slot)
{
    travelling(slot)->hide();
    soldSlot = 0;
}
