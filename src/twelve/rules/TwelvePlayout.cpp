#include "TwelvePlayout.h"

#include "TwelvePlayers.h"

#include <algorithm>

namespace {

void putInSlot(TwelveGame &game, int seat, int card)
{
    game.Holding[seat][card] = false;
    TurnSlotRecord &slot = game.TurnSlot[seat];
    slot.Card = card;
    slot.Suit = suitOf(card);
    slot.Rank = rankOf(card);
    slot.FaceUp = true;
}

// The unsold slot of greatest worth, the first among equals.
int wantedSlot(const PerSlot<int> &worths, const PerSlot<bool> &sold)
{
    int best = 0;
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (!sold[slot] && (best == 0 || worths[slot] > worths[best]))
            best = slot;
    return best;
}

} // namespace

void putLeastValued(TwelveGame &game, int seat, int card)
{
    for (int putter = 1; putter <= SeatCount; ++putter)
        putInSlot(game, putter, putter == seat ? card : leastValuedCard(game.Holding[putter]));
}

void shareMiddle(TwelveGame &game, PerSeat<bool> bought, PerSlot<bool> sold)
{
    const PerSeat<int> &points = game.Scores[game.RoundNo];
    PerSeat<PerSlot<int>> limits{};
    PerSeat<PerSlot<int>> worths{};
    for (int seat = 1; seat <= SeatCount; ++seat) {
        if (bought[seat])
            continue;
        worths[seat] = middleCardWorths(game, seat);
        limits[seat] = worthsAboveLeast(worths[seat]);
        for (int slot = 1; slot <= SlotCount; ++slot)
            limits[seat][slot] = std::min(limits[seat][slot], points[seat]);
    }
    for (;;) {
        PerSeat<int> wanted{};
        PerSlot<int> wanters{};
        for (int seat = 1; seat <= SeatCount; ++seat)
            if (!bought[seat])
                ++wanters[wanted[seat] = wantedSlot(worths[seat], sold)];
        int slot = 0;
        for (int seat = 1; seat <= SeatCount && slot == 0; ++seat)
            if (!bought[seat] && wanters[wanted[seat]] > 1)
                slot = wanted[seat];
        if (slot == 0) {
            // Nothing contested: everybody takes the card he wants for nothing.
            for (int seat = 1; seat <= SeatCount; ++seat)
                if (!bought[seat])
                    game.Holding[seat][game.TurnSlot[wanted[seat]].Card] = true;
            return;
        }
        auto bidsFor = [&](int seat) { return !bought[seat] && wanted[seat] == slot; };
        int winner = 0;
        for (int seat = 1; seat <= SeatCount; ++seat)
            if (bidsFor(seat) && (winner == 0 || limits[seat][slot] > limits[winner][slot]))
                winner = seat;
        int runnerUpLimit = 0;
        for (int seat = 1; seat <= SeatCount; ++seat)
            if (bidsFor(seat) && seat != winner)
                runnerUpLimit = std::max(runnerUpLimit, limits[seat][slot]);
        const int limit = limits[winner][slot];
        const int price = limit > 0 ? std::min(limit, runnerUpLimit + 1) : 0;
        game.Scores[game.RoundNo][winner] -= price;
        game.Holding[winner][game.TurnSlot[slot].Card] = true;
        bought[winner] = true;
        sold[slot] = true;
    }
}

void playRoundOut(TwelveGame &game, int lastTurn)
{
    lastTurn = std::min(lastTurn, DrawnRoundTurns);
    bool twelve = false;
    while (!(twelve = EvaluateHands(game)) && game.TurnNo < lastTurn) {
        ++game.TurnNo;
        putLeastValued(game);
        shareMiddle(game, {}, {});
    }
    if (twelve || game.TurnNo < DrawnRoundTurns)
        RankRound(game);
    else
        DrawRound(game);
}
