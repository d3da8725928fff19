#include "PokerHand.h"

#include <bit>

namespace {

constexpr int RankCount = 13;
constexpr unsigned FiveInARow = 0b11111;

}

HandRank classifyHand(const PokerCards &cards)
{
    std::array<int, CardsInHand> ranks;
    unsigned ranksPresent = 0;
    bool flush = true;
    const int firstSuit = cards[0] / RankCount;
    for (int i = 0; i < CardsInHand; ++i) {
        ranks[i] = cards[i] % RankCount;
        ranksPresent |= 1u << ranks[i];
        flush = flush && cards[i] / RankCount == firstSuit;
    }

    // Five distinct ranks in a row from the lowest one; bits above the Ace do not exist, so
    // the run cannot wrap.
    const int lowest = std::countr_zero(ranksPresent);
    const bool straight = (ranksPresent >> lowest) == FiveInARow;
    const bool royal = straight && lowest == RankCount - CardsInHand;

    if (flush && royal)
        return RoyalFlush;
    if (flush && straight)
        return StraightFlush;
    if (flush)
        return Flush;
    if (straight)
        return Straight;

    // Pairs of cards of equal rank tell every combination of ranks apart.
    int matches = 0;
    for (int i = 0; i < CardsInHand; ++i)
        for (int j = i + 1; j < CardsInHand; ++j)
            matches += ranks[i] == ranks[j];
    switch (matches) {
    case 1:
        return OnePair;
    case 2:
        return TwoPair;
    case 3:
        return ThreeOfAKind;
    case 4:
        return FullHouse;
    case 6:
        return FourOfAKind;
    default:
        return Runt;
    }
}

void PokerScore::ApplyResult(HandRank rank)
{
    ++HandCounts[rank];
    Money += PayTable[rank].payout;
}

std::int64_t PokerScore::HandsPlayed() const
{
    std::int64_t total = 0;
    for (const std::int64_t n : HandCounts)
        total += n;
    return total;
}

std::int64_t PokerScore::amount(int rank) const
{
    return HandCounts[rank] * PayTable[rank].payout;
}

std::int64_t PokerScore::Winnings() const
{
    std::int64_t total = 0;
    for (int rank = 0; rank < HandRankCount; ++rank)
        total += amount(rank);
    return total;
}
