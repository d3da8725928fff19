#include "TwelveKnowledge.h"

#include "Random.h"

#include <utility>
#include <vector>

SeatKnowledge knowledgeOf(const TwelveGame &game, int seat)
{
    SeatKnowledge knowledge;
    knowledge.seat = seat;
    knowledge.known[seat] = game.Holding[seat];
    knowledge.roundNo = game.RoundNo;
    knowledge.turnNo = game.TurnNo;
    knowledge.points = game.Scores[game.RoundNo];
    Hand inMiddle{};
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const TurnSlotRecord &put = game.TurnSlot[slot];
        knowledge.middle[slot] = put.FaceUp ? put.Card : SeatKnowledge::NoCard;
        if (put.FaceUp)
            inMiddle[put.Card] = true;
    }
    // How many cards a hand holds is in plain view: 13, less a card put into the middle, until
    // the seat has bought one back.
    for (int other = 1; other <= SeatCount; ++other)
        knowledge.handSizes[other]
            = HandSize - (game.TurnSlot[other].MoveState != MoveNotPut) + game.Bought[other];
    for (int card = 0; card < CardCount; ++card) {
        if (game.Holding[seat][card] || inMiddle[card])
            continue;
        const int seenWith = game.SeenWith[card];
        if (seenWith != 0 && seenWith != seat)
            knowledge.known[seenWith][card] = true;
        else
            knowledge.unplaced[card] = true;
    }
    return knowledge;
}

PerSeat<Hand> sampleHands(const SeatKnowledge &knowledge, Random &random)
{
    std::vector<int> unplaced;
    unplaced.reserve(CardCount);
    for (int card = 0; card < CardCount; ++card)
        if (knowledge.unplaced[card])
            unplaced.push_back(card);
    for (int i = static_cast<int>(unplaced.size()) - 1; i > 0; --i)
        std::swap(unplaced[i], unplaced[random.random(i + 1)]);

    PerSeat<Hand> hands = knowledge.known;
    auto next = unplaced.begin();
    for (int seat = 1; seat <= SeatCount; ++seat) {
        if (seat == knowledge.seat)
            continue;
        for (int missing = knowledge.handSizes[seat] - heldCount(hands[seat]);
             missing > 0 && next != unplaced.end(); --missing)
            hands[seat][*next++] = true;
    }
    return hands;
}
