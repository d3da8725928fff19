#pragma once

#include "PokerHand.h"

#include <QString>
#include <array>
#include <optional>

class StatisticsFile;

// What the statistics keep of Poker: the games played to their end and every hand played.
struct PokerTally
{
    qint64 games = 0;
    qint64 bankTotal = 0;
    std::optional<qint64> bestBank;
    qint64 hands = 0;
    qint64 staked = 0;
    qint64 paidBack = 0;
    // Hands by the rank they were dealt, and the rank they were made after the draw.
    std::array<qint64, HandRankCount> dealt{};
    std::array<qint64, HandRankCount> made{};

    friend bool operator==(const PokerTally &, const PokerTally &) = default;
};

// The Poker part of the statistics file. Hands count as they are paid, a game when its last
// hand has been; every change is written at once.
namespace PokerStatistics {

// The five-card deals of each rank among all 2,598,960, by this game's rules (the Ace is
// always high): how often each rank is expected when the cards are dealt.
inline constexpr std::array<qint64, HandRankCount> DealsOfRank{
    1303560, 1098240, 123552, 54912, 9180, 5112, 3744, 624, 32, 4};
inline constexpr qint64 AllDeals = 2598960;

PokerTally read(const StatisticsFile &file);
void write(StatisticsFile &file, const PokerTally &tally);
void handPaid(StatisticsFile &file, HandRank dealt, HandRank made, int stake);
void gameFinished(StatisticsFile &file, qint64 bank);
void reset(StatisticsFile &file);

}
