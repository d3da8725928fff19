#pragma once

#include "TwelveRules.h"

class Random;

// What one seat can know of the table: its own hand, the cards it saw go into the other hands
// this round and those it saw them put, the face-up middle cards and every seat's points. The cards
// it cannot place are somewhere in the other hands; a computer that thinks ahead deals them out at
// random, as often as it likes, and plays each deal forward.
struct SeatKnowledge
{
    int seat = 0;
    // The seat's own hand in full; for every other seat, the cards seen going to it.
    PerSeat<Hand> known{};
    PerSeat<int> handSizes{};
    // The cards each seat was seen to put this round and has not been seen to take back.
    PerSeat<Hand> spared{};
    // How likely each seat is to hold a card of each rank, by what it took and spared,
    // against a seat that showed nothing.
    PerSeat<std::array<double, RankCount>> rankLikelihoods{};
    // In some hand other than this seat's, nobody knows whose.
    Hand unplaced{};
    // The face-up cards in the middle by slot; NoCard where none lies.
    PerSlot<int> middle{};
    PerSeat<int> points{};
    int roundNo = 0;
    int turnNo = 0;

    static constexpr int NoCard = -1;

    bool operator==(const SeatKnowledge &) const = default;
};

// Built from the game without looking at any hand but the seat's own.
SeatKnowledge knowledgeOf(const TwelveGame &game, int seat);

// A deal of the unplaced cards to the other seats, up to the sizes of their hands, as the way
// they played makes it likely: a seat holds cards near the ranks it took more often, and near
// the ranks it put less often, than chance would give it.
PerSeat<Hand> sampleHands(const SeatKnowledge &knowledge, Random &random);
