#include "PokerHand.h"

#include <bit>

namespace {

constexpr int RankCount = 13;
constexpr unsigned FiveInARow = 0b11111;

}

HandRank classifyHand(const PokerCards &cards)
{
    std::array<int, RankCount> count {};
    unsigned ranksPresent = 0;
    bool flush = true;
    const int firstSuit = cards[0] / RankCount;
    for (const int card : cards) {
        const int rank = card % RankCount;
        ++count[rank];
        ranksPresent |= 1u << rank;
        flush = flush && card / RankCount == firstSuit;
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

    int pairs = 0;
    bool three = false;
    for (const int n : count) {
        if (n == 4)
            return FourOfAKind;
        pairs += n == 2;
        three = three || n == 3;
    }
    if (pairs == 2)
        return TwoPair;
    if (three)
        return pairs == 1 ? FullHouse : ThreeOfAKind;
    return pairs == 1 ? OnePair : Runt;
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
