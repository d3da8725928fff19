#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The pay table, the classification of five cards and the running score of a Poker game.

enum HandRank {
    Runt,
    OnePair,
    TwoPair,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    RoyalFlush
};
inline constexpr int HandRankCount = 10;

struct PayRow
{
    std::string_view name;
    // Gross: the stake was taken when the hand was dealt.
    int payout;
};

inline constexpr std::array<PayRow, HandRankCount> PayTable{{
    {"Runt", 0},
    {"One Pair", 5},
    {"Two Pair", 10},
    {"Three of a Kind", 20},
    {"Straight", 30},
    {"Flush", 35},
    {"Full House", 40},
    {"Four of a Kind", 50},
    {"Straight Flush", 100},
    {"Royal Flush", 200},
}};

inline constexpr int CardsInHand = 5;
// Card ids 0..51 at the five table positions, 0 the leftmost.
using PokerCards = std::array<int, CardsInHand>;

// The Ace is always high: A-2-3-4-5 is no straight and no straight runs past the Ace.
HandRank classifyHand(const PokerCards &cards);

// Counts and money of one game. The values may come from a saved file unchecked, so they are
// held in 64 bits: no sum or product of 32-bit inputs can overflow.
struct PokerScore
{
    std::array<std::int64_t, HandRankCount> HandCounts{};
    std::int64_t Money = 0;

    // Counts one hand of this rank and credits its payout.
    void ApplyResult(HandRank rank);

    // Always the sum of HandCounts, so it cannot disagree with them.
    std::int64_t HandsPlayed() const;
    // HandCounts[rank] times the payout of that rank.
    std::int64_t amount(int rank) const;
    // Always the sum of amount() over the ranks.
    std::int64_t Winnings() const;
};
