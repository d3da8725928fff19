// Classifies every five-card hand of the deck once and reports how fast that went.

#include "PokerHand.h"

#include <chrono>
#include <cstdio>

int main()
{
    constexpr int DeckSize = 52;
    std::array<long, HandRankCount> counts{};
    long hands = 0;
    const auto started = std::chrono::steady_clock::now();
    PokerCards hand;
    for (hand[0] = 0; hand[0] < DeckSize; ++hand[0])
        for (hand[1] = hand[0] + 1; hand[1] < DeckSize; ++hand[1])
            for (hand[2] = hand[1] + 1; hand[2] < DeckSize; ++hand[2])
                for (hand[3] = hand[2] + 1; hand[3] < DeckSize; ++hand[3])
                    for (hand[4] = hand[3] + 1; hand[4] < DeckSize; ++hand[4]) {
                        ++counts[classifyHand(hand)];
                        ++hands;
                    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;

    for (int rank = 0; rank < HandRankCount; ++rank)
        std::printf("%-16s %8ld\n", PayTable[rank].name.data(), counts[rank]);
    std::printf("%ld hands in %.3f s: %.0f hands per second\n", hands, elapsed.count(),
                hands / elapsed.count());
    return 0;
}
